#pragma once
// `corvane-script lang`: a language file as a gettext PO file for translators, and back.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace corvane {

// `operands` are the arguments after "lang". Nothing when they fit no form of the command (the
// caller answers with the usage), else the exit status.
std::optional<int> RunLang(const std::vector<std::string>& operands, std::ostream& out, std::ostream& err);

}  // namespace corvane
