// The map window's number fields without the window: what a save refuses, in which order and with
// which words, and when typed text is an edit that closing would lose.
#include "map/map_fields.h"

#include <gtest/gtest.h>

#include "map/level_document.h"
#include "map/map_texts.h"

namespace corvane {
namespace {

// X, Y, the AI scripts of Red, Yellow, Green, the masks of Blue, Red, Yellow, Green.
std::string& Field(MapFieldTexts& fields, std::size_t i) {
    if (i < 2) return (*fields.coordinates)[i];
    return i < 5 ? fields.aiScripts[i - 2] : fields.allianceMasks[i - 5];
}

std::string Refused(const std::string& name, const std::string& text) {
    return name + " must be a whole number from 0 to 255, not \"" + text + "\". Nothing was changed.";
}

MapFieldTexts Fields() { return {std::array<std::string, 2>{"120", "36"}, {"11", "12", "13"}, {"1", "2", "4", "8"}}; }

TEST(MapFields, ByteFieldsTakeDecimalDigitsWithBlanksAround) {
    const std::pair<const char*, int> cases[] = {{"0", 0},    {" 007 ", 7}, {"\t255\t", 255}, {"256", -1},
                                                 {"", -1},    {"  ", -1},   {"+3", -1},       {"1 2", -1},
                                                 {"12a", -1}, {"-0", -1},   {"0255", -1},     {"\xC2\xB2", -1}};
    for (const auto& [text, value] : cases) {
        const auto parsed = ParseByteField(text);
        EXPECT_EQ(parsed ? int{*parsed} : -1, value) << '"' << text << '"';
    }
}

// All fields spoilt at once: each save names the first bad one left, in the order the window checks them.
TEST(MapFields, TheFirstFieldThatIsNoByteIsNamed) {
    const struct {
        std::size_t field;
        const char *text, *name;
    } cases[] = {{0, "+3", "Marker X"},
                 {1, "1 2", "Marker Y"},
                 {2, "99999999999", "AI script of Red"},
                 {3, "256", "AI script of Yellow"},
                 {4, "", "AI script of Green"},
                 {5, "\xC2\xB2", "Alliance mask of Blue"},
                 {7, "12a", "Alliance mask of Yellow"}};
    MapFieldTexts fields = Fields();
    for (const auto& c : cases) Field(fields, c.field) = c.text;
    for (const auto& c : cases) {
        EXPECT_EQ(BadFieldMessage(fields).value_or("none"), Refused(c.name, c.text));
        Field(fields, c.field) = "1";
    }
    EXPECT_EQ(BadFieldMessage(fields), std::nullopt);
    EXPECT_EQ(BadCoordinateMessage("1", "x").value_or("none"), Refused("Marker Y", "x"));
    fields.coordinates.reset();  // no marker selected: X and Y are not looked at
    fields.aiScripts[0] = " 007 ";
    EXPECT_EQ(BadFieldMessage(fields), std::nullopt);
}

TEST(MapFields, TypedTextDifferentFromTheLevelIsUnsaved) {
    LevelHeader header;
    header.aiScripts = {11, 12, 13};
    header.allianceMasks = {1, 2, 4, 8};
    header.markers[5] = {120, 36};
    const struct {
        const char* what;
        int selected;
        std::size_t field;
        const char* text;
        bool unsaved;
    } cases[] = {{"as the level", 5, 2, "11", false}, {"same number", 5, 0, " 120 ", false},
                 {"X typed", 5, 0, "3", true},        {"Y typed", 5, 1, "37", true},
                 {"no byte", 5, 3, "x", true},        {"no marker selected", -1, 0, "3", false}};
    for (const auto& c : cases) {
        LevelDocument document(LevelPaths{}, LevelTerrain{}, header);
        document.SelectMarker(c.selected);
        MapFieldTexts fields = Fields();
        Field(fields, c.field) = c.text;
        if (c.selected < 0) fields.coordinates.reset();
        EXPECT_EQ(HasUnsavedEdits(document, fields), c.unsaved) << c.what;
        document.SetAiScript(0, 99);
        EXPECT_TRUE(HasUnsavedEdits(document, fields)) << c.what << ", level edited";
    }
}

}  // namespace
}  // namespace corvane
