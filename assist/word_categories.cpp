#include "assist/word_categories.h"

#include "assist/grammar_text.h"
#include "assist/word_colouring.h"
#include "core/word_meaning.h"
#include "text/windows_1252.h"

namespace corvane {
namespace {

WordCategory CategoryOf(std::string_view word, WordKind kind, const LanguageTables& tables) {
    switch (kind) {
        case WordKind::kKeyword:
            return IsOperatorWord(word) ? WordCategory::kOperator : WordCategory::kKeyword;
        case WordKind::kBrace:
            return WordCategory::kKeyword;
        case WordKind::kCommand:
            return WordCategory::kCommand;
        case WordKind::kInternalValue:
            return WordCategory::kInternalValue;
        case WordKind::kUserVariable:
            return WordCategory::kUserVariable;
        case WordKind::kNumber:
            return WordCategory::kNumber;
        case WordKind::kUnknown:
            break;
    }
    const WordMeaning meaning = FindWordMeaning(ToUpperWindows1252(word), tables);
    return meaning.kind == WordMeaning::Kind::kCode ? WordCategory::kRawCode : WordCategory::kUnknown;
}

}  // namespace

std::vector<CategorisedWord> CategoriseWords(std::string_view text, const LanguageTables& tables,
                                             const Grammar& grammar) {
    std::vector<CategorisedWord> categorised;
    for (const ColouredWord& word : ColourWords(text, tables, grammar)) {
        categorised.push_back(
            {word.position, word.length, CategoryOf(text.substr(word.position, word.length), word.kind, tables)});
    }
    return categorised;
}

}  // namespace corvane
