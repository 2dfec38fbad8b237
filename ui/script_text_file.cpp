#include "ui/script_text_file.h"

#include "lang/windows_1252.h"

namespace corvane {

std::optional<std::string> fileBytesFromScriptText(const QString& text, QString* offending) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()) + 64);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\n')) {
            bytes += "\r\n";
            continue;
        }
        const std::optional<unsigned char> code = Windows1252FromUnicode(c.unicode());
        if (!code || c.isSurrogate()) {
            if (offending != nullptr) *offending = c.isHighSurrogate() ? text.mid(i, 2) : QString(c);
            return std::nullopt;
        }
        bytes.push_back(static_cast<char>(*code));
    }
    return bytes;
}

}  // namespace corvane
