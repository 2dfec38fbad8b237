#include "support/file_utils.h"

#include "tests/common/temp_folder.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using testing::TempFolder;

TEST(FileExists, TrueOnlyForReadableFiles) {
    TempFolder dir;
    testing::writeBytes(dir.file("a.dat"), "x");
    EXPECT_TRUE(FileExists(dir.file("a.dat")));
    EXPECT_FALSE(FileExists(dir.file("missing.dat")));
    EXPECT_FALSE(FileExists(dir.path().string()));
    EXPECT_FALSE(FileExists(dir.file("no/such/folder.dat")));
    EXPECT_FALSE(FileExists(""));
}

TEST(CrLf, IsCarriageReturnLineFeed) { EXPECT_EQ(CrLf(), std::string("\r\n")); }

struct ReplaceCase {
    const char* text;
    const char* find;
    const char* with;
    const char* expected;
};

void PrintTo(const ReplaceCase& c, std::ostream* os) { *os << '"' << c.text << "\" / " << c.find << " -> " << c.with; }

class ReplaceTextTest : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceTextTest, MatchesRestartFromFrontRule) {
    const auto& c = GetParam();
    EXPECT_EQ(ReplaceText(c.text, c.find, c.with), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceTextTest,
    ::testing::Values(
        ReplaceCase{"C:\\x\\SCRIPT.DAT", ".dat", ".bak", "C:\\x\\SCRIPT.bak"},
        ReplaceCase{"a\rb\r\nc", "\r", " ", "a b \nc"},
        ReplaceCase{"aXa", "a", "aa", "aXa"},          // find inside replacement: unchanged
        ReplaceCase{"abc", "", "z", "abc"},            // empty find: unchanged
        ReplaceCase{"AbAB", "ab", "-", "--"},          // case ignored, replacement as given
        ReplaceCase{"keep Case", "x", "y", "keep Case"},
        // A replacement can complete a new occurrence with the text before it; searching again
        // from the front finds that one too.
        ReplaceCase{"abb", "ab", "a", "a"},
        ReplaceCase{"aabb", "ab", "", ""},
        ReplaceCase{"bba", "ba", "ab", "abb"},
        ReplaceCase{"", "a", "b", ""}));

TEST(ReplaceText, LongTextStaysFast) {
    // Quadratic behaviour would take minutes here.
    std::string text(2'000'000, '\t');
    std::string result = ReplaceText(text, "\t", " ");
    EXPECT_EQ(result, std::string(2'000'000, ' '));
}

TEST(CaseHelpers, OnlyAsciiLettersChange) {
    EXPECT_EQ(ToUpperAscii("int_my_mana \xe9"), "INT_MY_MANA \xe9");
    EXPECT_EQ(ToLowerAscii("ABC_1"), "abc_1");
}

TEST(ReadWholeFile, RefusesFilesOverTheLimit) {
    TempFolder dir;
    testing::writeBytes(dir.file("big"), std::string(1001, 'x'));
    std::string out, error;
    EXPECT_FALSE(ReadWholeFile(dir.file("big"), out, &error, 1000));
    EXPECT_EQ(error, "is too large (1001 bytes, at most 1000)");
    EXPECT_TRUE(out.empty());
    EXPECT_TRUE(ReadWholeFile(dir.file("big"), out, &error, 1001));
#ifndef _WIN32
    EXPECT_FALSE(ReadWholeFile("/dev/zero", out, &error));  // would never end
    EXPECT_EQ(error, "is not a regular file");
#endif
}

TEST(ReadWholeFile, ReadsBytesAndReportsFolders) {
    TempFolder dir;
    std::string bytes("a\0b\r\n", 5);
    testing::writeBytes(dir.file("f"), bytes);
    std::string out, error;
    ASSERT_TRUE(ReadWholeFile(dir.file("f"), out, &error));
    EXPECT_EQ(out, bytes);
    EXPECT_FALSE(ReadWholeFile(dir.path().string(), out, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(ReadWholeFile(dir.file("missing"), out, &error));
}

}  // namespace
}  // namespace corvane
