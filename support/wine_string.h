#pragma once
// Strings as Wine writes them in its registry files: ASCII with C escapes (\\ \" \n \a \e ...),
// \x followed by up to four hex digits for one UTF-16 unit, and octal escapes of up to three digits.

#include <optional>
#include <string>
#include <string_view>

namespace corvane {

struct WineString {
    std::string utf8;     // the unescaped text, surrogate pairs joined, as UTF-8
    std::size_t end = 0;  // position just after the closing character in the input
};

// Unescapes `text` up to the first unescaped `closing` character. Nothing when it never comes.
std::optional<WineString> UnescapeWineString(std::string_view text, char closing);

// UTF-16 units as UTF-8; unpaired surrogates become U+FFFD.
std::string Utf8FromUtf16(std::u16string_view units);

}  // namespace corvane
