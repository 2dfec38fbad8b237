#include "ui/script_text_file.h"

#include "ui/box_text.h"

namespace corvane {

std::optional<std::string> fileBytesFromScriptText(const QString& text, FileEncoding encoding, QString* offending) {
    QString withCrLf = text;
    withCrLf.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    std::size_t at = 0;
    std::optional<std::string> bytes = EncodeUtf16(utf16Of(withCrLf), encoding, &at);
    if (!bytes && offending != nullptr) {
        const auto i = static_cast<qsizetype>(at);
        *offending = withCrLf.at(i).isHighSurrogate() ? withCrLf.mid(i, 2) : QString(withCrLf.at(i));
    }
    return bytes;
}

std::optional<ScriptTextFile> scriptTextFromFile(const std::string& bytes, const QString& fileName, QString& refusal) {
    const ScriptText file = ScriptText::FromFile(bytes);
    if (file.refused()) {
        refusal = QString::fromStdString(Utf16Refusal(fileName.toStdString()));
        return std::nullopt;
    }
    return ScriptTextFile{boxText(QString::fromStdU16String(file.Utf16())), file.fileEncoding()};
}

}  // namespace corvane
