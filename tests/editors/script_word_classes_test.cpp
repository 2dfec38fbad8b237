#include "editors/syntax/script_word_classes.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace corvane {
namespace {

using Words = std::vector<std::string>;

std::map<std::string, Words> Classes() {
    std::map<std::string, Words> byName;
    for (WordClass& wordClass : ClassifyScriptWords(LanguageTables::Standard(), Grammar::Standard())) {
        EXPECT_TRUE(byName.emplace(wordClass.name, std::move(wordClass.words)).second) << wordClass.name;
    }
    return byName;
}

TEST(ScriptWordClasses, SortTheLanguagesWordsByWhatTheyDo) {
    std::map<std::string, Words> classes = Classes();
    EXPECT_EQ(classes["bounds"], (Words{"START_SCRIPT", "ENDSCRIPT"}));
    EXPECT_EQ(classes["braces"], (Words{"{", "}"}));
    EXPECT_EQ(classes["blocks"], (Words{"DO", "IF", "EVERY", "ELSE", "ENDIF"}));
    EXPECT_EQ(classes["statements"], (Words{"SET", "INCREMENT", "DIVIDE", "DECREMENT", "MULTIPLY"}));
    EXPECT_EQ(classes["comparisons"], (Words{"<", ">", "=", "<>", ">=", "<="}));
    EXPECT_EQ(classes["logical"], (Words{"||", "BOTH"}));
    EXPECT_EQ(classes["switches"], (Words{"ON", "OFF"}));
    EXPECT_EQ(classes["constants"], (Words{"COUNT_WILD", "ATTACK_MARKER", "ATTACK_BUILDING", "ATTACK_PERSON",
                                           "ATTACK_NORMAL", "ATTACK_BY_BOAT", "ATTACK_BY_BALLOON", "GUARD_NORMAL",
                                           "SPELL_TYPE", "BOAT_TYPE", "BLUE", "RED", "YELLOW", "GREEN"}))
        << ::testing::PrintToString(classes["constants"]);
    // Words of the token table that the grammar check never accepts.
    EXPECT_EQ(classes["unused"],
              (Words{"RESET_BASE_MARKER", "BUILD_AT", "OPEN_DIALOG", "CLEAR_STANDING_PEOPLE", "DONT_TARGET_S_WARRIORS",
                     "DONT_TARGET_BLUE_SHAMAN", "DONT_TARGET_BLUE_DRUM_TOWERS", "HAS_BLUE_KILLED_A_GHOST",
                     "COUNT_GUARD_FIRES", "TRACK_SHAMAN_TO_ANGLE", "TURN_PUSH"}));
}

// Each fixed word and each internal value name stands in exactly one class, so no word is
// coloured two ways and none is left to look unknown.
TEST(ScriptWordClasses, HoldEveryFixedWordOnce) {
    std::multiset<std::string> classified;
    for (const auto& [name, words] : Classes()) classified.insert(words.begin(), words.end());
    std::set<std::string> expected = {"START_SCRIPT"};
    for (const CodePair& row : LanguageTables::Standard().tokens().rows())
        expected.emplace(TokenTable::BareWord(row.text));
    for (const CodePair& row : LanguageTables::Standard().internals().rows()) expected.insert(row.text);
    EXPECT_EQ(std::set<std::string>(classified.begin(), classified.end()), expected);
    EXPECT_EQ(classified.size(), expected.size());
}

}  // namespace
}  // namespace corvane
