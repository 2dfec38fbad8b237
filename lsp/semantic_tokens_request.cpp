#include "lsp/semantic_tokens_request.h"

#include "assist/word_categories.h"
#include "lsp/language_server.h"

namespace corvane {
namespace {

// The protocol's own types where one fits: commands are functions, internal values read-only
// variables of the game's library, raw codes macros (the compiler writes them as they stand).
// Words that do not compile get a type of their own, "unknown".
constexpr const char* kTypes[] = {"keyword", "function", "variable", "number", "operator", "macro", "unknown"};
enum TypeIndex { kKeywordType, kFunctionType, kVariableType, kNumberType, kOperatorType, kMacroType, kUnknownType };
constexpr const char* kModifiers[] = {"readonly", "defaultLibrary"};
constexpr int kGameValueModifiers = 0b11;

std::pair<int, int> TypeAndModifiers(WordCategory category) {
    switch (category) {
        case WordCategory::kKeyword:
            return {kKeywordType, 0};
        case WordCategory::kCommand:
            return {kFunctionType, 0};
        case WordCategory::kInternalValue:
            return {kVariableType, kGameValueModifiers};
        case WordCategory::kUserVariable:
            return {kVariableType, 0};
        case WordCategory::kNumber:
            return {kNumberType, 0};
        case WordCategory::kOperator:
            return {kOperatorType, 0};
        case WordCategory::kRawCode:
            return {kMacroType, 0};
        case WordCategory::kUnknown:
            break;
    }
    return {kUnknownType, 0};
}

}  // namespace

nlohmann::json SemanticTokensLegend() { return {{"tokenTypes", kTypes}, {"tokenModifiers", kModifiers}}; }

LanguageServer::Json LanguageServer::SemanticTokens(const Json& params) {
    const DocumentText& document = Document(params);
    std::vector<std::size_t> data;
    LinePosition previous;
    for (const CategorisedWord& word : CategoriseWords(document.engineText(), tables_, grammar_)) {
        // Five numbers a word: its line and start relative to the word before, its length in
        // UTF-16 units (a word never spans lines), type and modifiers.
        const LinePosition start = document.PositionAt(word.position);
        const LinePosition end = document.PositionAt(word.position + word.length);
        const auto [type, modifiers] = TypeAndModifiers(word.category);
        data.push_back(start.line - previous.line);
        data.push_back(start.line == previous.line ? start.character - previous.character : start.character);
        data.push_back(end.character - start.character);
        data.push_back(static_cast<std::size_t>(type));
        data.push_back(static_cast<std::size_t>(modifiers));
        previous = start;
    }
    return Json{{"data", std::move(data)}};
}

}  // namespace corvane
