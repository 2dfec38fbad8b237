#include "checker/script_checker.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

CheckVerdict Check(std::string_view text) { return CheckScript(text, Grammar::Standard()); }

std::string Nested(int blocks) {
    std::string text = "START_SCRIPT {";
    for (int i = 1; i < blocks; ++i) text += " EVERY %1 {";
    for (int i = 1; i < blocks; ++i) text += " }";
    return text + " } ENDSCRIPT";
}

// Blocks of IF, ELSE and EVERY and conditions joined with || and BOTH are the shipped examples' cases.
TEST(Checker, SaysNoBigErrorsFound) {
    std::string longScript = "START_SCRIPT {";
    for (int i = 0; i < 20000; ++i) longScript += "\r\n\tDO STATE_DEFEND ON SET VAR_1 %2";
    const std::string scripts[] = {
        "",
        "  \r\n\t \r\n",
        "start_script\r\n{\r\n}\t\tendscript",
        "START_SCRIPT { IF BOTH = % VAR_ < INT_NOTHING VARIABLE { } ENDIF",
        "START_SCRIPT { DO ATTACK RED %5 ATTACK_MARKER %1 %2 %3 %4 %5 ATTACK_BY_BOAT %1 %2 %3 %4 }",
        "START_SCRIPT { DO STATE_SPELL_DEFENCE %1 %2 ON DO FLYBY_START DO NAV_CHECK BLUE ATTACK_MARKER %1 %2 %3 }",
        "START_SCRIPT { SET VAR_1 %2 MULTIPLY VAR_1 %2 %3 DIVIDE VAR_1 %2 %3 INCREMENT VAR_1 %1 } ENDSCRIPT",
        "START_SCRIPT { IF >" /* a script that ends early is not reported */,
        Nested(100),
        longScript + "\r\n} ENDSCRIPT"};
    for (const std::string& text : scripts) {
        const CheckVerdict verdict = Check(text);
        EXPECT_TRUE(verdict.ok()) << text.substr(0, 100);
        EXPECT_EQ(verdict.message, "No big errors found!");
    }
}

TEST(Checker, StopsAtTheFirstWrongWord) {
    constexpr auto kWrong = CheckVerdictKind::kWrongExpectation;
    constexpr auto kBraces = CheckVerdictKind::kBraceCountMismatch;
    const std::tuple<std::string, CheckVerdictKind, std::string, std::size_t, int> cases[] = {
        {"START_SCRIPT { IF VAR_1 > %2", kWrong, "VAR_1", 18, 5},
        {"START_SCRIPT { IF > VAR_1 %2 { } INCREMENT VAR_1 %1", kWrong, "INCREMENT", 33, 10},
        {"START_SCRIPT { } ENDSCRIPT END", kWrong, "END", 27, 100},
        {"START_SCRIPT { } } ENDSCRIPT", kBraces, "}", 17, 0},
        {"} START_SCRIPT", kBraces, "}", 0, 0},
        {"WRONG }", kBraces, "}", 6, 0},  // the brace count ends the check before the walk
        {"start_script { if > %1 %2 { } }", kWrong, "}SCRIPT", 30, 10},  // a } is named after its block
        {"START_SCRIPT { DO ATTACK RED ATTACK_PERSON", kWrong, "ATTACK_PERSON", 29, 6},
        {"START_SCRIPT { DO NAV_CHECK RED ATTACK_PERSON", kWrong, "ATTACK_PERSON", 32, 18},
        // Multi-byte text and CR LF line breaks before the word: positions count bytes.
        {"START_SCRIPT\r\n{\r\n\tDO \xC3\xA9\xC3\xA9 ", kWrong, "\xC3\xA9\xC3\xA9", 21, 4},
        {"START_SCRIPT \xE2\x82\xAC\r\n{ SET %1 %2 ON", kWrong, "\xC2\x82\xAC", 13, 2},  // upper-cased as Windows-1252
        {Nested(101), CheckVerdictKind::kTooManyOpenBlocks, "EVERY", Nested(101).find(" EVERY %1 { }") + 1, 0}};
    for (const auto& [text, kind, word, position, group] : cases) {
        SCOPED_TRACE(text.substr(0, 60));
        const CheckVerdict verdict = Check(text);
        EXPECT_EQ(verdict.kind, kind) << verdict.message;
        EXPECT_EQ(verdict.word, word);
        EXPECT_EQ(verdict.position, position);
        EXPECT_EQ(verdict.length, word == "}SCRIPT" ? 1 : word.size());
        EXPECT_EQ(verdict.group, group);
        EXPECT_EQ(verdict.selectWord, kind != kBraces);
    }
    EXPECT_EQ(Check("start_script { if > %1 %2 { } }").message,
              "Wrong expectation: \r\nIn script: }SCRIPT\r\nExpected: ELSE ENDIF \r\nGroup: 10");
    EXPECT_NE(Check(Nested(101)).message.find("100"), std::string::npos);
}

// Before a save the words must reach ENDSCRIPT; everything else is checked as above.
TEST(Checker, BeforeSaveTheScriptMustReachItsEnd) {
    const std::tuple<std::string, CheckVerdictKind, std::size_t, std::size_t, int, std::string> cases[] = {
        {"start_script { } endscript \r\n", CheckVerdictKind::kOk, 0, 0, 0, "No big errors found!"},
        {"START_SCRIPT { IF > VAR_1 %2 { }\r\n", CheckVerdictKind::kEndsEarly, 31, 1, 10,
         "The script ends too early. Expected after its last word: ELSE ENDIF"},
        {"START_SCRIPT { IF > VAR_1 %2 { } ENDIF }", CheckVerdictKind::kEndsEarly, 39, 1, 17,
         "The script ends too early. Expected after its last word: ENDSCRIPT"},
        {" \r\n", CheckVerdictKind::kEndsEarly, 0, 0, 1,
         "The script ends too early. Expected after its last word: START_SCRIPT"},
        {"START_SCRIPT { IF > VAR_1 %2 { } ENDSCRIPT", CheckVerdictKind::kWrongExpectation, 33, 9, 10,
         "Wrong expectation: \r\nIn script: ENDSCRIPT\r\nExpected: ELSE ENDIF \r\nGroup: 10"}};
    for (const auto& [text, kind, position, length, group, message] : cases) {
        const CheckVerdict verdict = CheckScriptBeforeSave(text, Grammar::Standard());
        EXPECT_EQ(verdict.kind, kind) << text;
        EXPECT_EQ(verdict.position, position) << text;
        EXPECT_EQ(verdict.length, length) << text;
        EXPECT_EQ(verdict.group, group) << text;
        EXPECT_EQ(verdict.message, message) << text;
    }
}

}  // namespace
}  // namespace corvane
