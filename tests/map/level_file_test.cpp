// Reading level files and reading and writing header files, byte by byte.
#include "map/level_file.h"
#include "map/level_header.h"
#include "map/level_paths.h"

#include "tests/common/temp_folder.h"
#include "tests/map/level_bytes.h"

#include <gtest/gtest.h>

#include <filesystem>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace fs = std::filesystem;

namespace corvane {
namespace {

using testing::LevelBytes;
using testing::PatternHeader;
using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

TEST(LevelFile, HeightsAreSignedLittleEndianRowAfterRow) {
    LevelBytes level;
    level.height(0, 0, 1).height(127, 0, 300).height(0, 1, -3).height(5, 7, -32768).height(127, 127, 32767);
    LevelTerrain terrain = ReadLevelTerrain(level.bytes);
    EXPECT_EQ(terrain.height(0, 0), 1);
    EXPECT_EQ(terrain.height(127, 0), 300);
    EXPECT_EQ(terrain.height(0, 1), -3);
    EXPECT_EQ(terrain.height(5, 7), -32768);
    EXPECT_EQ(terrain.height(127, 127), 32767);
    EXPECT_EQ(level.bytes[2 * 128], '\xFD');  // (0, 1) is the 129th value
}

TEST(LevelFile, PlayerPositionsLastRecordWinsAndStoneHeadsInOrder) {
    LevelBytes level;
    level.player(0, 1, 10, 20)
        .player(3, 0, 30, 40)
        .player(10, 1, 200, 210)   // a second Red position: the later one counts
        .player(11, 4, 1, 1)       // no such player
        .thing(12, 7, 2, 2, 9, 9)  // not a player position
        .thing(13, 9, 4, 0, 9, 9)  // not a stone head
        .stoneHead(20, 100, 101)
        .player(998, 2, 255, 254)
        .stoneHead(999, 5, 6);
    LevelTerrain terrain = ReadLevelTerrain(level.bytes);
    EXPECT_EQ(terrain.playerPositions,
              (std::array<MapPoint, 4>{MapPoint{30, 40}, {200, 210}, {255, 254}, {-1, -1}}));  // no Green record
    EXPECT_EQ(terrain.stoneHeads, (std::vector<MapPoint>{{100, 101}, {5, 6}}));
}

TEST(LevelFile, ShortFilesReadAsFarAsTheyGo) {
    LevelBytes level;
    level.height(3, 0, 77).player(0, 3, 11, 12).stoneHead(1, 50, 60);
    // Cut inside the second record, after its X and before its Y.
    LevelTerrain terrain = ReadLevelTerrain(level.bytes.substr(0, kThingsOffset + kThingSize + 5));
    EXPECT_EQ(terrain.height(3, 0), 77);
    EXPECT_EQ(terrain.playerPositions[3], (MapPoint{11, 12}));
    EXPECT_EQ(terrain.stoneHeads, (std::vector<MapPoint>{{50, 0}}));
    EXPECT_EQ(ReadLevelTerrain(std::string_view("\x05", 1)).height(0, 0), 5);  // half a height
}

TEST(LevelFile, LoadReadsTheFileAndReportsWhatCannotBeRead) {
    TempFolder temp;
    LevelBytes level;
    level.height(127, 127, -9);
    writeBytes(temp.file("l.dat"), level.bytes);
    auto read = LoadLevelTerrain(temp.file("l.dat"));
    ASSERT_TRUE(std::holds_alternative<LevelTerrain>(read));
    EXPECT_EQ(std::get<LevelTerrain>(read).height(127, 127), -9);

    auto missing = LoadLevelTerrain(temp.file("none.dat"));
    ASSERT_TRUE(std::holds_alternative<FileError>(missing));
    EXPECT_EQ(std::get<FileError>(missing).path, temp.file("none.dat"));
    fs::create_directory(temp.path() / "folder.dat");
    auto folder = LoadLevelTerrain(temp.file("folder.dat"));
    ASSERT_TRUE(std::holds_alternative<FileError>(folder));
    EXPECT_EQ(std::get<FileError>(folder).reason, "is a folder, not a file");
}

#ifndef _WIN32
// A pipe never ends (or never opens): reading one would hang the program.
TEST(LevelFile, PipesAreRefusedNotRead) {
    TempFolder temp;
    ASSERT_EQ(mkfifo(temp.file("pipe.dat").c_str(), 0600), 0);
    ASSERT_EQ(mkfifo(temp.file("pipe.hdr").c_str(), 0600), 0);
    auto level = LoadLevelTerrain(temp.file("pipe.dat"));
    ASSERT_TRUE(std::holds_alternative<FileError>(level));
    EXPECT_EQ(std::get<FileError>(level).reason, "is not a regular file");
    auto header = LoadLevelHeader(temp.file("pipe.hdr"));
    ASSERT_TRUE(std::holds_alternative<FileError>(header));
    EXPECT_EQ(std::get<FileError>(header).reason, "is not a regular file");
    auto save = SaveLevelHeader(temp.file("pipe.hdr"), LevelHeader{}, true);
    ASSERT_TRUE(save);
    EXPECT_EQ(save->kind, HeaderSaveError::Kind::CannotRead);
}
#endif

TEST(LevelHeader, ReadsAndWritesOnlyOwnedBytes) {
    std::string before = PatternHeader(700);
    LevelHeader read = ReadLevelHeader(before);
    EXPECT_EQ(read.aiScripts[0], static_cast<std::uint8_t>(89 * 7 + 3));
    EXPECT_EQ(read.allianceMasks[3], static_cast<std::uint8_t>(95 * 7 + 3));
    EXPECT_EQ(read.markers[0].x, static_cast<std::uint8_t>(100 * 7 + 3));
    EXPECT_EQ(read.markers[255].y, static_cast<std::uint8_t>(611 * 7 + 3));
    EXPECT_EQ(WriteLevelHeader(before, read), before);  // unchanged fields write the same bytes back

    LevelHeader header;
    header.aiScripts = {1, 2, 3};
    header.allianceMasks = {4, 5, 6, 7};
    std::string expected = before;
    for (std::size_t i = 0; i < 7; ++i) expected[89 + i] = static_cast<char>(i + 1);
    for (std::size_t n = 0; n < 256; ++n) {
        header.markers[n] = {static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(255 - n)};
        expected[100 + 2 * n] = static_cast<char>(n);
        expected[101 + 2 * n] = static_cast<char>(255 - n);
    }
    EXPECT_EQ(WriteLevelHeader(before, header), expected);
    EXPECT_EQ(ReadLevelHeader(expected), header);
}

TEST(LevelHeader, ShortHeadersReadAsZeroAndGrowZeroFilled) {
    std::string cut = PatternHeader(107);  // inside marker 3: its X is there, its Y reads 0
    LevelHeader read = ReadLevelHeader(cut);
    EXPECT_EQ(read.markers[3], (Marker{static_cast<std::uint8_t>(106 * 7 + 3), 0}));
    EXPECT_EQ(read.markers[4], Marker{});

    LevelHeader header;
    header.aiScripts = {9, 9, 9};
    header.markers[255] = {1, 2};
    std::string after = WriteLevelHeader(PatternHeader(50), header);
    std::string expected = PatternHeader(50) + std::string(kHeaderBytesOwned - 50, '\0');
    expected.replace(89, 3, "\x09\x09\x09");  // 96 to 99 stay zero: not the program's
    expected.replace(610, 2, "\x01\x02");
    EXPECT_EQ(after, expected);
}

TEST(HeaderFile, FailuresLeaveTheOldHeaderAndSayWhy) {
    TempFolder temp;
    std::string path = temp.file("levl1.hdr");
    LevelHeader header;
    header.aiScripts = {7, 8, 9};
    writeBytes(path, PatternHeader(612));
    fs::permissions(path, fs::perms::owner_read);
    auto readOnly = SaveLevelHeader(path, header, false);
    ASSERT_TRUE(readOnly);
    EXPECT_EQ(readOnly->kind, HeaderSaveError::Kind::CannotWrite);
    EXPECT_EQ(readOnly->file.message(), path + ": is read-only");
    EXPECT_EQ(readBytes(path), PatternHeader(612));

    fs::create_directory(temp.path() / "folder.hdr");
    auto folder = SaveLevelHeader(temp.file("folder.hdr"), header, true);
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->kind, HeaderSaveError::Kind::CannotRead);
    EXPECT_TRUE(std::holds_alternative<FileError>(LoadLevelHeader(temp.file("folder.hdr"))));

    auto noFolder = SaveLevelHeader(temp.file("gone/x.hdr"), header, true);
    ASSERT_TRUE(noFolder);
    EXPECT_EQ(noFolder->kind, HeaderSaveError::Kind::CannotWrite);
    EXPECT_EQ(noFolder->file.path, temp.file("gone/x.hdr"));
}

TEST(LevelPaths, HeaderBesideTheChosenFile) {
    TempFolder temp;
    LevelPaths plain = LevelPathsFor(temp.file("levl2001.dat"));
    EXPECT_EQ(plain.stem, temp.file("levl2001"));
    EXPECT_EQ(plain.levelFile, temp.file("levl2001.dat"));
    EXPECT_EQ(plain.headerFile, temp.file("levl2001.hdr"));

    writeBytes(temp.file("LEVL2002.HDR"), "h");
    LevelPaths upper = LevelPathsFor(temp.file("levl2002.dat"));
    EXPECT_EQ(upper.levelFile, temp.file("levl2002.dat"));  // the chosen file itself, whatever its case
    std::error_code ec;
    EXPECT_TRUE(fs::equivalent(upper.headerFile, temp.file("LEVL2002.HDR"), ec)) << upper.headerFile;

    EXPECT_EQ(LevelPathsFor(temp.file("level")).headerFile, temp.file("level.hdr"));
}

}  // namespace
}  // namespace corvane
