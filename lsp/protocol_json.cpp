#include "lsp/protocol_json.h"

#include <string>

#include "text/windows_1252.h"

namespace corvane {
namespace {

using Json = nlohmann::json;

// Protocol numbers of the kinds.
constexpr int kSeverityError = 1;
constexpr int kSeverityWarning = 2;
constexpr int kSymbolBoolean = 17;
constexpr int kSymbolEvent = 24;

int CompletionItemKind(CompletionKind kind) {
    switch (kind) {
        case CompletionKind::kKeyword:
            return 14;
        case CompletionKind::kCommand:
            return 3;  // Function
        case CompletionKind::kInternalValue:
            return 21;  // Constant
        case CompletionKind::kValuePrefix:
            return 6;  // Variable
        case CompletionKind::kOperator:
            return 24;
    }
    return 1;  // Text
}

// Keeps the engine's order in clients that sort by label.
std::string SortKey(std::size_t index) {
    const std::string digits = std::to_string(index);
    return std::string(digits.size() < 6 ? 6 - digits.size() : 0, '0') + digits;
}

}  // namespace

Json PositionJson(const LinePosition& position) {
    return Json{{"line", position.line}, {"character", position.character}};
}

Json RangeJson(const DocumentText& document, std::size_t start, std::size_t end) {
    return Json{{"start", PositionJson(document.PositionAt(start))}, {"end", PositionJson(document.PositionAt(end))}};
}

Json DiagnosticJson(const DocumentText& document, const Diagnostic& diagnostic) {
    return Json{{"range", RangeJson(document, diagnostic.position, diagnostic.position + diagnostic.length)},
                {"severity", diagnostic.severity == DiagnosticSeverity::kError ? kSeverityError : kSeverityWarning},
                {"source", "corvane-script"},
                {"message", document.ClientMessage(diagnostic.message, diagnostic.position, diagnostic.length)}};
}

Json CompletionJson(const DocumentText& document, const Completion& completion) {
    const Json range = RangeJson(document, completion.replaceStart, completion.replaceStart + completion.replaceLength);
    Json items = Json::array();
    for (std::size_t i = 0; i < completion.items.size(); ++i) {
        const CompletionItem& item = completion.items[i];
        const std::string word = Utf8FromWindows1252(item.word);
        Json json{{"label", word},
                  {"kind", CompletionItemKind(item.kind)},
                  {"sortText", SortKey(i)},
                  {"textEdit", {{"range", range}, {"newText", word}}}};
        if (!item.detail.empty()) json["detail"] = Utf8FromWindows1252(item.detail);
        items.push_back(std::move(json));
    }
    return Json{{"isIncomplete", false}, {"items", std::move(items)}};
}

Json HoverJson(const DocumentText& document, const HoverText& hover) {
    return Json{{"contents",
                 {{"kind", "plaintext"}, {"value", document.ClientMessage(hover.text, hover.position, hover.length)}}},
                {"range", RangeJson(document, hover.position, hover.position + hover.length)}};
}

Json SymbolJson(const DocumentText& document, const ScriptBlock& block) {
    Json children = Json::array();
    for (const ScriptBlock& child : block.children) children.push_back(SymbolJson(document, child));
    return Json{{"name", Utf8FromWindows1252(block.name)},
                {"kind", block.kind == BlockKind::kIf ? kSymbolBoolean : kSymbolEvent},
                {"range", RangeJson(document, block.start, block.end)},
                {"selectionRange", RangeJson(document, block.start, block.start + block.keywordLength)},
                {"children", std::move(children)}};
}

Json TextEditJson(const TextEdit& edit) {
    return Json{{"range", {{"start", PositionJson(edit.start)}, {"end", PositionJson(edit.end)}}},
                {"newText", edit.newText}};
}

}  // namespace corvane
