// What the map window's view rests on: the zoom's pixel arithmetic, picking a marker at a zoom, the
// computer-player script beside a level and the check that a file is long enough to be a level.
#include <gtest/gtest.h>

#include <filesystem>

#include "map/ai_script_file.h"
#include "map/level_file.h"
#include "map/map_zoom.h"
#include "map/marker_picking.h"
#include "tests/common/temp_folder.h"

namespace corvane {
namespace {

using namespace testing;

TEST(MapZoom, WidgetPixelsToPicturePixelsRoundDownAlsoLeftOfThePicture) {
    MapZoom zoom;
    zoom.SetFactor(3);
    const int cases[][2] = {{0, 0}, {2, 0}, {3, 1}, {1535, 511}, {-1, -1}, {-3, -1}, {-4, -2}};
    for (const auto& c : cases) EXPECT_EQ(zoom.PictureOf(c[0]), c[1]) << c[0];
    zoom.SetFactor(0);
    EXPECT_EQ(zoom.ShownSize(), 512);
    zoom.SetFactor(99);
    EXPECT_EQ(zoom.ShownSize(), 8 * 512);
    // Fit fills the view's shorter side, between the whole factors too; the zoom keys then step to
    // the whole factors on either side.
    EXPECT_EQ(MapZoom::Fitting(1100, 700), 700);
    EXPECT_EQ(MapZoom::Fitting(300, 300), 512);
    EXPECT_EQ(MapZoom::Fitting(9000, 9000), 8 * 512);
    zoom.SetShownSize(700);
    EXPECT_EQ(zoom.StepUp(), 2);
    EXPECT_EQ(zoom.StepDown(), 1);
    zoom.SetShownSize(1100);
    EXPECT_EQ(zoom.StepDown(), 2);  // down to the whole factor below, not two steps
    zoom.SetFactor(2);
    EXPECT_EQ(zoom.StepUp(), 3);
    EXPECT_EQ(zoom.StepDown(), 1);
}

// Whatever the shown sizes, whole or not, scroll and pointer, the picture pixel under the pointer
// stays the same, and each widget pixel shows the picture pixel whose first widget pixel is at or
// before it.
TEST(MapZoom, ZoomingKeepsThePicturePixelUnderThePointer) {
    const int sizes[] = {512, 700, 1024, 1100, 1536, 2047, 4096};
    for (int from : sizes) {
        for (int to : sizes) {
            MapZoom before, after;
            before.SetShownSize(from);
            after.SetShownSize(to);
            for (int scroll : {0, 7, 300, 1234}) {
                for (int pointer : {0, 1, 255, 511}) {
                    int kept = MapZoom::ScrollKeeping(scroll, pointer, from, to);
                    ASSERT_EQ(after.PictureOf(kept + pointer), before.PictureOf(scroll + pointer))
                        << from << "->" << to << " scroll " << scroll << " pointer " << pointer;
                }
            }
        }
        MapZoom zoom;
        zoom.SetShownSize(from);
        for (int pixel = 0; pixel < 512; ++pixel) {
            ASSERT_EQ(zoom.PictureOf(zoom.WidgetOf(pixel)), pixel) << from;
            ASSERT_EQ(zoom.PictureOf(zoom.WidgetOf(pixel + 1) - 1), pixel) << from;
        }
    }
}

TEST(MarkerPicking, AMarkerIsGrabbedOnItsSquareOrWithinReach) {
    const Marker marker{10, 20};  // picture pixels 20-21, 40-41
    struct Case {
        int x, y, zoom;
        bool grabs;
    };
    const Case cases[] = {{20, 40, 1, true},  {21, 41, 1, true},   {25, 45, 1, true},  {26, 40, 1, false},
                          {16, 36, 1, true},  {15, 40, 1, false},  {80, 160, 4, true}, {87, 167, 4, true},
                          {91, 160, 4, true}, {92, 160, 4, false}, {22, 42, 4, false}};
    for (const Case& c : cases) {
        MapZoom zoom;
        zoom.SetFactor(c.zoom);
        EXPECT_EQ(GrabsMarker(marker, c.x, c.y, zoom), c.grabs) << c.x << ',' << c.y << " at zoom " << c.zoom;
    }
}

// At a spot: the lowest number there, with the others counted. Nearest: the lowest number on ties.
TEST(MarkerPicking, MarkerAtASpotAndNearestMarkerTakeTheLowestNumber) {
    EXPECT_EQ(MapPositionOfPixel(-7, 1), (MapPoint{0, 0}));
    EXPECT_EQ(MapPositionOfPixel(511, 900), (MapPoint{255, 255}));
    std::array<Marker, kMarkerCount> markers{};  // all at 0, 0
    markers[0] = {5, 5};
    markers[3] = {9, 9};
    markers[7] = {9, 9};
    int sharing = -1;
    EXPECT_EQ(MarkerAt(markers, {9, 9}, &sharing), 3);
    EXPECT_EQ(sharing, 1);
    EXPECT_EQ(MarkerAt(markers, {0, 0}, &sharing), 1);
    EXPECT_EQ(sharing, 252);
    EXPECT_EQ(MarkerAt(markers, {5, 6}, &sharing), -1);
    EXPECT_EQ(sharing, 0);
    markers.fill({255, 255});
    markers[9] = {52, 20};
    markers[4] = {48, 20};  // as near as 9: the lower number wins
    markers[30] = {50, 23};
    EXPECT_EQ(NearestMarker(markers, {50, 20}), 4);
    markers[200] = {51, 21};
    EXPECT_EQ(NearestMarker(markers, {50, 20}), 200);
    EXPECT_EQ(NearestMarker(markers, {250, 250}), 0);  // all others at (255, 255)
}

// Stone heads answer before players and players before markers, as the picture paints them on top;
// heads and players cover one unit around them, a marker only its own spot.
TEST(MarkerPicking, ToolTipNamesWhatLiesOnTop) {
    LevelTerrain terrain;
    terrain.stoneHeads = {{128, 128}, {150, 40}};
    terrain.playerPositions = {MapPoint{60, 60}, {200, 60}, {150, 41}, {-1, -1}};  // Yellow under stone head 2
    std::array<Marker, kMarkerCount> markers;
    markers.fill(Marker{255, 255});
    markers[9] = markers[5] = {120, 36};
    markers[7] = {60, 60};  // under Blue
    const std::pair<MapPoint, const char*> cases[] = {
        {{151, 39}, "Stone head 2 (150, 40)"},  {{150, 42}, "Yellow's position (150, 41)"}, {{130, 128}, ""},
        {{60, 60}, "Blue's position (60, 60)"}, {{120, 36}, "Marker 5 (120, 36)"},          {{121, 36}, ""}};
    for (const auto& [at, tip] : cases) EXPECT_EQ(ToolTipAt(terrain, markers, at), tip) << at.x << ", " << at.y;
    EXPECT_EQ(ToolTipAt(terrain, markers, {0, 0}), "");  // Green has no position
}

TEST(AiScriptFile, FoundBesideTheLevelInAnyLetterCase) {
    TempFolder temp;
    std::filesystem::create_directory(temp.file("levels"));
    const std::string level = temp.file("levels/levl2001.dat");
    writeBytes(temp.file("levels/CPSCR007.DAT"), "x");
    writeBytes(temp.file("cpscr008.dat"), "x");                           // beside the folder, not in it
    std::filesystem::create_directory(temp.file("levels/cpscr009.dat"));  // a folder is no script
    // Where file names ignore case (Windows) the name may come back as asked for.
    auto found = FindAiScriptFile(level, 7);
    ASSERT_TRUE(found.has_value());
    EXPECT_TRUE(std::filesystem::equivalent(*found, temp.file("levels/CPSCR007.DAT")));
    EXPECT_EQ(FindAiScriptFile(level, 8), std::nullopt);
    EXPECT_EQ(FindAiScriptFile(level, 9), std::nullopt);
}

TEST(LevelLayout, FilesTooShortForALevelAreNamedWithWhatIsWrong) {
    TempFolder temp;
    const std::string level = temp.file("l.dat"), header = temp.file("l.hdr");
    auto shortHeader = [&](int size) {
        return "the header file " + header + " is " + std::to_string(size) +
               " bytes long, shorter than the 612 bytes of a level header";
    };
    const std::string shortLevel =
        "the level file is 12552 bytes long, shorter than the 32768 bytes of a level's height map";
    struct Case {
        std::size_t levelSize;
        std::optional<std::size_t> headerSize;
        std::string problem;
    };
    const Case cases[] = {{32768, std::nullopt, ""},         {32768, 612, ""},
                          {32768, 0, shortHeader(0)},        {32768, 611, shortHeader(611)},
                          {12552, std::nullopt, shortLevel}, {12552, 611, shortLevel + "; " + shortHeader(611)}};
    for (const Case& c : cases) {
        writeBytes(level, std::string(c.levelSize, '\x07'));
        std::filesystem::remove(header);
        if (c.headerSize) writeBytes(header, std::string(*c.headerSize, '\0'));
        EXPECT_EQ(LevelLayoutProblem(level, header).value_or(""), c.problem) << c.levelSize;
    }
}

}  // namespace
}  // namespace corvane
