// The level and lang commands: JSON out and back, header edits byte for byte, every refusal leaving
// the files as they were, the map picture as a PNG file, and PO files checked and edited by
// gettext's own tools.
#include <gtest/gtest.h>

#include <cstdlib>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/cli_app.h"
#include "lang/language_file.h"
#include "map/map_painter.h"
#include "tests/cli/cli_run.h"
#include "tests/common/temp_folder.h"
#include "tests/map/level_bytes.h"

namespace corvane {
namespace {

using namespace testing;
using namespace std::string_literals;

class LevelCommandTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::string level = folder.file("levl.dat"), header = folder.file("levl.hdr");
    std::string headerBytes = PatternHeader(640).replace(89, 7, "\x0B\x0C\x0D\x01\x02\x04\x08", 7);

    LevelCommandTest() {
        writeBytes(level, LevelBytes().height(0, 0, 300).player(0, 3, 200, 100).stoneHead(1, 10, 12).bytes);
        writeBytes(header, headerBytes);
    }
};

TEST_F(LevelCommandTest, ShowPrintsTheHeaderAndObjectsAndSetTakesItBack) {
    const CliRun show = Cli({"level", "show", level});
    ASSERT_EQ(show.exit, 0) << show.err;
    const auto json = nlohmann::json::parse(show.out);
    EXPECT_EQ(json["ai_scripts"], nlohmann::json::parse(R"({"Red":11,"Yellow":12,"Green":13})"));
    EXPECT_EQ(json["alliance_masks"]["Green"], 8);
    EXPECT_EQ(json["markers"].size(), 256u);
    EXPECT_EQ(json["markers"][5], nlohmann::json::array({headerBytes[110], headerBytes[111]}));
    EXPECT_EQ(json["players"]["Green"], nlohmann::json::parse("[200,100]"));
    EXPECT_TRUE(json["players"]["Blue"].is_null());
    EXPECT_EQ(json["stone_heads"], nlohmann::json::parse("[[10,12]]"));

    writeBytes(folder.file("same.json"), show.out);  // shown and set back: the same bytes
    EXPECT_EQ(Cli({"level", "set", level, folder.file("same.json")}).exit, 0);
    EXPECT_EQ(readBytes(header), headerBytes);
    writeBytes(folder.file("edit.json"), R"({"ai_scripts": {"green": 7}, "markers": {"5": [120, 36]}, "players": {}})");
    const CliRun set = Cli({"level", "set", level, folder.file("edit.json")});
    EXPECT_EQ(set.exit, 0) << set.err;
    EXPECT_EQ(readBytes(header), std::string(headerBytes).replace(91, 1, "\x07").replace(110, 2, "\x78\x24"));
}

TEST_F(LevelCommandTest, SetWritesTheOptionsOrRefusesAndWritesNothing) {
    const CliRun set =
        Cli({"level", "set", level, "--ai", "RED=7", "--marker", "5=120,36", "--mask", "blue=9", "--ai", "Yellow=0"});
    ASSERT_EQ(set.exit, 0) << set.err;
    EXPECT_EQ(set.out, "Written to " + header + "\n");
    EXPECT_EQ(readBytes(header),
              std::string(headerBytes).replace(89, 4, "\x07\x00\x0D\x09", 4).replace(110, 2, "\x78\x24"));
    writeBytes(header, headerBytes);
    writeBytes(folder.file("list.json"), R"({"markers": [[1, 2], [3]]})");
    writeBytes(folder.file("bad.json"), R"({"ai_scripts": {"Red": "7"}})");
    writeBytes(folder.file("key.json"), R"({"ai": {}})");
    writeBytes(folder.file("broken.json"), "{");
    const std::string notByte = " must be a whole number from 0 to 255, not ";
    // Every refusal is exit 1 and leaves the header as it was.
    const std::pair<std::vector<std::string>, std::string> refusals[] = {
        {{"--ai", "Red=256"}, "AI script of Red" + notByte + "\"256\". Nothing was changed."},
        {{"--ai", "Blue=1"},
         "No player \"Blue\" has an AI script; the players are Red, Yellow, Green. Nothing was changed."},
        {{"--mask", "Pink=1"},
         "No player \"Pink\" has an alliance mask; the players are Blue, Red, Yellow, Green. Nothing was changed."},
        {{"--ai", "Red=1", "--marker", "256=1,1"}, "Marker number" + notByte + "\"256\". Nothing was changed."},
        {{"--marker", "5=1"}, "--marker \"5=1\": the form is --marker NUMBER=X,Y. Nothing was changed."},
        {{"--marker", "5=1,x"}, "Marker Y" + notByte + "\"x\". Nothing was changed."},
        {{"--ai"}, "--ai needs a value. Nothing was changed."},
        {{"--colour", "x"}, "unknown option \"--colour\". Nothing was changed."},
        {{folder.file("list.json")},
         folder.file("list.json") + ": marker 1 must be [X, Y], not [3]. Nothing was changed."},
        {{folder.file("bad.json")},
         folder.file("bad.json") + ": AI script of Red" + notByte + "\"\"7\"\". Nothing was changed."},
        {{folder.file("key.json")},
         folder.file("key.json") +
             ": unknown key \"ai\"; a level holds ai_scripts, alliance_masks and markers. Nothing was changed."},
        {{folder.file("broken.json")}, folder.file("broken.json") + " is not JSON. Nothing was changed."},
    };
    for (const auto& [options, error] : refusals) {
        std::vector<std::string> args = {"level", "set", level};
        args.insert(args.end(), options.begin(), options.end());
        const CliRun run = Cli(args);
        EXPECT_EQ(run.exit, 1) << error;
        EXPECT_EQ(run.err, level + ": " + error + "\n");
        EXPECT_EQ(readBytes(header), headerBytes) << error;
    }
    std::filesystem::remove(header);  // created only when asked to
    EXPECT_EQ(Cli({"level", "set", level, "--ai", "Red=1"}).err,
              "The header file " + header + " does not exist; give --create to create it.\n");
    EXPECT_FALSE(std::filesystem::exists(header));
    EXPECT_EQ(Cli({"level", "set", level, "--ai", "Red=1", "--create"}).exit, 0);
    EXPECT_EQ(readBytes(header), std::string(89, '\0') + '\x01' + std::string(522, '\0'));
    std::filesystem::create_directory(folder.file("folder.dat"));
    EXPECT_EQ(Cli({"level", "show", folder.file("folder.dat")}).err,
              folder.file("folder.dat") + ": is not a regular file\n");
    EXPECT_EQ(Cli({"level", "show", folder.file("none.dat")}).err, folder.file("none.dat") + ": does not exist\n");
}

// The level's picture: its pixel rows, after a filter byte each, in stored deflate blocks.
TEST_F(LevelCommandTest, PictureWritesTheMapAsAPngFile) {
    const CliRun run = Cli({"level", "picture", level, folder.file("map.png")});
    ASSERT_EQ(run.exit, 0) << run.err;
    const std::string png = readBytes(folder.file("map.png"));
    // The first 42 rows fill the first stored block, after the zlib header and the block's own five bytes.
    const std::size_t rows = png.find("IDAT") + 4 + 2 + 5;
    auto pixel = [&](std::size_t x, std::size_t y) {
        const std::size_t at = rows + y * 1537 + 1 + 3 * x;
        return Rgb{static_cast<unsigned char>(png.at(at)), static_cast<unsigned char>(png.at(at + 1)),
                   static_cast<unsigned char>(png.at(at + 2))};
    };
    EXPECT_EQ(pixel(3, 3), (Rgb{0, 100, 0}));                    // height 300 at cell (0, 0)
    EXPECT_EQ(pixel(20, 24), (Rgb{64, 255, 255}));               // the stone head
    EXPECT_EQ(Cli({"level", "picture", level, level}).exit, 2);  // never over the level itself
    EXPECT_EQ(readBytes(level).size(), kLevelBytesRead + 37);
}

class LangCommandTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::string lang = folder.file("lang.dat"), po = folder.file("lang.po");
    const std::string bytes = "H\0i\0\0\0\0\0L\0\r\0\n\0M\0\0\0\xE9\0\x01\x01\0\0T\0"s;
    LangCommandTest() { writeBytes(lang, bytes); }
};

TEST_F(LangCommandTest, ExportImportRoundTripAndRefusals) {
    writeBytes(folder.file("en.dat"), "H\0e\0l\0l\0o\0\0\0"s);
    const CliRun out = Cli({"lang", "export", lang, po, "--reference", folder.file("en.dat")});
    ASSERT_EQ(out.exit, 0) << out.err;
    EXPECT_NE(readBytes(po).find("msgctxt \"0\"\nmsgid \"Hello\"\nmsgstr \"Hi\"\n"), std::string::npos);
    const CliRun same = Cli({"lang", "import", lang, po});
    EXPECT_EQ(same.out, "No string differs; " + lang + " was left as it was.\n");
    EXPECT_EQ(readBytes(lang), bytes);
    std::string edited = readBytes(po);
    edited.replace(edited.find("msgstr \"Hi\""), 11, "msgstr \"\xE2\x86\x92\"");
    writeBytes(po, edited);
    const CliRun refused = Cli({"lang", "import", lang, po});
    EXPECT_EQ(refused.exit, 1);
    EXPECT_EQ(refused.err,
              po + ": string 0 holds the character U+2192 at position 1, which a language file cannot hold. " + lang +
                  " was left as it was.\n");
    EXPECT_EQ(readBytes(lang), bytes);
    EXPECT_EQ(Cli({"lang", "export", lang, lang}).exit, 2);  // never over the language file
    EXPECT_EQ(readBytes(lang), bytes);
}

#ifdef CORVANE_MSGFMT
// gettext's msgfmt accepts the exported file; msgfilter (gettext's editing tool) changes one string,
// and the import takes exactly that change.
TEST_F(LangCommandTest, GettextChecksAndEditsTheExportedFile) {
    ASSERT_EQ(Cli({"lang", "export", lang, po}).exit, 0);
    const std::string quiet = " 2>" + folder.file("gettext.log");
    ASSERT_EQ(std::system((std::string(CORVANE_MSGFMT) + " --check -o /dev/null " + po + quiet).c_str()), 0)
        << readBytes(folder.file("gettext.log"));
    const std::string filtered = folder.file("edited.po");
    ASSERT_EQ(
        std::system(
            (std::string(CORVANE_MSGFILTER) + " -i " + po + " -o " + filtered + " sed -e s/M/N/" + quiet).c_str()),
        0)
        << readBytes(folder.file("gettext.log"));
    const CliRun run = Cli({"lang", "import", lang, filtered});
    ASSERT_EQ(run.exit, 0) << run.err;
    EXPECT_EQ(run.out, "1 string changed in " + lang + "\n");
    EXPECT_EQ(readBytes(lang), std::string(bytes).replace(14, 1, "N"));  // the CR LF kept
}
#endif

}  // namespace
}  // namespace corvane
