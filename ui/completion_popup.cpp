#include "ui/completion_popup.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/box_text.h"
#include "ui/editor_look.h"
#include "ui/popup_position.h"
#include "ui/script_text_box.h"

namespace corvane {

namespace {
constexpr qreal kListPoints = 8.25;
constexpr int kMinWidth = 120;
constexpr int kMaxWidth = 560;
constexpr int kPageRows = 8;
constexpr int kColumnGap = 16;

}  // namespace

// A tool tip's window: above every other, outside the window manager's hands, never active.
CompletionPopup::CompletionPopup(ScriptTextBox& box) : QFrame(&box, Qt::ToolTip), box_(box) {
    setObjectName(QStringLiteral("completionPopup"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFrameShape(QFrame::Box);
    setFocusPolicy(Qt::NoFocus);
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("lstCompletion"));
    list_->setColumnCount(2);
    list_->setHeaderHidden(true);
    list_->setRootIsDecorated(false);
    list_->setFocusPolicy(Qt::NoFocus);
    list_->setFont(courierNew(kListPoints));
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->header()->setStretchLastSection(false);  // both columns as wide as their words
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(list_);
    hide();
    box.installEventFilter(this);
    connect(&box, &QTextEdit::cursorPositionChanged, this, [this] {
        if (isOpen()) narrow();
    });
    connect(box.verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (isOpen()) place();
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

QString CompletionPopup::wordAtCaret(int* end) const {
    const QTextCursor cursor = box_.textCursor();
    const QTextBlock block = cursor.block();
    int last = cursor.position();
    while (last - block.position() < block.length() - 1 && !isScriptBlank(block.text().at(last - block.position())))
        ++last;
    if (end != nullptr) *end = last;
    return block.text().mid(wordStart_ - block.position(), last - wordStart_);
}

void CompletionPopup::narrow() {
    if (box_.textCursor().position() < wordStart_ || box_.textCursor().hasSelection() || !box_.isVisible()) {
        close();
        return;
    }
    const QString typed = typedPart();
    if (std::any_of(typed.begin(), typed.end(), isScriptBlank)) {
        close();
        return;
    }
    list_->clear();
    for (const CompletionCandidate& candidate : candidates_) {
        if (!candidate.word.startsWith(typed, Qt::CaseInsensitive)) continue;
        new QTreeWidgetItem(list_, {candidate.word, candidate.detail});
    }
    // Nothing to offer, or only the word that stands there already.
    const int count = list_->topLevelItemCount();
    if (count == 0 || (count == 1 && list_->topLevelItem(0)->text(0) == wordAtCaret())) {
        close();
        return;
    }
    list_->setCurrentItem(list_->topLevelItem(0));
    fitToWords();
    place();
    show();
    raise();
}

void CompletionPopup::fitToWords() {
    const int rows = qMin(list_->topLevelItemCount(), kMostRowsShown);
    const int frames = 2 * (frameWidth() + list_->frameWidth() + 1);
    list_->resizeColumnToContents(0);
    list_->resizeColumnToContents(1);
    list_->setColumnWidth(0, list_->columnWidth(0) + kColumnGap);
    int width = list_->columnWidth(0) + list_->columnWidth(1) + frames;
    if (rows < list_->topLevelItemCount()) width += list_->verticalScrollBar()->sizeHint().width();
    // Fixed: the list's own minimum size would otherwise make a short list tall.
    setFixedSize(qBound(kMinWidth, width, kMaxWidth), rows * list_->sizeHintForRow(0) + frames);
}

// Below the word's line, the words under the word; above it where the screen ends below; moved sideways
// to stay on the screen.
void CompletionPopup::place() {
    QTextCursor wordStart(box_.document());
    wordStart.setPosition(qMin(wordStart_, box_.document()->characterCount() - 1));
    const QRect start = box_.cursorRect(wordStart);
    const QRect caret(box_.viewport()->mapToGlobal(QPoint(start.left(), box_.cursorRect().top())),
                      box_.cursorRect().size());
    move(popupPositionAtCaret(caret, frameGeometry().size(), box_.screen(), PopupSide::Below));
}

void CompletionPopup::acceptCurrent() {
    QTreeWidgetItem* item = list_->currentItem();
    close();
    if (item == nullptr) return;
    QTextCursor cursor = box_.textCursor();
    // The whole word under the caret gives way, also the part after the caret.
    int end = cursor.position();
    wordAtCaret(&end);
    const QTextCharFormat look = typedLook(cursor);
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
    if (watched != &box_ || !isOpen()) return QFrame::eventFilter(watched, event);
    if (event->type() == QEvent::FocusOut || event->type() == QEvent::Hide) close();
    if (event->type() != QEvent::KeyPress) return QFrame::eventFilter(watched, event);
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
            // The word is complete as typed: Enter is the line break the author wants.
            if (list_->currentItem() != nullptr && list_->currentItem()->text(0) == wordAtCaret()) {
                close();
                return false;
            }
            acceptCurrent();
            return true;
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
