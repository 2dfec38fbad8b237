// textDocument/documentHighlight and textDocument/references: every place the user variable or
// internal value at the caret is set or tested.

#include "assist/variable_uses.h"
#include "lsp/json_rpc.h"
#include "lsp/language_server.h"
#include "lsp/protocol_json.h"

namespace corvane {
namespace {

constexpr int kHighlightRead = 2;
constexpr int kHighlightWrite = 3;

}  // namespace

std::vector<VariableUse> LanguageServer::UsesAtPosition(const Json& params) const {
    const DocumentText& document = Document(params);
    return VariableUsesAt(document.engineText(), document.OffsetAt(jsonrpc::PositionParam(params)), tables_);
}

LanguageServer::Json LanguageServer::Highlights(const Json& params) {
    const DocumentText& document = Document(params);
    Json highlights = Json::array();
    for (const VariableUse& use : UsesAtPosition(params)) {
        highlights.push_back({{"range", RangeJson(document, use.position, use.position + use.length)},
                              {"kind", use.written ? kHighlightWrite : kHighlightRead}});
    }
    return highlights;
}

// Every use is a reference and a declaration at once: a script declares nothing, so the
// client's includeDeclaration changes nothing.
LanguageServer::Json LanguageServer::References(const Json& params) {
    const DocumentText& document = Document(params);
    const std::string& uri = jsonrpc::DocumentUri(params);
    Json locations = Json::array();
    for (const VariableUse& use : UsesAtPosition(params))
        locations.push_back({{"uri", uri}, {"range", RangeJson(document, use.position, use.position + use.length)}});
    return locations;
}

}  // namespace corvane
