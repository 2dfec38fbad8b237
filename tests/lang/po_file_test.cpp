// The PO reader and writer: escapes, strings over many lines, comments and flags, and every refusal
// with its line.
#include "lang/po_file.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(PoFile, ReadsEntriesAsTranslatorsToolsWriteThem) {
    const std::string text =
        "\xEF\xBB\xBF# header comment\r\n"
        "msgid \"\"\r\n"
        "msgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\r\n"
        "\n"
        "#. extracted\n"
        "#: ref:1\n"
        "#, fuzzy, c-format\n"
        "msgctxt \"7\"\n"
        "msgid \"\"\n"
        "\"two \"\n"
        "  \"lines\\n\"\n"
        "msgstr \"tab\\t quote\\\" back\\\\ cr\\r bell\\a oct\\101\\7 hex\\x41\"\n"
        "#~ msgid \"obsolete\"\n"
        "msgctxt \"8\"\n"
        "msgid \"x\"\n"
        "msgstr \"\"";  // no line feed at the end
    const PoRead read = ReadPo(text);
    ASSERT_TRUE(read.ok()) << read.error;
    ASSERT_EQ(read.entries.size(), 3u);
    EXPECT_EQ(read.entries[0].comments, std::vector<std::string>{"# header comment"});
    EXPECT_FALSE(read.entries[0].context.has_value());
    const PoEntry& seven = read.entries[1];
    EXPECT_EQ(seven.comments, (std::vector<std::string>{"#. extracted", "#: ref:1"}));
    EXPECT_EQ(seven.flags, (std::vector<std::string>{"fuzzy", "c-format"}));
    EXPECT_TRUE(seven.Fuzzy());
    EXPECT_EQ(seven.context, "7");
    EXPECT_EQ(seven.id, "two lines\n");
    EXPECT_EQ(seven.str, std::string("tab\t quote\" back\\ cr\r bell\a octA\x07 hexA"));
    EXPECT_EQ(seven.line, 9);
    EXPECT_EQ(read.entries[2].comments, std::vector<std::string>{"#~ msgid \"obsolete\""});
    EXPECT_FALSE(read.entries[2].Fuzzy());
    EXPECT_EQ(read.entries[2].str, "");
}

TEST(PoFile, RefusesWhatIsNoPoFileWithTheLine) {
    const struct {
        std::string text, error;
    } cases[] = {
        {"msgid \"a\"\n", "line 1: msgid without a msgstr"},
        {"msgstr \"a\"\n", "line 1: msgstr without a msgid before it"},
        {"msgid \"a\"\nmsgid \"b\"\n", "line 2: a second msgid in one entry"},
        {"msgid \"a\nmsgstr \"\"\n", "line 1: msgid: a string without its closing quote"},
        {"msgid \"a\" x\nmsgstr \"\"\n", "line 1: msgid: text after the closing quote"},
        {"msgid a\nmsgstr \"\"\n", "line 1: msgid: a quoted string was expected"},
        {"msgid \"\\q\"\nmsgstr \"\"\n", "line 1: msgid: an unknown escape \\q"},
        {"msgid \"\\x\"\nmsgstr \"\"\n", "line 1: msgid: \\x without hexadecimal digits"},
        {"msgid \"\\777\"\nmsgstr \"\"\n", "line 1: msgid: an octal escape above \\377"},
        {"msgid \"a\"\nmsgid_plural \"b\"\n", "line 2: plural forms, which a language file does not have"},
        {"msgid \"a\"\nmsgstr[0] \"b\"\n", "line 2: plural forms, which a language file does not have"},
        {"\"stray\"\n", "line 1: a string outside any msgctxt, msgid or msgstr"},
        {"msgctxt \"1\"\n\nmsgstr \"\"\n", "line 3: msgstr without a msgid before it"},
        {"msgid \"a\"\n# inside\nmsgstr \"\"\n", "line 2: a comment inside an entry"},
        {"# alone\n", "line 2: comments without an entry after them"},
        {"msgctxt \"1\"\n", "line 2: msgctxt without a msgid"},
        {"msgtxt \"1\"\n", "line 1: unknown keyword msgtxt"},
    };
    for (const auto& c : cases) {
        const PoRead read = ReadPo(c.text);
        EXPECT_EQ(read.error, c.error) << c.text;
        EXPECT_TRUE(read.entries.empty()) << c.text;
    }
}

TEST(PoFile, WrittenEntriesReadBackTheSame) {
    std::vector<PoEntry> entries(3);
    entries[0].str = "Content-Type: text/plain; charset=UTF-8\n";
    entries[1] = {{"#. a comment"}, {"fuzzy"}, "12", "first\nsecond\nthird", "x\x01\x7F\"\\\t\r\v\f\b\a", 0};
    entries[2] = {{}, {}, "", "", "ends with a break\n", 0};
    const std::string text = WritePo(entries);
    EXPECT_NE(text.find("msgid \"\"\n\"first\\n\"\n\"second\\n\"\n\"third\"\n"), std::string::npos) << text;
    EXPECT_NE(text.find("msgstr \"ends with a break\\n\"\n"), std::string::npos) << text;  // one line: one string
    EXPECT_NE(text.find("\"x\\001\\177\\\"\\\\\\t\\r\\v\\f\\b\\a\""), std::string::npos) << text;
    PoRead read = ReadPo(text);
    ASSERT_TRUE(read.ok()) << read.error;
    for (auto& entry : read.entries) entry.line = 0;
    EXPECT_EQ(read.entries, entries);
}

}  // namespace
}  // namespace corvane
