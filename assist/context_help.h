#pragma once
// The help box below the script and the help on hover: a fixed text for a statement word.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// The words of the line that holds `caret` (0-based), upper case, split at every blank (so two
// blanks give an empty word); tabs are ignored and the part after the caret counts too.
std::vector<std::string> HelpWordsAt(std::string_view text, std::size_t caret);

// The help text for a line whose words are `words`: one line (ended by CR LF) per help line, or
// empty text for a line whose first word has no help. `commandList` is the DO command list.
std::string HelpTextFor(const std::vector<std::string>& words, std::string_view commandList);

}  // namespace corvane
