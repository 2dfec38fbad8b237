// Reading level files and reading and writing header files, byte by byte.
#include "map/level_file.h"
#include "map/level_header.h"
#include "map/level_paths.h"

#include "tests/common/temp_folder.h"
#include "tests/map/level_bytes.h"

#include <gtest/gtest.h>

#include <filesystem>

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
    EXPECT_EQ(terrain.height(1, 0), 0);
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
    EXPECT_EQ(terrain.playerPositions[0], (MapPoint{30, 40}));
    EXPECT_EQ(terrain.playerPositions[1], (MapPoint{200, 210}));
    EXPECT_EQ(terrain.playerPositions[2], (MapPoint{255, 254}));
    EXPECT_EQ(terrain.playerPositions[3], (MapPoint{-1, -1}));  // Green has no record
    ASSERT_EQ(terrain.stoneHeads.size(), 2u);
    EXPECT_EQ(terrain.stoneHeads[0], (MapPoint{100, 101}));
    EXPECT_EQ(terrain.stoneHeads[1], (MapPoint{5, 6}));
}

TEST(LevelFile, ShortFilesReadAsFarAsTheyGo) {
    LevelBytes level;
    level.height(3, 0, 77).player(0, 3, 11, 12).stoneHead(1, 50, 60);
    // Cut inside the second record, after its X and before its Y.
    std::string cut = level.bytes.substr(0, kThingsOffset + kThingSize + 5);
    LevelTerrain terrain = ReadLevelTerrain(cut);
    EXPECT_EQ(terrain.height(3, 0), 77);
    EXPECT_EQ(terrain.playerPositions[3], (MapPoint{11, 12}));
    ASSERT_EQ(terrain.stoneHeads.size(), 1u);
    EXPECT_EQ(terrain.stoneHeads[0], (MapPoint{50, 0}));

    LevelTerrain odd = ReadLevelTerrain(std::string_view("\x05", 1));  // half a height
    EXPECT_EQ(odd.height(0, 0), 5);
    EXPECT_TRUE(ReadLevelTerrain("").stoneHeads.empty());
}

TEST(LevelFile, LoadReportsWhatCannotBeRead) {
    TempFolder temp;
    auto missing = LoadLevelTerrain(temp.file("none.dat"));
    ASSERT_TRUE(std::holds_alternative<FileError>(missing));
    EXPECT_EQ(std::get<FileError>(missing).path, temp.file("none.dat"));
    fs::create_directory(temp.path() / "folder.dat");
    auto folder = LoadLevelTerrain(temp.file("folder.dat"));
    ASSERT_TRUE(std::holds_alternative<FileError>(folder));
    EXPECT_EQ(std::get<FileError>(folder).reason, "is a folder, not a file");

    LevelBytes level;
    level.height(127, 127, -9);
    writeBytes(temp.file("l.dat"), level.bytes);
    auto read = LoadLevelTerrain(temp.file("l.dat"));
    ASSERT_TRUE(std::holds_alternative<LevelTerrain>(read));
    EXPECT_EQ(std::get<LevelTerrain>(read).height(127, 127), -9);
}

TEST(LevelHeader, ReadsOwnedBytes) {
    std::string bytes = PatternHeader(700);
    LevelHeader header = ReadLevelHeader(bytes);
    EXPECT_EQ(header.aiScripts[0], static_cast<std::uint8_t>(89 * 7 + 3));
    EXPECT_EQ(header.aiScripts[2], static_cast<std::uint8_t>(91 * 7 + 3));
    EXPECT_EQ(header.allianceMasks[0], static_cast<std::uint8_t>(92 * 7 + 3));
    EXPECT_EQ(header.allianceMasks[3], static_cast<std::uint8_t>(95 * 7 + 3));
    EXPECT_EQ(header.markers[0].x, static_cast<std::uint8_t>(100 * 7 + 3));
    EXPECT_EQ(header.markers[255].y, static_cast<std::uint8_t>(611 * 7 + 3));
    // Cut inside marker 3: its X is there, its Y reads 0, the rest too.
    LevelHeader cut = ReadLevelHeader(std::string_view(bytes).substr(0, 107));
    EXPECT_EQ(cut.markers[3].x, static_cast<std::uint8_t>(106 * 7 + 3));
    EXPECT_EQ(cut.markers[3].y, 0);
    EXPECT_EQ(cut.markers[4], Marker{});
    EXPECT_EQ(ReadLevelHeader(""), LevelHeader{});
}

TEST(LevelHeader, WriteChangesOnlyOwnedBytes) {
    std::string before = PatternHeader(700);
    LevelHeader header;
    header.aiScripts = {1, 2, 3};
    header.allianceMasks = {4, 5, 6, 7};
    for (int n = 0; n < kMarkerCount; ++n) header.markers[static_cast<std::size_t>(n)] = {static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(255 - n)};
    std::string after = WriteLevelHeader(before, header);
    ASSERT_EQ(after.size(), before.size());
    std::string expected = before;
    for (int i = 0; i < 3; ++i) expected[static_cast<std::size_t>(89 + i)] = static_cast<char>(i + 1);
    for (int i = 0; i < 4; ++i) expected[static_cast<std::size_t>(92 + i)] = static_cast<char>(i + 4);
    for (int n = 0; n < 256; ++n) {
        expected[static_cast<std::size_t>(100 + 2 * n)] = static_cast<char>(n);
        expected[static_cast<std::size_t>(101 + 2 * n)] = static_cast<char>(255 - n);
    }
    EXPECT_EQ(after, expected);
    EXPECT_EQ(ReadLevelHeader(after), header);
    // Unchanged fields write the same bytes back.
    EXPECT_EQ(WriteLevelHeader(before, ReadLevelHeader(before)), before);
}

TEST(LevelHeader, ShortHeaderGrowsZeroFilled) {
    std::string before = PatternHeader(50);
    LevelHeader header;
    header.aiScripts = {9, 9, 9};
    header.markers[255] = {1, 2};
    std::string after = WriteLevelHeader(before, header);
    ASSERT_EQ(after.size(), kHeaderBytesOwned);
    EXPECT_EQ(after.substr(0, 50), before);
    EXPECT_EQ(after.substr(50, 39), std::string(39, '\0'));
    EXPECT_EQ(after.substr(89, 3), "\x09\x09\x09");
    EXPECT_EQ(after.substr(96, 4), std::string(4, '\0'));  // 96 to 99 are not the program's
    EXPECT_EQ(after.substr(610, 2), "\x01\x02");
}

class HeaderFile : public ::testing::Test {
protected:
    TempFolder temp;
    std::string path = temp.file("levl1.hdr");
    LevelHeader header = [] {
        LevelHeader h;
        h.aiScripts = {7, 8, 9};
        h.markers[5] = {120, 36};
        return h;
    }();
};

TEST_F(HeaderFile, MissingHeaderReadsZeroAndIsNotCreated) {
    auto read = LoadLevelHeader(path);
    ASSERT_TRUE(std::holds_alternative<LevelHeader>(read));
    EXPECT_EQ(std::get<LevelHeader>(read), LevelHeader{});
    EXPECT_FALSE(fs::exists(path));
}

TEST_F(HeaderFile, MissingHeaderIsCreatedOnlyWhenAllowed) {
    auto refused = SaveLevelHeader(path, header, false);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->kind, HeaderSaveError::Kind::Missing);
    EXPECT_FALSE(fs::exists(path));
    EXPECT_FALSE(SaveLevelHeader(path, header, true));
    EXPECT_EQ(readBytes(path), WriteLevelHeader("", header));
}

TEST_F(HeaderFile, SaveKeepsOtherBytes) {
    writeBytes(path, PatternHeader(1000));
    EXPECT_FALSE(SaveLevelHeader(path, header, false));
    EXPECT_EQ(readBytes(path), WriteLevelHeader(PatternHeader(1000), header));
    EXPECT_EQ(fs::directory_iterator(temp.path())->path().filename(), "levl1.hdr");  // no temporary left
}

TEST_F(HeaderFile, FailuresLeaveTheOldHeaderAndSayWhy) {
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
    LevelPaths upper = LevelPathsFor(temp.file("LEVL2002.DAT"));
    EXPECT_EQ(upper.levelFile, temp.file("LEVL2002.DAT"));  // the chosen file itself, whatever its case
    std::error_code ec;
    EXPECT_TRUE(fs::equivalent(upper.headerFile, temp.file("LEVL2002.HDR"), ec)) << upper.headerFile;

    LevelPaths noExtension = LevelPathsFor(temp.file("level"));
    EXPECT_EQ(noExtension.headerFile, temp.file("level.hdr"));
}

}  // namespace
}  // namespace corvane
