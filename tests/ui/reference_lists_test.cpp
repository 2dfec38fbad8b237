#include "ui/reference_lists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace corvane {
namespace {

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "text must end with a line break";
    return lines;
}

std::string LineStarting(const std::vector<std::string>& lines, const std::string& word) {
    for (const std::string& line : lines) {
        if (line.starts_with(word + " ")) return line;
    }
    return {};
}

TEST(CommandList, HasEveryCommandWithItsParameterGroups) {
    const auto lines = LinesOf(CommandListText(Grammar::Standard()));
    ASSERT_EQ(lines.size(), 116u);
    EXPECT_EQ(lines.front(), "STATE_BRING_NEW_PEOPLE <on/off> ");
    EXPECT_EQ(lines.back(), "SET_WOOD_COLLECTION_RADII <var> <var> <var> <var> ");
    EXPECT_EQ(LineStarting(lines, "FLYBY_START"), "FLYBY_START ");
    EXPECT_EQ(LineStarting(lines, "STATE_SPELL_DEFENCE"), "STATE_SPELL_DEFENCE <var> <var> <on/off> ");
    EXPECT_EQ(LineStarting(lines, "STATE_DEFEND"), "STATE_DEFEND <on/off> ");
    EXPECT_EQ(LineStarting(lines, "ATTACK"),
              "ATTACK <color> <var> <attack_what> <var> <var> <var> <var> <var> <attack_how> <var> <var> <var> "
              "<var> ");
}

TEST(VariableList, IsTheInternalNamesInOrder) {
    const LanguageTables& tables = LanguageTables::Standard();
    const auto lines = LinesOf(VariableListText(tables));
    ASSERT_EQ(lines.size(), tables.internals().size());
    EXPECT_EQ(lines.front(), tables.internals().rows().front().text);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "INT_GAME_TIME"), lines.end());
}

TEST(KeywordList, StartsWithEmptyLineThenIfAndShowsDuplicates) {
    const std::string text = KeywordListText(LanguageTables::Standard());
    EXPECT_TRUE(text.starts_with("\r\nIF\r\n"));
    const auto lines = LinesOf(text);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "KILL_TEAM_IN_AREA"), 2);
}

}  // namespace
}  // namespace corvane
