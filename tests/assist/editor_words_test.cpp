#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "assist/block_match.h"
#include "assist/brace_blocks.h"
#include "assist/value_hints.h"
#include "assist/variable_rename.h"
#include "assist/variable_uses.h"
#include "assist/word_categories.h"
#include "assist/word_colouring.h"
#include "checker/grammar.h"
#include "core/language_tables.h"
#include "tests/assist/script_text.h"

namespace corvane {
namespace {

using test::AnnotatedText;

// Each word's kind as the compiler reads it, letter case ignored, and its finer category: operators
// apart from other fixed words, words that compile as raw codes apart from unknown ones.
TEST(EditorWords, KindsAndCategoriesOfWords) {
    using Kind = WordKind;
    using Category = WordCategory;
    const std::tuple<const char*, Kind, Category> cases[] = {
        {"if", Kind::kKeyword, Category::kKeyword},
        {"start_script", Kind::kKeyword, Category::kKeyword},
        {">=", Kind::kKeyword, Category::kOperator},
        {"||", Kind::kKeyword, Category::kOperator},
        {"attack", Kind::kCommand, Category::kCommand},
        {"INT_GAME_TIME", Kind::kInternalValue, Category::kInternalValue},
        {"int_7", Kind::kInternalValue, Category::kInternalValue},
        {"INT_0", Kind::kUnknown, Category::kUnknown},
        {"INT_NO_SUCH", Kind::kUnknown, Category::kUnknown},
        {"%-3", Kind::kNumber, Category::kNumber},
        {"var_12", Kind::kUserVariable, Category::kUserVariable},
        {"}", Kind::kBrace, Category::kKeyword},
        {"{{", Kind::kUnknown, Category::kUnknown},
        {"ABCD", Kind::kUnknown, Category::kRawCode},
        {"e803", Kind::kUnknown, Category::kRawCode},
        {"INT_", Kind::kUnknown, Category::kRawCode},
    };
    const LanguageTables& tables = LanguageTables::Standard();
    std::string text;
    for (const auto& [word, kind, category] : cases) {
        EXPECT_EQ(KindOfWord(word, tables, Grammar::Standard()), kind) << word;
        text = text + word + " ";
    }
    const std::vector<CategorisedWord> categorised = CategoriseWords(text, tables, Grammar::Standard());
    ASSERT_EQ(categorised.size(), std::size(cases));
    for (std::size_t i = 0; i < categorised.size(); ++i)
        EXPECT_EQ(categorised[i].category, std::get<2>(cases[i])) << std::get<0>(cases[i]);
    const std::vector<ColouredWord> words = ColourWords("\tDO  x\r\n%1", tables, Grammar::Standard());
    ASSERT_EQ(words.size(), 3u);
    EXPECT_EQ(words[1].position, 5u);
    EXPECT_EQ(words[2].position, 8u);
}

TEST(EditorWords, BlockPartnersOfTheWordAtTheCaret) {
    const char* cases[] = {
        "[[^{]] IF < VAR_1 %2 { } ENDIF [[}]]",                         // just before the brace
        "{ [[IF]] < VAR_1 %2 { } [[else]] { } [[ENDIF^]] }",            // just after ENDIF, ELSE of its own IF
        "[[IF]] = %1 %1 { IF = %1 %1 { } ENDIF } [[E^LSE]] [[ENDIF]]",  // nested IF skipped
        "START_SCRIPT ^ { }",                                           // on no word
        "{ [[{]] [[^}]] ",                                              // the inner brace closes first
        "^{ { } ",                                                      // an unclosed brace: no partner
        "^ENDIF IF",                                                    // ENDIF before any IF
        "IF^ = %1 %1",                                                  // an IF that is never closed
    };
    for (const char* source : cases) {  // the caret as "^", the expected words as "[[...]]"
        const AnnotatedText a(source);
        EXPECT_EQ(MatchingWordsAt(a.text(), a.point()), a.ranges()) << source;
    }
    for (const char* word : {"{", "}", "if", "Else", "ENDIF"}) EXPECT_TRUE(HasBlockPartners(word)) << word;
    for (const char* word : {"EVERY", "START_SCRIPT", "IFF", "{{"}) EXPECT_FALSE(HasBlockPartners(word)) << word;
}

TEST(ValueHints, WhatAWordCompilesToWhereItsSpellingHidesIt) {
    const std::string text =
        "SET VAR_1 %2.5 SET var_12x %&H10 SET VAR_2 %05 IF > INT_1184 int_burn { } SET VAR_3 %-5 "
        "SET VAR_4 INT_999 SET VAR_5 INT_0999 SET VAR_6 %99999999999";
    const auto after = [&](const char* word) { return text.find(word) + std::string(word).size(); };
    const std::vector<ValueHint> all = ValueHints(text, LanguageTables::Standard());
    EXPECT_EQ(all, (std::vector<ValueHint>{{after("%2.5"), "2"},
                                           {after("var_12x"), "12"},
                                           {after("%&H10"), "16"},
                                           {after("%05"), "5"},
                                           {after("INT_1184"), "INT_BURN"},
                                           {after("INT_0999"), "999"}}));
    // Only the words that touch the range asked for.
    EXPECT_EQ(ValueHints(text, LanguageTables::Standard(), text.find("%&H10"), text.find("%05")),
              (std::vector<ValueHint>{{after("%&H10"), "16"}}));
}

TEST(BraceBlocks, EveryClosedBlockFromTheWordBeforeIt) {
    const std::string text =
        "START_SCRIPT\r\n{\r\n\tEVERY %64 {\r\n\t\tIF > VAR_1 %2 { } ELSE { }\r\n\t}\r\n} ENDSCRIPT } {";
    const auto at = [&](const char* word, std::size_t from = 0) { return text.find(word, from); };
    // A } that closes nothing and a { left open make no block.
    EXPECT_EQ(BraceBlocks(text), (std::vector<BraceBlock>{{0, at("{"), at("} ENDSCRIPT")},
                                                          {at("%64"), at("{", at("%64")), at("\t}\r\n}") + 1},
                                                          {at("%2"), at("{", at("%2")), at("} ELSE")},
                                                          {at("ELSE"), at("{", at("ELSE")), at("}", at("ELSE"))}}));
}

// Every place a variable is set or tested, whichever way it is spelt: [[ ]] marks the uses, a
// use right after SET and the other changing statements is written.
TEST(VariableUses, EveryWordOfTheSameKindAndNumber) {
    const char* cases[] = {
        "SET [[VAR_1]] %1 IF > [[var_01^]] VAR_10 { INCREMENT [[VAR_1]] %1 } DO ATTACK RED [[VAR_1X]]",
        "IF = [[INT_BURN]] %1 { } SET VAR_2 [[int_1184^]] DO SET_SPELL_ENTRY [[INT_1184]] %1 %1 %1 %1 %1",
        "SET VAR_1 [[^INT_GAME_TIME]]",
        "SET VAR_1 %1^",  // numbers are no variables
        "^ SET VAR_1 %1",
        "SET ^ VAR_1",
    };
    const LanguageTables& tables = LanguageTables::Standard();
    for (const char* marked : cases) {
        const AnnotatedText text(marked);
        std::vector<VariableUse> expected;
        for (const auto& range : text.ranges()) {
            const bool written = text.text().substr(0, range.position).ends_with("SET ") ||
                                 text.text().substr(0, range.position).ends_with("INCREMENT ");
            expected.push_back({range.position, range.length, written});
        }
        EXPECT_EQ(VariableUsesAt(text.text(), text.point(), tables), expected) << marked;
    }
}

TEST(VariableRename, RenumbersEveryUseAndRefusesANumberInUse) {
    const LanguageTables& tables = LanguageTables::Standard();
    const std::string text = "SET VAR_3 %1 IF > var_03 VAR_4 { DECREMENT VAR_3X %1 }";
    const std::size_t caret = text.find("var_03") + 2;
    const auto word = RenamableVariableAt(text, caret, tables);
    ASSERT_TRUE(word.has_value());
    EXPECT_EQ(*word, (WordSpan{text.find("var_03"), 6}));
    const std::vector<RenameEdit> toSeven = {
        {8, 1, "7"}, {text.find("var_03") + 4, 2, "7"}, {text.find("VAR_3X") + 4, 2, "7"}};
    const std::string inUse = "VAR_4 is in use already; renaming would make two variables one";
    const std::string badName = "a user variable's name is VAR_ and a whole number from 0 to 2147483647";
    const std::tuple<const char*, std::string, std::vector<RenameEdit>> cases[] = {
        {"VAR_7", "", toSeven},  {"7", "", toSeven},
        {"var_7", "", toSeven},  {"VAR_3", "", {}},
        {"VAR_4", inUse, {}},    {"VAR_04", inUse, {}},
        {"VAR_-1", badName, {}}, {"INT_7", badName, {}},
        {"", badName, {}},       {"VAR_2147483648", badName, {}},
    };
    for (const auto& [newName, refusal, edits] : cases) {
        const VariableRename rename = RenameVariableAt(text, caret, newName, tables);
        EXPECT_EQ(rename.refusal, refusal) << newName;
        EXPECT_EQ(rename.edits, edits) << newName;
    }
    // Only user variables are renamed.
    for (const char* other : {"SET VAR_1 INT_BURN^", "SET VAR_1 %1^", "SET^ VAR_1"}) {
        const AnnotatedText marked(other);
        EXPECT_FALSE(RenamableVariableAt(marked.text(), marked.point(), tables).has_value()) << other;
        EXPECT_EQ(RenameVariableAt(marked.text(), marked.point(), "VAR_9", tables).refusal,
                  "only a user variable (VAR_...) is renamed")
            << other;
    }
}

}  // namespace
}  // namespace corvane
