#pragma once
// The grammar's problems of a whole text, each at its cause: every word that does not fit (the
// walk recovers after each), a } that closes nothing, and a block whose } never comes, marked at
// its {. The first wrong word is the one the checker reports.

#include <cstddef>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "assist/diagnostics.h"
#include "checker/grammar.h"

namespace corvane {

// The most grammar errors reported one by one; a last entry counts the rest.
inline constexpr std::size_t kMaxGrammarErrors = 100;

// `unknownWords` holds the positions of the words the compiler does not know: a grammar error at
// one of them says so itself.
std::vector<Diagnostic> FindGrammarProblems(std::string_view text, const Grammar& grammar,
                                            const std::unordered_set<std::size_t>& unknownWords);

}  // namespace corvane
