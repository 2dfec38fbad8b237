#include "ui/script_text_box.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QPalette>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

#include "assist/typing_edits.h"
#include "ui/box_text.h"
#include "ui/editor_look.h"

namespace corvane {

namespace {
constexpr qreal kScriptPoints = 9.75;
constexpr qreal kScriptTextPoints = 8.0;
constexpr int kTabStopCharacters = 4;
// A pause in typing this long starts a new undo step.
constexpr qint64 kUndoPauseMilliseconds = 1000;

bool isEnter(const QKeyEvent* event) { return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter; }
bool isRedo(const QKeyEvent* event) {
    return event->key() == Qt::Key_Y && (event->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier;
}
}  // namespace

ScriptTextBox::ScriptTextBox(QWidget* parent) : QTextEdit(parent) {
    setObjectName(QStringLiteral("txtScript"));
    setAcceptRichText(false);
    setLineWrapMode(QTextEdit::NoWrap);
    setFont(courierNew(kScriptPoints));
    setTabStopDistance(fontMetrics().horizontalAdvance(QLatin1Char(' ')) * kTabStopCharacters);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, darkBackground());
    colours.setColor(QPalette::Text, newScriptTextColour());
    setPalette(colours);
    viewport()->setMouseTracking(true);
    // Both: an edit reports its range before the caret moves, and the whole change once it is done.
    const auto textChanged = [this] { engineTextStale_ = true; };
    connect(document(), &QTextDocument::contentsChange, this, textChanged);
    connect(document(), &QTextDocument::contentsChanged, this, textChanged);
}

const std::string& ScriptTextBox::engineText() const {
    if (engineTextStale_) {
        engineText_ = engineBytesFromBoxText(typedText(*document()));
        engineTextStale_ = false;
    }
    return engineText_;
}

void ScriptTextBox::setScriptText(const QString& text) {
    setUndoRedoEnabled(false);
    setPlainText(text);
    QTextCursor cursor(document());
    cursor.select(QTextCursor::Document);
    QTextCharFormat format;
    format.setForeground(newScriptTextColour());
    format.setFontPointSize(kScriptTextPoints);
    cursor.mergeCharFormat(format);
    cursor.setPosition(0);
    setTextCursor(cursor);
    setCurrentCharFormat(cursor.charFormat());
    setUndoRedoEnabled(true);
    document()->setModified(false);
}

void ScriptTextBox::selectRange(int start, int length) {
    QTextCursor cursor(document());
    const int end = document()->characterCount() - 1;
    cursor.setPosition(qBound(0, start, end));
    const QTextCursor first = cursor;
    cursor.setPosition(qBound(0, start + length, end), QTextCursor::KeepAnchor);
    setTextCursor(cursor);  // scrolls the end of the range into view
    // The start too, and the line from its beginning where the range fits that way.
    QScrollBar* sideways = horizontalScrollBar();
    const int left = cursorRect(first).left() + sideways->value();
    const int right = cursorRect().right() + sideways->value();
    if (right < viewport()->width()) {
        sideways->setValue(0);
    } else if (left < sideways->value()) {
        sideways->setValue(left);
    }
    setFocus();
}

bool ScriptTextBox::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        // Ctrl+A belongs to Save As; Select All stays in the context menu.
        if (key->matches(QKeySequence::SelectAll)) {
            event->ignore();
            return false;
        }
        // Redo, also where another window's Edit items are on Ctrl+Y.
        if (isRedo(key)) {
            event->accept();
            return true;
        }
    }
    return QTextEdit::event(event);
}

void ScriptTextBox::keyPressEvent(QKeyEvent* event) {
    emit helpRequested();
    if (!event->text().isEmpty()) setTextColor(typedTextColour());
    if (isRedo(event)) {
        redo();
        return;
    }
    if (!isReadOnly()) {
        if (isEnter(event)) {
            // Every Enter, Shift+Enter included, makes a real line break: the box's own Shift+Enter
            // would put a line separator into the text, which no script word may hold.
            insertIndentedLineBreak();
            return;
        }
        // Shift+Tab never leaves the box for the next widget, which would take the author's next letters.
        if (event->key() == Qt::Key_Backtab ||
            (event->key() == Qt::Key_Tab && textCursor().selectedText().contains(QChar::ParagraphSeparator))) {
            shiftSelectedLines(event->key() == Qt::Key_Backtab);
            return;
        }
    }
    const QString text = event->text();
    const bool typesText = !text.isEmpty() && (text.front().isPrint() || text.front() == QLatin1Char('\t')) &&
                           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (typesText && startsUndoStep(text)) {
        QTextCursor step(document());
        step.beginEditBlock();
        QTextEdit::keyPressEvent(event);
        step.endEditBlock();
    } else {
        QTextEdit::keyPressEvent(event);
    }
    if (!text.isEmpty() && event->isAccepted()) emit typed(text);
}

bool ScriptTextBox::startsUndoStep(const QString& typed) {
    const bool paused = !lastTyped_.isValid() || lastTyped_.elapsed() > kUndoPauseMilliseconds;
    lastTyped_.start();
    return undoSteps_.Typed(utf16Of(typed), paused);
}

void ScriptTextBox::insertIndentedLineBreak() {
    QTextCursor cursor = textCursor();
    const QString before = cursor.block().text().left(cursor.selectionStart() - cursor.block().position());
    const auto tabs = static_cast<int>(NewLineTabs(engineBytesFromBoxText(before)));
    cursor.beginEditBlock();
    cursor.insertText(QLatin1Char('\n') + QString(tabs, QLatin1Char('\t')), currentCharFormat());
    cursor.endEditBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
    undoSteps_.LineBroken();
}

void ScriptTextBox::shiftSelectedLines(bool outdent) {
    QTextCursor selection = textCursor();
    applyBlankEdits(*document(), ShiftLines(engineText(), static_cast<std::size_t>(selection.selectionStart()),
                                            static_cast<std::size_t>(selection.selectionEnd()), outdent));
    if (selection.hasSelection()) {  // the shifted lines stay selected whole, from their first tab on
        const int end = selection.selectionEnd();
        selection.setPosition(document()->findBlock(selection.selectionStart()).position());
        selection.setPosition(end, QTextCursor::KeepAnchor);
        setTextCursor(selection);
    }
    ensureCursorVisible();
}

void ScriptTextBox::mouseMoveEvent(QMouseEvent* event) {
    emit helpRequested();
    QTextEdit::mouseMoveEvent(event);
}

}  // namespace corvane
