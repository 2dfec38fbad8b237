#include "ui/box_text.h"

#include <QTextDocument>

#include "lang/windows_1252.h"

namespace corvane {

std::string engineBytesFromBoxText(const QString& boxText) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(boxText.size()));
    for (QChar c : boxText) {
        const auto code = Windows1252FromUnicode(c.unicode());
        bytes.push_back(code ? static_cast<char>(*code) : '?');
    }
    return bytes;
}

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

QString boxTextFromEngine(std::string_view engineText) {
    QString text = messageFromEngine(engineText);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QString messageFromEngine(std::string_view engineText) {
    QString text(static_cast<qsizetype>(engineText.size()), Qt::Uninitialized);
    for (std::size_t i = 0; i < engineText.size(); ++i) {
        text[static_cast<qsizetype>(i)] = QChar(UnicodeFromWindows1252(static_cast<unsigned char>(engineText[i])));
    }
    return text;
}

}  // namespace corvane
