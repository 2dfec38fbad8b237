// textDocument/codeAction: the quick fixes that the diagnostics carry ("Replace with
// STATE_FETCH_WOOD", "Insert }"), for the problems that touch the asked range, as code actions of
// kind "quickfix" whose edits are in the client's positions.

#include <algorithm>

#include "assist/diagnostics.h"
#include "lsp/json_rpc.h"
#include "lsp/language_server.h"
#include "lsp/protocol_json.h"
#include "text/windows_1252.h"

namespace corvane {
namespace {

using Json = nlohmann::json;
using jsonrpc::Member;

constexpr std::string_view kQuickFix = "quickfix";

// A client that asks only for other kinds (refactorings, say) gets no quick fixes; the empty kind
// stands for every kind.
bool WantsQuickFixes(const Json& params) {
    const auto context = params.find("context");
    if (context == params.end() || !context->is_object()) return true;
    const auto only = context->find("only");
    if (only == context->end() || !only->is_array()) return true;
    return std::any_of(only->begin(), only->end(), [](const Json& kind) {
        if (!kind.is_string()) return false;
        const std::string& name = kind.get_ref<const std::string&>();
        return name.empty() || name == kQuickFix;
    });
}

Json ActionJson(const DocumentText& document, const std::string& uri, const Diagnostic& diagnostic,
                const TextFix& fix) {
    const Json edit = {{"range", RangeJson(document, fix.position, fix.position + fix.length)},
                       {"newText", Utf8FromWindows1252(fix.replacement)}};
    return Json{{"title", Utf8FromWindows1252(fix.title)},
                {"kind", kQuickFix},
                {"isPreferred", fix.preferred},
                {"diagnostics", Json::array({DiagnosticJson(document, diagnostic)})},
                {"edit", {{"changes", {{uri, Json::array({edit})}}}}}};
}

}  // namespace

LanguageServer::Json LanguageServer::CodeActions(const Json& params) {
    const DocumentText& document = Document(params);
    const std::string& uri = jsonrpc::DocumentUri(params);
    const Json& range = Member(params, "range");
    std::size_t start = document.OffsetAt(jsonrpc::PositionValue(Member(range, "start")));
    std::size_t end = document.OffsetAt(jsonrpc::PositionValue(Member(range, "end")));
    if (end < start) std::swap(start, end);
    Json actions = Json::array();
    if (!WantsQuickFixes(params)) return actions;
    for (const Diagnostic& diagnostic : Diagnose(document.engineText(), tables_, grammar_)) {
        // A caret just after a word still touches it.
        if (diagnostic.position > end || diagnostic.position + diagnostic.length < start) continue;
        for (const TextFix& fix : diagnostic.fixes) actions.push_back(ActionJson(document, uri, diagnostic, fix));
    }
    return actions;
}

}  // namespace corvane
