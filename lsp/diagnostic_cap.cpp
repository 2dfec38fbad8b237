#include "lsp/diagnostic_cap.h"

#include <string>

namespace corvane {

std::vector<Diagnostic> CapDiagnostics(std::vector<Diagnostic> diagnostics, std::size_t limit) {
    if (diagnostics.size() <= limit) return diagnostics;
    const std::size_t more = diagnostics.size() - limit;
    Diagnostic rest = std::move(diagnostics[limit]);
    rest.severity = DiagnosticSeverity::kWarning;
    rest.message = "and " + std::to_string(more) + " more problem" + (more == 1 ? "" : "s");
    diagnostics.resize(limit);
    diagnostics.push_back(std::move(rest));
    return diagnostics;
}

}  // namespace corvane
