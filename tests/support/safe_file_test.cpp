#include "support/safe_file.h"

#include "tests/common/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace corvane {
namespace {

using namespace testing;  // corvane::testing: temporary folders
namespace fs = std::filesystem;

TEST(WriteFileAtomically, ReplacesWholeContentAndLeavesNoScratch) {
    TempFolder dir;
    writeBytes(dir.file("t.dat"), "old content that is longer");
    ASSERT_TRUE(WriteFileAtomically(dir.file("t.dat"), std::string("new\0", 4)));
    EXPECT_EQ(readBytes(dir.file("t.dat")), std::string("new\0", 4));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(WriteFileAtomically, FailuresNameThePathAndKeepTheOldFile) {
    TempFolder dir;
    FileError error;
    EXPECT_FALSE(WriteFileAtomically(dir.file("missing/x.dat"), "x", &error));
    EXPECT_EQ(error.path, dir.file("missing/x.dat"));
    EXPECT_FALSE(error.reason.empty());
    fs::create_directory(dir.file("folder"));
    EXPECT_FALSE(WriteFileAtomically(dir.file("folder"), "x", &error));
    EXPECT_TRUE(fs::is_directory(dir.file("folder")));
    EXPECT_FALSE(WriteFileAtomically("", "x", &error));
}

TEST(WriteFileAtomically, ReadOnlyFolderKeepsOldFile) {
#ifdef _WIN32
    GTEST_SKIP() << "folder permissions work differently on Windows";
#else
    if (::geteuid() == 0) GTEST_SKIP() << "root ignores folder permissions";
#endif
    TempFolder dir;
    writeBytes(dir.file("t.dat"), "old");
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(WriteFileAtomically(dir.file("t.dat"), "new"));
    fs::permissions(dir.path(), fs::perms::owner_all);
    EXPECT_EQ(readBytes(dir.file("t.dat")), "old");
}

TEST(CopyFileAtomically, CopiesBytesOrReportsTheSource) {
    TempFolder dir;
    writeBytes(dir.file("a"), "abc");
    ASSERT_TRUE(CopyFileAtomically(dir.file("a"), dir.file("b")));
    EXPECT_EQ(readBytes(dir.file("b")), "abc");
    FileError error;
    EXPECT_FALSE(CopyFileAtomically(dir.file("nope"), dir.file("b"), &error));
    EXPECT_EQ(error.path, dir.file("nope"));
    EXPECT_EQ(readBytes(dir.file("b")), "abc");
}

#ifndef _WIN32
TEST(WriteFileAtomically, KeepsLinksAndPermissionsAndRefusesWhatIsNotAFile) {
    TempFolder dir;
    writeBytes(dir.file("real.hdr"), "old");
    const fs::perms perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(dir.file("real.hdr"), perms);
    fs::create_symlink("real.hdr", dir.file("link.hdr"));
    ASSERT_TRUE(WriteFileAtomically(dir.file("link.hdr"), "new"));
    EXPECT_TRUE(fs::is_symlink(dir.file("link.hdr")));
    EXPECT_EQ(readBytes(dir.file("real.hdr")), "new");
    EXPECT_EQ(fs::status(dir.file("real.hdr")).permissions(), perms);
    FileError error;
    EXPECT_FALSE(WriteFileAtomically("/dev/null", "x", &error));
    EXPECT_EQ(error.reason, "is not a regular file");
}
#endif

}  // namespace
}  // namespace corvane
