#pragma once
// textDocument/semanticTokens/full: the classes of the script's words as the protocol's token
// types, so that editors colour scripts, which are plain .txt files.

#include <nlohmann/json.hpp>

namespace corvane {

// The token types and modifiers the server's tokens refer to by index.
nlohmann::json SemanticTokensLegend();

}  // namespace corvane
