#include "lang/language_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace {

std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out.push_back(static_cast<char>(v));
    return out;
}

TEST(ReadLanguageFile, SixByteExampleHoldsTheLetterAAndAnEmptyString) {
    const std::string file = bytes({0x41, 0, 0, 0, 0, 0});
    const auto read = ReadLanguageFile(file);
    ASSERT_TRUE(read.file) << read.error;
    EXPECT_EQ(read.file->strings, (std::vector<std::u16string>{u"A", u""}));
    EXPECT_TRUE(read.file->leftover.empty());
    EXPECT_EQ(WriteLanguageFile(*read.file), file);
}

TEST(ReadLanguageFile, UnitsAreLowByteFirstAndKeepTheirFullValue) {
    const auto read = ReadLanguageFile(bytes({0xE9, 0, 0x80, 0, 0x3A, 0, 0xAC, 0x20, 0, 0}));
    ASSERT_TRUE(read.file);
    ASSERT_EQ(read.file->strings.size(), 1u);
    EXPECT_EQ(read.file->strings[0], (std::u16string{0xE9, 0x80, u':', 0x20AC}));
}

struct AwkwardFile {
    const char* name;
    std::string bytes;
    std::size_t strings;
    std::string leftover;
};

class AwkwardFiles : public ::testing::TestWithParam<AwkwardFile> {};

// Whatever follows the last complete string is kept, and every such file saves back unchanged.
TEST_P(AwkwardFiles, KeepEveryByteThroughASave) {
    const auto& c = GetParam();
    const auto read = ReadLanguageFile(c.bytes);
    ASSERT_TRUE(read.file) << read.error;
    EXPECT_EQ(read.file->strings.size(), c.strings);
    EXPECT_EQ(read.file->leftover, c.leftover);
    EXPECT_EQ(WriteLanguageFile(*read.file), c.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    LanguageFile, AwkwardFiles,
    ::testing::Values(
        AwkwardFile{"UnterminatedLastString", bytes({0x41, 0, 0, 0, 0x42, 0, 0x43, 0}), 1, bytes({0x42, 0, 0x43, 0})},
        AwkwardFile{"TrailingOddByte", bytes({0x41, 0, 0, 0, 0x7F}), 1, bytes({0x7F})},
        AwkwardFile{"OddByteAfterUnterminatedString", bytes({0, 0, 0x44, 0, 0x01}), 1, bytes({0x44, 0, 0x01})},
        AwkwardFile{"UnitAbove255", bytes({0x01, 0x01, 0xFF, 0xFF, 0x00, 0xD8, 0, 0}), 1, ""},
        AwkwardFile{"OnlyEmptyStrings", bytes({0, 0, 0, 0, 0, 0}), 3, ""},
        AwkwardFile{"ZeroLowByteInsideUnit", bytes({0x00, 0x41, 0, 0}), 1, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadLanguageFile, RefusesFilesWithoutACompleteString) {
    for (const std::string& file : {std::string(), bytes({0}), bytes({0x41, 0}), bytes({0x41, 0, 0x42}),
                                    bytes({0, 0x01, 0x20, 0x00})}) {
        const auto read = ReadLanguageFile(file);
        EXPECT_FALSE(read.file) << "size " << file.size();
        EXPECT_NE(read.error.find("no complete string"), std::string::npos);
    }
}

TEST(ReadLanguageFile, RefusesFilesTooLargeToEdit) {
    const auto read = ReadLanguageFile(std::string(kMaxLanguageFileBytes + 2, '\0'));
    EXPECT_FALSE(read.file);
    EXPECT_NE(read.error.find("too large"), std::string::npos);
}

TEST(WriteLanguageFile, WritesEachStringFollowedByOneZeroUnitAndNothingAfter) {
    LanguageFile file;
    file.strings = {u"Hi", u"", std::u16string{0x00FF, 0x0100}};
    EXPECT_EQ(WriteLanguageFile(file), bytes({'H', 0, 'i', 0, 0, 0, 0, 0, 0xFF, 0, 0x00, 0x01, 0, 0}));
}

}  // namespace
}  // namespace corvane
