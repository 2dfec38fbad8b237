#include "support/safe_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>

#include "support/scratch_file_name.h"
#include "tests/common/other_user.h"
#include "tests/common/temp_folder.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace corvane {
namespace {

using namespace testing;  // corvane::testing: temporary folders
namespace fs = std::filesystem;

// A name near the folder's limit is written like any other: the scratch name beside it fits too.
TEST(WriteFileAtomically, ReplacesWholeContentAndLeavesNoScratch) {
    TempFolder dir;
    for (const std::size_t length : {200u, 234u, 255u}) {
        const std::string target = dir.file(std::string(length - 4, 'n') + ".dat");
        writeBytes(target, "old content that is longer");
        ASSERT_TRUE(WriteFileAtomically(target, std::string("new\0", 4))) << length;
        EXPECT_EQ(readBytes(target), std::string("new\0", 4));
        const std::string scratch = ScratchFileNameBeside(target).filename().string();
        EXPECT_LE(scratch.size(), 255u) << length;
        EXPECT_TRUE(scratch.starts_with("." + std::string(std::min<std::size_t>(length - 4, 180), 'n'))) << scratch;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 3);
}

TEST(CutUtf8, NeverEndsInsideACharacter) {
    const std::tuple<std::string, std::size_t, std::string> cases[] = {{"abc", 5, "abc"},
                                                                       {"abc", 2, "ab"},
                                                                       {"a\xC3\xA9", 2, "a"},
                                                                       {"a\xC3\xA9", 3, "a\xC3\xA9"},
                                                                       {"a\xE4\xB8\xAD", 3, "a"},
                                                                       {"\xF0\x9F\x98\x80", 3, ""},
                                                                       {"", 0, ""}};
    for (const auto& [text, bytes, cut] : cases) EXPECT_EQ(CutUtf8(text, bytes), cut) << text << bytes;
}

TEST(WriteFileAtomically, FailuresNameThePathAndKeepWhatWasThere) {
    TempFolder dir;
    FileError error;
    EXPECT_FALSE(WriteFileAtomically(dir.file("missing/x.dat"), "x", &error));
    EXPECT_EQ(error.path, dir.file("missing/x.dat"));
    EXPECT_FALSE(error.reason.empty());
    fs::create_directory(dir.file("folder"));
    EXPECT_FALSE(WriteFileAtomically(dir.file("folder"), "x", &error));
    EXPECT_TRUE(fs::is_directory(dir.file("folder")));
    EXPECT_FALSE(WriteFileAtomically("", "x", &error));
    writeBytes(dir.file("a"), "abc");  // a copy is byte-exact; a failed one names its source and keeps the target
    ASSERT_TRUE(CopyFileAtomically(dir.file("a"), dir.file("b")));
    EXPECT_FALSE(CopyFileAtomically(dir.file("nope"), dir.file("b"), &error));
    EXPECT_EQ(error.path, dir.file("nope"));
    EXPECT_EQ(readBytes(dir.file("b")), "abc");
}

TEST(WriteFileAtomically, ReadOnlyFolderKeepsOldFile) {
#ifdef _WIN32
    GTEST_SKIP() << "folder permissions work differently on Windows";
#else
    TempFolder dir;
    writeBytes(dir.file("t.dat"), "old");
    const auto readAndEnter =
        fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read | fs::perms::others_exec;
    fs::permissions(dir.path(), readAndEnter);
    const auto refused = [&] { return !WriteFileAtomically(dir.file("t.dat"), "new"); };
    // Root ignores folder permissions, so as root an ordinary user tries, on a file of its own.
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(dir.file("t.dat").c_str(), kNobody, kNoGroup), 0);
    }
    EXPECT_EQ(::geteuid() == 0 ? RunAsUser(kNobody, kNoGroup, refused) : refused(), true);
    fs::permissions(dir.path(), fs::perms::owner_all);
    EXPECT_EQ(readBytes(dir.file("t.dat")), "old");
#endif
}

#ifndef _WIN32
// Links are written through and stay links (a dangling one gets its file); the file keeps its mode. Loops,
// read-only files (also for root) and what is not a file are refused.
TEST(WriteFileAtomically, LinksModesAndRefusals) {
    TempFolder dir;
    writeBytes(dir.file("real.hdr"), "old");
    const fs::perms perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(dir.file("real.hdr"), perms);
    fs::create_symlink("real.hdr", dir.file("link.hdr"));
    fs::create_symlink("later.dat", dir.file("dangling"));
    fs::create_symlink("b", dir.file("a"));
    fs::create_symlink("a", dir.file("b"));
    writeBytes(dir.file("ro.dat"), "old");
    ::chmod(dir.file("ro.dat").c_str(), 0444);
    ASSERT_TRUE(WriteFileAtomically(dir.file("link.hdr"), "new"));
    EXPECT_TRUE(WriteFileAtomically(dir.file("dangling"), "new2"));
    EXPECT_EQ(readBytes(dir.file("real.hdr")) + '|' + readBytes(dir.file("later.dat")), "new|new2");
    EXPECT_EQ(fs::status(dir.file("real.hdr")).permissions(), perms);
    const std::pair<std::string, const char*> refused[] = {
        {"/dev/null", "is not a regular file"},
        {dir.file("a"), "is a link that leads in a circle (or through too many links)"},
        {dir.file("ro.dat"), "is read-only; it was not replaced"}};
    for (const auto& [path, reason] : refused) {
        FileError error;
        EXPECT_FALSE(WriteFileAtomically(path, "x", &error));
        EXPECT_EQ(error.message(), path + ": " + reason);
    }
    EXPECT_EQ(readBytes(dir.file("ro.dat")), "old");
    for (const char* link : {"link.hdr", "dangling", "a"}) EXPECT_TRUE(fs::is_symlink(dir.file(link))) << link;
}

// Another user's link in a sticky folder that everyone may write to is never followed, whatever
// the system's own setting; the folder owner's and the writer's own links are.
TEST(WriteFileAtomically, NeverFollowsAnotherUsersLinkInASharedFolder) {
    if (::geteuid() != 0) GTEST_SKIP() << "planting another user's link needs root";
    TempFolder dir;
    const std::string shared = dir.file("shared"), link = shared + "/out.dat", secret = dir.file("secret");
    fs::create_directory(shared);
    ::chmod(shared.c_str(), 01777);
    writeBytes(secret, "root only");
    fs::create_symlink(secret, link);
    ::lchown(link.c_str(), kNobody, kNoGroup);
    FileError error;
    EXPECT_FALSE(WriteFileAtomically(link, "planted", &error));
    EXPECT_EQ(error.message(), link + ": is another user's link in a shared folder; it is not followed");
    ::chown(shared.c_str(), kNobody, kNoGroup);
    EXPECT_TRUE(WriteFileAtomically(link, "folder owner's link"));
    ::chown(shared.c_str(), 0, 0);
    ::lchown(link.c_str(), 0, 0);
    EXPECT_TRUE(WriteFileAtomically(link, "own link"));
    EXPECT_EQ(readBytes(secret), "own link");
    EXPECT_TRUE(fs::is_symlink(link));
}

// The file keeps owner, group and mode; a group member who may not give it its owner writes it in
// place, also in a sticky folder where it could not be replaced.
TEST(WriteFileAtomically, KeepsOwnerGroupAndMode) {
    if (::geteuid() != 0) GTEST_SKIP() << "files of other users need root";
    TempFolder dir;
    const std::string file = dir.file("group.dat");
    ::chmod(dir.path().c_str(), 01777);
    writeBytes(file, "old content, longer than the new");
    ::chown(file.c_str(), kNobody, 4242);
    ::chmod(file.c_str(), 0664);
    ASSERT_TRUE(WriteFileAtomically(file, "by root"));
    EXPECT_EQ(RunAsUser(4243, 4242, [&] { return WriteFileAtomically(file, "by a member"); }), true);
    struct stat info {};
    ::stat(file.c_str(), &info);
    EXPECT_EQ(std::tuple(info.st_uid, info.st_gid, info.st_mode & 07777), std::tuple(kNobody, 4242u, 0664u));
    EXPECT_EQ(readBytes(file), "by a member");
}

// Writers killed mid-save leave nothing once the folder is written again: their scratch files go
// when a minute old. A live writer's, a fresh one and another user's stay.
TEST(WriteFileAtomically, LeavesNoScratchFilesOfKilledWriters) {
    TempFolder dir;
    const std::string target = dir.file("t.dat");
    for (int round = 0; round < 10; ++round) {
        const pid_t writer = ::fork();
        if (writer == 0)
            for (;;) WriteFileAtomically(target, std::string(8u << 20, 'x'));
        ::usleep(static_cast<useconds_t>(50000 + 19997 * round));  // a started child is mid-save
        ::kill(writer, SIGKILL);
        ::waitpid(writer, nullptr, 0);
    }
    const auto old = fs::file_time_type::clock::now() - std::chrono::minutes(5);
    for (const auto& entry : fs::directory_iterator(dir.path())) fs::last_write_time(entry.path(), old);
    const std::string live = dir.file(".t.dat.tmp-" + std::to_string(::getppid()) + "-5-0");
    const std::string fresh = dir.file(".t.dat.tmp-999999999-6-0");  // no such process
    writeBytes(live, "x");
    fs::last_write_time(live, old);
    writeBytes(fresh, "x");
    ASSERT_TRUE(WriteFileAtomically(target, "last"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 3);
    EXPECT_TRUE(fs::exists(live) && fs::exists(fresh));
}
#endif

}  // namespace
}  // namespace corvane
