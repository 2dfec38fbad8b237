#pragma once
// The game stores every character of its texts as a Windows-1252 code, whatever system the editor
// runs on; these convert between those codes and Unicode.

#include <optional>

namespace corvane {

// The Unicode character of a Windows-1252 code. The five codes that Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control characters of the same number, as Windows does,
// so every code has exactly one character and back.
char16_t UnicodeFromWindows1252(unsigned char code);

// The Windows-1252 code of a character, or nothing when the code page has no code for it.
std::optional<unsigned char> Windows1252FromUnicode(char16_t character);

}  // namespace corvane
