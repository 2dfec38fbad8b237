#include <gtest/gtest.h>

#include "core/code_text.h"
#include "core/language_tables.h"

namespace corvane {
namespace {

const TokenTable& Tokens() { return LanguageTables::Standard().tokens(); }
const InternalTable& Internals() { return LanguageTables::Standard().internals(); }

TEST(TokenTable, HoldsAllRowsInAscendingCodeOrder) {
    ASSERT_EQ(Tokens().size(), 165u);
    EXPECT_EQ(Tokens().rows().front().code, "E803");
    EXPECT_EQ(Tokens().rows().back().code, CodeText(1223));
    EXPECT_EQ(Tokens().rows().back().text, "IS_PRISON_ON_LEVEL");
    for (std::size_t i = 1; i < Tokens().size(); ++i) {
        EXPECT_LT(CodeFromText(Tokens().rows()[i - 1].code), CodeFromText(Tokens().rows()[i].code)) << i;
    }
}

TEST(TokenTable, ExactlyTheStatementWordsStartALine) {
    std::vector<std::string> lineStarters;
    for (const CodePair& row : Tokens().rows()) {
        if (row.text.starts_with(kLineBreak)) lineStarters.emplace_back(TokenTable::BareWord(row.text));
    }
    EXPECT_EQ(lineStarters, (std::vector<std::string>{"IF", "ELSE", "ENDIF", "{", "}", "EVERY", "DO", "SET", "INCREMENT",
                                                      "DECREMENT", "ENDSCRIPT", "MULTIPLY", "DIVIDE"}));
}

struct WordCase {
    const char* word;
    int code;  // -1: not a fixed word
};

class TokenWordLookup : public ::testing::TestWithParam<WordCase> {};

TEST_P(TokenWordLookup, FindsTheFirstMatchingRowIgnoringCase) {
    const std::string* code = Tokens().FindCodeByWord(GetParam().word);
    if (GetParam().code < 0) {
        EXPECT_EQ(code, nullptr);
    } else {
        ASSERT_NE(code, nullptr);
        EXPECT_EQ(*code, CodeText(static_cast<std::uint16_t>(GetParam().code)));
    }
}

INSTANTIATE_TEST_SUITE_P(Words, TokenWordLookup,
                         ::testing::Values(WordCase{"if", 1000}, WordCase{"If", 1000}, WordCase{"IF", 1000},
                                           WordCase{"}", 1004}, WordCase{"||", 1021}, WordCase{"ATTACK", 1059},
                                           WordCase{"blue", 1118}, WordCase{"KILL_TEAM_IN_AREA", 1111},
                                           WordCase{"ENDSCRIPT", 1019}, WordCase{"START_SCRIPT", -1},
                                           WordCase{"INT_GAME_TIME", -1}, WordCase{"VAR_1", -1}, WordCase{"%5", -1},
                                           WordCase{"\r\nIF", -1}, WordCase{"", -1}));

TEST(TokenTable, CodeLookupKeepsTheLineBreakPrefix) {
    ASSERT_NE(Tokens().FindTextByCode("E803"), nullptr);
    EXPECT_EQ(*Tokens().FindTextByCode("E803"), "\r\nIF");
    EXPECT_EQ(*Tokens().FindTextByCode("F403"), ">");
    EXPECT_EQ(*Tokens().FindTextByCode("C004"), "KILL_TEAM_IN_AREA");  // 1216, the second row of the word
    EXPECT_EQ(*Tokens().FindTextByCode("5704"), "KILL_TEAM_IN_AREA");  // 1111
    EXPECT_EQ(Tokens().FindTextByCode("e803"), nullptr);               // code texts are upper case
    EXPECT_EQ(Tokens().FindTextByCode("F203"), nullptr);               // 1010 has no word
    EXPECT_EQ(Tokens().FindTextByCode("0C00"), nullptr);               // START_SCRIPT is no row
}

TEST(InternalTable, HoldsAllRows) {
    ASSERT_EQ(Internals().size(), 262u);
    EXPECT_EQ(Internals().rows().front().code, "INT_0");
    EXPECT_EQ(Internals().rows().front().text, "INT_GAME_TIME");
    EXPECT_EQ(Internals().rows().back().code, "INT_1246");
    EXPECT_EQ(Internals().rows().back().text, "INT_BLOODLUST");
}

TEST(InternalTable, LooksUpNamesExactlyAndNumbers) {
    EXPECT_EQ(Internals().FindNumberByName("INT_MY_MANA"), 1048);
    EXPECT_EQ(Internals().FindNumberByName("INT_GAME_TIME"), 0);
    EXPECT_EQ(Internals().FindNumberByName("int_my_mana"), std::nullopt);
    EXPECT_EQ(Internals().FindNumberByName("INT_1048"), std::nullopt);
    ASSERT_NE(Internals().FindNameByNumber(1184), nullptr);
    EXPECT_EQ(*Internals().FindNameByNumber(1184), "INT_BURN");
    EXPECT_EQ(Internals().FindNameByNumber(15), nullptr);
    EXPECT_EQ(Internals().FindNameByNumber(999), nullptr);
    EXPECT_EQ(Internals().FindNameByNumber(-1), nullptr);
}

struct BytesCase {
    const char* text;
    std::uint8_t first;
    std::uint8_t second;
};

class CodeBytesFromTextTest : public ::testing::TestWithParam<BytesCase> {};

TEST_P(CodeBytesFromTextTest, ReadsEachPairAsFarAsItHoldsHexDigits) {
    const auto bytes = CodeBytesFromText(GetParam().text);
    EXPECT_EQ(bytes[0], GetParam().first);
    EXPECT_EQ(bytes[1], GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Texts, CodeBytesFromTextTest,
                         ::testing::Values(BytesCase{"E803", 0xE8, 0x03}, BytesCase{"1G00", 0x01, 0x00},
                                           BytesCase{"ABCD", 0xAB, 0xCD}, BytesCase{"INT_", 0x00, 0x00},
                                           BytesCase{"G1G1", 0x00, 0x00}, BytesCase{"0C00", 0x0C, 0x00},
                                           BytesCase{"abcd", 0xAB, 0xCD}, BytesCase{"", 0x00, 0x00}));

}  // namespace
}  // namespace corvane
