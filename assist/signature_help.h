#pragma once
// The parameters of the DO command being typed, for signature help while an author types its
// values.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "checker/grammar.h"
#include "core/language_tables.h"

namespace corvane {

struct SignatureParameter {
    std::size_t labelStart = 0;  // the parameter's kind as a range of SignatureHelp::label
    std::size_t labelLength = 0;
};

struct SignatureHelp {
    std::string label;  // the command with its parameter kinds, e.g. "ATTACK <team> <count> ..."
    std::vector<SignatureParameter> parameters;
    int activeParameter = -1;         // index into parameters; -1 while the caret is still on the command
    std::size_t commandPosition = 0;  // byte offset of the command word in the text
};

// Nothing when the offset is not inside the parameters of a DO command (or right after its word).
std::optional<SignatureHelp> SignatureHelpAt(std::string_view text, std::size_t offset, const LanguageTables& tables,
                                             const Grammar& grammar);

}  // namespace corvane
