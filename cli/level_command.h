#pragma once
// `corvane-script level`: a level's header and objects as JSON, header edits written as Save Map
// writes them, and the map's picture as a PNG file.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace corvane {

// `operands` are the arguments after "level". Nothing when they fit no form of the command (the
// caller answers with the usage), else the exit status.
std::optional<int> RunLevel(const std::vector<std::string>& operands, std::ostream& out, std::ostream& err);

}  // namespace corvane
