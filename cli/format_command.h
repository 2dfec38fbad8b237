#pragma once
// `corvane-script format`: a script's words laid out as the loader prints a compiled file.

#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace corvane {

// `operands` are the arguments after "format": SCRIPT.txt [OUT.txt] or --check SCRIPT.txt, where
// SCRIPT.txt "-" is read from `in`. Nothing when they do not fit those forms (the caller answers
// with the usage), else the exit status.
std::optional<int> RunFormat(const std::vector<std::string>& operands, std::istream& in, std::ostream& out,
                             std::ostream& err);

}  // namespace corvane
