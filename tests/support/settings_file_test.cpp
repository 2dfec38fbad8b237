#include "support/settings_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "support/dialog_start.h"
#include "tests/common/other_user.h"
#include "tests/common/temp_folder.h"

namespace corvane {
namespace {

using namespace testing;  // corvane::testing: temporary folders

struct Write {
    std::string section, key, value;
};

TEST(WriteIni, WritesExactBytes) {
    const std::string two =
        "[SECTION=FILE]\r\nLASTFILE=C:\\a.dat\r\n[EOS]\r\n[SECTION=RECENT]\r\nRECENT0=x\r\n[EOS]\r\n";
    const struct {
        std::optional<std::string> before;  // nothing: no file
        std::vector<Write> writes;
        std::string after;
    } cases[] = {
        {{}, {{"window", "scriptviewerleft", "1440"}}, "[SECTION=WINDOW]\r\nSCRIPTVIEWERLEFT=1440\r\n[EOS]\r\n"},
        {two,
         {{"file", "lastlangfile", "l.dat"}},  // a new key goes to the end of its section
         "[SECTION=FILE]\r\nLASTFILE=C:\\a.dat\r\nLASTLANGFILE=l.dat\r\n[EOS]\r\n[SECTION=RECENT]\r\nRECENT0=x\r\n[EOS]"
         "\r\n"},
        {two,
         {{"file", "lastfile", "b.dat"}, {"FILE", "LastFile", "c.dat"}},  // only the value changes
         "[SECTION=FILE]\r\nLASTFILE=c.dat\r\n[EOS]\r\n[SECTION=RECENT]\r\nRECENT0=x\r\n[EOS]\r\n"},
        {two, {{"find", "what", "Set"}}, two + "[SECTION=FIND]\r\nWHAT=Set\r\n[EOS]\r\n"},
        {{}, {{"find", "what", "a=b=C"}}, "[SECTION=FIND]\r\nWHAT=a=b=C\r\n[EOS]\r\n"},
        {{}, {{"find", "what", ""}}, "[SECTION=FIND]\r\nWHAT=\r\n[EOS]\r\n"},
        // Lines before the first header disappear.
        {"junk\r\nA=1\r\n[SECTION=X]\r\nK=1\r\n[EOS]\r\n", {{"x", "k", "2"}}, "[SECTION=X]\r\nK=2\r\n[EOS]\r\n"},
        {"[SECTION=X]\r\nK=1\r\nK=2\r\n[EOS]\r\n", {{"x", "k", "3"}}, "[SECTION=X]\r\nK=3\r\nK=3\r\n[EOS]\r\n"},
        // Duplicate sections are all updated; a new key goes to the first.
        {"[SECTION=X]\r\nA=1\r\n[EOS]\r\n[SECTION=X]\r\nK=1\r\n[EOS]\r\n",
         {{"x", "k", "9"}},
         "[SECTION=X]\r\nA=1\r\nK=9\r\n[EOS]\r\n[SECTION=X]\r\nK=9\r\n[EOS]\r\n"},
        // A hand-edited file keeps every key.
        {"\r\n[SECTION=A]\nK=1\n\nno equals here\r[SECTION=B]\r\n\r\nL=2",
         {{"a", "m", "3"}},
         "[SECTION=A]\r\nK=1\r\nno equals here\r\nM=3\r\n[EOS]\r\n[SECTION=B]\r\nL=2\r\n[EOS]\r\n"},
        {"[SECTION=A]\r\n[EOS]\r\nK=1\r\n",
         {{"b", "l", "2"}},  // entries after [EOS] stay in their section
         "[SECTION=A]\r\nK=1\r\n[EOS]\r\n[SECTION=B]\r\nL=2\r\n[EOS]\r\n"},
        {std::string("[SECTION=A]\r\nK=\x01\x00\xff\r\n", 20),
         {{"a", "j", "1"}},
         std::string("[SECTION=A]\r\nK=\x01\x00\xff\r\nJ=1\r\n[EOS]\r\n", 32)},
        {"[SECTION=]\r\nK=1\r\n[EOS]\r\n", {{"", "k", "2"}}, "[SECTION=]\r\nK=2\r\n[EOS]\r\n"}};
    TempFolder folder;
    const std::string ini = folder.file("editor.ini");
    for (const auto& c : cases) {
        std::filesystem::remove(ini);
        if (c.before) writeBytes(ini, *c.before);
        for (const Write& w : c.writes) ASSERT_TRUE(WriteIni(ini, w.section, w.key, w.value));
        EXPECT_EQ(readBytes(ini), c.after) << c.before.value_or("(no file)");
    }
}

TEST(ReadIni, ReadsValueOrDefault) {
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        {"[SECTION=WINDOW]\r\nSCRIPTVIEWERLEFT=1440\r\n[EOS]\r\n", "window", "scriptviewerleft", "1440"},
        {"[SECTION=X]\r\nK=1\r\nK=2\r\n[EOS]\r\n", "x", "k", "2"},       // the last occurrence wins
        {"[SECTION=X]\r\nK=1\r\nK=\r\n[EOS]\r\n", "x", "k", "DEF"},      // an empty value gives the default
        {"[SECTION=X]\r\nKEYLONG=5\r\n[EOS]\r\n", "x", "key", "ONG=5"},  // the key is a prefix test
        {"[SECTION=X]\r\nK:7\r\n[EOS]\r\n", "x", "k", "7"},              // the character after the key is skipped
        {"[SECTION=F]\r\nWHAT=a=b\r\n[EOS]\r\n", "f", "what", "a=b"},
        {"[SECTION=X]\r\n[EOS]\r\nK=3\r\n", "x", "k", "3"},  // [EOS] does not end the section for the reader
        {"[SECTION=Y]\r\nK=3\r\n[EOS]\r\n", "x", "k", "DEF"},
        {"[SECTION=x]\r\nK=3\r\n[EOS]\r\n", "x", "k", "DEF"},
        {"[SECTION=X]\nA=1\rK=4\n", "x", "k", "4"},
        {"[SECTION=X]\r\nK=4", "x", "k", "4"},
        {"K=1\r\n[SECTION=X]\r\n[EOS]\r\n", "x", "k", "DEF"}};  // lines before the header belong nowhere
    TempFolder folder;
    for (const auto& [content, section, key, expected] : cases) {
        writeBytes(folder.file("editor.ini"), content);
        EXPECT_EQ(ReadIni(folder.file("editor.ini"), section, key, "DEF"), expected) << content;
    }
    EXPECT_EQ(ReadIni(folder.file("none.ini"), "x", "k", "<none>"), "<none>");
    EXPECT_EQ(ReadIni(folder.path().string(), "x", "k", "d"), "d");  // a folder, not a file
}

TEST(WriteIni, FailuresKeepTheFileAndSayWhy) {
    TempFolder folder;
    const std::string ini = folder.file("editor.ini");
    ASSERT_TRUE(WriteIni(ini, "a", "k", "1"));
    FileError error;
    EXPECT_FALSE(WriteIni(ini, "a", "k", "x\r\n[SECTION=EVIL]", &error));  // line breaks are refused
    EXPECT_EQ(error.path, ini);
    EXPECT_FALSE(WriteIni(ini, "a", "k\n", "x"));
    EXPECT_EQ(readBytes(ini), "[SECTION=A]\r\nK=1\r\n[EOS]\r\n");
    EXPECT_FALSE(WriteIni(folder.file("missing-folder/editor.ini"), "a", "k", "1", &error));
    EXPECT_FALSE(error.reason.empty());
    EXPECT_FALSE(std::filesystem::exists(folder.file("missing-folder/editor.ini")));
    std::filesystem::create_directory(folder.file("dir.ini"));
    EXPECT_FALSE(WriteIni(folder.file("dir.ini"), "a", "k", "1"));
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("dir.ini")));
}

#ifndef _WIN32
// A settings file that exists but cannot be read keeps every key: no setting is written over it.
TEST(WriteIni, NeverReplacesAFileItCannotRead) {
    TempFolder folder;
    const std::string ini = folder.file("editor.ini");
    ASSERT_TRUE(WriteIni(ini, "file", "lastfile", "C:\\a.dat"));
    const std::string before = readBytes(ini);
    std::filesystem::permissions(ini, std::filesystem::perms::none);
    std::filesystem::permissions(folder.path(), std::filesystem::perms::all);
    const auto write = [&] { return WriteIni(ini, "recent", "recent0", "x"); };
    const std::optional<bool> wrote = ::geteuid() == 0 ? RunAsUser(kNobody, kNoGroup, write) : write();
    if (!wrote) GTEST_SKIP() << "cannot run as another user";
    EXPECT_FALSE(*wrote);
    std::filesystem::permissions(ini, std::filesystem::perms::owner_read);
    EXPECT_EQ(readBytes(ini), before);
}
#endif

// The Load dialog opens on the folder of the stored last file, whatever system wrote it.
TEST(LoadDialogStart, CutsBackToTheFolderOnBothKindsOfSystem) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        // last file, program folder, start folder
        {"C:\\Games\\x.dat", "C:\\Prog", "C:\\Games\\"},
        {"C:x.dat", "C:\\Prog", "C:\\Prog\\"},
        {"\\\\server\\share\\a.dat", "/opt/p", "\\\\server\\share\\"},
        {"C:/mixed\\dir/s.dat", "/opt/p", "C:/mixed\\dir/"},
        {"/home/a/s.dat", "/opt/p", "/home/a/"},
        {"/home/a/", "/opt/p", "/home/a/"},
        {"script.dat", "/opt/p", "/opt/p/"},
        {"script.dat", "C:/Program Files/Corvane", "C:/Program Files/Corvane/"},
        {"script.dat", "C:\\", "C:\\"},
        {"", "/", "/"}};
    for (const auto& [lastFile, programFolder, folder] : cases) {
        const std::string start = LoadDialogStart(lastFile, programFolder);
        EXPECT_EQ(start, std::string(folder) + "*.dat") << lastFile;
        EXPECT_EQ(SplitDialogName(start).folder, folder);
        EXPECT_EQ(SplitDialogName(start).name, "*.dat");
    }
    EXPECT_EQ(SplitDialogName("C:x.dat").folder, "C:");
    EXPECT_EQ(SplitDialogName("C:x.dat").name, "x.dat");
    EXPECT_EQ(SplitDialogName("newfile.dat").folder, "");
}

}  // namespace
}  // namespace corvane
