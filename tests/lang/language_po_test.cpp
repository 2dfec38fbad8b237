// A language file through a PO file and back: the round trip changes no byte, an edit changes only
// its characters, and every refusal names the string.
#include "lang/language_po.h"

#include <gtest/gtest.h>

#include "lang/po_file.h"

namespace corvane {
namespace {

using namespace std::string_literals;

// Units above 255, CR LF and a lone CR, an empty string, characters above 127 and bytes after the
// last string: everything an import must keep.
const std::string kFile =
    "H\0i\0\0\0"s                 // 0 "Hi"
    "\0\0"s                       // 1 ""
    "L\0\r\0\n\0M\0\r\0N\0\0\0"s  // 2 "L\r\nM\rN"
    "\xE9\0\x80\0\"\0\\\0\0\0"s   // 3 e acute, euro sign, quote, backslash
    "A\0\x01\x01"
    "B\0\0\0"s   // 4 "A", unit 0x101, "B"
    "Z\0\x07"s;  // an unterminated string and an odd byte

LanguageFile File(const std::string& bytes = kFile) { return *ReadLanguageFile(bytes).file; }

// The PO text with the msgstr of string `number` replaced.
std::string WithMsgstr(std::string po, std::size_t number, const std::string& text) {
    const std::string context = "msgctxt \"" + std::to_string(number) + "\"\n";
    const auto at = po.find("msgstr", po.find(context));
    const auto end = po.find("\n\n", at);
    return po.replace(at, end == std::string::npos ? std::string::npos : end - at,
                      PoStatement("msgstr", text).substr(0, PoStatement("msgstr", text).size() - 1));
}

TEST(LanguagePo, ExportThenImportChangesNoByte) {
    for (const bool withReference : {false, true}) {
        const LanguageFile reference = File("R\0\0\0"s);
        const std::string po = ExportLanguagePo(File(), withReference ? &reference : nullptr, "lang.dat");
        const LanguageImport back = ImportLanguagePo(File(), po);
        ASSERT_TRUE(back.bytes) << back.error;
        EXPECT_EQ(*back.bytes, kFile);
        EXPECT_EQ(back.changed, 0u);
        const PoRead read = ReadPo(po);
        ASSERT_TRUE(read.ok());
        ASSERT_EQ(read.entries.size(), 6u);  // the header and five strings
        EXPECT_EQ(read.entries[1].id, withReference ? "R" : "Hi");
        EXPECT_EQ(read.entries[3].str, "L\nM\nN");  // LF between lines in the PO file
        EXPECT_EQ(read.entries[4].str, "\xC3\xA9\xE2\x82\xAC\"\\");
        EXPECT_EQ(read.entries[5].str,
                  "A\xC4\x81"
                  "B");
        EXPECT_EQ(read.entries[5].comments.size(), withReference ? 1u : 0u);  // the reference has no string 4
    }
}

TEST(LanguagePo, ImportChangesOnlyTheCharactersThatDiffer) {
    const std::string po = ExportLanguagePo(File(), nullptr, "lang.dat");
    const struct {
        std::size_t number;
        std::string text, bytes;
        std::size_t changed;
    } cases[] = {
        {0, "Hej", "H\0e\0j\0\0\0"s, 1},
        {2, "L\nM\nN\nO", "L\0\r\0\n\0M\0\r\0N\0\r\0O\0\0\0"s, 1},  // each break as the string had it
        {4,
         "A\xC4\x81"
         "C",
         "A\0\x01\x01"
         "C\0\0\0"s,
         1},                                    // the unit 0x101 kept
        {3, "\xE2\x80\x9E", "\x84\0\0\0"s, 1},  // U+201E is code 0x84
        {0, "", "H\0i\0\0\0"s, 0},              // not translated: left alone
    };
    for (const auto& c : cases) {
        const LanguageImport result = ImportLanguagePo(File(), WithMsgstr(po, c.number, c.text));
        ASSERT_TRUE(result.bytes) << c.number << ": " << result.error;
        LanguageFile expected = File();
        expected.strings[c.number] = ReadLanguageFile(c.bytes).file->strings[0];
        EXPECT_EQ(*result.bytes, WriteLanguageFile(expected)) << c.number;
        EXPECT_EQ(result.changed, c.changed) << c.number;
    }
    std::string fuzzy = WithMsgstr(po, 0, "Hej");
    fuzzy.insert(fuzzy.find("msgctxt \"0\""), "#, fuzzy\n");
    const LanguageImport skipped = ImportLanguagePo(File(), fuzzy);
    EXPECT_EQ(*skipped.bytes, kFile);
    EXPECT_EQ(skipped.fuzzy, 1u);
}

TEST(LanguagePo, ImportRefusesWithTheStringAndTheLine) {
    const std::string po = ExportLanguagePo(File(), nullptr, "lang.dat");
    const std::string header = "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n\n";
    const struct {
        std::string po, error;
    } cases[] = {
        {WithMsgstr(po, 3, "x\xE2\x86\x92"),
         "string 3 holds the character U+2192 at position 2, which a language file cannot hold."},
        {WithMsgstr(po, 0, "\xFF"), "line 15: the msgstr of string 0 is not UTF-8"},
        {header + "msgctxt \"5\"\nmsgid \"a\"\nmsgstr \"b\"\n",
         "line 5: msgctxt \"5\" is no string number of this file (0 to 4)"},
        {header + "msgctxt \"-1\"\nmsgid \"a\"\nmsgstr \"b\"\n",
         "line 5: msgctxt \"-1\" is no string number of this file (0 to 4)"},
        {header + "msgctxt \"1\"\nmsgid \"\"\nmsgstr \"\"\n\nmsgctxt \"1\"\nmsgid \"\"\nmsgstr \"\"\n",
         "line 9: string 1 has a second entry"},
        {header + "msgid \"a\"\nmsgstr \"b\"\n", "line 4: the entry has no msgctxt with its string number"},
        {"msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=ISO-8859-1\\n\"\n",
         "line 1: the file is not in UTF-8 (its header names another charset)"},
        {"msgid \"a\"\n", "line 1: msgid without a msgstr"},
    };
    for (const auto& c : cases) {
        const LanguageImport result = ImportLanguagePo(File(), c.po);
        EXPECT_FALSE(result.bytes) << c.error;
        EXPECT_EQ(result.error, c.error);
    }
}

// A file exported with a reference, then edited in a translator's tool such as Poedit (which adds header
// fields, the language among them, and wraps strings), imports back: only the string translated there changes.
TEST(LanguagePo, AFileSavedByPoeditImportsBack) {
    const std::string german = "Z\0\r\0\n\0z\0\0\0\0\0"s;  // "Z\r\nz", ""
    const std::string saved = R"(msgid ""
msgstr ""
"Project-Id-Version: lang01.dat\n"
"Language: de\n"
"Content-Type: text/plain; charset=UTF-8\n"
"X-Generator: Poedit 3.2.2\n"

msgctxt "0"
msgid ""
"L\n"
"l"
msgstr ""
"Z\n"
"z"

msgctxt "1"
msgid "Empty"
msgstr "Leer"
)";
    const LanguageImport result = ImportLanguagePo(File(german), saved);
    ASSERT_TRUE(result.bytes) << result.error;
    EXPECT_EQ(result.changed, 1u);
    EXPECT_EQ(*result.bytes, "Z\0\r\0\n\0z\0\0\0L\0e\0e\0r\0\0\0"s);
}

}  // namespace
}  // namespace corvane
