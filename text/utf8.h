#pragma once
// UTF-8 and UTF-16 characters one at a time.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace corvane {

// The character that starts at `at` in UTF-8 `bytes` and its length in bytes; nothing for an
// invalid sequence (a stray or missing continuation byte, an overlong form, a surrogate, beyond
// U+10FFFF).
std::optional<std::pair<char32_t, std::size_t>> NextUtf8(std::string_view bytes, std::size_t at);

// The character that starts at `at` in UTF-16 `units` and its length in units; nothing for a lone
// surrogate.
std::optional<std::pair<char32_t, std::size_t>> NextUtf16(std::u16string_view units, std::size_t at);

void AppendUtf8(std::string& out, char32_t character);

}  // namespace corvane
