#pragma once
// Text between the script box and the engine. The engine counts bytes; the box counts QChars and
// one character per line break. Converting one byte per QChar keeps every position the engine
// reports equal to the same position in the box.

#include <QString>

#include <string>
#include <string_view>

namespace corvane {

// The box's text as engine bytes: Latin-1 characters as themselves, any other QChar as "?".
std::string engineBytesFromBoxText(const QString& boxText);

// Engine text (Latin-1 bytes, CR LF line breaks) as the box shows it (LF line breaks).
QString boxTextFromEngine(std::string_view engineText);

// An engine message for a message box: Latin-1 bytes, CR LF kept.
QString messageFromEngine(std::string_view engineText);

}  // namespace corvane
