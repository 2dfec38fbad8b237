#include <gtest/gtest.h>

#include <filesystem>

#include "lang/language_document.h"
#include "lang/language_file.h"
#include "lang/language_text.h"
#include "tests/common/temp_folder.h"

namespace corvane {
namespace {

using namespace std::string_literals;
using Strings = std::vector<std::u16string>;

// Whatever follows the last complete string is kept, and every file that reads saves back unchanged.
TEST(LanguageFile, ReadIntoStringsAndSaveBackByteForByte) {
    for (const auto& [bytes, strings, leftover] : {std::tuple{"A\0\0\0\0\0"s, Strings{u"A", u""}, ""s},
                                                   {"\0\0\0\0\0\0"s, {u"", u"", u""}, ""},
                                                   {"\xE9\0\x80\0:\0\xAC \0\0"s, {{0xE9, 0x80, u':', 0x20AC}}, ""},
                                                   {"A\0\0\0B\0C\0"s, {u"A"}, "B\0C\0"s},
                                                   {"A\0\0\0\x7F"s, {u"A"}, "\x7F"},
                                                   {"\0\0D\0\x01"s, {u""}, "D\0\x01"s},
                                                   {"\0A\0\0"s, {{0x4100}}, ""},
                                                   {"\x01\x01\xFF\xFF\0\xD8\0\0"s, {{0x0101, 0xFFFF, 0xD800}}, ""}}) {
        SCOPED_TRACE(::testing::PrintToString(bytes));
        const auto read = ReadLanguageFile(bytes);
        ASSERT_TRUE(read.file) << read.error;
        EXPECT_EQ(read.file->strings, strings);
        EXPECT_EQ(read.file->leftover, leftover);
        EXPECT_EQ(WriteLanguageFile(*read.file), bytes);
    }
}

// Everything that is no language file is refused with the reason, to be shown after the file's name.
TEST(LanguageFile, LoadRefusesWhatItCannotListWithTheReason) {
    testing::TempFolder folder;
    std::filesystem::create_directory(folder.file("folder.dat"));
    testing::writeBytes(folder.file("empty.dat"), "");
    testing::writeBytes(folder.file("large.dat"), "");
    std::filesystem::resize_file(folder.file("large.dat"), kMaxLanguageFileBytes + 2);  // refused unread
    const std::string none = "it holds no complete string (no string ends with a 16-bit zero)";
    for (const auto& [name, error] : {std::pair{"folder.dat"s, "could not be read: it is a folder, not a file"s},
                                      {"missing.dat", "could not be read: "},
                                      {"large.dat", "is not a language file: the file is larger than 4 MB"},
                                      {"empty.dat", "is not a language file: " + none}}) {
        const auto read = LoadLanguageFile(folder.file(name));
        EXPECT_FALSE(read.file) << name;
        EXPECT_EQ(read.error.substr(0, error.size()), error) << name;
    }
    for (const std::string& bytes : {"\0"s, "A\0"s, "A\0B"s, "\0\x01 \0"s}) {
        EXPECT_EQ(ReadLanguageFile(bytes).error, none) << ::testing::PrintToString(bytes);
    }
    EXPECT_FALSE(ReadLanguageFile(std::string(kMaxLanguageFileBytes + 2, '\0')).file);
}

// Codes show as Windows-1252, units above 255 as themselves, lone surrogates as U+FFFD.
TEST(LanguageText, ShowsCodesAsWindows1252AndGivesEachBackAsItWasRead) {
    EXPECT_EQ(TextFromUnits(std::u16string{u'a', 0x80, 0x81, 0x9C, 0x9F, 0xA0, 0xE9, 0x0141, 0xD800, 0xDFFF}),
              (std::u16string{u'a', 0x20AC, 0x81, 0x0153, 0x0178, 0xA0, 0xE9, 0x0141, 0xFFFD, 0xFFFD}));
    EXPECT_EQ(UnitOfTypedCharacter(0x20AC), 0x80);  // the code page itself is the text module's test
    // Characters a language file cannot hold.
    for (char16_t character : {char16_t{0x2192}, char16_t{0}, char16_t{0x0141}, char16_t{0x80}}) {
        EXPECT_FALSE(UnitOfTypedCharacter(character)) << int{character};
    }
}

TEST(LanguageText, RestoreLineBreaksGivesEachBreakTheFormItHadBefore) {
    for (const auto& [box, previous, expected] :
         {std::tuple{u"a\nb!", u"a\r\nb", u"a\r\nb!"},     // CR LF, the usual form
          {u"a\nb\nc!", u"a\nb\rc", u"a\nb\rc!"},          // lone LF and lone CR kept
          {u"a\nb\nc", u"a\r\r\nb", u"a\rb\r\nc"},         // CR then CR LF: two breaks
          {u"new\nline", u"none", u"new\r\nline"},         // no break before: CR LF
          {u"x\ny\nz\n", u"x\ny", u"x\ny\nz\n"},           // added ones take the last form
          {u"\u00a0\t\u0001", u"", u"\u00a0\t\u0001"}}) {  // all else as it is
        EXPECT_EQ(RestoreLineBreaks(box, previous), std::u16string(expected));
    }
}

// Strings the author left alone, or edited back to what the file holds, keep their units even where
// those are no Windows-1252 codes (0x20AC shows as the euro sign, whose code is 0x80). An edit changes only
// what the author changed: units above 255 before and after it stay, and the list marks them so that they
// cannot be taken for the Windows-1252 character they look like.
TEST(LanguageDocument, OnlyEditedCharactersAreWrittenAsCodesAndTheListMarksLargeUnits) {
    LanguageDocument document(LanguageFile{{std::u16string{u'A', 0x20AC, u'B', 0x0101}, {u'x', 0x20AC}}, "\x01"});
    EXPECT_EQ(document.ListText(0), u"A\u27e6U+20AC\u27e7B\u27e6U+0101\u27e7");
    EXPECT_EQ(document.Text(0), u"A\u20acB\u0101");
    EXPECT_FALSE(document.IsModified());
    document.SetText(0, u"AX\u20acB\u0101");       // X typed after A
    document.SetText(0, u"AX\u20ac\u20ac\u0101");  // B replaced by a typed euro sign
    EXPECT_EQ(document.ListText(0), u"AX\u27e6U+20AC\u27e7\u20ac\u27e6U+0101\u27e7");
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(document.BytesToSave().bytes, "A\0X\0\xAC\x20\x80\0\x01\x01\0\0x\0\xAC\x20\0\0\x01"s);
    EXPECT_TRUE(document.IsEdited(0));
    EXPECT_FALSE(document.IsEdited(1));
    document.SetText(1, u"x\u20ac\u2192");  // a typed arrow: no Windows-1252 code
    const auto arrow = document.UnsavableCharacter(1);
    ASSERT_TRUE(arrow);
    EXPECT_EQ(arrow->position, 2u);
    EXPECT_EQ(arrow->character, u'\u2192');
    EXPECT_FALSE(document.UnsavableCharacter(0));  // the untyped unit 0x20AC is kept, not checked
    document.SetText(1, u"x\u20ac");
    document.SetText(0, u"A\u20acB\u0101");  // edited back
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(document.BytesToSave().bytes, "A\0\xAC\x20\x42\0\x01\x01\0\0x\0\xAC\x20\0\0\x01"s);
}

// A level or other game file read as a language file shows as thousands of empty strings.
TEST(LanguageFile, PlausibilityNamesTheEmptyStringsOfALevelFile) {
    const struct {
        std::size_t strings, empty;
        bool plausible;
    } cases[] = {{999, 999, true}, {1000, 899, true}, {1000, 900, false}, {5000, 5000, false}, {3, 3, true}};
    for (const auto& c : cases) {
        LanguageFile file;
        file.strings.assign(c.strings - c.empty, u"x");
        file.strings.resize(c.strings);
        const auto problem = LanguagePlausibilityProblem(file);
        EXPECT_EQ(!problem, c.plausible) << c.strings << ' ' << c.empty;
        if (problem) {
            EXPECT_EQ(*problem,
                      std::to_string(c.empty) + " of its " + std::to_string(c.strings) + " strings are empty");
        }
    }
}

}  // namespace
}  // namespace corvane
