#pragma once
// Reading the number that follows "%", "VAR_" or "INT_" in a script word.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace corvane {

// Reads a number from the start of `text`: an optional sign, digits, an optional fraction and an
// optional exponent ("E"), or "&H" + hexadecimal digits, or "&O" + octal digits. Reading stops at
// the first character that does not fit; a text that begins with no number reads as 0. The value
// is rounded to the nearest whole number, an exact half to the even neighbour ("2.5" gives 2).
// Returns nothing when the value does not fit in a signed 32-bit integer.
std::optional<std::int32_t> ReadScriptNumber(std::string_view text);

// How many characters at the start of `text` ReadScriptNumber reads as the number (0 when it
// begins with none); whatever follows them does not count.
std::size_t ScriptNumberLength(std::string_view text);

}  // namespace corvane
