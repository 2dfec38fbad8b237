// textDocument/inlayHint: what a value word compiles to where its spelling hides it (%2.5 is 2,
// INT_1184 is INT_BURN), shown after the word.

#include "assist/value_hints.h"
#include "lsp/json_rpc.h"
#include "lsp/language_server.h"
#include "lsp/protocol_json.h"
#include "text/windows_1252.h"

namespace corvane {

LanguageServer::Json LanguageServer::InlayHints(const Json& params) {
    const DocumentText& document = Document(params);
    const Json& range = jsonrpc::Member(params, "range");
    const auto offsetOf = [&](const char* key) {
        return document.OffsetAt(jsonrpc::PositionValue(jsonrpc::Member(range, key)));
    };
    Json hints = Json::array();
    for (const ValueHint& hint : ValueHints(document.engineText(), tables_, offsetOf("start"), offsetOf("end"))) {
        hints.push_back({{"position", PositionJson(document.PositionAt(hint.position))},
                         {"label", "= " + Utf8FromWindows1252(hint.label)},
                         {"paddingLeft", true}});
    }
    return hints;
}

}  // namespace corvane
