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
    for (const std::string& path : {dir.file("missing.dat"), dir.path().string(), dir.file("no/such/folder.dat"), std::string()}) {
        EXPECT_FALSE(FileExists(path)) << path;
    }
}

TEST(ReplaceText, RestartsFromTheFrontAfterEachReplacement) {
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        {"C:\\x\\SCRIPT.DAT", ".dat", ".bak", "C:\\x\\SCRIPT.bak"}, {"a\rb\r\nc", "\r", " ", "a b \nc"},
        {"aXa", "a", "aa", "aXa"} /* find inside the replacement: unchanged */, {"abc", "", "z", "abc"},
        {"AbAB", "ab", "-", "--"} /* case ignored, replacement as given */, {"keep Case", "x", "y", "keep Case"},
        // A replacement can complete a new occurrence with the text before it; searching again from the front finds it.
        {"abb", "ab", "a", "a"}, {"aabb", "ab", "", ""}, {"bba", "ba", "ab", "abb"}, {"", "a", "b", ""}};
    for (const auto& [text, find, with, expected] : cases) {
        EXPECT_EQ(ReplaceText(text, find, with), expected) << '"' << text << "\" / " << find << " -> " << with;
    }
    // Quadratic behaviour would take minutes here.
    EXPECT_EQ(ReplaceText(std::string(2'000'000, '\t'), "\t", " "), std::string(2'000'000, ' '));
}

TEST(CaseHelpers, OnlyAsciiLettersChange) {
    EXPECT_EQ(ToUpperAscii("int_my_mana \xe9"), "INT_MY_MANA \xe9");
    EXPECT_EQ(ToLowerAscii("ABC_1"), "abc_1");
}

TEST(ReadWholeFile, ReadsBytesAndRefusesFoldersAndFilesOverTheLimit) {
    TempFolder dir;
    testing::writeBytes(dir.file("f"), std::string("a\0b\r\n", 5));
    std::string out, error;
    ASSERT_TRUE(ReadWholeFile(dir.file("f"), out, &error));
    EXPECT_EQ(out, std::string("a\0b\r\n", 5));
    EXPECT_FALSE(ReadWholeFile(dir.path().string(), out, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(ReadWholeFile(dir.file("missing"), out, &error));
    testing::writeBytes(dir.file("big"), std::string(1001, 'x'));
    out.clear();
    EXPECT_FALSE(ReadWholeFile(dir.file("big"), out, &error, 1000));
    EXPECT_EQ(error, "is too large (1001 bytes, at most 1000)");
    EXPECT_TRUE(out.empty());
    EXPECT_TRUE(ReadWholeFile(dir.file("big"), out, &error, 1001));
#ifndef _WIN32
    EXPECT_FALSE(ReadWholeFile("/dev/zero", out, &error));  // would never end
    EXPECT_EQ(error, "is not a regular file");
#endif
}

}  // namespace
}  // namespace corvane
