#include "ui/replace_bar.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QToolButton>

#include "assist/match_count.h"
#include "ui/box_text.h"
#include "ui/editor_look.h"
#include "ui/script_assistant.h"
#include "ui/script_text_box.h"

namespace corvane {

namespace {

QCheckBox* addOption(QToolBar* bar, const char* name, const QString& caption) {
    auto* box = new QCheckBox(caption, bar);
    box->setObjectName(QString::fromLatin1(name));
    bar->addWidget(box);
    return box;
}

QLineEdit* addField(QToolBar* bar, const char* name, const QString& caption) {
    auto* field = new QLineEdit(bar);
    field->setObjectName(QString::fromLatin1(name));
    field->setPlaceholderText(caption);
    field->setClearButtonEnabled(true);
    field->setMinimumWidth(130);
    bar->addWidget(field);
    return field;
}

}  // namespace

ReplaceBar::ReplaceBar(ScriptTextBox& box, ScriptAssistant& assistant, QWidget* parent)
    : QToolBar(QStringLiteral("Replace"), parent), box_(box), assistant_(assistant) {
    setObjectName(QStringLiteral("barReplace"));
    setMovable(false);
    setFloatable(false);
    search_ = addField(this, "txtReplaceFind", QStringLiteral("Find"));
    addAction(QStringLiteral("Previous"), this, &ReplaceBar::findPrevious)->setObjectName("cmdReplacePrevious");
    addAction(QStringLiteral("Next"), this, &ReplaceBar::findNext)->setObjectName("cmdReplaceNext");
    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("lblMatches"));
    count_->setMinimumWidth(90);
    count_->setContentsMargins(4, 0, 4, 0);
    addWidget(count_);
    addSeparator();
    replacement_ = addField(this, "txtReplaceWith", QStringLiteral("Replace with"));
    addAction(QStringLiteral("Replace"), this, &ReplaceBar::replace)->setObjectName("cmdReplace");
    addAction(QStringLiteral("Replace All"), this, &ReplaceBar::replaceAll)->setObjectName("cmdReplaceAll");
    addSeparator();
    matchCase_ = addOption(this, "chkMatchCase", QStringLiteral("Match case"));
    wholeWords_ = addOption(this, "chkWholeWords", QStringLiteral("Whole words"));
    wrapAround_ = addOption(this, "chkWrapAround", QStringLiteral("Wrap around"));
    wrapAround_->setChecked(true);
    QAction* close = addAction(QString(QChar(0x00D7)), this, &ReplaceBar::closeBar);  // a multiplication sign
    close->setObjectName(QStringLiteral("cmdReplaceClose"));
    close->setToolTip(QStringLiteral("Close (Esc)"));
    hide();

    markLater_.setSingleShot(true);
    markLater_.setInterval(0);
    connect(&markLater_, &QTimer::timeout, this, &ReplaceBar::markMatches);
    // The range of an edit is reported before the caret moves: a caret moved by an edit waits for the
    // matches found anew.
    connect(box.document(), &QTextDocument::contentsChange, this, [this] {
        if (isVisible()) markLater_.start();
    });
    connect(&box, &QTextEdit::cursorPositionChanged, this, [this] {
        if (isVisible() && !markLater_.isActive()) showCount();
    });
    connect(search_, &QLineEdit::textChanged, &markLater_, qOverload<>(&QTimer::start));
    for (QCheckBox* option : {matchCase_, wholeWords_, wrapAround_})
        connect(option, &QCheckBox::toggled, &markLater_, qOverload<>(&QTimer::start));
    search_->installEventFilter(this);
    replacement_->installEventFilter(this);
}

SearchOptions ReplaceBar::options() const {
    return {matchCase_->isChecked(), wholeWords_->isChecked(), wrapAround_->isChecked()};
}

void ReplaceBar::setOptions(const SearchOptions& options) {
    matchCase_->setChecked(options.matchCase);
    wholeWords_->setChecked(options.wholeWords);
    wrapAround_->setChecked(options.wrapAround);
}

std::string ReplaceBar::needle() const { return engineBytesFromBoxText(search_->text()); }

void ReplaceBar::openForTyping() {
    const QTextCursor cursor = box_.textCursor();
    const QString selected = cursor.selectedText();
    if (!selected.isEmpty() && !selected.contains(QChar::ParagraphSeparator)) search_->setText(selected);
    show();
    search_->setFocus(Qt::ShortcutFocusReason);
    search_->selectAll();
    markMatches();
}

void ReplaceBar::closeBar() {
    hide();
    assistant_.setSearchMarks({});
    box_.setFocus();
}

void ReplaceBar::showMatch(const std::optional<FoundMatch>& found) {
    wrapped_ = found && found->wrapped;
    if (found) {
        QTextCursor cursor(box_.document());
        cursor.setPosition(static_cast<int>(found->position));
        cursor.setPosition(static_cast<int>(found->position + needle().size()), QTextCursor::KeepAnchor);
        box_.setTextCursor(cursor);
        box_.ensureCursorVisible();
    }
    markMatches();
}

void ReplaceBar::findNext() {
    const QTextCursor cursor = box_.textCursor();
    showMatch(NextMatch(box_.engineText(), needle(), static_cast<std::size_t>(cursor.selectionEnd()), options()));
}

void ReplaceBar::findPrevious() {
    const QTextCursor cursor = box_.textCursor();
    showMatch(PreviousMatch(box_.engineText(), needle(), static_cast<std::size_t>(cursor.selectionStart()), options()));
}

void ReplaceBar::replace() {
    const QTextCursor selection = box_.textCursor();
    const std::size_t start = static_cast<std::size_t>(selection.selectionStart());
    const std::size_t length = static_cast<std::size_t>(selection.selectionEnd() - selection.selectionStart());
    const QString with = replacement_->text();
    const ReplaceStep step =
        PlanReplace(box_.engineText(), start, length, needle(), engineBytesFromBoxText(with), options());
    if (step.replaced) {
        QTextCursor cursor(box_.document());
        cursor.setPosition(static_cast<int>(*step.replaced));
        cursor.setPosition(static_cast<int>(*step.replaced + length), QTextCursor::KeepAnchor);
        cursor.beginEditBlock();
        cursor.insertText(with, typedLook(cursor));
        cursor.endEditBlock();
        box_.setTextCursor(cursor);  // the caret after the replacement when nothing follows
    }
    showMatch(step.next);
}

void ReplaceBar::replaceAll() {
    const std::vector<std::size_t> matches = FindMatches(box_.engineText(), needle(), options());
    if (matches.empty()) return markMatches();
    const int length = static_cast<int>(needle().size());
    const QString with = replacement_->text();
    QTextCursor cursor(box_.document());
    cursor.beginEditBlock();  // one undo step for all of them
    // From the last one back, so that the offsets still ahead stay valid.
    for (auto match = matches.rbegin(); match != matches.rend(); ++match) {
        cursor.setPosition(static_cast<int>(*match));
        cursor.setPosition(static_cast<int>(*match) + length, QTextCursor::KeepAnchor);
        cursor.insertText(with, typedLook(cursor));
    }
    cursor.endEditBlock();
    markMatches();  // the count of replacements stays until the next change
    count_->setText(QStringLiteral("%1 replaced").arg(matches.size()));
}

void ReplaceBar::markMatches() {
    if (!isVisible()) return;
    markLater_.stop();
    const std::string what = needle();
    matches_ = FindMatches(box_.engineText(), what, options());
    QList<QTextCursor> marks;
    for (std::size_t i = 0; i < matches_.size() && i < kMaxMarkedMatches; ++i) {
        QTextCursor mark(box_.document());
        mark.setPosition(static_cast<int>(matches_[i]));
        mark.setPosition(static_cast<int>(matches_[i] + what.size()), QTextCursor::KeepAnchor);
        marks << mark;
    }
    assistant_.setSearchMarks(marks);
    showCount();
}

void ReplaceBar::showCount() {
    const QTextCursor selection = box_.textCursor();
    const auto start = static_cast<std::size_t>(selection.selectionStart());
    const auto end = static_cast<std::size_t>(selection.selectionEnd());
    count_->setText(QString::fromStdString(MatchCountText(matches_, start, end - start, needle().size(), wrapped_)));
}

bool ReplaceBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QToolBar::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Escape) {
        closeBar();
        return true;
    }
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return QToolBar::eventFilter(watched, event);
    if (watched == replacement_) {
        replace();
    } else if (key->modifiers() & Qt::ShiftModifier) {
        findPrevious();
    } else {
        findNext();
    }
    return true;
}

}  // namespace corvane
