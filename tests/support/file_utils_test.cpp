#include "support/file_utils.h"

#include <gtest/gtest.h>

#include <istream>
#include <streambuf>

#include "tests/common/temp_folder.h"

namespace corvane {
namespace {

using testing::TempFolder;

TEST(FileExists, TrueOnlyForReadableFiles) {
    TempFolder dir;
    testing::writeBytes(dir.file("a.dat"), "x");
    EXPECT_TRUE(FileExists(dir.file("a.dat")));
    for (const std::string& path :
         {dir.file("missing.dat"), dir.path().string(), dir.file("no/such/folder.dat"), std::string()}) {
        EXPECT_FALSE(FileExists(path)) << path;
    }
}

TEST(ReplaceText, RestartsFromTheFrontAfterEachReplacement) {
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        {"C:\\x\\SCRIPT.DAT", ".dat", ".bak", "C:\\x\\SCRIPT.bak"},
        {"a\rb\r\nc", "\r", " ", "a b \nc"},
        {"aXa", "a", "aa", "aXa"} /* find inside the replacement: unchanged */,
        {"abc", "", "z", "abc"},
        {"AbAB", "ab", "-", "--"} /* case ignored, replacement as given */,
        // A replacement can complete a new occurrence with the text before it; searching again from the front finds it.
        {"abb", "ab", "a", "a"},
        {"aabb", "ab", "", ""},
        {"bba", "ba", "ab", "abb"},
        {"", "a", "b", ""}};
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

// A stream buffer that hands out `bytes` and then fails as a file's buffer does on a read error:
// its underflow throws.
class FailingBuffer : public std::streambuf {
public:
    FailingBuffer(std::string bytes, bool fails) : bytes_(std::move(bytes)), fails_(fails) {
        setg(bytes_.data(), bytes_.data(), bytes_.data() + bytes_.size());
    }

protected:
    int_type underflow() override {
        if (fails_) throw std::ios_base::failure("basic_filebuf::underflow error reading the file");
        return traits_type::eof();
    }

private:
    std::string bytes_;
    bool fails_;
};

TEST(ReadWholeStream, StopsAtTheLimitWhileReadingAndTurnsAFailedReadIntoAReason) {
    struct Case {
        std::size_t size;
        bool fails;
        std::uintmax_t limit;
        std::string error;  // empty: read whole
    };
    const Case cases[] = {
        {0, false, 10, ""},
        {70000, false, 70000, ""},  // more than one chunk
        {70001, false, 70000, "is too large (more than 70000 bytes)"},
        {11, false, 10, "is too large (more than 10 bytes)"},
        {5, true, 10, "reading failed (read error)"},
        {70000, true, 100000, "reading failed (read error)"},
    };
    for (const Case& c : cases) {
        FailingBuffer buffer(std::string(c.size, 'x'), c.fails);
        std::istream in(&buffer);
        std::string out = "old", error;
        EXPECT_EQ(ReadWholeStream(in, out, &error, c.limit), c.error.empty()) << c.size;
        EXPECT_EQ(error, c.error) << c.size;
        EXPECT_EQ(out.size(), c.error.empty() ? c.size : 0u) << c.size;
    }
}

#ifdef __linux__
TEST(ReadWholeFile, FilesThatFailOrTellNoSizeGiveAReason) {
    std::string out, error;
    // Reading a process's memory at offset 0 fails with EIO.
    EXPECT_FALSE(ReadWholeFile("/proc/self/mem", out, &error));
    EXPECT_EQ(error, "reading failed (Input/output error)");
    // /proc files say they hold 0 bytes; the limit holds all the same.
    EXPECT_FALSE(ReadWholeFile("/proc/self/maps", out, &error, 16));
    EXPECT_EQ(error, "is too large (more than 16 bytes)");
    EXPECT_TRUE(out.empty());
}
#endif

}  // namespace
}  // namespace corvane
