// The initial names of the open dialogs for the game's files, from a Wine prefix built in a
// temporary folder (the fixture system.reg, dosdevices/c: -> drive_c).
#include "support/game_folder.h"

#include <gtest/gtest.h>

#include "support/wine_registry.h"
#include "tests/common/temp_folder.h"

namespace fs = std::filesystem;

namespace corvane {
namespace {

using testing::TempFolder;

class WinePrefix : public ::testing::Test {
protected:
    TempFolder temp;
    fs::path prefix = temp.path() / "prefix";

    void SetUp() override {
        fs::create_directories(prefix / "dosdevices");
        fs::create_directories(prefix / "drive_c" / "gAMES" / "Pop tb" / "LEVELS");
        fs::create_symlink("../drive_c", prefix / "dosdevices" / "c:");
        writeSystemReg(testing::readBytes(CORVANE_FIXTURES_DIR "/wine-system.reg"));
    }
    void writeSystemReg(const std::string& text) { testing::writeBytes((prefix / "system.reg").string(), text); }
    std::string driveC() const { return (fs::canonical(prefix / "drive_c")).string(); }
    WineRegistry registry{prefix};
    std::string dialogName(const std::string& pattern) const {
        return GameFolderDialogName(registry, "/opt/corvane", pattern);
    }
};

// Each system.reg against the name of the levels dialog; "C:" in a name stands for drive_c. One
// registry object sees every change of the file.
TEST_F(WinePrefix, KeysViewsDrivesAndFallbacks) {
    // Only the local machine's keys are known.
    EXPECT_TRUE(registry.KeyExists(kHkeyLocalMachine, kGameRegistryKey));
    EXPECT_FALSE(registry.KeyExists(0x80000001, kGameRegistryKey));
    EXPECT_EQ(registry.Value(0x80000001, kGameRegistryKey, "installpath").kind, RegistryValue::Kind::Empty);
    // The fixture's install path, with folder names matched without case; a missing folder keeps its name.
    EXPECT_EQ(dialogName("\\levels\\levl*.dat"), driveC() + "/gAMES/Pop tb/LEVELS/levl*.dat");
    EXPECT_EQ(dialogName("\\language\\*.dat"), driveC() + "/gAMES/Pop tb/language/*.dat");
    fs::create_directories(temp.path() / "Z Game" / "Levels");
    std::string folder = fs::canonical(temp.path()).string(), escaped;  // backslashes doubled, as in system.reg
    for (char c : "Z:" + folder) escaped += c == '/' ? std::string("\\\\") : std::string(1, c);
    const std::string head = "WINE REGISTRY Version 2\n";
    const std::string key = head + "[Software\\\\Bullfrog Productions Ltd\\\\Populous: The Beginning] 1\n";
    const std::string games = "C:/gAMES/Pop tb/LEVELS/levl*.dat";
    const struct {
        const char* what;
        std::string systemReg, expected;
    } cases[] = {
        {"32-bit view first",
         key + "\"InstallPath\"=\"C:\\\\Wrong\"\n[Software\\\\Wow6432Node\\\\Bullfrog Productions Ltd\\\\Populous: "
               "The Beginning] 1\n\"InstallPath\"=\"C:\\\\Games\\\\Pop TB\"\n",
         games},
        {"32-bit prefix: the key as given",
         head + "#arch=win32\n[SOFTWARE\\\\bullfrog productions ltd\\\\populous: "
                "the beginning] 1\n\"installPATH\"=\"c:\\\\games\\\\pop tb\\\\\"\n",
         games},
        {"drive Z: the root without a link", key + "\"InstallPath\"=\"" + escaped + "\\\\z game\"\n",
         folder + "/Z Game/Levels/levl*.dat"},
        {"no system.reg", "", "/opt/corvane/*.dat"},
        {"no game key", head + "[Software\\\\Other] 1\n\"InstallPath\"=\"C:\\\\x\"\n", "/opt/corvane/*.dat"},
        {"key without installpath", key, "/levels/levl*.dat"},
        {"installpath of another type", key + "\"InstallPath\"=str(2):\"C:\\\\x\"\n", "/levels/levl*.dat"},
        {"installpath as a number: in decimal", key + "\"InstallPath\"=dword:0000000c\n", "12/levels/levl*.dat"},
        {"drive the prefix does not have", key + "\"InstallPath\"=\"Q:\\\\Games\"\n", "Q:\\Games\\levels\\levl*.dat"}};
    for (const auto& c : cases) {
        fs::remove(prefix / "system.reg");
        if (!c.systemReg.empty()) writeSystemReg(c.systemReg);
        std::string expected = c.expected.starts_with("C:/") ? driveC() + c.expected.substr(2) : c.expected;
        EXPECT_EQ(dialogName("\\levels\\levl*.dat"), expected) << c.what;
    }
}

TEST(WineRegistry, PrefixComesFromWinePrefixElseHome) {
    const char* oldHome = std::getenv("HOME");
    std::string savedHome = oldHome ? oldHome : "";
    ::setenv("WINEPREFIX", "/some/prefix", 1);
    EXPECT_EQ(WineRegistry::PrefixFromEnvironment(), fs::path("/some/prefix"));
    ::unsetenv("WINEPREFIX");
    ::setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(WineRegistry::PrefixFromEnvironment(), fs::path("/home/someone/.wine"));
    ::setenv("HOME", savedHome.c_str(), 1);
}

}  // namespace
}  // namespace corvane
