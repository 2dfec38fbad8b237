#include "core/compiler.h"

#include <gtest/gtest.h>

#include "core/script_messages.h"
#include "tests/core/compiled_bytes.h"

namespace corvane {
namespace {

using namespace testing;  // corvane::testing: compiled files

CompileResult Compile(std::string_view text, bool allowMany = false) {
    return CompileScript(text, LanguageTables::Standard(), {.allowMoreThan256Entries = allowMany});
}

std::string CompiledBytes(std::string_view text, bool allowMany = false) {
    const CompileResult result = Compile(text, allowMany);
    EXPECT_TRUE(result.ok()) << (result.ok() ? "" : result.error().message);
    return result.ok() ? result.script().fileBytes : std::string();
}

// The message of a refusal, after checking what it names and where.
std::string ErrorMessage(const CompileResult& result, CompileErrorKind kind, std::string_view word,
                         std::size_t position) {
    EXPECT_FALSE(result.ok());
    if (result.ok()) return "";
    EXPECT_EQ(result.error().kind, kind);
    EXPECT_EQ(result.error().word, word);
    EXPECT_EQ(result.error().position, position);
    EXPECT_EQ(result.error().length, word.size());
    return result.error().message;
}

// "%0 %1 ... %<n-1>": n distinct entries.
std::string DistinctNumbers(std::size_t n) {
    std::string text;
    for (std::size_t i = 0; i < n; ++i) text += "%" + std::to_string(i) + " ";
    return text;
}

TEST(Compiler, WritesWholeFilesByteForByte) {
    EXPECT_EQ(CompiledBytes("START_SCRIPT SET VAR_3 %7 ENDSCRIPT"), FileWith({12, 1007, 0, 1, 1019}, {{1, 3}, {0, 7}}));
    EXPECT_EQ(CompiledBytes(""), FileWith({}));
}

// Upper-case words between blanks and line breaks are the shipped examples' cases.
TEST(Compiler, TurnsEachWordIntoOneCode) {
    const std::pair<const char*, std::vector<std::uint16_t>> cases[] = {{"if If IF", {1000, 1000, 1000}},
                                                                        {"start_script", {12}},
                                                                        {"KILL_TEAM_IN_AREA", {1111}},
                                                                        {"E803", {1000}},
                                                                        {"ABCD", {0xCDAB}},
                                                                        {"INT_", {0}},
                                                                        {"1G00", {1}},
                                                                        {"VAR_1>%5", {0}},
                                                                        {"%5 %5 VAR_5 %05", {0, 0, 1, 2}},
                                                                        {"INT_BURN INT_1184 int_burn", {0, 1, 0}}};
    for (const auto& [text, codes] : cases) {
        const std::string file = CompiledBytes(text);
        for (std::size_t i = 0; i < codes.size(); ++i) EXPECT_EQ(CodeAt(file, i), codes[i]) << text << i;
        EXPECT_EQ(CodeAt(file, codes.size()), 0) << text << ": no code after the last word";
    }
}

TEST(Compiler, KeepsEntriesInOrderOfFirstMention) {
    const CompileResult result = Compile("%5 %05 INT_BURN INT_1184 INT_GAME_TIME VAR_12X %2.5 %&H10 %ABC");
    ASSERT_TRUE(result.ok());
    const std::vector<VariableEntry> expected = {{"%5", 5, 0},          {"%05", 5, 0},           {"INT_BURN", 1184, 2},
                                                 {"INT_1184", 1184, 2}, {"INT_GAME_TIME", 0, 2}, {"VAR_12X", 12, 1},
                                                 {"%2.5", 2, 0},        {"%&H10", 16, 0},        {"%ABC", 0, 0}};
    EXPECT_EQ(result.script().variables, expected);
    const std::vector<VariableEntry> accented = {{"VAR_1\xc9", 1, 1}};
    EXPECT_EQ(Compile("var_1\xe9 VAR_1\xc9").script().variables, accented);
    for (std::size_t i = 0; i <= expected.size(); ++i) {
        const auto entry =
            i < expected.size() ? std::make_pair(expected[i].type, expected[i].value) : std::make_pair(0, 0);
        EXPECT_EQ(EntryAt(result.script().fileBytes, i), entry) << i;
    }
}

TEST(Compiler, NamesTheWrongWordAndWhereItStands) {
    constexpr auto kUnknown = CompileErrorKind::kUnknownWord;
    constexpr auto kRange = CompileErrorKind::kNumberOutOfRange;
    const std::tuple<const char*, CompileErrorKind, const char*, std::size_t> cases[] = {
        {"INT_0", kUnknown, "INT_0", 0},
        {"IF int_foo", kUnknown, "INT_FOO", 3},
        {"\r\n\r\nfoo ", kUnknown, "FOO", 4},
        {"START_SCRIPT blahs", kUnknown, "BLAHS", 13},
        // Multi-byte characters and CR LF before the word: the position counts bytes.
        {"START_SCRIPT \xC3\xA9t\xC3\xA9 \r\n\t{ \xE2\x82\xAC", kUnknown, "\xC3\xA9T\xC3\xA9", 13},
        {"IF\r\n\t\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC x1234", kUnknown, "\xC2\x82\xAC\xC2\x82\xAC\xC2\x82\xAC", 5},
        // Windows-1252 letters are upper-cased too; numbers not above 0 are no internal value.
        {"IF \xe9t\xfe\x9a\x9c\x9e\xff\xdf", kUnknown, "\xc9T\xde\x8a\x8c\x8e\x9f\xdf", 3},
        {"INT_-99999999999", kUnknown, "INT_-99999999999", 0},
        {"INT_-5", kUnknown, "INT_-5", 0},
        {"IF %99999999999", kRange, "%99999999999", 3},
        {"VAR_-3000000000", kRange, "VAR_-3000000000", 0},
        {"\tINT_1E20", kRange, "INT_1E20", 1},
        {"INT_99999999999", kRange, "INT_99999999999", 0}};
    for (const auto& [text, kind, word, position] : cases) {
        SCOPED_TRACE(text);
        const std::string message = ErrorMessage(Compile(text), kind, word, position);
        if (kind == kUnknown) {
            EXPECT_EQ(message, std::string("ERROR while compiling! Unknown command: ") + word);
        }
    }
}

TEST(CompilerLimits, MoreThan256EntriesNeedConfirmation) {
    EXPECT_EQ(CodeAt(CompiledBytes(DistinctNumbers(256)), 255), 255);
    const std::string text = DistinctNumbers(257);
    const CompileResult refused = Compile(text);
    EXPECT_EQ(ErrorMessage(refused, CompileErrorKind::kNeedsConfirmation, "%256", text.find("%256")),
              kTooManyVariablesWarning);
    EXPECT_EQ(refused.error().entryCount, 257u);
}

TEST(CompilerLimits, ConfirmedHighEntriesKeepTheirWholeNumber) {
    const std::string file = CompiledBytes(DistinctNumbers(300) + "%299 %0", true);
    for (const std::size_t slot : {255, 256, 299}) EXPECT_EQ(CodeAt(file, slot), slot);  // 256 is 00 01, never entry 0
    EXPECT_EQ(CodeAt(file, 300), 299);
    EXPECT_EQ(CodeAt(file, 301), 0);
    EXPECT_EQ(EntryAt(file, 299), std::make_pair(0, 299));
}

TEST(CompilerLimits, RefusesTheEntryPastTheLast) {
    const std::string text = DistinctNumbers(512) + "%5 VAR_1";
    EXPECT_TRUE(Compile(DistinctNumbers(512) + "%5", true).ok());
    const std::string message =
        ErrorMessage(Compile(text, true), CompileErrorKind::kTooManyEntries, "VAR_1", text.size() - 5);
    EXPECT_NE(message.find("512"), std::string::npos);
}

TEST(CompilerLimits, FillsTheCodeAreaAndRefusesTheCodePastIt) {
    std::string text = "START_SCRIPT";
    for (int i = 1; i < 4095; ++i) text += " {";
    text += " ENDSCRIPT";
    const std::string file = CompiledBytes(text);
    EXPECT_EQ(CodeAt(file, 4095), 1019);
    EXPECT_EQ(EntryAt(file, 0), std::make_pair(0, 0)) << "codes never run into the variable table";
    const std::string message =
        ErrorMessage(Compile(text + "\r\n%1"), CompileErrorKind::kTooManyCodes, "%1", text.size() + 2);
    EXPECT_NE(message.find("4096"), std::string::npos);
}

}  // namespace
}  // namespace corvane
