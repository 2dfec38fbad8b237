// The initial names of the open dialogs for the game's files, from a Wine prefix built in a
// temporary folder (the fixture system.reg, dosdevices/c: -> drive_c) and from a made-up registry.
#include "support/game_folder.h"
#include "support/wine_registry.h"

#include "support/file_utils.h"
#include "tests/common/temp_folder.h"

#include <gtest/gtest.h>

#include <map>

namespace fs = std::filesystem;

namespace corvane {
namespace {

using testing::TempFolder;

std::string FixtureText() {
    std::string text;
    EXPECT_TRUE(ReadWholeFile(std::string(CORVANE_FIXTURES_DIR) + "/wine-system.reg", text));
    return text;
}

class WinePrefix : public ::testing::Test {
protected:
    TempFolder temp;
    fs::path prefix = temp.path() / "prefix";

    void SetUp() override {
        fs::create_directories(prefix / "dosdevices");
        fs::create_directories(prefix / "drive_c" / "gAMES" / "Pop tb" / "LEVELS");
        fs::create_symlink("../drive_c", prefix / "dosdevices" / "c:");
        writeSystemReg(FixtureText());
    }
    void writeSystemReg(const std::string& text) { testing::writeBytes((prefix / "system.reg").string(), text); }
    std::string driveC() const { return (fs::canonical(prefix / "drive_c")).string(); }
    std::string dialogName(const std::string& pattern) const {
        WineRegistry registry(prefix);
        return GameFolderDialogName(registry, "/opt/corvane", pattern);
    }
};

TEST_F(WinePrefix, InstallPathMapsThroughDriveCMatchingFolderNamesWithoutCase) {
    EXPECT_EQ(dialogName("\\levels\\levl*.dat"), driveC() + "/gAMES/Pop tb/LEVELS/levl*.dat");
    // A folder that does not exist keeps its name as written.
    EXPECT_EQ(dialogName("\\language\\*.dat"), driveC() + "/gAMES/Pop tb/language/*.dat");
}

TEST_F(WinePrefix, ThirtyTwoBitViewWinsOverTheKeyAsGiven) {
    writeSystemReg("WINE REGISTRY Version 2\n"
                   "[Software\\\\Bullfrog Productions Ltd\\\\Populous: The Beginning] 1\n"
                   "\"InstallPath\"=\"C:\\\\Wrong\"\n"
                   "[Software\\\\Wow6432Node\\\\Bullfrog Productions Ltd\\\\Populous: The Beginning] 1\n"
                   "\"InstallPath\"=\"C:\\\\Games\\\\Pop TB\"\n");
    EXPECT_EQ(dialogName("\\levels\\levl*.dat"), driveC() + "/gAMES/Pop tb/LEVELS/levl*.dat");
}

TEST_F(WinePrefix, KeyOfAThirtyTwoBitPrefixIsReadAsGiven) {
    writeSystemReg("WINE REGISTRY Version 2\n#arch=win32\n"
                   "[SOFTWARE\\\\bullfrog productions ltd\\\\populous: the beginning] 1\n"
                   "\"installPATH\"=\"c:\\\\games\\\\pop tb\\\\\"\n");
    EXPECT_EQ(dialogName("\\levels\\levl*.dat"), driveC() + "/gAMES/Pop tb/LEVELS/levl*.dat");
}

TEST_F(WinePrefix, DriveZIsTheRootWithoutALink) {
    fs::create_directories(temp.path() / "Z Game" / "Levels");
    std::string folder = fs::canonical(temp.path()).string();
    std::string windowsFolder = "Z:" + folder;
    std::string escaped;  // backslashes doubled, as in system.reg
    for (char c : windowsFolder) escaped += c == '/' ? std::string("\\\\") : std::string(1, c);
    writeSystemReg("WINE REGISTRY Version 2\n"
                   "[Software\\\\Bullfrog Productions Ltd\\\\Populous: The Beginning] 1\n"
                   "\"InstallPath\"=\"" + escaped + "\\\\z game\"\n");
    EXPECT_EQ(dialogName("\\levels\\levl*.dat"), folder + "/Z Game/Levels/levl*.dat");
}

struct FallbackCase {
    const char* what;
    std::string systemReg;  // empty: no system.reg at all
    std::string expected;
};

class WinePrefixFallback : public WinePrefix, public ::testing::WithParamInterface<FallbackCase> {};

TEST_P(WinePrefixFallback, FallsBackAsTheCallersSay) {
    fs::remove(prefix / "system.reg");
    if (!GetParam().systemReg.empty()) writeSystemReg(GetParam().systemReg);
    EXPECT_EQ(dialogName("\\levels\\levl*.dat"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WinePrefixFallback,
    ::testing::Values(
        FallbackCase{"no system.reg", "", "/opt/corvane/*.dat"},
        FallbackCase{"no game key",
                     "WINE REGISTRY Version 2\n[Software\\\\Other] 1\n\"InstallPath\"=\"C:\\\\x\"\n",
                     "/opt/corvane/*.dat"},
        FallbackCase{"key without installpath",
                     "WINE REGISTRY Version 2\n[Software\\\\Bullfrog Productions Ltd\\\\Populous: The Beginning] 1\n",
                     "/levels/levl*.dat"},
        FallbackCase{"installpath of another type",
                     "WINE REGISTRY Version 2\n[Software\\\\Bullfrog Productions Ltd\\\\Populous: The Beginning] 1\n"
                     "\"InstallPath\"=str(2):\"C:\\\\x\"\n",
                     "/levels/levl*.dat"},
        FallbackCase{"drive the prefix does not have",
                     "WINE REGISTRY Version 2\n[Software\\\\Bullfrog Productions Ltd\\\\Populous: The Beginning] 1\n"
                     "\"InstallPath\"=\"Q:\\\\Games\"\n",
                     "Q:\\Games\\levels\\levl*.dat"}),
    [](const auto& info) {
        std::string name = info.param.what;
        for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

TEST(WineRegistry, MissingPrefixHasNoKeys) {
    WineRegistry registry(fs::path("/nonexistent/corvane/prefix"));
    EXPECT_FALSE(registry.keyExists(kHkeyLocalMachine, kGameRegistryKey));
    EXPECT_FALSE(registry.keyExists(kHkeyLocalMachine, "Software"));
    EXPECT_EQ(GameFolderDialogName(registry, "/p", "\\language\\*.dat"), "/p/*.dat");
}

TEST_F(WinePrefix, OnlyLocalMachineIsKnown) {
    WineRegistry registry(prefix);
    EXPECT_TRUE(registry.keyExists(kHkeyLocalMachine, kGameRegistryKey));
    EXPECT_FALSE(registry.keyExists(0x80000001, kGameRegistryKey));
    EXPECT_EQ(registry.value(0x80000001, kGameRegistryKey, "installpath").kind, RegistryValue::Kind::Empty);
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

// A registry that holds one game key (or none) and keeps Windows paths as they are.
class MapRegistry final : public RegistryReader {
public:
    bool hasKey = false;
    std::map<std::string, RegistryValue> values;
    bool keyExists(std::uint32_t root, const std::string& subKey) const override {
        return hasKey && root == kHkeyLocalMachine && subKey == kGameRegistryKey;
    }
    RegistryValue value(std::uint32_t, const std::string&, const std::string& name) const override {
        auto it = values.find(name);
        return it == values.end() ? RegistryValue::Empty() : it->second;
    }
};

TEST(GameFolderDialogName, CallersTable) {
    MapRegistry registry;
    EXPECT_EQ(GameFolderDialogName(registry, "/prog", "\\levels\\levl*.dat"), "/prog/*.dat");
    registry.hasKey = true;
    EXPECT_EQ(GameFolderDialogName(registry, "/prog", "\\levels\\levl*.dat"), "\\levels\\levl*.dat");
    registry.values["installpath"] = RegistryValue::Text("C:\\Pop");
    EXPECT_EQ(GameFolderDialogName(registry, "/prog", "\\levels\\levl*.dat"), "C:\\Pop\\levels\\levl*.dat");
    EXPECT_EQ(GameFolderDialogName(registry, "/prog", "\\language\\*.dat"), "C:\\Pop\\language\\*.dat");
    registry.values["installpath"] = RegistryValue::Number(7);
    EXPECT_EQ(GameFolderDialogName(registry, "/prog", "\\language\\*.dat"), "7\\language\\*.dat");
}

}  // namespace
}  // namespace corvane
