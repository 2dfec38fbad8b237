#include "ui/box_text.h"

namespace corvane {

std::string engineBytesFromBoxText(const QString& boxText) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(boxText.size()));
    for (QChar c : boxText) bytes.push_back(c.unicode() <= 0xFF ? static_cast<char>(c.unicode()) : '?');
    return bytes;
}

QString boxTextFromEngine(std::string_view engineText) {
    QString text = messageFromEngine(engineText);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QString messageFromEngine(std::string_view engineText) {
    return QString::fromLatin1(engineText.data(), static_cast<qsizetype>(engineText.size()));
}

}  // namespace corvane
