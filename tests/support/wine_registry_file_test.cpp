// The Wine registry file reader, against a system.reg written by Wine 8.0 and small made-up files.
#include "support/game_folder.h"
#include "support/wine_registry_file.h"

#include "support/file_utils.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

const std::string kKey = "Software\\Bullfrog Productions Ltd\\Populous: The Beginning";

WineRegistryFile Fixture() {
    std::string text;
    EXPECT_TRUE(ReadWholeFile(std::string(CORVANE_FIXTURES_DIR) + "/wine-system.reg", text));
    return WineRegistryFile::Parse(text);
}

TEST(WineRegistryFile, FixtureValuesReadAsWindowsWould) {
    const struct { const char* name; RegistryValue expected; } cases[] = {
        {"InstallPath", RegistryValue::Text("C:\\Games\\Pop TB\\")},
        {"installpath", RegistryValue::Text("C:\\Games\\Pop TB\\")},
        {"INSTALLPATH", RegistryValue::Text("C:\\Games\\Pop TB\\")},
        {"casetest", RegistryValue::Text("added via different case")},
        {"", RegistryValue::Text("default value")}, {"Empty", RegistryValue::Text("")},
        {"Version", RegistryValue::Number(42)}, {"Neg", RegistryValue::Number(-1)},
        // REG_DWORD with two bytes of data: the read fills the low bytes of a zeroed number.
        {"DwordBad", RegistryValue::Number(0x0201)},
        // REG_SZ stored as raw UTF-16 bytes of odd length: up to the first NUL.
        {"OddLen", RegistryValue::Text("C")}, {"ZeroLen", RegistryValue::Text("")},
        {"Exp", {}}, {"Multi", {}}, {"Bin", {}}, {"BigBin", {}}, {"Q64", {}}, {"NoSuchValue", {}},
        {"Name \"with\" \\back=slash", RegistryValue::Text("tab\there")},
        {"installpath2", RegistryValue::Text("A\\\"q\\\\b \xC3\xA9")},
        {"Edge", RegistryValue::Text("\xC3\xA9" "a \xC3\xA9" "9 \xC3\xA9z \xF0\x9F\x98\x80 nl\nx cr\rx del\x7f"
                                     " bell\a esc\x1b one\x01 one7\x01" "7 [br] semi;#")}};
    WineRegistryFile file = Fixture();
    for (const auto& c : cases) {
        RegistryValue got = file.value(kKey, c.name);
        EXPECT_EQ(got.kind, c.expected.kind) << '"' << c.name << '"';
        EXPECT_EQ(got.text, c.expected.text) << '"' << c.name << '"';
        EXPECT_EQ(got.number, c.expected.number) << '"' << c.name << '"';
    }
}

TEST(WineRegistryFile, KeysMatchWithoutRegardToCaseAndIncludeKeysWithOnlySubkeys) {
    WineRegistryFile file = Fixture();
    EXPECT_TRUE(file.hasKey(kKey));
    EXPECT_TRUE(file.hasKey("SOFTWARE\\BULLFROG PRODUCTIONS LTD\\POPULOUS: THE BEGINNING"));
    EXPECT_TRUE(file.hasKey("\\software\\bullfrog productions ltd\\"));
    EXPECT_TRUE(file.hasKey("Software\\Bullfrog Productions Ltd"));  // only written as part of longer keys
    EXPECT_TRUE(file.hasKey("Software\\Wow6432Node\\Bullfrog Productions Ltd\\Populous: The Beginning"));
    EXPECT_FALSE(file.hasKey("Software\\Bullfrog"));
    EXPECT_FALSE(file.hasKey("Software\\Bullfrog Productions Ltd\\Populous"));
    EXPECT_FALSE(file.hasKey("Software\\Other"));
}

TEST(WineRegistryFile, EscapedKeyNames) {
    WineRegistryFile file = Fixture();
    EXPECT_EQ(file.value(kKey + "\\Q\"uote=eq;semi", "vn[\xC3\xA9]").asText(), "x");
    EXPECT_EQ(file.value(kKey + "\\SUB KEY [X]\\\xC3\x9Cn\xC3\xAF" "c\xC3\xB8" "d\xC3\xA9", "s").asText(), "sub");
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
    EXPECT_EQ(file.value("a\\b", "D").number, 0x0201);
    EXPECT_EQ(file.value("a\\b", "S").asText(), "AB");
    for (const char* name : {"Unclosed", "NoEquals", "BadDword", "LongDword", "BadHex", "Five"})
        EXPECT_EQ(file.value("a\\b", name).kind, RegistryValue::Kind::Empty) << name;
    EXPECT_EQ(file.value("a\\b", "After").asText(), "ok");
    EXPECT_EQ(file.value("a\\b", "Lost").kind, RegistryValue::Kind::Empty);
}

}  // namespace
}  // namespace corvane
