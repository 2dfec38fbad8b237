// The level document: edits, their undo steps and runs, the modified state, the list lines and the
// save, without a window.
#include "map/level_document.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/common/temp_folder.h"
#include "tests/map/level_bytes.h"

namespace corvane {
namespace {

using namespace testing;

class LevelDocumentTest : public ::testing::Test {
protected:
    TempFolder temp;
    std::string header = PatternHeader(700);
    LevelDocument document = Opened();

    LevelDocument Opened() {
        writeBytes(temp.file("levl.dat"), LevelBytes().player(0, 3, 9, 8).stoneHead(1, 4, 5).bytes);
        writeBytes(temp.file("levl.hdr"), header);
        return std::get<LevelDocument>(LevelDocument::Open(temp.file("levl.dat")));
    }
};

TEST_F(LevelDocumentTest, RunsMergeIntoOneStepAndARunBackToItsStartLeavesNone) {
    const Marker start = document.MarkerAt(7);
    EXPECT_TRUE(document.MoveMarker(7, {1, 1}, "drag 1"));
    EXPECT_TRUE(document.MoveMarker(7, {2, 2}, "drag 1"));
    EXPECT_EQ(document.UndoCount(), 1u);
    EXPECT_EQ(document.MarkerLine(7), "7 (2 ,2)");          // moved: the edited form
    EXPECT_TRUE(document.MoveMarker(7, {3, 3}, "drag 2"));  // another run: a step of its own
    EXPECT_EQ(document.UndoCount(), 2u);
    EXPECT_TRUE(document.MoveMarker(7, {2, 2}, "drag 2"));  // back where the run began: no step
    EXPECT_EQ(document.UndoCount(), 1u);
    EXPECT_FALSE(document.MoveMarker(7, {2, 2}));  // no change, no step
    EXPECT_TRUE(document.SetAiScript(0, 200, "field AIRed"));
    document.EndRun();
    EXPECT_TRUE(document.SetAiScript(0, 201, "field AIRed"));
    EXPECT_EQ(document.UndoCount(), 3u);
    EXPECT_EQ(document.UndoText(), "Change the AI script of Red");

    document.Undo();
    document.Undo();
    EXPECT_EQ(document.RedoText(), "Change the AI script of Red");
    document.Undo();
    EXPECT_EQ(document.MarkerAt(7), start);
    EXPECT_EQ(document.MarkerLine(7), "7 (" + std::to_string(start.x) + ", " + std::to_string(start.y) + ")");
    EXPECT_FALSE(document.IsModified());
    EXPECT_FALSE(document.CanUndo());
    document.Redo();
    EXPECT_TRUE(document.IsModified());
    EXPECT_TRUE(document.SetAllianceMask(1, 9));  // a new edit drops what was undone
    EXPECT_FALSE(document.CanRedo());
    document.Undo();
    document.Undo();
    EXPECT_FALSE(document.IsModified());  // back at the opened state, however it got there
}

TEST_F(LevelDocumentTest, AlliancesSetBothBoxesAndRecomputeEveryMask) {
    header.replace(92, 4, std::string(4, '\0'));
    document = Opened();
    const struct {
        int owner, other;
        bool allied;
        std::array<std::uint8_t, 4> masks;
        bool changed;
    } steps[] = {
        {0, 1, true, {3, 3, 4, 8}, true},    {2, 3, true, {3, 3, 12, 12}, true},
        {1, 0, false, {1, 2, 12, 12}, true}, {2, 2, false, {1, 2, 12, 12}, false},  // each player stays its own ally
        {3, 2, true, {1, 2, 12, 12}, false},
    };
    for (const auto& step : steps) {
        EXPECT_EQ(document.SetAllied(step.owner, step.other, step.allied), step.changed) << step.owner << step.other;
        EXPECT_EQ(document.Header().allianceMasks, step.masks) << step.owner << step.other;
    }
    EXPECT_EQ(document.UndoCount(), 3u);
}

TEST_F(LevelDocumentTest, SaveWritesOnlyTheOwnedBytesAndClearsTheModifiedState) {
    header.replace(92, 4, "\x01\x02\x04\x08");  // no alliances: the masks as read
    document = Opened();
    document.MoveMarker(0, {50, 20});
    document.SetAiScript(2, 7);
    ASSERT_TRUE(document.IsModified());
    EXPECT_FALSE(document.Save(false).has_value());
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(readBytes(temp.file("levl.hdr")), std::string(header).replace(91, 1, "\x07").replace(100, 2, "\x32\x14"));
    document.Undo();
    EXPECT_TRUE(document.IsModified());  // the file holds what was saved, not what was opened
}

// Which of the two files could not be read, and why.
TEST(LevelDocumentOpen, FailuresNameTheFileAndWhy) {
    TempFolder temp;
    std::filesystem::create_directory(temp.file("l.hdr"));
    auto message = [&temp](const char* level) {
        return std::get<LevelOpenError>(LevelDocument::Open(temp.file(level))).Message();
    };
    EXPECT_EQ(message("l.hdr"), "Could not open the map: " + temp.file("l.hdr") + ": is a folder, not a file");
    writeBytes(temp.file("l.dat"), "");
    EXPECT_EQ(message("l.dat"),
              "Could not read the map's header file: " + temp.file("l.hdr") + ": is a folder, not a file");
}

}  // namespace
}  // namespace corvane
