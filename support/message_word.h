#pragma once
// A word of the user's input as messages show it, so that a message stays readable whatever the
// input holds: a 10 MB word or a terminal escape never reaches the screen as it is.

#include <cstddef>
#include <string>
#include <string_view>

namespace corvane {

inline constexpr std::size_t kMessageWordLimit = 60;

// The word with control characters written as \xHH; a word longer than kMessageWordLimit characters
// is cut to its first kMessageWordLimit, followed by "..." and its length ("... (4096 characters)").
std::string WordForMessage(std::string_view word);

}  // namespace corvane
