#include "assist/word_classes.h"

#include "assist/grammar_text.h"
#include "assist/word_colouring.h"
#include "core/word_meaning.h"
#include "text/windows_1252.h"

namespace corvane {
namespace {

WordClass ClassOf(std::string_view word, WordKind kind, const LanguageTables& tables) {
    switch (kind) {
        case WordKind::kKeyword:
            return IsOperatorWord(word) ? WordClass::kOperator : WordClass::kKeyword;
        case WordKind::kBrace:
            return WordClass::kKeyword;
        case WordKind::kCommand:
            return WordClass::kCommand;
        case WordKind::kInternalValue:
            return WordClass::kInternalValue;
        case WordKind::kUserVariable:
            return WordClass::kUserVariable;
        case WordKind::kNumber:
            return WordClass::kNumber;
        case WordKind::kUnknown:
            break;
    }
    const WordMeaning meaning = FindWordMeaning(ToUpperWindows1252(word), tables);
    return meaning.kind == WordMeaning::Kind::kCode ? WordClass::kRawCode : WordClass::kUnknown;
}

}  // namespace

std::vector<ClassifiedWord> ClassifyWords(std::string_view text, const LanguageTables& tables, const Grammar& grammar) {
    std::vector<ClassifiedWord> classified;
    for (const ColouredWord& word : ColourWords(text, tables, grammar)) {
        classified.push_back(
            {word.position, word.length, ClassOf(text.substr(word.position, word.length), word.kind, tables)});
    }
    return classified;
}

}  // namespace corvane
