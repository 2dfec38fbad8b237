#pragma once
// The most problems the server sends for one document. A text of unknown words has one problem
// per word; sent whole, a few megabytes of them make answers of hundreds of megabytes on every
// change. No script the game can read (4096 codes) comes near the limit.

#include <cstddef>
#include <vector>

#include "assist/diagnostics.h"

namespace corvane {

inline constexpr std::size_t kMaxPublishedDiagnostics = 1000;

// The first `limit` of `diagnostics` and, when there were more, one warning "and N more
// problems" at the first one left out.
std::vector<Diagnostic> CapDiagnostics(std::vector<Diagnostic> diagnostics,
                                       std::size_t limit = kMaxPublishedDiagnostics);

}  // namespace corvane
