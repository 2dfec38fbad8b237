#include "ui/script_text_box.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QPalette>
#include <QTextBlock>
#include <QTextCursor>

#include "ui/editor_look.h"

namespace corvane {

namespace {
constexpr qreal kScriptPoints = 9.75;
constexpr qreal kScriptTextPoints = 8.0;
constexpr int kTabStopCharacters = 4;

bool isEnter(const QKeyEvent* event) { return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter; }
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
    cursor.setPosition(qBound(0, start + length, end), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    setFocus();
}

int ScriptTextBox::tabsBeforeCaret() const {
    const QTextCursor cursor = textCursor();
    const QTextBlock block = document()->findBlock(cursor.selectionStart());
    return static_cast<int>(block.text().left(cursor.selectionStart() - block.position()).count(QLatin1Char('\t')));
}

bool ScriptTextBox::event(QEvent* event) {
    // Ctrl+A belongs to Save As; Select All stays in the context menu.
    if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(event)->matches(QKeySequence::SelectAll)) {
        event->ignore();
        return false;
    }
    return QTextEdit::event(event);
}

void ScriptTextBox::keyPressEvent(QKeyEvent* event) {
    emit helpRequested();
    if (!event->text().isEmpty()) setTextColor(typedTextColour());
    if (isEnter(event) && !isReadOnly()) {
        // Every Enter, Shift+Enter included, makes a real line break: the box's own Shift+Enter
        // would put a line separator into the text, which no script word may hold.
        insertIndentedLineBreak(tabsBeforeCaret());
        return;
    }
    QTextEdit::keyPressEvent(event);
    if (!event->text().isEmpty() && event->isAccepted()) emit typed(event->text());
}

void ScriptTextBox::insertIndentedLineBreak(int tabs) {
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    cursor.insertText(QLatin1Char('\n') + QString(tabs, QLatin1Char('\t')), currentCharFormat());
    cursor.endEditBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
}

void ScriptTextBox::mouseMoveEvent(QMouseEvent* event) {
    emit helpRequested();
    QTextEdit::mouseMoveEvent(event);
}

}  // namespace corvane
