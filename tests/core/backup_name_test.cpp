#include "core/backup_name.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(BackupFileName, ReplacesOnlyAFinalDat) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Games\\levels\\cpscr001.dat", "C:\\Games\\levels\\cpscr001.bak"},
        {"script", "script.bak"},
        {"/home/a/CPSCR001.DAT", "/home/a/CPSCR001.bak"},
        {"script.Dat", "script.bak"},
        {"a.dat.dat", "a.dat.bak"},
        {"script.txt", "script.txt.bak"},
        {"/data.dat.files/script", "/data.dat.files/script.bak"},
        {"/data.dat.files/a.dat", "/data.dat.files/a.bak"},
        {"", ".bak"}};
    for (const auto& [script, backup] : cases) EXPECT_EQ(BackupFileName(script), backup) << script;
}

}  // namespace
}  // namespace corvane
