#include "text/script_text.h"

#include <gtest/gtest.h>

#include <tuple>

namespace corvane {
namespace {

using Encoding = TextEncoding;

TEST(ScriptText, FilesBecomeWindows1252WithOneBytePerCharacterAndEncodeBack) {
    const std::tuple<std::string, Encoding, bool, std::string> cases[] = {
        // bytes, encoding, UTF-8 mark, engine text
        {"IF %1", Encoding::kWindows1252, false, "IF %1"},
        {"\xEF\xBB\xBF", Encoding::kUtf8, true, ""},
        {"\xEF\xBB\xBFSTART_SCRIPT", Encoding::kUtf8, true, "START_SCRIPT"},
        {"\xC3\xA9t\xC3\xA9 \xE2\x82\xAC\xC5\xA1", Encoding::kUtf8, false, "\xE9t\xE9 \x80\x9A"},
        // Characters Windows-1252 lacks (one of them beyond U+FFFF) stay inside their word.
        {"SET\xE4\xB8\xAD\xF0\x9F\x98\x80IF \xC2\x80", Encoding::kUtf8, false, "SET??IF ?"},
        // Not UTF-8: a lone byte, a cut sequence, beyond U+10FFFF (overlong forms and surrogates: below).
        {"\xE9t\xE9", Encoding::kWindows1252, false, "\xE9t\xE9"},
        {"A\xC3", Encoding::kWindows1252, false, "A\xC3"},
        {"\xF4\x90\x80\x80", Encoding::kWindows1252, false, "\xF4\x90\x80\x80"},
        {"\xEF\xBB\xBF\x80X", Encoding::kWindows1252, true, "\x80X"},
        // UTF-16, also behind a UTF-8 mark, is refused.
        {std::string("\xFF\xFEI\0F\0", 6), Encoding::kUtf16, false, ""},
        {std::string("\xFE\xFF\0I", 4), Encoding::kUtf16, false, ""},
        {std::string("\xEF\xBB\xBF\xFF\xFEI\0", 7), Encoding::kUtf16, false, ""},
    };
    for (const auto& [bytes, encoding, mark, engine] : cases) {
        const ScriptText text = ScriptText::FromFile(bytes);
        EXPECT_EQ(text.encoding(), encoding) << bytes;
        EXPECT_EQ(text.hasUtf8Mark(), mark) << bytes;
        EXPECT_EQ(text.engineText(), engine) << bytes;
        if (!text.refused()) {
            EXPECT_EQ(text.Encode(text.engineText()), bytes);
        }
    }
    EXPECT_EQ(Utf16Refusal("a.txt"), "a.txt is UTF-16 text; save it as ANSI or UTF-8");
}

TEST(ScriptText, EncodesLaidOutWordsInTheFilesOwnCharacters) {
    const ScriptText utf8 =
        ScriptText::FromFile("\xEF\xBB\xBFIF  \xE4\xB8\xADx\n\xC3\xA9\xF0\x9F\x98\x80   \xE2\x82\xAC");
    ASSERT_EQ(utf8.engineText(), "IF  ?x\n\xE9?   \x80");
    EXPECT_EQ(utf8.Encode("IF ?x \r\n\t\xE9? \x80 "),
              "\xEF\xBB\xBFIF \xE4\xB8\xADx \r\n\t\xC3\xA9\xF0\x9F\x98\x80 \xE2\x82\xAC ");
    // Words that are not the text's own come back as their Windows-1252 characters.
    EXPECT_EQ(ScriptText::FromFile("\xC3\xA9").Encode("\x80 IF \x81"), "\xE2\x82\xAC IF \xC2\x81");
    EXPECT_EQ(ScriptText::FromFile("\xE9 x").Encode("\xE9\r\nx"), "\xE9\r\nx");
    EXPECT_EQ(utf8.Utf16(), u"IF  \u4E2Dx\n\u00E9\U0001F600   \u20AC");
}

TEST(ScriptText, ClientTextIsUtf8AndALeadingMarkIsABlank) {
    const std::pair<std::string, std::string> cases[] = {
        {"DO X\r\n\tY", "DO X\r\n\tY"},
        {"\xC3\xA9\xE2\x82\xACX", "\xE9\x80X"},
        {"a\xFFz\xC3", "a?z?"},
        {"\xC3X", "?X"},  // a lead byte without its continuation                                        // bytes that
                          // are no UTF-8 at all
        {"\xE0\x80\x80 \xED\xA0\x80", "??? ???"},                      // an overlong form and a surrogate, byte by byte
        {"\xEF\xBB\xBFSTART_SCRIPT \xEF\xBB\xBF", " START_SCRIPT ?"},  // only the first one is a mark
    };
    for (const auto& [utf8, engine] : cases) EXPECT_EQ(ScriptText::FromUtf8(utf8).engineText(), engine) << utf8;
    EXPECT_EQ(ScriptText::FromUtf8("\xEF\xBB\xBFX").PositionAt(1), (TextPosition{0, 1, 1}));
}

TEST(ScriptText, EditorCharactersBecomeBytesOfEachEncoding) {
    const FileEncoding ansi{}, utf8{Encoding::kUtf8, false}, marked{Encoding::kUtf8, true};
    const std::tuple<std::u16string, FileEncoding, std::optional<std::string>, std::size_t> cases[] = {
        {u"IF \u00E9\u20AC", ansi, "IF \xE9\x80", 0},
        {u"IF \u00E9\u20AC", marked, "\xEF\xBB\xBFIF \xC3\xA9\xE2\x82\xAC", 0},
        {u"a\U0001F600", utf8, "a\xF0\x9F\x98\x80", 0},
        {u"ab\u0101", ansi, std::nullopt, 2},
        {u"a\U0001F600", ansi, std::nullopt, 1},
        {std::u16string(u"x\xD800y"), utf8, std::nullopt, 1},  // a lone surrogate has no UTF-8
    };
    for (const auto& [units, encoding, bytes, offending] : cases) {
        std::size_t at = 99;
        EXPECT_EQ(EncodeUtf16(units, encoding, &at), bytes);
        if (!bytes) {
            EXPECT_EQ(at, offending);
        }
    }
    EXPECT_EQ(EngineTextFromUtf16Units(u"V\u00E9\U0001F600"), "V\xE9??");  // one byte per unit
}

}  // namespace
}  // namespace corvane
