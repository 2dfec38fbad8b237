#pragma once
// The script as a plain text file, lines ending in CR LF, in the encoding it was read in
// (Windows-1252, the code page the game's authors write in, for a new file).

#include <QString>
#include <optional>
#include <string>

#include "text/script_text.h"

namespace corvane {

// The file's bytes of the box's text, or nothing when a character cannot be written in `encoding`;
// then `offending` (when given) holds the first such character.
std::optional<std::string> fileBytesFromScriptText(const QString& text, FileEncoding encoding = {},
                                                   QString* offending = nullptr);

// The box's text of a text file's bytes; nothing for a file the program refuses (UTF-16), and then
// `refusal` holds the message for `fileName`.
struct ScriptTextFile {
    QString text;
    FileEncoding encoding;
};
std::optional<ScriptTextFile> scriptTextFromFile(const std::string& bytes, const QString& fileName, QString& refusal);

}  // namespace corvane
