// The Wine registry file reader, against a system.reg written by Wine 8.0 and small made-up files.
#include "support/wine_registry_file.h"

#include <gtest/gtest.h>

#include "support/game_folder.h"
#include "tests/common/temp_folder.h"

namespace corvane {
namespace {

const std::string kKey = "Software\\Bullfrog Productions Ltd\\Populous: The Beginning";

WineRegistryFile Fixture() {
    return WineRegistryFile::Parse(testing::readBytes(CORVANE_FIXTURES_DIR "/wine-system.reg"));
}

TEST(WineRegistryFile, FixtureValuesReadAsWindowsWould) {
    const struct {
        const char* name;
        RegistryValue expected;
    } cases[] = {{"InstallPath", RegistryValue::Text("C:\\Games\\Pop TB\\")},
                 {"casetest", RegistryValue::Text("added via different case")},
                 {"", RegistryValue::Text("default value")},
                 {"Empty", RegistryValue::Text("")},
                 {"Version", RegistryValue::Number(42)},
                 {"Neg", RegistryValue::Number(-1)},
                 // REG_DWORD with two bytes of data: the read fills the low bytes of a zeroed number.
                 {"DwordBad", RegistryValue::Number(0x0201)},
                 // REG_SZ stored as raw UTF-16 bytes of odd length: up to the first NUL.
                 {"OddLen", RegistryValue::Text("C")},
                 {"ZeroLen", RegistryValue::Text("")},
                 {"Name \"with\" \\back=slash", RegistryValue::Text("tab\there")},
                 {"installpath2", RegistryValue::Text("A\\\"q\\\\b \xC3\xA9")},
                 {"Edge", RegistryValue::Text("\xC3\xA9"
                                              "a \xC3\xA9"
                                              "9 \xC3\xA9z \xF0\x9F\x98\x80 nl\nx cr\rx del\x7f"
                                              " bell\a esc\x1b one\x01 one7\x01"
                                              "7 [br] semi;#")}};
    WineRegistryFile file = Fixture();
    for (const auto& c : cases) {
        const RegistryValue got = file.Value(kKey, c.name);
        const RegistryValue& want = c.expected;
        EXPECT_EQ(std::tie(got.kind, got.text, got.number), std::tie(want.kind, want.text, want.number)) << c.name;
    }
    // Types Windows would not hand over as text or number read as nothing.
    for (const char* name : {"Exp", "Multi", "Bin", "BigBin", "Q64", "NoSuchValue"}) {
        EXPECT_EQ(file.Value(kKey, name).kind, RegistryValue::Kind::Empty) << name;
    }
}

// Keys match without regard to case, with or without outer backslashes; keys written only as part of longer
// keys exist; escaped names read as written.
TEST(WineRegistryFile, KeysMatchAsWindowsWould) {
    const WineRegistryFile file = Fixture();
    const std::pair<std::string, bool> keys[] = {
        {kKey, true},
        {"SOFTWARE\\BULLFROG PRODUCTIONS LTD\\POPULOUS: THE BEGINNING", true},
        {"\\software\\bullfrog productions ltd\\", true},
        {"Software\\Bullfrog Productions Ltd", true},
        {"Software\\Wow6432Node\\Bullfrog Productions Ltd\\Populous: The Beginning", true},
        {"Software\\Bullfrog", false},
        {"Software\\Bullfrog Productions Ltd\\Populous", false},
        {"Software\\Other", false}};
    for (const auto& [key, known] : keys) EXPECT_EQ(file.HasKey(key), known) << key;
    EXPECT_EQ(file.Value(kKey + "\\Q\"uote=eq;semi", "vn[\xC3\xA9]").AsText(), "x");
    EXPECT_EQ(file.Value(kKey + "\\SUB KEY [X]\\\xC3\x9Cn\xC3\xAF"
                                "c\xC3\xB8"
                                "d\xC3\xA9",
                         "s")
                  .AsText(),
              "sub");
}

TEST(WineRegistryFile, WrappedHexDataAndBrokenLines) {
    WineRegistryFile file = WineRegistryFile::Parse(
        "WINE REGISTRY Version 2\n"
        "[A\\\\B] 123\r\n"
        "\"D\"=hex(4):01,\\\n"
        "  02\n"
        "\"S\"=hex(1):41,00,\\\r\n"
        "    42,00,00,00\n"
        "\"Unclosed\"=\"abc\n"
        "\"NoEquals\" \"x\"\n"
        "\"BadDword\"=dword:xyz\n"
        "\"LongDword\"=dword:123456789\n"
        "\"BadHex\"=hex(4):1,zz\n"
        "\"Five\"=hex(4):01,02,03,04,05\n"
        "\"After\"=\"ok\"\n"
        "[Unclosed\n"
        "\"Lost\"=\"x\"\n");
    EXPECT_EQ(file.Value("a\\b", "D").number, 0x0201);
    EXPECT_EQ(file.Value("a\\b", "S").AsText(), "AB");
    for (const char* name : {"Unclosed", "NoEquals", "BadDword", "LongDword", "BadHex", "Five"})
        EXPECT_EQ(file.Value("a\\b", name).kind, RegistryValue::Kind::Empty) << name;
    EXPECT_EQ(file.Value("a\\b", "After").AsText(), "ok");
    EXPECT_EQ(file.Value("a\\b", "Lost").kind, RegistryValue::Kind::Empty);
}

}  // namespace
}  // namespace corvane
