// The map window's number fields without the window: what a save refuses, in which order and with
// which words, and when typed coordinates are an edit that closing would lose.
#include "map/map_fields.h"

#include <gtest/gtest.h>

#include "map/level_document.h"
#include "map/map_texts.h"

namespace corvane {
namespace {

MapFieldTexts Fields() { return {std::array<std::string, 2>{"120", "36"}, {"11", "12", "13"}, {"1", "2", "4", "8"}}; }

// All fields spoilt at once: each save names the first bad one left, in the order X, Y, AI scripts, masks.
TEST(MapFields, TheFirstFieldThatIsNoByteIsNamed) {
    MapFieldTexts fields = Fields();
    const struct {
        std::string& field;
        const char *text, *name;
    } cases[] = {{(*fields.coordinates)[0], "+3", "Marker X"},
                 {(*fields.coordinates)[1], "1 2", "Marker Y"},
                 {fields.aiScripts[0], "99999999999", "AI script of Red"},
                 {fields.aiScripts[1], "256", "AI script of Yellow"},
                 {fields.aiScripts[2], "", "AI script of Green"},
                 {fields.allianceMasks[0], "\xC2\xB2", "Alliance mask of Blue"},
                 {fields.allianceMasks[2], "12a", "Alliance mask of Yellow"}};
    for (const auto& c : cases) c.field = c.text;
    auto refused = [](const std::string& name, const std::string& text) {
        return name + " must be a whole number from 0 to 255, not \"" + text + "\". Nothing was changed.";
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BadFieldMessage(fields), refused(c.name, c.text));
        c.field = "1";
    }
    EXPECT_EQ(BadFieldMessage(fields), std::nullopt);
    EXPECT_EQ(BadCoordinateMessage("1", "x"), refused("Marker Y", "x"));
    // Blanks around and leading zeros are allowed, no more than three digits.
    for (const char* text : {" 007 ", "\t255\t", "0"}) EXPECT_TRUE(ParseByteField(text)) << text;
    for (const char* text : {"  ", "-0", "0255"}) EXPECT_FALSE(ParseByteField(text)) << text;
}

TEST(MapFields, TypedCoordinatesNotYetTakenAreUnsaved) {
    LevelHeader header{{11, 12, 13}, {1, 2, 4, 8}, {}};
    header.markers[5] = {120, 36};
    LevelDocument document(LevelPaths{}, LevelTerrain{}, header);
    document.SelectMarker(5);
    MapFieldTexts fields = Fields();
    const std::pair<std::array<std::string, 2>, bool> cases[] = {{{"120", "36"}, false},
                                                                 {{" 120 ", "036"}, false},
                                                                 {{"3", "36"}, true},
                                                                 {{"120", "37"}, true},
                                                                 {{"x", "36"}, true}};
    for (const auto& [typed, unsaved] : cases) {
        fields.coordinates = typed;
        EXPECT_EQ(HasUnsavedEdits(document, fields), unsaved) << typed[0] << ", " << typed[1];
    }
    fields.coordinates.reset();  // no marker selected: X and Y are not looked at
    EXPECT_FALSE(HasUnsavedEdits(document, fields));
    document.SetAiScript(0, 99);
    EXPECT_TRUE(HasUnsavedEdits(document, fields));
}

}  // namespace
}  // namespace corvane
