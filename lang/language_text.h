#pragma once
// Between a language string's units and the text the editor shows. Units 1 to 255 are Windows-1252
// codes. Larger units are not characters of the game's code page; they are shown as the Unicode
// character of that number (U+FFFD for a lone surrogate) and survive a save as long as the author
// does not edit that very character.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

std::u16string TextFromUnits(const std::u16string& units);

// One unit as the list of strings shows it: a Windows-1252 code as its character, a larger unit
// as "U+20AC" between the brackets U+27E6 and U+27E7 (no Windows-1252 characters, so they cannot
// stand in a string as typed).
std::u16string ListTextOfUnit(char16_t unit);

// The unit a typed character is written as: its Windows-1252 code. Nothing for a character the code
// page lacks, and for the character 0, which would end the string early.
std::optional<char16_t> UnitOfTypedCharacter(char16_t character);

// The editor's box knows only one kind of line break (LF), while a string in the file may break its
// lines with CR LF, LF or CR alone. Turns the box's `boxText` back into a string whose n-th line break
// has the form of the n-th break of `previous` (the string before this edit); further breaks take
// the form of its last break, or CR LF when it had none. Typing into a string thus never changes
// its other line breaks.
std::u16string RestoreLineBreaks(std::u16string_view boxText, std::u16string_view previous);

}  // namespace corvane
