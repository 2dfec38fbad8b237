#include "assist/typing_undo_steps.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace corvane {
namespace {

TEST(TypingUndoSteps, AWordOrAPauseStartsAStep) {
    const std::pair<std::u16string, std::string> cases[] = {
        // keys typed one after another without a pause, "^" under each that starts a step
        {u"SET VAR_1  %2", "^   ^      ^ "},
        {u"  A\tB\u00E9\u2029x\rY\nZ", "  ^ ^  ^ ^ ^"},  // a tab and line breaks are blanks, "é" a letter
    };
    for (const auto& [keys, starts] : cases) {
        TypingUndoSteps steps;
        std::string shown;
        for (const char16_t key : keys) shown += steps.Typed(std::u16string_view(&key, 1), false) ? '^' : ' ';
        EXPECT_EQ(shown, starts);
    }
    TypingUndoSteps steps;
    EXPECT_TRUE(steps.Typed(u"AB", false));
    EXPECT_TRUE(steps.Typed(u"C", true));     // a pause starts a step within a word
    EXPECT_FALSE(steps.Typed(u"D ", false));  // a key of several characters: its first one counts...
    EXPECT_TRUE(steps.Typed(u"E", false));    // ...and its last one is the one before the next key
    EXPECT_FALSE(steps.Typed(u"F", false));
    steps.LineBroken();
    EXPECT_TRUE(steps.Typed(u"G", false));
}

}  // namespace
}  // namespace corvane
