#include "lang/language_file.h"

#include "tests/common/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace corvane {
namespace {

std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out.push_back(static_cast<char>(v));
    return out;
}

struct FileCase {
    const char* name;
    std::string bytes;
    std::vector<std::u16string> strings;
    std::string leftover;
};

class LanguageFiles : public ::testing::TestWithParam<FileCase> {};

// Whatever follows the last complete string is kept, and every file that reads saves back unchanged.
TEST_P(LanguageFiles, ReadIntoStringsAndSaveBackByteForByte) {
    const auto& c = GetParam();
    const auto read = ReadLanguageFile(c.bytes);
    ASSERT_TRUE(read.file) << read.error;
    EXPECT_EQ(read.file->strings, c.strings);
    EXPECT_EQ(read.file->leftover, c.leftover);
    EXPECT_EQ(WriteLanguageFile(*read.file), c.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    LanguageFile, LanguageFiles,
    ::testing::Values(
        FileCase{"LetterAThenEmptyString", bytes({0x41, 0, 0, 0, 0, 0}), {u"A", u""}, ""},
        FileCase{"LowByteFirstFullValue", bytes({0xE9, 0, 0x80, 0, 0x3A, 0, 0xAC, 0x20, 0, 0}),
                 {{0xE9, 0x80, u':', 0x20AC}}, ""},
        FileCase{"UnterminatedLastString", bytes({0x41, 0, 0, 0, 0x42, 0, 0x43, 0}), {u"A"}, bytes({0x42, 0, 0x43, 0})},
        FileCase{"TrailingOddByte", bytes({0x41, 0, 0, 0, 0x7F}), {u"A"}, bytes({0x7F})},
        FileCase{"OddByteAfterUnterminatedString", bytes({0, 0, 0x44, 0, 0x01}), {u""}, bytes({0x44, 0, 0x01})},
        FileCase{"UnitsAbove255", bytes({0x01, 0x01, 0xFF, 0xFF, 0x00, 0xD8, 0, 0}), {{0x0101, 0xFFFF, 0xD800}}, ""},
        FileCase{"OnlyEmptyStrings", bytes({0, 0, 0, 0, 0, 0}), {u"", u"", u""}, ""},
        FileCase{"ZeroLowByteInsideUnit", bytes({0x00, 0x41, 0, 0}), {{0x4100}}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

// Everything that is no language file is refused with the reason, to be shown after the file's name.
TEST(LoadLanguageFile, RefusesWhatItCannotListWithTheReason) {
    testing::TempFolder folder;
    std::filesystem::create_directory(folder.file("folder.dat"));
    testing::writeBytes(folder.file("large.dat"), "");
    std::filesystem::resize_file(folder.file("large.dat"), kMaxLanguageFileBytes + 2);  // refused unread
    const std::string noString = "is not a language file: it holds no complete string";
    struct Case {
        std::string name, bytes, error;
    };
    for (const Case& c : {Case{"folder.dat", "", "could not be read: it is a folder, not a file"},
                          Case{"missing.dat", "", "could not be read: "},
                          Case{"large.dat", "", "is not a language file: the file is larger than 4 MB"},
                          Case{"empty.dat", "", noString}, Case{"one-byte.dat", bytes({0}), noString},
                          Case{"no-zero.dat", bytes({0x41, 0}), noString},
                          Case{"odd.dat", bytes({0x41, 0, 0x42}), noString},
                          Case{"zero-bytes-apart.dat", bytes({0, 0x01, 0x20, 0x00}), noString}}) {
        if (!std::filesystem::exists(folder.file(c.name)) && c.name != "missing.dat") {
            testing::writeBytes(folder.file(c.name), c.bytes);
        }
        const auto read = LoadLanguageFile(folder.file(c.name));
        EXPECT_FALSE(read.file) << c.name;
        EXPECT_EQ(read.error.substr(0, c.error.size()), c.error) << c.name;
    }
    EXPECT_FALSE(ReadLanguageFile(std::string(kMaxLanguageFileBytes + 2, '\0')).file);

    testing::writeBytes(folder.file("good.dat"), bytes({0x41, 0, 0, 0}));
    const auto good = LoadLanguageFile(folder.file("good.dat"));
    ASSERT_TRUE(good.file) << good.error;
    EXPECT_EQ(good.file->strings, std::vector<std::u16string>{u"A"});
}

}  // namespace
}  // namespace corvane
