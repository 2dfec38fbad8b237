// Marker picking, alliance boxes, list lines and whole-number fields.
#include "map/alliance_grid.h"
#include "map/map_texts.h"
#include "map/marker_picking.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(MarkerPicking, PixelsToMapUnits) {
    EXPECT_EQ(MapPositionOfPixel(101, 40), (MapPoint{50, 20}));
    EXPECT_EQ(MapPositionOfPixel(-7, 1), (MapPoint{0, 0}));
    EXPECT_EQ(MapPositionOfPixel(511, 900), (MapPoint{255, 255}));
}

TEST(MarkerPicking, NearestMarkerLowestNumberOnTies) {
    std::array<Marker, kMarkerCount> markers{};
    for (auto& m : markers) m = {255, 255};
    markers[9] = {52, 20};
    markers[4] = {48, 20};  // as near as 9: the lower number wins
    markers[30] = {50, 23};
    EXPECT_EQ(NearestMarker(markers, {50, 20}), 4);
    markers[200] = {51, 21};
    EXPECT_EQ(NearestMarker(markers, {50, 20}), 200);
    EXPECT_EQ(NearestMarker(markers, {250, 250}), 0);  // all others at (255, 255)
}

struct LoadCase {
    const char* what;
    std::array<std::uint8_t, 4> masks;
    std::array<int, 4> fields;
    std::array<bool, 6> pairs;  // BR, BY, BG, RY, RG, YG
};

class AlliancesOnLoad : public ::testing::TestWithParam<LoadCase> {};

TEST_P(AlliancesOnLoad, LaterPlayerDecidesEachPair) {
    LoadedAlliances got = AlliancesFromMasks(GetParam().masks);
    EXPECT_EQ(got.fields, GetParam().fields);
    const int pairs[6][2] = {{0, 1}, {0, 2}, {0, 3}, {1, 2}, {1, 3}, {2, 3}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(got.grid.allied(pairs[i][0], pairs[i][1]), GetParam().pairs[static_cast<std::size_t>(i)]) << i;
        EXPECT_EQ(got.grid.allied(pairs[i][1], pairs[i][0]), GetParam().pairs[static_cast<std::size_t>(i)]) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AlliancesOnLoad,
    ::testing::Values(
        // No box changes: every field keeps its byte, even bits the boxes cannot show.
        LoadCase{"none", {0, 0, 0, 0}, {0, 0, 0, 0}, {}},
        LoadCase{"own bits and high bits", {1, 2, 0xF4, 8}, {1, 2, 0xF4, 8}, {}},
        // Blue says Red, Red says no: Red's mask decides, the pair ends unchecked.
        LoadCase{"blue yes red no", {3, 2, 4, 8}, {1, 2, 4, 8}, {}},
        // Red says Blue: checked; Yellow and Green keep their bytes, filled after the last change.
        LoadCase{"red decides", {1, 3, 0, 0}, {3, 3, 0, 0}, {true, false, false, false, false, false}},
        LoadCase{"all allied", {15, 15, 15, 15}, {15, 15, 15, 15}, {true, true, true, true, true, true}},
        LoadCase{"green against all", {15, 15, 15, 8}, {7, 7, 7, 8}, {true, true, false, true, false, false}}),
    [](const auto& info) {
        std::string name = info.param.what;
        for (char& c : name) c = c == ' ' ? '_' : c;
        return name;
    });

TEST(MapTexts, ByteFields) {
    struct Case { const char* text; int value; /* -1: refused */ };
    const Case cases[] = {{"0", 0},   {"255", 255}, {" 17 ", 17}, {"007", 7},  {"256", -1}, {"-1", -1},  {"", -1},
                          {"1.5", -1}, {"+3", -1},  {"12a", -1},  {"1 2", -1}, {"99999999999", -1}, {"\xC2\xB2", -1}};
    for (const Case& c : cases) {
        auto got = ParseByteField(c.text);
        if (c.value < 0)
            EXPECT_FALSE(got) << '"' << c.text << '"';
        else
            EXPECT_EQ(got, std::optional<std::uint8_t>(static_cast<std::uint8_t>(c.value))) << c.text;
    }
}

}  // namespace
}  // namespace corvane
