#pragma once
// The texts of the three reference list windows, one entry per line (CR LF after each).

#include <string>

#include "checker/grammar.h"
#include "core/language_tables.h"

namespace corvane {

// The three reference list windows.
enum class ReferenceList { kCommands, kVariables, kKeywords };

// The text of one of the lists:
// - commands: each DO command followed by the names of its parameter groups ("... " after a
//   group whose first word goes on with further words);
// - variables: the names of the internal values, in table order;
// - keywords: every word of the token table as stored (statement words after an empty line).
std::string ReferenceListText(ReferenceList list, const Grammar& grammar, const LanguageTables& tables);

}  // namespace corvane
