#include "support/safe_file.h"

#include "tests/common/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace corvane {
namespace {

using testing::TempFolder;

std::size_t filesIn(const std::filesystem::path& folder) {
    std::size_t n = 0;
    for ([[maybe_unused]] auto& entry : std::filesystem::directory_iterator(folder)) ++n;
    return n;
}

TEST(WriteFileAtomically, ReplacesWholeContentAndLeavesNoScratch) {
    TempFolder dir;
    testing::writeBytes(dir.file("t.dat"), "old content that is longer");
    ASSERT_TRUE(WriteFileAtomically(dir.file("t.dat"), std::string("new\0", 4)));
    EXPECT_EQ(testing::readBytes(dir.file("t.dat")), std::string("new\0", 4));
    EXPECT_EQ(filesIn(dir.path()), 1u);
}

TEST(WriteFileAtomically, FailuresNameThePathAndKeepTheOldFile) {
    TempFolder dir;
    FileError error;
    EXPECT_FALSE(WriteFileAtomically(dir.file("missing/x.dat"), "x", &error));
    EXPECT_EQ(error.path, dir.file("missing/x.dat"));
    EXPECT_FALSE(error.reason.empty());

    std::filesystem::create_directory(dir.file("folder"));
    EXPECT_FALSE(WriteFileAtomically(dir.file("folder"), "x", &error));
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("folder")));

    EXPECT_FALSE(WriteFileAtomically("", "x", &error));
}

TEST(WriteFileAtomically, ReadOnlyFolderKeepsOldFile) {
#ifdef _WIN32
    GTEST_SKIP() << "folder permissions work differently on Windows";
#else
    if (::geteuid() == 0) GTEST_SKIP() << "root ignores folder permissions";
#endif
    TempFolder dir;
    testing::writeBytes(dir.file("t.dat"), "old");
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    FileError error;
    EXPECT_FALSE(WriteFileAtomically(dir.file("t.dat"), "new", &error));
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_all);
    EXPECT_EQ(testing::readBytes(dir.file("t.dat")), "old");
}

TEST(CopyFileAtomically, CopiesBytesOrReportsTheSource) {
    TempFolder dir;
    testing::writeBytes(dir.file("a"), "abc");
    ASSERT_TRUE(CopyFileAtomically(dir.file("a"), dir.file("b")));
    EXPECT_EQ(testing::readBytes(dir.file("b")), "abc");
    FileError error;
    EXPECT_FALSE(CopyFileAtomically(dir.file("nope"), dir.file("b"), &error));
    EXPECT_EQ(error.path, dir.file("nope"));
    EXPECT_EQ(testing::readBytes(dir.file("b")), "abc");
}

}  // namespace
}  // namespace corvane

#ifndef _WIN32
namespace corvane {
namespace {

TEST(WriteFileAtomically, KeepsLinksAndPermissions) {
    testing::TempFolder dir;
    testing::writeBytes(dir.file("real.hdr"), "old");
    std::filesystem::permissions(dir.file("real.hdr"), std::filesystem::perms::owner_read |
                                                           std::filesystem::perms::owner_write |
                                                           std::filesystem::perms::group_read);
    std::filesystem::create_symlink("real.hdr", dir.file("link.hdr"));
    ASSERT_TRUE(WriteFileAtomically(dir.file("link.hdr"), "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.hdr")));
    EXPECT_EQ(testing::readBytes(dir.file("real.hdr")), "new");
    EXPECT_EQ(std::filesystem::status(dir.file("real.hdr")).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                  std::filesystem::perms::group_read);
}

TEST(WriteFileAtomically, RefusesWhatIsNotAFile) {
    FileError error;
    EXPECT_FALSE(WriteFileAtomically("/dev/null", "x", &error));
    EXPECT_EQ(error.reason, "is not a regular file");
}

}  // namespace
}  // namespace corvane
#endif
