#pragma once
// Between a language string's units and the text the editor shows. Units 1 to 255 are Windows-1252
// codes. Larger units are not characters of the game's code page; they are shown as the Unicode
// character of that number (U+FFFD for a lone surrogate) and survive a save as long as their string
// is not edited.

#include <cstddef>
#include <optional>
#include <string>

namespace corvane {

std::u16string TextFromUnits(const std::u16string& units);

struct LanguageTextEncoding {
    std::optional<std::u16string> units;  // set on success
    std::size_t position = 0;             // on failure: index in the text of the first character
    char16_t character = 0;               // that a language file cannot hold
};

// The units of an edited text. Fails on the first character that has no Windows-1252 code (the
// character 0 included: it would end the string early).
LanguageTextEncoding UnitsFromText(const std::u16string& text);

}  // namespace corvane
