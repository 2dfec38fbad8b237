#include <gtest/gtest.h>

#include "checker/script_checker.h"

namespace corvane {
namespace {

CheckVerdict Check(std::string_view text) { return CheckScript(text, Grammar::Standard()); }

std::string Nested(int blocks) {
    std::string text = "START_SCRIPT {";
    for (int i = 1; i < blocks; ++i) text += " EVERY %1 {";
    for (int i = 1; i < blocks; ++i) text += " }";
    return text + " } ENDSCRIPT";
}

class CheckerAccepts : public ::testing::TestWithParam<std::string> {};

TEST_P(CheckerAccepts, SaysNoBigErrorsFound) {
    const CheckVerdict verdict = Check(GetParam());
    EXPECT_TRUE(verdict.ok()) << verdict.message;
    EXPECT_EQ(verdict.message, "No big errors found!");
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, CheckerAccepts,
    ::testing::Values("", "  \r\n\t \r\n", "START_SCRIPT { } ENDSCRIPT", "start_script\r\n{\r\n}\t\tendscript",
                      "START_SCRIPT { IF > VAR_1 %2 { } ENDIF } ENDSCRIPT",
                      "START_SCRIPT { IF > VAR_1 %2 { } ELSE { } ENDIF } ENDSCRIPT",
                      "START_SCRIPT { IF BOTH = % VAR_ < INT_NOTHING VARIABLE { } ENDIF",
                      "START_SCRIPT { IF || BOTH > %1 %2 < %3 %4 <> %5 %6 { } ENDIF }",
                      "START_SCRIPT { EVERY %16 { } EVERY %16 %4 { } }",
                      "START_SCRIPT { DO ATTACK RED %5 ATTACK_MARKER %1 %2 %3 %4 %5 ATTACK_BY_BOAT %1 %2 %3 %4 }",
                      "START_SCRIPT { DO STATE_SPELL_DEFENCE %1 %2 ON DO FLYBY_START DO NAV_CHECK BLUE ATTACK_MARKER %1 %2 %3 }",
                      "START_SCRIPT { SET VAR_1 %2 MULTIPLY VAR_1 %2 %3 DIVIDE VAR_1 %2 %3 INCREMENT VAR_1 %1 } ENDSCRIPT",
                      // A script that ends early is not reported.
                      "START_SCRIPT { IF >", Nested(100)));

struct RejectCase {
    std::string text;
    CheckVerdictKind kind;
    std::string word;
    std::size_t position;
    std::size_t length;
    int group;
};

class CheckerRejects : public ::testing::TestWithParam<RejectCase> {};

TEST_P(CheckerRejects, StopsAtTheFirstWrongWord) {
    const CheckVerdict verdict = Check(GetParam().text);
    EXPECT_EQ(verdict.kind, GetParam().kind) << verdict.message;
    EXPECT_EQ(verdict.word, GetParam().word);
    EXPECT_EQ(verdict.position, GetParam().position);
    EXPECT_EQ(verdict.length, GetParam().length);
    EXPECT_EQ(verdict.group, GetParam().group);
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, CheckerRejects,
    ::testing::Values(
        RejectCase{"START_SCRIPT { IF VAR_1 > %2", CheckVerdictKind::kWrongExpectation, "VAR_1", 18, 5, 5},
        RejectCase{"START_SCRIPT { IF > VAR_1 %2 { } INCREMENT VAR_1 %1", CheckVerdictKind::kWrongExpectation,
                   "INCREMENT", 33, 9, 10},
        RejectCase{"START_SCRIPT { } ENDSCRIPT END", CheckVerdictKind::kWrongExpectation, "END", 27, 3, 100},
        RejectCase{"START_SCRIPT { } } ENDSCRIPT", CheckVerdictKind::kBraceCountMismatch, "}", 17, 1, 0},
        RejectCase{"} START_SCRIPT", CheckVerdictKind::kBraceCountMismatch, "}", 0, 1, 0},
        RejectCase{"START_SCRIPT { IF > %1 %2 { } }", CheckVerdictKind::kWrongExpectation, "}SCRIPT", 30, 1, 10},
        RejectCase{"START_SCRIPT { DO ATTACK RED ATTACK_PERSON", CheckVerdictKind::kWrongExpectation,
                   "ATTACK_PERSON", 29, 13, 6},
        RejectCase{"START_SCRIPT { DO NAV_CHECK RED ATTACK_PERSON", CheckVerdictKind::kWrongExpectation,
                   "ATTACK_PERSON", 32, 13, 18},
        // Multi-byte text and CR LF line breaks before the word: positions count bytes.
        RejectCase{"START_SCRIPT\r\n{\r\n\tDO \xC3\xA9\xC3\xA9 ", CheckVerdictKind::kWrongExpectation,
                   "\xC3\xA9\xC3\xA9", 21, 4, 4},
        RejectCase{"START_SCRIPT \xE2\x82\xAC\r\n{ SET %1 %2 ON", CheckVerdictKind::kWrongExpectation,
                   "\xE2\x82\xAC", 13, 3, 2},
        RejectCase{Nested(101), CheckVerdictKind::kTooManyOpenBlocks, "EVERY", Nested(101).find(" EVERY %1 { }") + 1,
                   5, 0}));

TEST(Checker, WrongExpectationMessageHasFourLines) {
    const std::pair<const char*, const char*> cases[] = {
        {"START_SCRIPT { IF VAR_1 > %2", "In script: VAR_1\r\nExpected: < > = <> >= <= || BOTH \r\nGroup: 5"},
        {"start_script { if > %1 %2 { } }", "In script: }SCRIPT\r\nExpected: ELSE ENDIF \r\nGroup: 10"}};
    for (const auto& [text, lines] : cases) {
        const CheckVerdict verdict = Check(text);
        EXPECT_EQ(verdict.message, std::string("Wrong expectation: \r\n") + lines);
        EXPECT_TRUE(verdict.selectWord);
    }
}

TEST(Checker, BraceMismatchEndsTheCheckBeforeTheWalk) {
    const CheckVerdict verdict = Check("WRONG }");
    EXPECT_EQ(verdict.kind, CheckVerdictKind::kBraceCountMismatch);
    EXPECT_EQ(verdict.message, "The amount of { is not equal to the amount of }!");
    EXPECT_FALSE(verdict.selectWord);
}

TEST(Checker, TooManyOpenBlocksEndsTheCheckWithAMessage) {
    const CheckVerdict verdict = Check(Nested(101));
    EXPECT_NE(verdict.message.find("100"), std::string::npos);
    EXPECT_TRUE(verdict.selectWord);
}

TEST(Checker, LongScriptsCheckWithoutLimits) {
    std::string text = "START_SCRIPT {";
    for (int i = 0; i < 20000; ++i) text += "\r\n\tDO STATE_DEFEND ON SET VAR_1 %2";
    text += "\r\n} ENDSCRIPT";
    EXPECT_TRUE(Check(text).ok());
}

}  // namespace
}  // namespace corvane
