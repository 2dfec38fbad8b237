#pragma once
// The game stores every character of its texts as a Windows-1252 code, whatever system the editor
// runs on. Script text reaches the engine as these codes too: one byte per character.

#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// The Unicode character of a Windows-1252 code. The five codes that Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control characters of the same number, as Windows does,
// so every code has exactly one character and back.
char16_t UnicodeFromWindows1252(unsigned char code);

// The Windows-1252 code of a character, or nothing when the code page has no code for it.
std::optional<unsigned char> Windows1252FromUnicode(char32_t character);

// What a character the code page lacks becomes in engine text, as the Windows conversion writes it:
// one byte that is no blank, so it stays part of its word.
inline constexpr char kNotInCodePage = '?';

// Windows-1252 text (a script, or a message about one) as UTF-8.
std::string Utf8FromWindows1252(std::string_view text);
// Windows-1252 text as UTF-16, one unit per byte.
std::u16string Utf16FromWindows1252(std::string_view text);

// Upper case of Windows-1252 text, the code page of script text: besides a-z, the accented and
// other letters that have an upper-case form there (0xE9 e acute -> 0xC9, 0x9A s caron -> 0x8A,
// 0x9C oe -> 0x8C, 0xFF y diaeresis -> 0x9F). Letters without one (sharp s, micro sign) and every
// other byte stay as they are.
char UpperWindows1252(char c);
std::string ToUpperWindows1252(std::string_view text);
bool HasLowerWindows1252(std::string_view text);
// The same without a copy for text that has no lower-case letter, as scripts mostly are; other
// text is upper-cased into `buffer`, which the result then views.
std::string_view UpperWindows1252View(std::string_view text, std::string& buffer);

}  // namespace corvane
