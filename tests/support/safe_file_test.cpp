#include "support/safe_file.h"

#include "tests/common/other_user.h"
#include "tests/common/temp_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
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

struct Owner {
    uid_t uid;
    gid_t gid;
    mode_t mode;
    bool operator==(const Owner&) const = default;
};

Owner OwnerOf(const std::string& path) {
    struct stat info {};
    ::lstat(path.c_str(), &info);
    return {info.st_uid, info.st_gid, static_cast<mode_t>(info.st_mode & 07777)};
}

void SetOwner(const std::string& path, Owner owner) {
    ASSERT_EQ(::lchown(path.c_str(), owner.uid, owner.gid), 0) << path;
    if (!fs::is_symlink(fs::symlink_status(path))) {
        ASSERT_EQ(::chmod(path.c_str(), owner.mode), 0);
    }
}

// A folder like /tmp: sticky, and everyone may write to it.
std::string SharedFolder(const TempFolder& dir) {
    const std::string shared = dir.file("shared");
    fs::create_directory(shared);
    ::chmod(shared.c_str(), 01777);
    return shared;
}

// A link that another user planted in a shared folder is never followed, whatever the system's
// own setting; links of the folder's owner or of the writer are.
TEST(WriteFileAtomically, NeverFollowsAnotherUsersLinkInASharedFolder) {
    if (::geteuid() != 0) GTEST_SKIP() << "planting another user's link needs root";
    TempFolder dir;
    const std::string shared = SharedFolder(dir), secret = dir.file("secret");
    writeBytes(secret, "root only");
    ::chmod(secret.c_str(), 0600);
    fs::create_symlink(secret, shared + "/out.dat");
    SetOwner(shared + "/out.dat", {kNobody, kNoGroup, 0});
    FileError error;
    EXPECT_FALSE(WriteFileAtomically(shared + "/out.dat", "planted", &error));
    EXPECT_EQ(error.message(), shared + "/out.dat: is another user's link in a shared folder; it is not followed");
    EXPECT_EQ(readBytes(secret), "root only");
    EXPECT_TRUE(fs::is_symlink(shared + "/out.dat"));
    SetOwner(shared, {kNobody, kNoGroup, 01777});  // the folder's owner may link
    EXPECT_TRUE(WriteFileAtomically(shared + "/out.dat", "owner's link"));
    EXPECT_EQ(readBytes(secret), "owner's link");
    SetOwner(shared, {0, 0, 01777});
    SetOwner(shared + "/out.dat", {0, 0, 0});  // and so may the writer
    EXPECT_TRUE(WriteFileAtomically(shared + "/out.dat", "own link"));
    EXPECT_EQ(readBytes(secret), "own link");
}

// A dangling link gets its file where it points, or a refusal; a loop is refused. The links stay.
TEST(WriteFileAtomically, DanglingAndLoopingLinksStayLinks) {
    TempFolder dir;
    fs::create_symlink("later.dat", dir.file("dangling"));
    fs::create_symlink(dir.file("gone/x.dat"), dir.file("nowhere"));
    fs::create_symlink("b", dir.file("a"));
    fs::create_symlink("a", dir.file("b"));
    EXPECT_TRUE(WriteFileAtomically(dir.file("dangling"), "new"));
    EXPECT_EQ(readBytes(dir.file("later.dat")), "new");
    FileError error;
    EXPECT_FALSE(WriteFileAtomically(dir.file("nowhere"), "x", &error));
    EXPECT_EQ(error.message(), dir.file("nowhere") + ": the folder does not exist");
    EXPECT_FALSE(WriteFileAtomically(dir.file("a"), "x", &error));
    EXPECT_EQ(error.message(), dir.file("a") + ": is a link that leads in a circle (or through too many links)");
    for (const char* link : {"dangling", "nowhere", "a", "b"}) EXPECT_TRUE(fs::is_symlink(dir.file(link))) << link;
}

// A file nobody may write is refused with the path and the reason, also for root.
TEST(WriteFileAtomically, RefusesReadOnlyFiles) {
    TempFolder dir;
    writeBytes(dir.file("t.dat"), "old");
    ::chmod(dir.file("t.dat").c_str(), 0444);
    FileError error;
    EXPECT_FALSE(WriteFileAtomically(dir.file("t.dat"), "new", &error));
    EXPECT_EQ(error.message(), dir.file("t.dat") + ": is read-only; it was not replaced");
    EXPECT_EQ(readBytes(dir.file("t.dat")), "old");
}

// Whoever writes, the file keeps its owner, group and mode; a writer who may not give the file its
// owner writes it in place, also in a shared folder where it could not be replaced.
TEST(WriteFileAtomically, KeepsOwnerGroupAndMode) {
    if (::geteuid() != 0) GTEST_SKIP() << "files of other users need root";
    TempFolder dir;
    const std::string shared = SharedFolder(dir), file = shared + "/group.dat";
    writeBytes(file, "old content, longer than the new");
    const Owner owner{kNobody, 4242, 0664};
    SetOwner(file, owner);
    ASSERT_TRUE(WriteFileAtomically(file, "by root"));
    EXPECT_EQ(OwnerOf(file), owner);
    EXPECT_EQ(readBytes(file), "by root");
    const auto memberWrote = RunAsUser(4243, 4242, [&] { return WriteFileAtomically(file, "by a member"); });
    ASSERT_TRUE(memberWrote.has_value());
    EXPECT_TRUE(*memberWrote);
    EXPECT_EQ(OwnerOf(file), owner);
    EXPECT_EQ(readBytes(file), "by a member");
    EXPECT_EQ(std::distance(fs::directory_iterator(shared), fs::directory_iterator()), 1);
}

// Scratch files of a killed writer go at the next write in their folder; a live writer's, a fresh
// one and another user's stay.
TEST(WriteFileAtomically, RemovesOnlyItsOwnStaleScratchFiles) {
    TempFolder dir;
    const pid_t dead = ::fork();
    if (dead == 0) ::_exit(0);
    ::waitpid(dead, nullptr, 0);
    const auto scratch = [&](long pid, const char* rest) { return dir.file(".t.dat.tmp-" + std::to_string(pid) + rest); };
    const std::string stale = scratch(dead, "-5-0"), fresh = scratch(dead, "-6-0"), live = scratch(::getppid(), "-5-0"),
                      foreign = scratch(dead, "-7-0"), unlike = scratch(dead, "-5-x");
    for (const std::string& file : {stale, fresh, live, foreign, unlike}) writeBytes(file, "x");
    const auto old = fs::file_time_type::clock::now() - std::chrono::minutes(5);
    for (const std::string& file : {stale, live, foreign, unlike}) fs::last_write_time(file, old);
    const bool otherUser = ::geteuid() == 0 && ::chown(foreign.c_str(), kNobody, kNoGroup) == 0;
    ASSERT_TRUE(WriteFileAtomically(dir.file("other.dat"), "new"));
    EXPECT_FALSE(fs::exists(stale));
    for (const std::string& file : {fresh, live, unlike}) EXPECT_TRUE(fs::exists(file)) << file;
    if (otherUser) {
        EXPECT_TRUE(fs::exists(foreign));
    }
}

// kill -9 in the middle of saves leaves no file behind once the folder is written again (the
// killed writer's scratch files are a minute old by then).
TEST(WriteFileAtomically, KilledWritersLeaveNothingBehind) {
    TempFolder dir;
    const std::string target = dir.file("t.dat"), bytes(8u << 20, 'x');
    for (int round = 0; round < 20; ++round) {
        const pid_t writer = ::fork();
        if (writer == 0) {
            for (;;) WriteFileAtomically(target, bytes);
        }
        ::usleep(static_cast<useconds_t>(1000 + 997 * round % 9000));
        ::kill(writer, SIGKILL);
        ::waitpid(writer, nullptr, 0);
    }
    const auto old = fs::file_time_type::clock::now() - std::chrono::minutes(5);
    for (const auto& entry : fs::directory_iterator(dir.path())) fs::last_write_time(entry.path(), old);
    ASSERT_TRUE(WriteFileAtomically(target, "last"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
    EXPECT_EQ(readBytes(target), "last");
}
#endif

}  // namespace
}  // namespace corvane
