#include "checker/grammar.h"

#include <gtest/gtest.h>

#include "core/language_tables.h"

namespace corvane {
namespace {

const Grammar& G() { return Grammar::Standard(); }

// The state words of the token table in its order, then the other commands.
TEST(Grammar, CommandsAreTheStateWordsThenTheOthersEachOnALine) {
    const auto& commands = G().group(kCommandGroup).entries;
    ASSERT_EQ(commands.size(), 116u);
    std::size_t states = 0;
    for (const CodePair& row : LanguageTables::Standard().tokens().rows()) {
        if (!row.text.starts_with("STATE_")) continue;
        EXPECT_EQ(commands.at(states++).word, row.text);
    }
    EXPECT_EQ(states, 23u);
    const std::tuple<std::size_t, const char*, const char*> cases[] = {{0, "STATE_BRING_NEW_PEOPLE", "8 3"},
                                                                       {11, "STATE_SPELL_DEFENCE", "6 6 8 3"},
                                                                       {23, "SET_ATTACK_VARIABLE", "6 3"},
                                                                       {33, "ATTACK", "9 6 15 6 6 6 6 6 16 6 6 6 6 3"},
                                                                       {115, "SET_WOOD_COLLECTION_RADII", "6 6 6 6 3"}};
    for (const auto& [index, word, expectation] : cases) {
        EXPECT_EQ(commands[index].word + " " + commands[index].expectation, std::string(word) + " " + expectation);
    }
    // The list of commands holds each on its own line.
    const std::string list = BuildCommandList(G());
    EXPECT_TRUE(list.starts_with("STATE_BRING_NEW_PEOPLE \r\nSTATE_CONSTRUCT_BUILDING \r\n"));
    EXPECT_TRUE(list.ends_with("IS_PRISON_ON_LEVEL \r\nSET_WOOD_COLLECTION_RADII \r\n"));
    std::size_t lines = 0;
    for (std::size_t at = list.find("\r\n"); at != std::string::npos; at = list.find("\r\n", at + 2)) ++lines;
    EXPECT_EQ(lines, 116u);
}

TEST(Grammar, GroupsHaveTheirNamesAndWordsInOrder) {
    EXPECT_EQ(G().top(), 100);
    for (const int empty : {0, 24, 50, 99, 101, -1}) {
        EXPECT_EQ(G().group(empty).name, "") << empty;
        EXPECT_EQ(G().group(empty).ExpectedWords(), "") << empty;
    }
    // These groups' word order decides a match or shows in the checker's message.
    const std::tuple<int, const char*, const char*> cases[] = {
        {3, "<mcom>", "DO IF SET }IF }ELSE }EVERY }SCRIPT EVERY INCREMENT DIVIDE DECREMENT MULTIPLY "},
        {5, "<operator/both>", "< > = <> >= <= || BOTH "},
        {9, "<color>", "RED YELLOW GREEN BLUE VARIABLE "},
        {12, "{", "VARIABLE { "},
        {18, "<attack_what>", "ATTACK_BUILDING ATTACK_MARKER "},
        {100, "nothing!", "NOTHING BEHIND END_SCRIPT!!! "}};
    for (const auto& [group, name, words] : cases) {
        EXPECT_EQ(G().group(group).name, name) << group;
        EXPECT_EQ(G().group(group).ExpectedWords(), words) << group;
    }
}

TEST(Grammar, GroupsTakeTheFirstMatchingEntry) {
    const std::tuple<int, const char*, int> cases[] = {{9, "BLUE", 3},
                                                       {9, "VAR_1", 4},
                                                       {9, "INT_X", 4},
                                                       {9, "%", 4},
                                                       {9, "VARIABLE", 4},
                                                       {9, "PURPLE", -1},
                                                       {12, "{", 1},
                                                       {12, "%3", 0},
                                                       {18, "ATTACK_PERSON", -1},
                                                       {15, "ATTACK_PERSON", 2},
                                                       {100, "NOTHING", -1},
                                                       {3, "}EVERY", 5},
                                                       {3, "}", -1},
                                                       {3, "if", -1},
                                                       {0, "IF", -1}};
    for (const auto& [group, word, entry] : cases) EXPECT_EQ(G().group(group).FindMatch(word), entry) << group << word;
}

TEST(Grammar, QueueExpectationsReadsTheGroupNumbersInOrder) {
    // The grammar's own expectations are read by every walk; blanks around and between are the rest.
    EXPECT_EQ(QueueExpectations("100"), (std::vector<int>{100}));
    EXPECT_EQ(QueueExpectations("  4  12 "), (std::vector<int>{4, 12}));
}

}  // namespace
}  // namespace corvane
