#include <gtest/gtest.h>

#include "checker/grammar.h"
#include "core/language_tables.h"

namespace corvane {
namespace {

const Grammar& G() { return Grammar::Standard(); }

TEST(Grammar, CommandGroupHoldsTheStateWordsThenTheCommands) {
    const auto& commands = G().group(kCommandGroup).entries;
    ASSERT_EQ(commands.size(), 116u);
    EXPECT_EQ(commands.front().word, "STATE_BRING_NEW_PEOPLE");
    EXPECT_EQ(commands.front().expectation, "8 3");
    EXPECT_EQ(commands[11].word, "STATE_SPELL_DEFENCE");
    EXPECT_EQ(commands[11].expectation, "6 6 8 3");
    EXPECT_EQ(commands[22].word, "STATE_EXTRA_WOOD_COLLECTION");
    EXPECT_EQ(commands[23].word, "SET_ATTACK_VARIABLE");
    EXPECT_EQ(commands[33].word, "ATTACK");
    EXPECT_EQ(commands[33].expectation, "9 6 15 6 6 6 6 6 16 6 6 6 6 3");
    EXPECT_EQ(commands.back().word, "SET_WOOD_COLLECTION_RADII");
    EXPECT_EQ(commands.back().expectation, "6 6 6 6 3");
}

TEST(Grammar, StateCommandsComeFromTheTokenTableInItsOrder) {
    std::vector<std::string> states;
    for (const CodePair& row : LanguageTables::Standard().tokens().rows()) {
        if (row.text.starts_with("STATE_")) states.push_back(row.text);
    }
    ASSERT_EQ(states.size(), 23u);
    for (std::size_t i = 0; i < states.size(); ++i) EXPECT_EQ(G().group(kCommandGroup).entries[i].word, states[i]);
}

TEST(Grammar, GroupsWithoutEntriesExistEmpty) {
    EXPECT_EQ(G().top(), 100);
    for (int group : {0, 24, 50, 99}) {
        EXPECT_TRUE(G().group(group).entries.empty()) << group;
        EXPECT_TRUE(G().group(group).name.empty()) << group;
    }
    EXPECT_TRUE(G().group(101).entries.empty());
    EXPECT_TRUE(G().group(-1).entries.empty());
}

struct GroupCase {
    int group;
    const char* name;
    const char* expectedWords;
};

class GrammarGroups : public ::testing::TestWithParam<GroupCase> {};

TEST_P(GrammarGroups, HaveTheirNamesAndWordsInOrder) {
    EXPECT_EQ(G().group(GetParam().group).name, GetParam().name);
    EXPECT_EQ(G().group(GetParam().group).ExpectedWords(), GetParam().expectedWords);
}

// The groups whose word order decides a match or shows in the checker's message.
INSTANTIATE_TEST_SUITE_P(
    Groups, GrammarGroups,
    ::testing::Values(GroupCase{3, "<mcom>", "DO IF SET }IF }ELSE }EVERY }SCRIPT EVERY INCREMENT DIVIDE DECREMENT MULTIPLY "},
                      GroupCase{5, "<operator/both>", "< > = <> >= <= || BOTH "},
                      GroupCase{9, "<color>", "RED YELLOW GREEN BLUE VARIABLE "}, GroupCase{12, "{", "VARIABLE { "},
                      GroupCase{18, "<attack_what>", "ATTACK_BUILDING ATTACK_MARKER "},
                      GroupCase{100, "nothing!", "NOTHING BEHIND END_SCRIPT!!! "}));

struct MatchCase {
    int group;
    const char* word;
    int entry;
};

class GroupMatch : public ::testing::TestWithParam<MatchCase> {};

TEST_P(GroupMatch, TakesTheFirstMatchingEntry) {
    EXPECT_EQ(G().group(GetParam().group).FindMatch(GetParam().word), GetParam().entry);
}

INSTANTIATE_TEST_SUITE_P(
    Words, GroupMatch,
    ::testing::Values(MatchCase{9, "BLUE", 3}, MatchCase{9, "VAR_1", 4}, MatchCase{9, "INT_X", 4}, MatchCase{9, "%", 4},
                      MatchCase{9, "VARIABLE", 4}, MatchCase{9, "PURPLE", -1}, MatchCase{12, "{", 1},
                      MatchCase{12, "%3", 0}, MatchCase{18, "ATTACK_PERSON", -1}, MatchCase{15, "ATTACK_PERSON", 2},
                      MatchCase{100, "NOTHING", -1}, MatchCase{3, "}EVERY", 5}, MatchCase{3, "}", -1},
                      MatchCase{3, "if", -1}, MatchCase{0, "IF", -1}));

TEST(QueueExpectations, ReadsTheGroupNumbersInOrder) {
    EXPECT_EQ(QueueExpectations("6 6 3"), (std::vector<int>{6, 6, 3}));
    EXPECT_EQ(QueueExpectations("23 7 6 6 7 6 6 7 6 6 2"), (std::vector<int>{23, 7, 6, 6, 7, 6, 6, 7, 6, 6, 2}));
    EXPECT_EQ(QueueExpectations("100"), (std::vector<int>{100}));
    EXPECT_EQ(QueueExpectations(""), (std::vector<int>{}));
    EXPECT_EQ(QueueExpectations("  4  12 "), (std::vector<int>{4, 12}));
}

TEST(Grammar, AddGrammarEntryCreatesGroupsAsNeeded) {
    Grammar grammar;
    EXPECT_EQ(grammar.top(), 0);
    grammar.AddGrammarEntry(7, "A", "3");
    grammar.AddGrammarEntry(7, "B", "");
    EXPECT_EQ(grammar.top(), 7);
    EXPECT_TRUE(grammar.group(5).entries.empty());
    EXPECT_EQ(grammar.group(7).ExpectedWords(), "A B ");
    EXPECT_EQ(grammar.group(7).entries[0].groups, (std::vector<int>{3}));
}

TEST(CommandList, HoldsEveryCommandOnItsOwnLine) {
    const std::string list = BuildCommandList(G());
    EXPECT_TRUE(list.starts_with("STATE_BRING_NEW_PEOPLE \r\nSTATE_CONSTRUCT_BUILDING \r\n"));
    EXPECT_TRUE(list.ends_with("IS_PRISON_ON_LEVEL \r\nSET_WOOD_COLLECTION_RADII \r\n"));
    std::size_t lines = 0;
    for (std::size_t at = list.find("\r\n"); at != std::string::npos; at = list.find("\r\n", at + 2)) ++lines;
    EXPECT_EQ(lines, 116u);
}

}  // namespace
}  // namespace corvane
