// The picture of a level (colours of terrain, markers, players and stone heads, and the cache that
// keeps a paint after one click down to the cells that changed) and alliance boxes.
#include "map/map_painter.h"

#include <gtest/gtest.h>

#include <set>

#include "map/alliance_grid.h"

namespace corvane {
namespace {

class Painter : public ::testing::Test {
protected:
    LevelTerrain terrain;
    std::array<Marker, kMarkerCount> markers{};
    MapImage image;
    MapPainter painter{1234};

    Painter() {
        for (std::size_t n = 0; n < markers.size(); ++n) markers[n] = {static_cast<std::uint8_t>(n), 250};  // aside
        terrain.playerPositions.fill(MapPoint{240, 10});
    }
    void paint(int selectedMarker = -1, int selectedStoneHead = -1) {
        painter.Paint(image, MapScene{terrain, markers, selectedMarker, selectedStoneHead});
    }
    void setHeight(int x, int y, std::int16_t h) { terrain.heights[static_cast<std::size_t>(y * kMapCells + x)] = h; }
    // Every pixel of a cell has the same colour; returns it.
    Rgb cellColour(int x, int y) const {
        Rgb first = image.Pixel(4 * x, 4 * y);
        for (int dy = 0; dy < 4; ++dy)
            for (int dx = 0; dx < 4; ++dx) EXPECT_EQ(image.Pixel(4 * x + dx, 4 * y + dy), first);
        return first;
    }
};

// Levels are heights / 3, rounded toward zero; level 0 is water, blue from 64 to 95, new on every paint.
TEST_F(Painter, TerrainColoursAndShimmeringWater) {
    struct Case {
        std::int16_t height;
        Rgb colour;
    };
    const Case cases[] = {{30, {38, 32, 38}}, {300, {0, 100, 0}},      {1200, {0, 255, 0}}, {-3, {49, 32, 49}},
                          {3, {47, 32, 47}},  {767, {0, 255, 0}},      {96, {16, 32, 16}},  {99, {15, 33, 15}},
                          {144, {0, 48, 0}},  {-32768, {255, 32, 255}}};  // red and blue 10970, cut to 255
    for (std::size_t i = 0; i < std::size(cases); ++i) setHeight(static_cast<int>(i), 3, cases[i].height);
    const std::int16_t water[] = {1, 2, -2, 0};
    for (int x = 0; x < 4; ++x) setHeight(x, 0, water[x]);
    paint();
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(cellColour(static_cast<int>(i), 3), cases[i].colour) << "height " << cases[i].height;
    std::set<int> blues;
    for (int round = 0; round < 40; ++round, painter.InvalidateAll(), paint()) {
        for (int x = 0; x < 4; ++x) {
            Rgb c = cellColour(x, 0);
            EXPECT_TRUE(c.r == 0 && c.g == 0 && c.b >= 64 && c.b <= 95) << x << ": " << c.r << ' ' << c.g << ' ' << c.b;
            blues.insert(c.b);
        }
    }
    EXPECT_GT(blues.size(), 10u);
}

TEST_F(Painter, MarkersPlayersAndStoneHeadsInOrder) {
    setHeight(45, 45, 30);
    markers[7] = {40, 40};  // under Blue's position
    markers[8] = {60, 60};
    markers[9] = {80, 80};  // under a stone head
    terrain.playerPositions = {MapPoint{40, 40}, MapPoint{100, 100}, MapPoint{110, 110}, MapPoint{120, 120}};
    terrain.stoneHeads = {MapPoint{80, 80}, MapPoint{90, 90}};
    paint(8, 1);
    const struct {
        int x, y;
        Rgb colour;
    } pixels[] = {{120, 120, {255, 128, 128}}, {0, 500, {128, 128, 128}},  // selected marker 8, marker 0 at (0, 250)
                  {80, 80, {0, 0, 255}},       {79, 79, {0, 0, 0}},
                  {82, 82, {0, 0, 0}},  // Blue and its frame over marker 7
                  {201, 201, {255, 0, 0}},     {220, 220, {255, 255, 0}},
                  {241, 240, {0, 255, 0}},     {160, 160, {64, 255, 255}},
                  {159, 162, {0, 0, 0}},  // stone head over marker 9, its frame not selected
                  {179, 179, {255, 255, 255}}, {182, 181, {255, 255, 255}},
                  {183, 183, {38, 32, 38}}};  // selected frame
    for (const auto& p : pixels) EXPECT_EQ(image.Pixel(p.x, p.y), p.colour) << p.x << ", " << p.y;
    setHeight(0, 0, 300);
    terrain.playerPositions[3] = {-1, -1};  // no position: only the corner of its frame shows
    paint();
    EXPECT_EQ(image.Pixel(0, 0), (Rgb{0, 0, 0}));
    EXPECT_EQ(image.Pixel(1, 0), (Rgb{0, 100, 0}));
    EXPECT_EQ(image.Pixel(0, 1), (Rgb{0, 100, 0}));
}

TEST_F(Painter, CacheRepaintsOnlyChangedCellsAndCellsUnderMarkers) {
    for (int x = 0; x < kMapCells; ++x)
        for (int y = 0; y < kMapCells; ++y) setHeight(x, y, static_cast<std::int16_t>(30 + 3 * ((x + y) % 50)));
    setHeight(9, 9, -4);  // level -1 must not be taken for "cell must be painted"
    paint();
    EXPECT_EQ(painter.LastPaintedCells(), kMapCells * kMapCells);
    setHeight(9, 9, -5);  // the same level: the cell is kept
    paint();
    EXPECT_EQ(painter.LastPaintedCells(), 128);  // the cells the 256 markers covered, two per cell

    markers[7] = {40, 41};  // from (7, 250): its old cell (3, 125), level 38, is repainted with terrain
    paint(7);
    EXPECT_EQ(painter.LastPaintedCells(), 128);
    EXPECT_EQ(image.Pixel(14, 500), (Rgb{10, 38, 10}));
    EXPECT_EQ(image.Pixel(15, 501), (Rgb{10, 38, 10}));
    EXPECT_EQ(image.Pixel(12, 500), (Rgb{128, 128, 128}));  // beside marker 6, repainted on it
    EXPECT_EQ(image.Pixel(80, 82), (Rgb{255, 128, 128}));   // marker 7 at its new spot
    paint(7);
    EXPECT_EQ(painter.LastPaintedCells(), 129);  // marker 7's cell now on its own

    setHeight(64, 10, 999);  // a changed height repaints that cell only
    markers[7] = {14, 250};  // marker 7 back among the others
    paint();
    EXPECT_EQ(painter.LastPaintedCells(), 130);
    EXPECT_EQ(cellColour(64, 10), (Rgb{0, 255, 0}));
}

// Boxes are set row after row from each mask, so the later player decides each pair; a field keeps
// its byte unless a box changed after it was filled.
TEST(AlliancesOnLoad, LaterPlayerDecidesEachPair) {
    const struct {
        std::array<std::uint8_t, 4> masks;
        std::array<int, 4> fields;
        const char* pairs;
    } cases[] = {{{0, 0, 0, 0}, {0, 0, 0, 0}, "------"},  // pairs BR BY BG RY RG YG: '+' allied both ways, '-' not
                 {{1, 2, 0xF4, 8}, {1, 2, 0xF4, 8}, "------"},  // own bits and bits no box shows: kept
                 {{3, 2, 4, 8}, {1, 2, 4, 8}, "------"},        // Blue says Red, Red says no
                 {{1, 3, 0, 0}, {3, 3, 0, 0}, "+-----"},        // Red decides; Yellow and Green filled after it
                 {{15, 15, 15, 15}, {15, 15, 15, 15}, "++++++"}, {{15, 15, 15, 8}, {7, 7, 7, 8}, "++-+--"}};
    for (std::size_t row = 0; row < std::size(cases); ++row) {
        LoadedAlliances got = AlliancesFromMasks(cases[row].masks);
        std::string pairs;  // '?' where a pair is allied one way only
        for (auto [a, b] : std::array<std::array<int, 2>, 6>{{{0, 1}, {0, 2}, {0, 3}, {1, 2}, {1, 3}, {2, 3}}})
            pairs += got.grid.Allied(a, b) != got.grid.Allied(b, a) ? '?' : got.grid.Allied(a, b) ? '+' : '-';
        EXPECT_EQ(pairs, cases[row].pairs) << "row " << row;
        EXPECT_EQ(got.fields, cases[row].fields) << "row " << row;
    }
}

}  // namespace
}  // namespace corvane
