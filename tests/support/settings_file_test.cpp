#include "support/settings_file.h"
#include "support/dialog_start.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/common/temp_folder.h"

namespace corvane {
namespace {

using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

struct Write {
    std::string section, key, value;
};

struct WriteCase {
    const char* name;
    std::string before;  // "" and absent = no file
    bool fileExists;
    std::vector<Write> writes;
    std::string after;
};

class WriteIniTest : public ::testing::TestWithParam<WriteCase> {};

TEST_P(WriteIniTest, WritesExactBytes) {
    const WriteCase& c = GetParam();
    TempFolder folder;
    const std::string ini = folder.file("editor.ini");
    if (c.fileExists) writeBytes(ini, c.before);
    for (const Write& w : c.writes) ASSERT_TRUE(WriteIni(ini, w.section, w.key, w.value));
    EXPECT_EQ(readBytes(ini), c.after);
}

const std::string kTwoSections =
    "[SECTION=FILE]\r\nLASTFILE=C:\\a.dat\r\n[EOS]\r\n[SECTION=RECENT]\r\nRECENT0=x\r\n[EOS]\r\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, WriteIniTest,
    ::testing::Values(
        WriteCase{"NewFileHasThreeLines", "", false, {{"window", "scriptviewerleft", "1440"}},
                  "[SECTION=WINDOW]\r\nSCRIPTVIEWERLEFT=1440\r\n[EOS]\r\n"},
        WriteCase{"NewKeyGoesToEndOfItsSection", kTwoSections, true, {{"file", "lastlangfile", "l.dat"}},
                  "[SECTION=FILE]\r\nLASTFILE=C:\\a.dat\r\nLASTLANGFILE=l.dat\r\n[EOS]\r\n"
                  "[SECTION=RECENT]\r\nRECENT0=x\r\n[EOS]\r\n"},
        WriteCase{"ExistingKeyChangesOnlyItsValue", kTwoSections, true,
                  {{"file", "lastfile", "b.dat"}, {"FILE", "LastFile", "c.dat"}},
                  "[SECTION=FILE]\r\nLASTFILE=c.dat\r\n[EOS]\r\n[SECTION=RECENT]\r\nRECENT0=x\r\n[EOS]\r\n"},
        WriteCase{"NewSectionGoesToEnd", kTwoSections, true, {{"find", "what", "Set"}},
                  kTwoSections + "[SECTION=FIND]\r\nWHAT=Set\r\n[EOS]\r\n"},
        WriteCase{"ValueKeepsCaseAndEquals", "", false, {{"find", "what", "a=b=C"}},
                  "[SECTION=FIND]\r\nWHAT=a=b=C\r\n[EOS]\r\n"},
        WriteCase{"EmptyValue", "", false, {{"find", "what", ""}}, "[SECTION=FIND]\r\nWHAT=\r\n[EOS]\r\n"},
        WriteCase{"LinesBeforeFirstHeaderDisappear", "junk\r\nA=1\r\n[SECTION=X]\r\nK=1\r\n[EOS]\r\n", true,
                  {{"x", "k", "2"}}, "[SECTION=X]\r\nK=2\r\n[EOS]\r\n"},
        WriteCase{"DuplicateKeysAllGetTheValue", "[SECTION=X]\r\nK=1\r\nK=2\r\n[EOS]\r\n", true, {{"x", "k", "3"}},
                  "[SECTION=X]\r\nK=3\r\nK=3\r\n[EOS]\r\n"},
        WriteCase{"DuplicateSectionsAllUpdatedNewKeyInFirst",
                  "[SECTION=X]\r\nA=1\r\n[EOS]\r\n[SECTION=X]\r\nK=1\r\n[EOS]\r\n", true, {{"x", "k", "9"}},
                  "[SECTION=X]\r\nA=1\r\nK=9\r\n[EOS]\r\n[SECTION=X]\r\nK=9\r\n[EOS]\r\n"},
        WriteCase{"HandEditedFileKeepsEveryKey",
                  "\r\n[SECTION=A]\nK=1\n\nno equals here\r[SECTION=B]\r\n\r\nL=2", true, {{"a", "m", "3"}},
                  "[SECTION=A]\r\nK=1\r\nno equals here\r\nM=3\r\n[EOS]\r\n[SECTION=B]\r\nL=2\r\n[EOS]\r\n"},
        WriteCase{"EntriesAfterEosStayInTheirSection", "[SECTION=A]\r\n[EOS]\r\nK=1\r\n", true, {{"b", "l", "2"}},
                  "[SECTION=A]\r\nK=1\r\n[EOS]\r\n[SECTION=B]\r\nL=2\r\n[EOS]\r\n"},
        WriteCase{"BinaryJunkIsKept", std::string("[SECTION=A]\r\nK=\x01\x00\xff\r\n", 20), true, {{"a", "j", "1"}},
                  std::string("[SECTION=A]\r\nK=\x01\x00\xff\r\nJ=1\r\n[EOS]\r\n", 32)},
        WriteCase{"EmptySectionName", "[SECTION=]\r\nK=1\r\n[EOS]\r\n", true, {{"", "k", "2"}},
                  "[SECTION=]\r\nK=2\r\n[EOS]\r\n"}),
    [](const ::testing::TestParamInfo<WriteCase>& info) { return std::string(info.param.name); });

struct ReadCase {
    const char* name;
    std::string content;
    std::string section, key, expected;
};

class ReadIniTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadIniTest, ReadsValueOrDefault) {
    const ReadCase& c = GetParam();
    TempFolder folder;
    const std::string ini = folder.file("editor.ini");
    writeBytes(ini, c.content);
    EXPECT_EQ(ReadIni(ini, c.section, c.key, "DEF"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadIniTest,
    ::testing::Values(
        ReadCase{"LowerCaseNamesFindUpperCaseFile", "[SECTION=WINDOW]\r\nSCRIPTVIEWERLEFT=1440\r\n[EOS]\r\n",
                 "window", "scriptviewerleft", "1440"},
        ReadCase{"LastOccurrenceWins", "[SECTION=X]\r\nK=1\r\nK=2\r\n[EOS]\r\n", "x", "k", "2"},
        ReadCase{"EmptyValueGivesDefault", "[SECTION=X]\r\nK=\r\n[EOS]\r\n", "x", "k", "DEF"},
        ReadCase{"LaterEmptyValueGivesDefault", "[SECTION=X]\r\nK=1\r\nK=\r\n[EOS]\r\n", "x", "k", "DEF"},
        ReadCase{"KeyIsPrefixTest", "[SECTION=X]\r\nKEYLONG=5\r\n[EOS]\r\n", "x", "key", "ONG=5"},
        ReadCase{"CharacterAfterKeyIsSkipped", "[SECTION=X]\r\nK:7\r\n[EOS]\r\n", "x", "k", "7"},
        ReadCase{"EqualsInValue", "[SECTION=F]\r\nWHAT=a=b\r\n[EOS]\r\n", "f", "what", "a=b"},
        ReadCase{"EosDoesNotEndSectionForReader", "[SECTION=X]\r\n[EOS]\r\nK=3\r\n", "x", "k", "3"},
        ReadCase{"OtherSectionNotRead", "[SECTION=Y]\r\nK=3\r\n[EOS]\r\n", "x", "k", "DEF"},
        ReadCase{"SectionNamesAreCaseSensitiveInFile", "[SECTION=x]\r\nK=3\r\n[EOS]\r\n", "x", "k", "DEF"},
        ReadCase{"LoneLfAndCrLines", "[SECTION=X]\nA=1\rK=4\n", "x", "k", "4"},
        ReadCase{"NoTrailingLineBreak", "[SECTION=X]\r\nK=4", "x", "k", "4"},
        ReadCase{"LinesBeforeHeaderBelongNowhere", "K=1\r\n[SECTION=X]\r\n[EOS]\r\n", "x", "k", "DEF"}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

TEST(ReadIni, MissingFileGivesDefault) {
    TempFolder folder;
    EXPECT_EQ(ReadIni(folder.file("none.ini"), "x", "k", "<none>"), "<none>");
    EXPECT_EQ(ReadIni(folder.path().string(), "x", "k", "d"), "d");  // a folder, not a file
}

TEST(WriteIni, RoundTripsEveryKeyOfTheProgram) {
    TempFolder folder;
    const std::string ini = folder.file("editor.ini");
    for (int i = 0; i < settings::kRecentCount; ++i) {
        ASSERT_TRUE(WriteIni(ini, settings::kRecentSection, settings::RecentKey(i), "r" + std::to_string(i)));
    }
    ASSERT_TRUE(WriteIni(ini, settings::kFileSection, settings::kLastFile, "C:\\work\\script1.dat"));
    for (int i = 0; i < settings::kRecentCount; ++i) {
        EXPECT_EQ(ReadIni(ini, settings::kRecentSection, settings::RecentKey(i), ""), "r" + std::to_string(i));
    }
    EXPECT_EQ(ReadIni(ini, settings::kFileSection, settings::kLastFile, ""), "C:\\work\\script1.dat");
}

TEST(WriteIni, RefusesLineBreaksAndKeepsFile) {
    TempFolder folder;
    const std::string ini = folder.file("editor.ini");
    ASSERT_TRUE(WriteIni(ini, "a", "k", "1"));
    const std::string before = readBytes(ini);
    FileError error;
    EXPECT_FALSE(WriteIni(ini, "a", "k", "x\r\n[SECTION=EVIL]", &error));
    EXPECT_FALSE(WriteIni(ini, "a", "k\n", "x"));
    EXPECT_EQ(error.path, ini);
    EXPECT_EQ(readBytes(ini), before);
}

TEST(WriteIni, UnwritableFolderFailsWithReasonAndNoFile) {
    TempFolder folder;
    FileError error;
    const std::string ini = folder.file("missing-folder/editor.ini");
    EXPECT_FALSE(WriteIni(ini, "a", "k", "1", &error));
    EXPECT_FALSE(error.reason.empty());
    EXPECT_FALSE(std::filesystem::exists(ini));
}

TEST(WriteIni, FolderInPlaceOfFileIsLeftAlone) {
    TempFolder folder;
    const std::string ini = folder.file("editor.ini");
    std::filesystem::create_directory(ini);
    EXPECT_FALSE(WriteIni(ini, "a", "k", "1"));
    EXPECT_TRUE(std::filesystem::is_directory(ini));
}

// The Load dialog opens on the folder of the stored last file, whatever system wrote it.
struct DialogStartCase {
    const char* lastFile;
    const char* programFolder;
    const char* start;
    const char* folder;  // SplitDialogName(start)
};

TEST(LoadDialogStart, CutsBackToTheFolderOnBothKindsOfSystem) {
    const DialogStartCase cases[] = {
        {"C:\\Games\\x.dat", "C:\\Prog", "C:\\Games\\*.dat", "C:\\Games\\"},
        {"C:x.dat", "C:\\Prog", "C:\\Prog\\*.dat", "C:\\Prog\\"},
        {"\\\\server\\share\\a.dat", "/opt/p", "\\\\server\\share\\*.dat", "\\\\server\\share\\"},
        {"C:/mixed\\dir/s.dat", "/opt/p", "C:/mixed\\dir/*.dat", "C:/mixed\\dir/"},
        {"/home/a/s.dat", "/opt/p", "/home/a/*.dat", "/home/a/"},
        {"/home/a/", "/opt/p", "/home/a/*.dat", "/home/a/"},
        {"script.dat", "/opt/p", "/opt/p/*.dat", "/opt/p/"},
        {"script.dat", "C:/Program Files/Corvane", "C:/Program Files/Corvane/*.dat", "C:/Program Files/Corvane/"},
        {"script.dat", "C:\\", "C:\\*.dat", "C:\\"},
        {"", "/", "/*.dat", "/"},
    };
    for (const DialogStartCase& c : cases) {
        SCOPED_TRACE(c.lastFile);
        const std::string start = LoadDialogStart(c.lastFile, c.programFolder);
        EXPECT_EQ(start, c.start);
        const DialogName split = SplitDialogName(start);
        EXPECT_EQ(split.folder, c.folder);
        EXPECT_EQ(split.name, "*.dat");
    }
    EXPECT_EQ(SplitDialogName("C:x.dat").folder, "C:");
    EXPECT_EQ(SplitDialogName("C:x.dat").name, "x.dat");
    EXPECT_EQ(SplitDialogName("newfile.dat").folder, "");
}

}  // namespace
}  // namespace corvane
