#include "assist/hover.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/assist/script_text.h"

namespace corvane {
namespace {

using test::AnnotatedText;

std::optional<HoverText> Hover(const AnnotatedText& text) {
    return HoverAt(text.text(), text.point(), LanguageTables::Standard(), Grammar::Standard());
}

TEST(Hover, TextsForEveryKindOfWordAndNoneOffWords) {
    const struct {
        const char* marked;  // [[...]] is the word the text is about
        std::string text;
    } cases[] = {
        // The context help of statement words (its texts are the context help's tests); DO's depends on
        // the command after it.
        {"[[set^]]", "SET <variable> <value>\n\nExample: SET VAR_12 %6\nThis will set variable var_12 to value 6"},
        {"\t[[^do]] build_drum_tower %1 %2",
         "DO BUILD_DRUM_TOWER %x %y\n\nExample: DO BUILD_DRUM_TOWER %30 %60\nThis will build a guard tower at x=30 "
         "and y=60"},
        {"} [[ENDSCRIPT^]]", "END_SCRIPT\nis a mark for ending the script"},  // the help's own spelling
        // Commands with the kinds of their parameters, other words with their group.
        {"DO [[STATE_SPELL_^DEFENCE]]",
         "DO STATE_SPELL_DEFENCE <var> <var> <on/off>\ncommand; parameters: <var> <var> <on/off>"},
        {"DO [[^TRIGGER_LEVEL_WON]]", "DO TRIGGER_LEVEL_WON\ncommand without parameters"},
        {"[[^EVERY]] %16 {", "EVERY <var>"},
        {"DO STATE_DEFEND [[^off]]", "OFF\none of <on/off>"},
        // Values with what they compile to.
        {"SET VAR_1 [[^int_game_time]]", "int_game_time\ninternal value 0 (INT_GAME_TIME)"},
        {"SET VAR_1 [[^INT_1000]]", "INT_1000\ninternal value 1000 (INT_ATTR_EXPANSION)"},
        {"SET VAR_1 [[^INT_5000]]", "INT_5000\ninternal value 5000"},
        {"SET [[VAR_3^]] %1", "VAR_3\nuser variable 3"},
        {"SET VAR_1 [[^%2.5]]", "%2.5\nnumber 2"},
        {"SET VAR_1 [[^%&H10]]", "%&H10\nnumber 16"},
        // Positions count bytes after tabs, CR LF and Windows-1252 letters.
        {"START_SCRIPT\r\n{\r\n\t\xe9\xe8 \t[[VAR_^7]]", "VAR_7\nuser variable 7"},
        // Nothing off words or on unknown ones.
        {"^", ""},
        {"DO   ^   ATTACK", ""},
        {"FOO^", ""},
        {"SET VAR_1 %99999999999^", ""},
        {"E803^", ""},
        {"DO ATTACK\r\n^", ""},
        {"IF^X", ""},
    };
    for (const auto& row : cases) {
        const AnnotatedText text(row.marked);
        const std::optional<HoverText> hover = Hover(text);
        ASSERT_EQ(hover.has_value(), !row.text.empty()) << row.marked;
        if (!hover) continue;
        EXPECT_EQ(hover->position, text.ranges().at(0).position) << row.marked;
        EXPECT_EQ(hover->length, text.ranges().at(0).length) << row.marked;
        EXPECT_EQ(hover->text, row.text) << row.marked;
    }
    const std::optional<HoverText> alone = Hover(AnnotatedText("DO^"));
    ASSERT_TRUE(alone.has_value());
    EXPECT_TRUE(alone->text.starts_with("DO <command> <parameters>\nWith <command> being: \n"));
    EXPECT_NE(alone->text.find("\nATTACK \n"), std::string::npos);
}

}  // namespace
}  // namespace corvane
