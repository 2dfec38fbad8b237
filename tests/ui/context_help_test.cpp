#include "ui/context_help.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace {

struct WordsCase {
    const char* name;
    std::string text;
    std::size_t caret;
    std::vector<std::string> words;
};

class HelpWordsTest : public ::testing::TestWithParam<WordsCase> {};

TEST_P(HelpWordsTest, SplitsTheCaretLine) {
    EXPECT_EQ(HelpWordsAt(GetParam().text, GetParam().caret), GetParam().words);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HelpWordsTest,
    ::testing::Values(WordsCase{"FirstLineCaretAtStart", "set a\nb", 0, {"SET", "A"}},
                      WordsCase{"WholeLineAroundCaret", "x\r\n\t\tset var_1 %2\r\ny", 6, {"SET", "VAR_1", "%2"}},
                      WordsCase{"TwoBlanksGiveEmptyWord", "DO  BUILD_DRUM_TOWER", 1, {"DO", "", "BUILD_DRUM_TOWER"}},
                      WordsCase{"LeadingBlank", " IF", 2, {"", "IF"}},
                      WordsCase{"EmptyLine", "a\n\nb", 2, {""}},
                      WordsCase{"CaretPastEnd", "if", 99, {"IF"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HelpWords, MoreThanHundredBlanksLoseNothing) {
    const std::string line = "SET" + std::string(150, ' ') + "X";
    const auto words = HelpWordsAt(line, 0);
    ASSERT_EQ(words.size(), 151u);
    EXPECT_EQ(words.back(), "X");
}

struct HelpCase {
    const char* name;
    std::vector<std::string> words;
    std::string text;
};

class HelpTextTest : public ::testing::TestWithParam<HelpCase> {};

TEST_P(HelpTextTest, GivesTheFixedText) { EXPECT_EQ(HelpTextFor(GetParam().words, "CMD1 \r\n"), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
    Cases, HelpTextTest,
    ::testing::Values(
        HelpCase{"Set", {"SET"},
                 "SET <variable> <value>\r\n\r\nExample: SET VAR_12 %6\r\nThis will set variable var_12 to value 6\r\n"},
        HelpCase{"EndScriptWithUnderscore", {"END_SCRIPT"}, "END_SCRIPT\r\nis a mark for ending the script\r\n"},
        HelpCase{"EndscriptHasNoHelp", {"ENDSCRIPT"}, ""},
        HelpCase{"OpenBrace", {"{"}, "{\r\nused for opening an EVERY, IF or START_SCRIPT\r\n"},
        HelpCase{"CloseBrace", {"}"},
                 "}\r\nused for closing an EVERY, IF or START_SCRIPT\r\n\r\n"
                 "if closing an if, ENDIF must follow on the following line\r\n"
                 "if closing an START_SCRIPT, END_SCRIPT must follow on the following line\r\n"},
        HelpCase{"StartScript", {"START_SCRIPT"}, "START_SCRIPT\r\n\r\nis a mark for starting the script\r\n"},
        HelpCase{"DrumTower", {"DO", "BUILD_DRUM_TOWER"},
                 "DO BUILD_DRUM_TOWER %x %y\r\n\r\nExample: DO BUILD_DRUM_TOWER %30 %60\r\n"
                 "This will build a guard tower at x=30 and y=60\r\n"},
        HelpCase{"DoOther", {"DO", "", "BUILD_DRUM_TOWER"},
                 "DO <command> <parameters>\r\nWith <command> being: \r\nCMD1 \r\n\r\n"},
        HelpCase{"DoAlone", {"DO"}, "DO <command> <parameters>\r\nWith <command> being: \r\nCMD1 \r\n\r\n"},
        HelpCase{"If", {"IF"},
                 "IF <operator> <var> <var2>\r\nor: IF BOTH <operator1> <var1> <var2> <operator2> <var3> <var4>\r\n\r\n"
                 "With <operator> being: = (equal), < (smaller than), > (greater than), <> (not equal), >= (greater "
                 "than or equal to), <= (smaller than or equal to)\r\n\r\nExample: IF < VAR_12 %3\r\n"
                 "checks if var_12 is smaller than 3\r\n"},
        HelpCase{"Unknown", {"EVERY"}, ""}, HelpCase{"NoWords", {}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace corvane
