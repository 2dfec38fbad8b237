#pragma once
// Every problem of a whole script text at once, for editors that mark problems while the author
// types. Built on the compiler's word meanings and the checker's grammar walk.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "checker/grammar.h"
#include "core/language_tables.h"

namespace corvane {

enum class DiagnosticSeverity { kError, kWarning };

struct Diagnostic {
    std::size_t position = 0;  // 0-based byte offset of the word in the text
    std::size_t length = 0;    // bytes of the word as it stands in the text
    DiagnosticSeverity severity = DiagnosticSeverity::kError;
    std::string message;  // one line, short
};

// The problems in text order. The text is Windows-1252 bytes, as the compiler reads it.
std::vector<Diagnostic> Diagnose(std::string_view text, const LanguageTables& tables, const Grammar& grammar);

}  // namespace corvane
