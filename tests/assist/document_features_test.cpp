#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "assist/brace_blocks.h"
#include "assist/value_hints.h"
#include "assist/word_categories.h"

namespace corvane {
namespace {

TEST(WordCategoryes, OperatorsAndRawCodesApartFromKeywordsAndUnknownWords) {
    const std::string text = "start_script { IF >= var_1 %2 { } || DO ATTACK INT_BURN int_0 ABCD E803 INT_ FOO }";
    const std::vector<WordCategory> expected = {
        WordCategory::kKeyword,      WordCategory::kKeyword, WordCategory::kKeyword, WordCategory::kOperator,
        WordCategory::kUserVariable, WordCategory::kNumber,  WordCategory::kKeyword, WordCategory::kKeyword,
        WordCategory::kOperator,     WordCategory::kKeyword, WordCategory::kCommand, WordCategory::kInternalValue,
        WordCategory::kUnknown,      WordCategory::kRawCode, WordCategory::kRawCode, WordCategory::kRawCode,
        WordCategory::kUnknown,      WordCategory::kKeyword};
    std::vector<WordCategory> classes;
    for (const CategorisedWord& word : CategoriseWords(text, LanguageTables::Standard(), Grammar::Standard()))
        classes.push_back(word.category);
    EXPECT_EQ(classes, expected);
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

}  // namespace
}  // namespace corvane
