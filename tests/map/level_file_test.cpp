// Reading level files and reading and writing header files, byte by byte.
#include <gtest/gtest.h>

#include <filesystem>

#include "map/level_paths.h"
#include "tests/common/temp_folder.h"
#include "tests/map/level_bytes.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace fs = std::filesystem;

namespace corvane {
namespace {

using namespace testing;

// Heights signed and little-endian, row after row; the last record of a player counts.
TEST(LevelFile, HeightsAndObjectRecordsReadAsFarAsTheBytesGo) {
    const struct {
        int x, y;
        std::int16_t h;
    } heights[] = {{0, 0, 1}, {127, 0, 300}, {0, 1, -3}, {5, 7, -32768}, {127, 127, 32767}};
    LevelBytes level;
    for (const auto& c : heights) level.height(c.x, c.y, c.h);
    level.player(0, 1, 10, 20)
        .player(3, 0, 30, 40)
        .player(10, 1, 200, 210)  // a second Red position: it counts
        .player(11, 4, 1, 1)      // no such player
        .thing(12, 7, 2, 2, 9, 9)
        .thing(13, 9, 4, 0, 9, 9)  // neither a player position nor a stone head
        .stoneHead(20, 100, 101)
        .player(998, 2, 255, 254)
        .stoneHead(999, 5, 6);
    LevelTerrain terrain = ReadLevelTerrain(level.bytes);
    for (const auto& c : heights) EXPECT_EQ(terrain.Height(c.x, c.y), c.h) << c.x << ", " << c.y;
    EXPECT_EQ(level.bytes[2 * 128], '\xFD');  // (0, 1) is the 129th value
    EXPECT_EQ(terrain.playerPositions, (std::array<MapPoint, 4>{MapPoint{30, 40}, {200, 210}, {255, 254}, {-1, -1}}));
    EXPECT_EQ(terrain.stoneHeads, (std::vector<MapPoint>{{100, 101}, {5, 6}}));
    // Cut inside record 20, after its X and before its Y.
    terrain = ReadLevelTerrain(std::string_view(level.bytes).substr(0, kThingsOffset + 20 * kThingSize + 5));
    EXPECT_EQ(terrain.playerPositions, (std::array<MapPoint, 4>{MapPoint{30, 40}, {200, 210}, {-1, -1}, {-1, -1}}));
    EXPECT_EQ(terrain.stoneHeads, (std::vector<MapPoint>{{100, 0}}));
    EXPECT_EQ(ReadLevelTerrain(std::string_view("\x05", 1)).Height(0, 0), 5);  // half a height
}

TEST(LevelHeader, ShortHeadersReadAsZeroAndGrowZeroFilled) {
    LevelHeader read = ReadLevelHeader(PatternHeader(107));  // inside marker 3: its X is there, its Y reads 0
    EXPECT_EQ(read.markers[3], (Marker{static_cast<std::uint8_t>(106 * 7 + 3), 0}));
    EXPECT_EQ(read.markers[4], Marker{});

    LevelHeader header;
    header.aiScripts = {9, 9, 9};
    header.markers[255] = {1, 2};
    std::string expected = PatternHeader(50) + std::string(kHeaderBytesOwned - 50, '\0');
    expected.replace(89, 3, "\x09\x09\x09");  // 96 to 99 stay zero: not the program's
    expected.replace(610, 2, "\x01\x02");
    EXPECT_EQ(WriteLevelHeader(PatternHeader(50), header), expected);
}

TEST(HeaderFile, FailuresSayWhere) {
    TempFolder temp;
    auto error = SaveLevelHeader(temp.file("gone/x.hdr"), LevelHeader{}, true);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind, HeaderSaveError::Kind::CannotWrite);
    EXPECT_EQ(error->file.path, temp.file("gone/x.hdr"));
    EXPECT_EQ(std::get<FileError>(LoadLevelTerrain(temp.file("no.dat"))).path, temp.file("no.dat"));
#ifndef _WIN32
    // A pipe never ends (or never opens): reading one would hang the program.
    std::string pipe = temp.file("pipe.hdr");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(std::get<FileError>(LoadLevelTerrain(pipe)).message(), pipe + ": is not a regular file");
    error = SaveLevelHeader(pipe, LevelHeader{}, true);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->file.message(), pipe + ": is not a regular file");
#endif
}

TEST(LevelPaths, HeaderBesideTheChosenFile) {
    TempFolder temp;
    writeBytes(temp.file("LEVL2002.HDR"), "h");
    LevelPaths upper = LevelPathsFor(temp.file("levl2002.dat"));
    EXPECT_EQ(upper.levelFile, temp.file("levl2002.dat"));  // the chosen file itself, whatever its case
    EXPECT_TRUE(fs::equivalent(upper.headerFile, temp.file("LEVL2002.HDR"))) << upper.headerFile;
    EXPECT_EQ(LevelPathsFor(temp.file("level")).headerFile, temp.file("level.hdr"));
}

}  // namespace
}  // namespace corvane
