#include "core/language_tables.h"

#include <gtest/gtest.h>

#include "core/code_text.h"

namespace corvane {
namespace {

const TokenTable& Tokens() { return LanguageTables::Standard().tokens(); }
const InternalTable& Internals() { return LanguageTables::Standard().internals(); }

TEST(TokenTable, ExactlyTheStatementWordsStartALine) {
    std::vector<std::string> lineStarters;
    for (const CodePair& row : Tokens().rows()) {
        if (row.text.starts_with(kLineBreak)) lineStarters.emplace_back(TokenTable::BareWord(row.text));
    }
    EXPECT_EQ(lineStarters, (std::vector<std::string>{"IF", "ELSE", "ENDIF", "{", "}", "EVERY", "DO", "SET",
                                                      "INCREMENT", "DECREMENT", "ENDSCRIPT", "MULTIPLY", "DIVIDE"}));
}

TEST(TokenTable, CodeLookupKeepsTheLineBreakPrefix) {
    // Words are found by the compiler's cases, upper case by then; the table folds case itself too.
    EXPECT_EQ(Tokens().FindCodeByWord("kill_Team_in_area"), Tokens().FindCodeByWord("KILL_TEAM_IN_AREA"));
    // C004 is 1216, the word's second row; code texts are upper case; 1010 has no word; START_SCRIPT is no row.
    const std::pair<const char*, const char*> cases[] = {{"E803", "\r\nIF"},
                                                         {"F403", ">"},
                                                         {"C004", "KILL_TEAM_IN_AREA"},
                                                         {"5704", "KILL_TEAM_IN_AREA"},
                                                         {"e803", nullptr},
                                                         {"F203", nullptr},
                                                         {"0C00", nullptr}};
    for (const auto& [code, text] : cases) {
        const std::string* found = Tokens().FindTextByCode(code);
        EXPECT_EQ(found ? *found : "none", text ? text : "none") << code;
    }
}

// The rows' names are what the editors' word lists hold; their codes carry the number.
TEST(InternalTable, LooksUpNamesExactly) {
    EXPECT_EQ(Internals().rows().back().code, "INT_1246");
    // Names found by number and numbers by name are the compiler's and the loader's cases (INT_BURN);
    // these are the names that are no row.
    EXPECT_EQ(Internals().FindNumberByName("int_my_mana"), std::nullopt);
    EXPECT_EQ(Internals().FindNumberByName("INT_1048"), std::nullopt);
    for (const int number : {15, 999, -1}) EXPECT_EQ(Internals().FindNameByNumber(number), nullptr) << number;
}

// Code words as written ("E803", "1G00") are the compiler's cases; these are the rest of the rule.
TEST(CodeBytesFromText, ReadsEachPairAsFarAsItHoldsHexDigits) {
    const std::pair<const char*, std::array<std::uint8_t, 2>> cases[] = {
        {"G1G1", {0x00, 0x00}}, {"abcd", {0xAB, 0xCD}}, {"", {0x00, 0x00}}};
    for (const auto& [text, bytes] : cases) EXPECT_EQ(CodeBytesFromText(text), bytes) << text;
}

}  // namespace
}  // namespace corvane
