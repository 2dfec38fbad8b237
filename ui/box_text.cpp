#include "ui/box_text.h"

#include <QTextCursor>
#include <QTextDocument>

#include "assist/typing_undo_steps.h"
#include "text/script_text.h"
#include "text/windows_1252.h"

namespace corvane {

std::string engineBytesFromBoxText(const QString& boxText) { return EngineTextFromUtf16Units(utf16Of(boxText)); }

bool isScriptBlank(QChar c) { return IsBoxBlank(c.unicode()); }

QString typedText(const QTextDocument& document) {
    QString text = document.toRawText();
    for (QChar& c : text) {
        // Block and line separators and the frame marks, as toPlainText() turns them into LF.
        const char16_t code = c.unicode();
        if (code == QChar::ParagraphSeparator || code == QChar::LineSeparator || code == 0xFDD0 || code == 0xFDD1) {
            c = QLatin1Char('\n');
        }
    }
    return text;
}

QString boxText(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QString boxTextFromEngine(std::string_view engineText) { return boxText(messageFromEngine(engineText)); }

QString messageFromEngine(std::string_view engineText) {
    return QString::fromStdU16String(Utf16FromWindows1252(engineText));
}

void applyBlankEdits(QTextDocument& document, const std::vector<BlankEdit>& edits) {
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    for (const BlankEdit& edit : edits) {
        const QString blanks = boxTextFromEngine(edit.blanks);
        cursor.setPosition(static_cast<int>(edit.position));
        cursor.setPosition(static_cast<int>(edit.position + edit.length), QTextCursor::KeepAnchor);
        if (cursor.selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n')) != blanks)
            cursor.insertText(blanks);
    }
    cursor.endEditBlock();
}

}  // namespace corvane
