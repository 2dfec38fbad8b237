#pragma once
// textDocument/codeAction: the quick fixes that the diagnostics carry ("Replace with
// STATE_FETCH_WOOD", "Insert }"), for the problems that touch the asked range, as code actions of
// kind "quickfix" whose edits are in the client's positions.

#include <nlohmann/json.hpp>
#include <string>

#include "checker/grammar.h"
#include "core/language_tables.h"
#include "lsp/document_text.h"

namespace corvane {

// `params` are the request's; throws jsonrpc::InvalidParams when its range is missing or malformed.
nlohmann::json QuickFixActions(const DocumentText& document, const std::string& uri, const nlohmann::json& params,
                               const LanguageTables& tables, const Grammar& grammar);

}  // namespace corvane
