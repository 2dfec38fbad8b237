#include "assist/variable_uses.h"

#include <gtest/gtest.h>

#include <string>

#include "assist/variable_rename.h"
#include "tests/assist/script_text.h"

namespace corvane {
namespace {

using test::AnnotatedText;

// Every place a variable is set or tested, whichever way it is spelt: [[ ]] marks the uses, a
// use right after SET and the other changing statements is written.
TEST(VariableUses, EveryWordOfTheSameKindAndNumber) {
    const char* cases[] = {
        "SET [[VAR_1]] %1 IF > [[var_01^]] VAR_10 { INCREMENT [[VAR_1]] %1 } DO ATTACK RED [[VAR_1X]]",
        "IF = [[INT_BURN]] %1 { } SET VAR_2 [[int_1184^]] DO SET_SPELL_ENTRY [[INT_1184]] %1 %1 %1 %1 %1",
        "SET VAR_1 [[^INT_GAME_TIME]]",
        "SET VAR_1 %1^",  // numbers are no variables
        "^ SET VAR_1 %1",
        "SET ^ VAR_1",
    };
    const LanguageTables& tables = LanguageTables::Standard();
    for (const char* marked : cases) {
        const AnnotatedText text(marked);
        std::vector<VariableUse> expected;
        for (const auto& range : text.ranges()) {
            const bool written = text.text().substr(0, range.position).ends_with("SET ") ||
                                 text.text().substr(0, range.position).ends_with("INCREMENT ");
            expected.push_back({range.position, range.length, written});
        }
        EXPECT_EQ(VariableUsesAt(text.text(), text.point(), tables), expected) << marked;
    }
}

TEST(VariableRename, RenumbersEveryUseAndRefusesANumberInUse) {
    const LanguageTables& tables = LanguageTables::Standard();
    const std::string text = "SET VAR_3 %1 IF > var_03 VAR_4 { DECREMENT VAR_3X %1 }";
    const std::size_t caret = text.find("var_03") + 2;
    const auto word = RenamableVariableAt(text, caret, tables);
    ASSERT_TRUE(word.has_value());
    EXPECT_EQ(*word, (WordSpan{text.find("var_03"), 6}));
    for (const char* newName : {"VAR_7", "7", "var_7"}) {
        const VariableRename rename = RenameVariableAt(text, caret, newName, tables);
        EXPECT_EQ(rename.refusal, "") << newName;
        EXPECT_EQ(rename.edits, (std::vector<RenameEdit>{
                                    {8, 1, "7"}, {text.find("var_03") + 4, 2, "7"}, {text.find("VAR_3X") + 4, 2, "7"}}))
            << newName;
    }
    EXPECT_TRUE(RenameVariableAt(text, caret, "VAR_3", tables).edits.empty());
    const std::pair<const char*, const char*> refused[] = {
        {"VAR_4", "VAR_4 is in use already; renaming would make two variables one"},
        {"VAR_04", "VAR_4 is in use already; renaming would make two variables one"},
        {"VAR_-1", "a user variable's name is VAR_ and a whole number from 0 to 2147483647"},
        {"VAR_2147483648", "a user variable's name is VAR_ and a whole number from 0 to 2147483647"},
        {"INT_7", "a user variable's name is VAR_ and a whole number from 0 to 2147483647"},
        {"", "a user variable's name is VAR_ and a whole number from 0 to 2147483647"},
    };
    for (const auto& [newName, refusal] : refused) {
        const VariableRename rename = RenameVariableAt(text, caret, newName, tables);
        EXPECT_EQ(rename.refusal, refusal) << newName;
        EXPECT_TRUE(rename.edits.empty()) << newName;
    }
    // Only user variables are renamed.
    for (const char* other : {"SET VAR_1 INT_BURN^", "SET VAR_1 %1^", "SET^ VAR_1"}) {
        const AnnotatedText marked(other);
        EXPECT_FALSE(RenamableVariableAt(marked.text(), marked.point(), tables).has_value()) << other;
        EXPECT_EQ(RenameVariableAt(marked.text(), marked.point(), "VAR_9", tables).refusal,
                  "only a user variable (VAR_...) is renamed")
            << other;
    }
}

}  // namespace
}  // namespace corvane
