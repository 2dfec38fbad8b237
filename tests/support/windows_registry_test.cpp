// Runs on Windows (under Wine in CI) after wine_reg_setup.sh has written the game's key with reg.exe.
#include "support/windows_registry.h"

#include <gtest/gtest.h>

#include "support/game_folder.h"

namespace corvane {
namespace {

const std::string kGameKey = "Software\\Bullfrog Productions Ltd\\Populous: The Beginning";

TEST(WindowsRegistry, FindsKeysInEitherViewIgnoringCase) {
    WindowsRegistry registry;
    EXPECT_TRUE(registry.KeyExists(kHkeyLocalMachine, kGameKey));
    EXPECT_TRUE(registry.KeyExists(kHkeyLocalMachine, "SOFTWARE\\bullfrog productions ltd\\populous: the beginning"));
    EXPECT_TRUE(registry.KeyExists(kHkeyLocalMachine, "Software\\Corvane Test\\Only64"));
    EXPECT_FALSE(registry.KeyExists(kHkeyLocalMachine, "Software\\Corvane Test\\Missing"));
}

TEST(WindowsRegistry, ReadsTextWithoutNulNumbersAsNumbersOtherTypesAsEmpty) {
    WindowsRegistry registry;
    const RegistryValue path = registry.Value(kHkeyLocalMachine, kGameKey, "installpath");
    EXPECT_EQ(path.kind, RegistryValue::Kind::Text);
    EXPECT_EQ(path.text, "C:\\Games\\Pop TB\\");
    EXPECT_EQ(path.text.find('\0'), std::string::npos);

    const RegistryValue version = registry.Value(kHkeyLocalMachine, kGameKey, "Version");
    EXPECT_EQ(version.kind, RegistryValue::Kind::Number);
    EXPECT_EQ(version.number, 42);
    EXPECT_EQ(version.AsText(), "42");

    for (const char* name : {"Exp", "Bin", "NoSuchValue"}) {
        EXPECT_EQ(registry.Value(kHkeyLocalMachine, kGameKey, name).kind, RegistryValue::Kind::Empty) << name;
    }
    EXPECT_EQ(registry.Value(kHkeyLocalMachine, "Software\\Corvane Test\\Missing", "x").kind,
              RegistryValue::Kind::Empty);
}

TEST(WindowsRegistry, DialogStartsInTheGameFolder) {
    WindowsRegistry registry;
    EXPECT_EQ(GameFolderDialogName(registry, "C:\\Program Files\\Corvane", "\\levels\\levl*.dat"),
              "C:\\Games\\Pop TB\\\\levels\\levl*.dat");
}

}  // namespace
}  // namespace corvane
