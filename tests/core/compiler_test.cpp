#include <gtest/gtest.h>

#include "core/compiler.h"
#include "core/script_messages.h"
#include "tests/core/compiled_bytes.h"

namespace corvane {
namespace {

using testing::CodeAt;
using testing::EntryAt;
using testing::FileWith;

CompileResult Compile(std::string_view text, bool allowMany = false) {
    CompileOptions options;
    options.allowMoreThan256Entries = allowMany;
    return CompileScript(text, LanguageTables::Standard(), options);
}

std::string CompiledBytes(std::string_view text, bool allowMany = false) {
    const CompileResult result = Compile(text, allowMany);
    EXPECT_TRUE(result.ok()) << (result.ok() ? "" : result.error().message);
    return result.ok() ? result.script().fileBytes : std::string();
}

// "%0 %1 ... %<n-1>": n distinct entries.
std::string DistinctNumbers(std::size_t n) {
    std::string text;
    for (std::size_t i = 0; i < n; ++i) text += "%" + std::to_string(i) + " ";
    return text;
}

TEST(Compiler, WritesTheWorkedExampleByteForByte) {
    const std::string file = CompiledBytes("START_SCRIPT SET VAR_3 %7 ENDSCRIPT");
    EXPECT_EQ(file, FileWith({12, 1007, 0, 1, 1019}, {{1, 3}, {0, 7}}));
}

TEST(Compiler, EmptyTextGivesAFileOfZeros) {
    EXPECT_EQ(CompiledBytes(""), std::string(12552, '\0'));
    EXPECT_EQ(CompiledBytes(" \r\n\t "), std::string(12552, '\0'));
}

struct CodesCase {
    const char* text;
    std::vector<std::uint16_t> codes;
};

class CompilerCodes : public ::testing::TestWithParam<CodesCase> {};

TEST_P(CompilerCodes, TurnsEachWordIntoOneCode) {
    const std::string file = CompiledBytes(GetParam().text);
    ASSERT_EQ(file.size(), 12552u);
    for (std::size_t i = 0; i < GetParam().codes.size(); ++i) EXPECT_EQ(CodeAt(file, i), GetParam().codes[i]) << i;
    EXPECT_EQ(CodeAt(file, GetParam().codes.size()), 0) << "no code after the last word";
}

INSTANTIATE_TEST_SUITE_P(
    Words, CompilerCodes,
    ::testing::Values(CodesCase{"if If IF", {1000, 1000, 1000}}, CodesCase{"start_script", {12}},
                      CodesCase{"IF VAR_1 > %5", {1000, 0x0000, 1012, 0x0001}},
                      CodesCase{"KILL_TEAM_IN_AREA", {1111}}, CodesCase{"E803", {1000}},
                      CodesCase{"ABCD", {0xCDAB}}, CodesCase{"INT_", {0}}, CodesCase{"1G00", {0x0001}},
                      CodesCase{"VAR_1>%5", {0}}, CodesCase{"\tIF\r\n\r\n}\t\t{", {1000, 1004, 1003}},
                      CodesCase{"%5 %5 VAR_5 %05", {0, 0, 1, 2}},
                      CodesCase{"INT_BURN INT_1184 int_burn", {0, 1, 0}}));

TEST(Compiler, KeepsEntriesInOrderOfFirstMention) {
    const CompileResult result = Compile("%5 %05 INT_BURN INT_1184 INT_GAME_TIME VAR_12X %2.5 %&H10 %ABC");
    ASSERT_TRUE(result.ok());
    const std::vector<VariableEntry> expected = {
        {"%5", 5, 0},         {"%05", 5, 0},        {"INT_BURN", 1184, 2}, {"INT_1184", 1184, 2},
        {"INT_GAME_TIME", 0, 2}, {"VAR_12X", 12, 1}, {"%2.5", 2, 0},      {"%&H10", 16, 0},
        {"%ABC", 0, 0}};
    EXPECT_EQ(result.script().variables, expected);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(EntryAt(result.script().fileBytes, i), std::make_pair(expected[i].type, expected[i].value)) << i;
    }
    EXPECT_EQ(EntryAt(result.script().fileBytes, expected.size()), std::make_pair(0, 0));
}

struct ErrorCase {
    const char* text;
    CompileErrorKind kind;
    const char* word;
    std::size_t position;
    std::size_t length;
};

class CompilerErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(CompilerErrors, NamesTheWordAndWhereItStands) {
    const CompileResult result = Compile(GetParam().text);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().kind, GetParam().kind);
    EXPECT_EQ(result.error().word, GetParam().word);
    EXPECT_EQ(result.error().position, GetParam().position);
    EXPECT_EQ(result.error().length, GetParam().length);
}

INSTANTIATE_TEST_SUITE_P(
    Words, CompilerErrors,
    ::testing::Values(ErrorCase{"INT_0", CompileErrorKind::kUnknownWord, "INT_0", 0, 5},
                      ErrorCase{"IF int_foo", CompileErrorKind::kUnknownWord, "INT_FOO", 3, 7},
                      ErrorCase{"\r\n\r\nfoo ", CompileErrorKind::kUnknownWord, "FOO", 4, 3},
                      // Multi-byte characters and CR LF before the word: the position counts bytes.
                      ErrorCase{"START_SCRIPT \xC3\xA9t\xC3\xA9 \r\n\t{ \xE2\x82\xAC", CompileErrorKind::kUnknownWord,
                                "\xC3\xA9T\xC3\xA9", 13, 5},
                      ErrorCase{"IF\r\n\t\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC x1234", CompileErrorKind::kUnknownWord,
                                "\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC", 5, 9},
                      ErrorCase{"IF %99999999999", CompileErrorKind::kNumberOutOfRange, "%99999999999", 3, 12},
                      ErrorCase{"VAR_-3000000000", CompileErrorKind::kNumberOutOfRange, "VAR_-3000000000", 0, 15},
                      ErrorCase{"\tINT_1E20", CompileErrorKind::kNumberOutOfRange, "INT_1E20", 1, 8}));

TEST(Compiler, UnknownWordMessageIsTheProgramsOwn) {
    const CompileResult result = Compile("START_SCRIPT blahs");
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().message, "ERROR while compiling! Unknown command: BLAHS");
}

TEST(CompilerLimits, ExactlyTheLastReferableEntryNeedsNoConfirmation) {
    const CompileResult result = Compile(DistinctNumbers(256));
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.script().variables.size(), 256u);
    EXPECT_EQ(CodeAt(result.script().fileBytes, 255), 255);
}

TEST(CompilerLimits, MoreThan256EntriesNeedConfirmation) {
    const std::string text = DistinctNumbers(257);
    const CompileResult refused = Compile(text);
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.error().kind, CompileErrorKind::kNeedsConfirmation);
    EXPECT_EQ(refused.error().message, kTooManyVariablesWarning);
    EXPECT_EQ(refused.error().entryCount, 257u);
    EXPECT_EQ(refused.error().word, "%256");
    EXPECT_EQ(refused.error().position, text.find("%256"));
}

TEST(CompilerLimits, ConfirmedHighEntriesKeepTheirWholeNumber) {
    const std::string file = CompiledBytes(DistinctNumbers(300) + "%299 %0", true);
    EXPECT_EQ(CodeAt(file, 255), 255);
    EXPECT_EQ(CodeAt(file, 256), 256);  // bytes 00 01: never read as entry 0
    EXPECT_EQ(CodeAt(file, 299), 299);
    EXPECT_EQ(CodeAt(file, 300), 299);
    EXPECT_EQ(CodeAt(file, 301), 0);
    EXPECT_EQ(EntryAt(file, 299), std::make_pair(0, 299));
}

TEST(CompilerLimits, RefusesTheEntryPastTheLast) {
    const std::string text = DistinctNumbers(512) + "%5 VAR_1";
    EXPECT_TRUE(Compile(DistinctNumbers(512) + "%5", true).ok());
    const CompileResult result = Compile(text, true);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().kind, CompileErrorKind::kTooManyEntries);
    EXPECT_EQ(result.error().word, "VAR_1");
    EXPECT_EQ(result.error().position, text.size() - 5);
    EXPECT_NE(result.error().message.find("512"), std::string::npos);
}

TEST(CompilerLimits, FillsTheCodeAreaAndRefusesTheCodePastIt) {
    std::string text = "START_SCRIPT";
    for (int i = 1; i < 4095; ++i) text += " {";
    text += " ENDSCRIPT";
    const std::string file = CompiledBytes(text);
    EXPECT_EQ(CodeAt(file, 4095), 1019);
    EXPECT_EQ(EntryAt(file, 0), std::make_pair(0, 0)) << "codes never run into the variable table";

    const std::string tooLong = text + "\r\n%1";
    const CompileResult result = Compile(tooLong);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().kind, CompileErrorKind::kTooManyCodes);
    EXPECT_EQ(result.error().word, "%1");
    EXPECT_EQ(result.error().position, text.size() + 2);
    EXPECT_EQ(result.error().length, 2u);
    EXPECT_NE(result.error().message.find("4096"), std::string::npos);
}

}  // namespace
}  // namespace corvane
