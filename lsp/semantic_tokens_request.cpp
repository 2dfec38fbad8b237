#include "lsp/semantic_tokens_request.h"

#include "assist/word_classes.h"
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

std::pair<int, int> TypeAndModifiers(WordClass wordClass) {
    switch (wordClass) {
        case WordClass::kKeyword:
            return {kKeywordType, 0};
        case WordClass::kCommand:
            return {kFunctionType, 0};
        case WordClass::kInternalValue:
            return {kVariableType, kGameValueModifiers};
        case WordClass::kUserVariable:
            return {kVariableType, 0};
        case WordClass::kNumber:
            return {kNumberType, 0};
        case WordClass::kOperator:
            return {kOperatorType, 0};
        case WordClass::kRawCode:
            return {kMacroType, 0};
        case WordClass::kUnknown:
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
    for (const ClassifiedWord& word : ClassifyWords(document.engineText(), tables_, grammar_)) {
        // Five numbers a word: its line and start relative to the word before, its length in
        // UTF-16 units (a word never spans lines), type and modifiers.
        const LinePosition start = document.PositionAt(word.position);
        const LinePosition end = document.PositionAt(word.position + word.length);
        const auto [type, modifiers] = TypeAndModifiers(word.wordClass);
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
