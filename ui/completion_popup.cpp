#include "ui/completion_popup.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QTextBlock>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/script_words.h"
#include "ui/editor_look.h"
#include "ui/script_text_box.h"

namespace corvane {

namespace {
constexpr qreal kListPoints = 8.25;
constexpr int kWidth = 420;
constexpr int kHeight = 170;
constexpr int kPageRows = 8;

bool isBlank(QChar c) { return c.unicode() < 0x80 && IsScriptBlank(static_cast<char>(c.unicode())); }
}  // namespace

CompletionPopup::CompletionPopup(ScriptTextBox& box) : QFrame(box.viewport()), box_(box) {
    setObjectName(QStringLiteral("completionPopup"));
    setFrameShape(QFrame::Box);
    setFocusPolicy(Qt::NoFocus);
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("lstCompletion"));
    list_->setColumnCount(2);
    list_->setHeaderHidden(true);
    list_->setRootIsDecorated(false);
    list_->setFocusPolicy(Qt::NoFocus);
    list_->setFont(courierNew(kListPoints));
    list_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(list_);
    resize(kWidth, kHeight);
    hide();
    box.installEventFilter(this);
    connect(&box, &QTextEdit::cursorPositionChanged, this, [this] {
        if (isOpen()) narrow();
    });
    connect(list_, &QTreeWidget::itemClicked, this, [this] { acceptCurrent(); });
}

void CompletionPopup::open(int wordStart, std::vector<CompletionCandidate> candidates) {
    wordStart_ = wordStart;
    candidates_ = std::move(candidates);
    narrow();
}

void CompletionPopup::close() { hide(); }

QString CompletionPopup::typedPart() const {
    const int caret = box_.textCursor().position();
    QTextCursor part(box_.document());
    part.setPosition(wordStart_);
    part.setPosition(caret, QTextCursor::KeepAnchor);
    return part.selectedText();
}

void CompletionPopup::narrow() {
    const QString typed = typedPart();
    const int caret = box_.textCursor().position();
    if (caret < wordStart_ || box_.textCursor().hasSelection() || std::any_of(typed.begin(), typed.end(), isBlank)) {
        close();
        return;
    }
    list_->clear();
    for (const CompletionCandidate& candidate : candidates_) {
        if (!candidate.word.startsWith(typed, Qt::CaseInsensitive)) continue;
        new QTreeWidgetItem(list_, {candidate.word, candidate.detail});
    }
    if (list_->topLevelItemCount() == 0) {
        close();
        return;
    }
    list_->setCurrentItem(list_->topLevelItem(0));
    place();
    show();
    raise();
}

void CompletionPopup::place() {
    const QRect caret = box_.cursorRect();
    const QRect area = box_.viewport()->rect();
    QPoint at = caret.bottomLeft() + QPoint(0, 2);
    if (at.y() + height() > area.bottom() && caret.top() - height() >= 0) at.setY(caret.top() - height());
    at.setX(qMax(0, qMin(at.x(), area.right() - width())));
    move(at);
}

void CompletionPopup::acceptCurrent() {
    QTreeWidgetItem* item = list_->currentItem();
    close();
    if (item == nullptr) return;
    QTextCursor cursor = box_.textCursor();
    const int caret = cursor.position();
    // The whole word under the caret gives way, also the part after the caret.
    const QTextBlock block = cursor.block();
    int end = caret;
    while (end - block.position() < block.length() - 1 && !isBlank(block.text().at(end - block.position()))) ++end;
    QTextCharFormat look = cursor.charFormat();
    look.setForeground(typedTextColour());
    cursor.beginEditBlock();
    cursor.setPosition(wordStart_);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.insertText(item->text(0), look);
    cursor.endEditBlock();
    box_.setTextCursor(cursor);
}

void CompletionPopup::moveCurrent(int rows) {
    const int last = list_->topLevelItemCount() - 1;
    const int row = qBound(0, list_->indexOfTopLevelItem(list_->currentItem()) + rows, last);
    list_->setCurrentItem(list_->topLevelItem(row));
}

bool CompletionPopup::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &box_ || !isOpen() || event->type() != QEvent::KeyPress) return QFrame::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
        case Qt::Key_Up:
            moveCurrent(-1);
            return true;
        case Qt::Key_Down:
            moveCurrent(1);
            return true;
        case Qt::Key_PageUp:
            moveCurrent(-kPageRows);
            return true;
        case Qt::Key_PageDown:
            moveCurrent(kPageRows);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Tab:
            acceptCurrent();
            return true;
        case Qt::Key_Escape:
            close();
            return true;
        default:
            return false;
    }
}

}  // namespace corvane
