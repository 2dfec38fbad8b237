#include <gtest/gtest.h>

#include "core/backup_name.h"

namespace corvane {
namespace {

struct BackupCase {
    const char* script;
    const char* backup;
};

class BackupFileNameTest : public ::testing::TestWithParam<BackupCase> {};

TEST_P(BackupFileNameTest, ReplacesOnlyAFinalDat) { EXPECT_EQ(BackupFileName(GetParam().script), GetParam().backup); }

INSTANTIATE_TEST_SUITE_P(
    Names, BackupFileNameTest,
    ::testing::Values(BackupCase{"C:\\Games\\levels\\cpscr001.dat", "C:\\Games\\levels\\cpscr001.bak"},
                      BackupCase{"/home/a/CPSCR001.DAT", "/home/a/CPSCR001.bak"},
                      BackupCase{"script.Dat", "script.bak"}, BackupCase{"script", "script.bak"},
                      BackupCase{"script.txt", "script.txt.bak"},
                      BackupCase{"/data.dat.files/script", "/data.dat.files/script.bak"},
                      BackupCase{"/data.dat.files/a.dat", "/data.dat.files/a.bak"},
                      BackupCase{"a.dat.dat", "a.dat.bak"}, BackupCase{"", ".bak"}));

}  // namespace
}  // namespace corvane
