#include <gtest/gtest.h>

#include "core/compiler.h"
#include "core/loader.h"
#include "core/script_messages.h"
#include "tests/core/compiled_bytes.h"

namespace corvane {
namespace {

using testing::FileWith;

std::string LoadedText(const std::string& file) {
    const LoadResult result = LoadScript(file, LanguageTables::Standard());
    EXPECT_TRUE(result.ok());
    return result.ok() ? result.script().text : std::string();
}

TEST(Loader, LaysOutBlocksAsIndentedLines) {
    // START_SCRIPT { EVERY %16 { IF > INT_GAME_TIME %100 { } ENDIF } } ENDSCRIPT
    const std::string file =
        FileWith({12, 1003, 1005, 0, 1003, 1000, 1012, 1, 2, 1003, 1004, 1002, 1004, 1004, 1019},
                 {{0, 16}, {2, 0}, {0, 100}});
    EXPECT_EQ(LoadedText(file),
              "START_SCRIPT \r\n"
              "{ \r\n"
              "\tEVERY %16 \r\n"
              "\t{ \r\n"
              "\t\tIF > INT_GAME_TIME %100 \r\n"
              "\t\t{ \r\n"
              "\t\t} \r\n"
              "\t\tENDIF \r\n"
              "\t} \r\n"
              "} \r\n"
              "ENDSCRIPT ");
}

struct TextCase {
    const char* name;
    std::string file;
    std::string text;
};

class LoaderTexts : public ::testing::TestWithParam<TextCase> {};

TEST_P(LoaderTexts, PrintsEveryCode) { EXPECT_EQ(LoadedText(GetParam().file), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
    Files, LoaderTexts,
    ::testing::Values(
        TextCase{"EndScriptRightAfterStart", FileWith({12, 1019}), "START_SCRIPT \r\nENDSCRIPT "},
        TextCase{"OnlyTheFirstByteIsTested", FileWith({0xFF0C, 1019}), "START_SCRIPT \r\nENDSCRIPT "},
        TextCase{"ReferenceToEntryFive",
                 FileWith({12, 5, 1019}, {{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {1, 9}}),
                 "START_SCRIPT VAR_9 \r\nENDSCRIPT "},
        TextCase{"UnknownCodeAsItsHexDigits", FileWith({12, 0x0105, 1019}), "START_SCRIPT 0501 \r\nENDSCRIPT "},
        TextCase{"InternalValueWithoutName", FileWith({12, 0, 1019}, {{2, 5000}}), "START_SCRIPT INT_5000 \r\nENDSCRIPT "},
        TextCase{"NamedInternalValue", FileWith({12, 0, 1019}, {{2, 1184}}), "START_SCRIPT INT_BURN \r\nENDSCRIPT "},
        TextCase{"NegativeConstant", FileWith({12, 0, 1019}, {{0, -5}}), "START_SCRIPT %-5 \r\nENDSCRIPT "},
        TextCase{"EntryOfUnknownType", FileWith({12, 0, 1019}, {{7, 1}}), "START_SCRIPT 0000 \r\nENDSCRIPT "},
        TextCase{"BothCodesOfKillTeam", FileWith({12, 1111, 1216, 1019}),
                 "START_SCRIPT KILL_TEAM_IN_AREA KILL_TEAM_IN_AREA \r\nENDSCRIPT "},
        TextCase{"CodesAfterEndScriptAreNotRead", FileWith({12, 1019, 1000, 0x0105}), "START_SCRIPT \r\nENDSCRIPT "},
        TextCase{"CloseWithoutOpenLeavesIndentationEmpty", FileWith({12, 1004, 1004, 1003, 1007, 1019}),
                 "START_SCRIPT \r\n} \r\n} \r\n{ \r\n\tSET \r\n\tENDSCRIPT "},
        TextCase{"StartScriptCodeLaterIsAReference", FileWith({12, 12, 1019}), "START_SCRIPT %0 \r\nENDSCRIPT "},
        TextCase{"OnlyTheMarkByte", std::string("\x0C", 1), "START_SCRIPT "},
        TextCase{"IncompleteLastCode", std::string("\x0C\x00\xFB\x03\xE8", 5), "START_SCRIPT \r\nENDSCRIPT "},
        TextCase{"ShortFileEntriesReadAsZero", std::string("\x0C\x00\x00\x00\x01\x00", 6), "START_SCRIPT %0 %0 "}),
    [](const auto& info) { return info.param.name; });

TEST(Loader, ReadsOnThroughTheVariableTableWithoutEndScript) {
    std::string file = FileWith({12}, {{1, 3}});
    const std::string text = LoadedText(file);
    // 6275 codes after START_SCRIPT: zeros print entry 0, the entry's own bytes print as codes.
    EXPECT_TRUE(text.starts_with("START_SCRIPT VAR_3 VAR_3 "));
    EXPECT_NE(text.find("VAR_3 %0 "), std::string::npos);  // 01 00 is a reference to entry 1
}

TEST(Loader, IndentationStartsEmptyForEveryFile) {
    const std::string unbalanced = FileWith({12, 1003, 1003, 1019});
    EXPECT_EQ(LoadedText(unbalanced), "START_SCRIPT \r\n{ \r\n\t{ \r\n\t\tENDSCRIPT ");
    EXPECT_EQ(LoadedText(FileWith({12, 1003, 1019})), "START_SCRIPT \r\n{ \r\n\tENDSCRIPT ");
}

TEST(Loader, ListsUnknownCodesButNotReferences) {
    const LoadResult result = LoadScript(FileWith({12, 0x0105, 0, 0x3FFF, 1000, 1019}, {{9, 9}}), LanguageTables::Standard());
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.script().unknownCodes, (std::vector<std::string>{"0501", "FF3F"}));
    EXPECT_EQ(UnknownCodeWarning("0501"), "Found unkown command: 0501\r\nNot fatal, recompiling won't be a problem!");
}

TEST(Loader, ReturnsTheFilesVariableTable) {
    const LoadResult result = LoadScript(FileWith({12, 1019}, {{1, 3}, {0, -7}}), LanguageTables::Standard());
    ASSERT_TRUE(result.ok());
    ASSERT_EQ(result.script().variables.size(), 512u);
    EXPECT_EQ(result.script().variables[0], (VariableEntry{"", 3, 1}));
    EXPECT_EQ(result.script().variables[1], (VariableEntry{"", -7, 0}));
    EXPECT_EQ(result.script().variables[511], (VariableEntry{"", 0, 0}));
}

TEST(Loader, RefusesFilesThatDoNotStartWithTheMark) {
    for (const std::string& file : {std::string(), std::string(12552, '\0'), std::string("\x0D\x00", 2), std::string("START")}) {
        const LoadResult result = LoadScript(file, LanguageTables::Standard());
        ASSERT_FALSE(result.ok());
        EXPECT_EQ(result.error().kind, LoadErrorKind::kNotAScriptFile);
        EXPECT_EQ(result.error().message, "This is not a valid script file!");
    }
}

// Text -> compiled -> text -> compiled: the loader's text compiles to the same file.
TEST(RoundTrip, LoadedTextCompilesToTheSameBytes) {
    const char* script =
        "start_script { every %16 %&H4 { if BOTH > int_my_mana %1.5 <= VAR_2 %-5 { do ATTACK red %5 attack_marker "
        "%1 %2 %3 %4 %5 attack_normal %6 %7 %8 %9 } else { set VAR_2 INT_1184 } endif } DO F203 } endscript";
    const CompileResult first = CompileScript(script, LanguageTables::Standard());
    ASSERT_TRUE(first.ok());
    const std::string text = LoadedText(first.script().fileBytes);
    const CompileResult second = CompileScript(text, LanguageTables::Standard());
    ASSERT_TRUE(second.ok());
    EXPECT_EQ(LoadedText(second.script().fileBytes), text);
    EXPECT_NE(text.find("DO F203 "), std::string::npos);  // a code without a word survives as raw code text
}

TEST(RoundTrip, ConfirmedHighEntriesStayTheSameCodes) {
    std::string script = "START_SCRIPT";
    for (int i = 0; i < 260; ++i) script += " %" + std::to_string(i);
    script += " ENDSCRIPT";
    CompileOptions allow;
    allow.allowMoreThan256Entries = true;
    const CompileResult first = CompileScript(script, LanguageTables::Standard(), allow);
    ASSERT_TRUE(first.ok());
    const std::string text = LoadedText(first.script().fileBytes);
    EXPECT_NE(text.find(" %255 0001 0101 0201 0301 "), std::string::npos);
    const CompileResult second = CompileScript(text, LanguageTables::Standard());
    ASSERT_TRUE(second.ok());
    EXPECT_EQ(first.script().fileBytes.substr(0, 8192), second.script().fileBytes.substr(0, 8192));
}

}  // namespace
}  // namespace corvane
