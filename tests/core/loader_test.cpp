#include "core/loader.h"

#include <gtest/gtest.h>

#include "checker/script_checker.h"
#include "core/compiler.h"
#include "core/script_messages.h"
#include "support/file_utils.h"
#include "tests/core/compiled_bytes.h"

namespace corvane {
namespace {

using testing::FileWith;

LoadResult Load(std::string_view file) { return LoadScript(file, LanguageTables::Standard()); }
CompileResult Compile(std::string_view text) { return CompileScript(text, LanguageTables::Standard()); }

std::string LoadedText(const std::string& file) {
    const LoadResult result = Load(file);
    EXPECT_TRUE(result.ok());
    return result.ok() ? result.script().text : std::string();
}

// Named values, user variables, negative numbers and the stop at ENDSCRIPT are the shipped examples' cases.
TEST(Loader, PrintsEveryCodeAndLaysOutBlocksAsIndentedLines) {
    const std::pair<std::string, const char*> cases[] = {
        {FileWith({0xFF0C, 1019}), "START_SCRIPT \r\nENDSCRIPT "},  // only the first byte is tested
        {FileWith({12, 0x0105, 1019}), "START_SCRIPT 0501 \r\nENDSCRIPT "},
        {FileWith({12, 0, 1019}, {{2, 5000}}), "START_SCRIPT INT_5000 \r\nENDSCRIPT "},
        {FileWith({12, 0, 1019}, {{7, 1}}), "START_SCRIPT 0000 \r\nENDSCRIPT "},  // entry of unknown type
        {FileWith({12, 1111, 1216, 1019}), "START_SCRIPT KILL_TEAM_IN_AREA KILL_TEAM_IN_AREA \r\nENDSCRIPT "},
        {FileWith({12, 1004, 1004, 1003, 1007, 1019}), "START_SCRIPT \r\n} \r\n} \r\n{ \r\n\tSET \r\n\tENDSCRIPT "},
        {FileWith({12, 12, 1019}), "START_SCRIPT %0 \r\nENDSCRIPT "},  // START_SCRIPT's code later is a reference
        // An unbalanced file, then another: the indentation starts empty for every file.
        {FileWith({12, 1003, 1003, 1019}), "START_SCRIPT \r\n{ \r\n\t{ \r\n\t\tENDSCRIPT "},
        {FileWith({12, 1003, 1019}), "START_SCRIPT \r\n{ \r\n\tENDSCRIPT "},
        {std::string("\x0C", 1), "START_SCRIPT "},
        {std::string("\x0C\x00\xFB\x03\xE8", 5), "START_SCRIPT \r\nENDSCRIPT "},  // incomplete last code
        {std::string("\x0C\x00\x00\x00\x01\x00", 6), "START_SCRIPT %0 %0 "}};     // short file: entries read as 0
    for (std::size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(LoadedText(cases[i].first), cases[i].second) << i;
}

TEST(Loader, ReadsOnThroughTheVariableTableWithoutEndScript) {
    const std::string text = LoadedText(FileWith({12}, {{1, 3}}));
    // 6275 codes after START_SCRIPT: zeros print entry 0, the entry's own bytes print as codes.
    EXPECT_TRUE(text.starts_with("START_SCRIPT VAR_3 VAR_3 "));
    EXPECT_NE(text.find("VAR_3 %0 "), std::string::npos);  // 01 00 is a reference to entry 1
}

TEST(Loader, ListsUnknownCodesButNotReferencesAndReturnsTheVariableTable) {
    const LoadResult result = Load(FileWith({12, 0x0105, 0, 0x3FFF, 1000, 1019}, {{9, 9}, {0, -7}}));
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.script().unknownCodes, (std::vector<std::string>{"0501", "FF3F"}));
    EXPECT_EQ(UnknownCodeWarning("0501"), "Found unkown command: 0501\r\nNot fatal, recompiling won't be a problem!");
    ASSERT_EQ(result.script().variables.size(), 512u);
    EXPECT_EQ(result.script().variables[0], (VariableEntry{"", 9, 9}));
    EXPECT_EQ(result.script().variables[1], (VariableEntry{"", -7, 0}));
    EXPECT_EQ(result.script().variables[511], (VariableEntry{"", 0, 0}));
}

TEST(Loader, RefusesFilesThatDoNotStartWithTheMark) {
    for (const std::string& file :
         {std::string(), std::string(12552, '\0'), std::string("\x0D\x00", 2), std::string("START")}) {
        const LoadResult result = Load(file);
        ASSERT_FALSE(result.ok());
        EXPECT_EQ(result.error().kind, LoadErrorKind::kNotAScriptFile);
        EXPECT_EQ(result.error().message, "This is not a valid script file!");
    }
}

// Indentation stops at the most open blocks the checker accepts, so a crafted file of deep blocks
// loads in linear space, while a script that checks clean loads exactly as without the limit.
TEST(Loader, IndentationStopsGrowingPast100OpenBlocks) {
    std::string file("\x0C\x00", 2);
    for (int i = 0; i < 6000; ++i) file += i < 3000 ? "\xEB\x03" : "\xEC\x03";  // 3000 { then 3000 }
    const std::string text = LoadedText(file + "\xFB\x03");
    EXPECT_LT(text.size(), 3000u * 2 * 106);
    EXPECT_EQ(text.find(std::string(101, '\t')), std::string::npos);
    EXPECT_TRUE(text.ends_with("\r\n} \r\nENDSCRIPT ")) << "closing braces still unwind to the left margin";
    std::string script = "START_SCRIPT { ", closing = "} ENDSCRIPT";
    for (int i = 0; i < 99; ++i) script += "EVERY %2 { ", closing = "} " + closing;
    script += "SET VAR_1 %1 " + closing;
    ASSERT_EQ(CheckScript(script, Grammar::Standard()).kind, CheckVerdictKind::kOk);
    EXPECT_NE(LoadedText(Compile(script).script().fileBytes)
                  .find("\r\n" + std::string(100, '\t') + "SET VAR_1 %1 \r\n" + std::string(99, '\t') + "} "),
              std::string::npos);
}

// The shipped examples check clean, compile and load back to the same text, byte for byte.
TEST(RoundTrip, Examples) {
    const std::pair<const char*, std::size_t> examples[] = {
        {"starter.txt", 45}, {"skirmish.txt", 225}, {"maximum_4096_codes.txt", 4096}};
    for (const auto& [name, codes] : examples) {
        SCOPED_TRACE(name);
        std::string text;
        ASSERT_TRUE(ReadWholeFile(std::string(CORVANE_SOURCE_DIR) + "/examples/" + name, text));
        EXPECT_TRUE(CheckScript(text, Grammar::Standard()).ok());
        const CompileResult compiled = Compile(text);
        ASSERT_TRUE(compiled.ok()) << compiled.error().message;
        EXPECT_EQ(compiled.script().codeCount, codes);
        const LoadResult loaded = Load(compiled.script().fileBytes);
        ASSERT_TRUE(loaded.ok());
        EXPECT_EQ(loaded.script().text, text);
        EXPECT_TRUE(loaded.script().unknownCodes.empty());
    }
}

}  // namespace
}  // namespace corvane
