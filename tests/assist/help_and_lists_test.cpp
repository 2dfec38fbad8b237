#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "assist/context_help.h"
#include "assist/reference_lists.h"

namespace corvane {
namespace {

using Words = std::vector<std::string>;

Words LinesOf(const std::string& text) {  // each ended by CR LF; a last line without one is missing from the counts
    Words lines;
    for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

TEST(HelpAndLists, WordsOfTheCaretLineTheirTextAndTheReferenceLists) {
    const std::tuple<std::string, std::size_t, Words> cases[] = {
        {"set a\nb", 0, {"SET", "A"}},                                // first line, caret at its start
        {"x\r\n\t\tset var_1 %2\r\ny", 6, {"SET", "VAR_1", "%2"}},    // the whole line around the caret
        {"DO  BUILD_DRUM_TOWER", 1, {"DO", "", "BUILD_DRUM_TOWER"}},  // two blanks: an empty word
        {" IF", 2, {"", "IF"}},
        {"a\n\nb", 2, {""}},
        {"if", 99, {"IF"}},  // leading blank, empty line, past the end
        {"SET" + std::string(150, ' ') + "X", 0,
         [] {
             Words w(151);
             w.front() = "SET";
             w.back() = "X";
             return w;
         }()},
    };  // the last: more than a hundred blanks
    for (const auto& [text, caret, words] : cases) EXPECT_EQ(HelpWordsAt(text, caret), words) << text;
    const std::string doHelp = "DO <command> <parameters>\r\nWith <command> being: \r\nCMD1 \r\n\r\n";
    const std::pair<Words, std::string> texts[] = {
        {{"SET"},
         "SET <variable> <value>\r\n\r\nExample: SET VAR_12 %6\r\nThis will set variable var_12 to value 6\r\n"},
        {{"END_SCRIPT"}, "END_SCRIPT\r\nis a mark for ending the script\r\n"},
        {{"{"}, "{\r\nused for opening an EVERY, IF or START_SCRIPT\r\n"},
        {{"}"},
         "}\r\nused for closing an EVERY, IF or START_SCRIPT\r\n\r\nif closing an if, ENDIF must follow on the "
         "following line\r\nif closing an START_SCRIPT, END_SCRIPT must follow on the following line\r\n"},
        {{"START_SCRIPT"}, "START_SCRIPT\r\n\r\nis a mark for starting the script\r\n"},
        {{"DO", "BUILD_DRUM_TOWER"},
         "DO BUILD_DRUM_TOWER %x %y\r\n\r\nExample: DO BUILD_DRUM_TOWER %30 %60\r\nThis will build a guard tower at "
         "x=30 and y=60\r\n"},
        {{"DO", "", "BUILD_DRUM_TOWER"}, doHelp},
        {{"DO"}, doHelp},
        {{"IF"},
         "IF <operator> <var> <var2>\r\nor: IF BOTH <operator1> <var1> <var2> <operator2> <var3> <var4>\r\n\r\n"
         "With <operator> being: = (equal), < (smaller than), > (greater than), <> (not equal), >= (greater "
         "than or equal to), <= (smaller than or equal to)\r\n\r\nExample: IF < VAR_12 %3\r\n"
         "checks if var_12 is smaller than 3\r\n"},
        {{"ENDSCRIPT"}, ""},
        {{"EVERY"}, ""},
        {{}, ""},
    };
    for (const auto& [words, text] : texts) EXPECT_EQ(HelpTextFor(words, "CMD1 \r\n"), text) << words.size();
}

TEST(ReferenceLists, CommandsVariablesAndKeywords) {
    const LanguageTables& tables = LanguageTables::Standard();
    const Words commands = LinesOf(ReferenceListText(ReferenceList::kCommands, Grammar::Standard(), tables));
    ASSERT_EQ(commands.size(), 116u);
    EXPECT_EQ(commands.front(), "STATE_BRING_NEW_PEOPLE <on/off> ");
    EXPECT_EQ(commands.back(), "SET_WOOD_COLLECTION_RADII <var> <var> <var> <var> ");
    for (const char* line : {"FLYBY_START ", "STATE_SPELL_DEFENCE <var> <var> <on/off> ", "STATE_DEFEND <on/off> ",
                             "ATTACK <color> <var> <attack_what> <var> <var> <var> <var> <var> <attack_how> <var> "
                             "<var> <var> <var> "})
        EXPECT_EQ(std::ranges::count(commands, line), 1) << line;
    const Words variables = LinesOf(ReferenceListText(ReferenceList::kVariables, Grammar::Standard(), tables));
    ASSERT_EQ(variables.size(), tables.internals().size());
    EXPECT_EQ(variables.front(), tables.internals().rows().front().text);
    EXPECT_EQ(std::ranges::count(variables, "INT_GAME_TIME"), 1);
    const std::string keywords = ReferenceListText(ReferenceList::kKeywords, Grammar::Standard(), tables);
    EXPECT_TRUE(keywords.starts_with("\r\nIF\r\n"));
    EXPECT_EQ(std::ranges::count(LinesOf(keywords), "KILL_TEAM_IN_AREA"), 2);
}

}  // namespace
}  // namespace corvane
