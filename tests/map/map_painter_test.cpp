// The picture of a level: colours of terrain, markers, players and stone heads, and the cache that
// keeps a paint after one click down to the cells that changed.
#include "map/map_painter.h"

#include <gtest/gtest.h>

#include <set>

namespace corvane {
namespace {

class Painter : public ::testing::Test {
protected:
    LevelTerrain terrain;
    std::array<Marker, kMarkerCount> markers{};
    MapImage image;
    MapPainter painter{1234};

    Painter() {
        // Markers out of the way unless a test moves them: one per cell along the bottom rows.
        for (int n = 0; n < kMarkerCount; ++n)
            markers[static_cast<std::size_t>(n)] = {static_cast<std::uint8_t>(n), 250};
        terrain.playerPositions.fill(MapPoint{240, 10});
    }
    void paint(int selectedMarker = -1, int selectedStoneHead = -1) {
        painter.paint(image, MapScene{terrain, markers, selectedMarker, selectedStoneHead});
    }
    void setHeight(int x, int y, std::int16_t h) { terrain.heights[static_cast<std::size_t>(y * kMapCells + x)] = h; }
    // Every pixel of a cell has the same colour; returns it.
    Rgb cellColour(int x, int y) const {
        Rgb first = image.pixel(4 * x, 4 * y);
        for (int dy = 0; dy < 4; ++dy)
            for (int dx = 0; dx < 4; ++dx) EXPECT_EQ(image.pixel(4 * x + dx, 4 * y + dy), first);
        return first;
    }
};

TEST_F(Painter, TerrainColours) {
    struct Case { std::int16_t height; Rgb colour; };
    const Case cases[] = {{30, {38, 32, 38}},   {300, {0, 100, 0}},   {1200, {0, 255, 0}}, {-3, {49, 32, 49}},
                          {3, {47, 32, 47}},    {767, {0, 255, 0}},   {96, {16, 32, 16}},  {99, {15, 33, 15}},
                          {144, {0, 48, 0}},    {-32768, {255, 32, 255}}};  // red and blue 10970, cut to 255
    for (std::size_t i = 0; i < std::size(cases); ++i) setHeight(static_cast<int>(i), 3, cases[i].height);
    paint();
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(cellColour(static_cast<int>(i), 3), cases[i].colour) << "height " << cases[i].height;
}

TEST_F(Painter, WaterIsBlueBetween64And95AndShimmers) {
    setHeight(0, 0, 1);
    setHeight(1, 0, 2);
    setHeight(2, 0, -2);
    std::set<int> blues;
    for (int round = 0; round < 40; ++round) {
        painter.invalidateAll();
        paint();
        for (int x = 0; x < 4; ++x) {
            Rgb c = cellColour(x, 0);
            EXPECT_EQ(c.r, 0);
            EXPECT_EQ(c.g, 0);
            EXPECT_GE(c.b, 64);
            EXPECT_LE(c.b, 95);
            blues.insert(c.b);
        }
    }
    EXPECT_GT(blues.size(), 10u);
}

TEST_F(Painter, MarkersPlayersAndStoneHeadsInOrder) {
    setHeight(45, 45, 30);
    markers[7] = {40, 40};   // under Blue's position
    markers[8] = {60, 60};
    markers[9] = {80, 80};   // under a stone head
    terrain.playerPositions = {MapPoint{40, 40}, MapPoint{100, 100}, MapPoint{110, 110}, MapPoint{120, 120}};
    terrain.stoneHeads = {MapPoint{80, 80}, MapPoint{90, 90}};
    paint(8, 1);
    EXPECT_EQ(image.pixel(120, 120), (Rgb{255, 128, 128}));  // selected marker 8
    EXPECT_EQ(image.pixel(0, 500), (Rgb{128, 128, 128}));    // marker 0 at (0, 250)
    EXPECT_EQ(image.pixel(80, 80), (Rgb{0, 0, 255}));        // Blue lies over marker 7
    EXPECT_EQ(image.pixel(79, 79), (Rgb{0, 0, 0}));
    EXPECT_EQ(image.pixel(82, 82), (Rgb{0, 0, 0}));
    EXPECT_EQ(image.pixel(201, 201), (Rgb{255, 0, 0}));
    EXPECT_EQ(image.pixel(220, 220), (Rgb{255, 255, 0}));
    EXPECT_EQ(image.pixel(241, 240), (Rgb{0, 255, 0}));
    EXPECT_EQ(image.pixel(160, 160), (Rgb{64, 255, 255}));   // stone head over marker 9
    EXPECT_EQ(image.pixel(159, 162), (Rgb{0, 0, 0}));        // its frame: not selected
    EXPECT_EQ(image.pixel(179, 179), (Rgb{255, 255, 255}));  // the selected one's frame
    EXPECT_EQ(image.pixel(182, 181), (Rgb{255, 255, 255}));
    EXPECT_EQ(image.pixel(183, 183), (Rgb{38, 32, 38}));     // just outside the frame: terrain
}

TEST_F(Painter, PlayerWithoutPositionShowsOnlyOnePixelAndLevelMinusOneIsPainted) {
    setHeight(0, 0, 300);
    setHeight(9, 9, -4);  // level -1 must not be taken for "cell must be painted"
    terrain.playerPositions = {MapPoint{-1, -1}, MapPoint{100, 100}, MapPoint{100, 100}, MapPoint{100, 100}};
    paint();
    EXPECT_EQ(image.pixel(0, 0), (Rgb{0, 0, 0}));
    EXPECT_EQ(image.pixel(1, 0), (Rgb{0, 100, 0}));
    EXPECT_EQ(image.pixel(0, 1), (Rgb{0, 100, 0}));
    EXPECT_EQ(cellColour(9, 9), (Rgb{49, 32, 49}));
    setHeight(9, 9, -5);  // same level: the cache keeps the cell
    paint();
    EXPECT_EQ(painter.lastPaintedCells(), 128);
}

TEST_F(Painter, CacheRepaintsOnlyChangedCellsAndCellsUnderMarkers) {
    for (int x = 0; x < kMapCells; ++x)
        for (int y = 0; y < kMapCells; ++y) setHeight(x, y, static_cast<std::int16_t>(30 + 3 * ((x + y) % 50)));
    paint();
    EXPECT_EQ(painter.lastPaintedCells(), kMapCells * kMapCells);
    paint();
    EXPECT_EQ(painter.lastPaintedCells(), 128);  // the cells the 256 markers covered, two per cell

    // Marker 7 moves from (7, 250) to (40, 41): its old cell is repainted with terrain.
    markers[7] = {40, 41};
    paint(7);
    EXPECT_EQ(painter.lastPaintedCells(), 128);
    // (7, 250) shows terrain again: cell (3, 125) has height 30 + 3 * 28, level 38...
    EXPECT_EQ(image.pixel(14, 500), (Rgb{10, 38, 10}));
    EXPECT_EQ(image.pixel(15, 501), (Rgb{10, 38, 10}));
    EXPECT_EQ(image.pixel(12, 500), (Rgb{128, 128, 128}));  // beside marker 6, repainted on it
    EXPECT_EQ(image.pixel(80, 82), (Rgb{255, 128, 128}));  // ...and marker 7 its new spot
    paint(7);
    EXPECT_EQ(painter.lastPaintedCells(), 129);  // marker 7's cell now on its own

    setHeight(64, 10, 999);  // a changed height repaints that cell only
    markers[7] = {14, 250};  // marker 7 back among the others
    paint();
    EXPECT_EQ(painter.lastPaintedCells(), 130);
    EXPECT_EQ(cellColour(64, 10), (Rgb{0, 255, 0}));
}

}  // namespace
}  // namespace corvane
