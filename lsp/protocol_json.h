#pragma once
// The engine's answers as the protocol's JSON objects, with positions turned from engine byte
// offsets into the client's line + UTF-16 positions and engine text into UTF-8.

#include <cstddef>
#include <nlohmann/json.hpp>
#include <string_view>

#include "assist/completion.h"
#include "assist/diagnostics.h"
#include "assist/hover.h"
#include "assist/script_outline.h"
#include "lsp/document_text.h"
#include "lsp/formatting_edits.h"

namespace corvane {

nlohmann::json PositionJson(const LinePosition& position);
nlohmann::json RangeJson(const DocumentText& document, std::size_t start, std::size_t end);
nlohmann::json DiagnosticJson(const DocumentText& document, const Diagnostic& diagnostic);
nlohmann::json CompletionJson(const DocumentText& document, const Completion& completion);
nlohmann::json HoverJson(const DocumentText& document, const HoverText& hover);
nlohmann::json SymbolJson(const DocumentText& document, const ScriptBlock& block);
nlohmann::json TextEditJson(const TextEdit& edit);

}  // namespace corvane
