#pragma once
// The script as a plain text file: Windows-1252 (the code page the game's authors write in),
// lines ending in CR LF. Reading is boxTextFromEngine.

#include <QString>

#include <optional>
#include <string>

namespace corvane {

// The file's bytes of the box's text, or nothing when a character has no Windows-1252 code; then
// `offending` (when given) holds the first such character.
std::optional<std::string> fileBytesFromScriptText(const QString& text, QString* offending = nullptr);

}  // namespace corvane
