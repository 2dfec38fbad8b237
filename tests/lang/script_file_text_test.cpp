#include "lang/script_file_text.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using Encoding = ScriptFileEncoding;

TEST(ScriptFileText, UnicodeFilesBecomeWindows1252WithOneBytePerCharacter) {
    const std::tuple<std::string, Encoding, std::string> cases[] = {
        {"IF %1", Encoding::kWindows1252, "IF %1"},
        {"\xEF\xBB\xBF", Encoding::kWindows1252, ""},  // the mark is dropped
        {"\xC3\xA9t\xC3\xA9 \xE2\x82\xAC\xC5\xA1", Encoding::kUtf8, "\xE9t\xE9 \x80\x9A"},
        // Characters Windows-1252 lacks (one of them beyond U+FFFF) stay inside their word.
        {"SET\xE4\xB8\xAD\xF0\x9F\x98\x80IF \xC2\x80", Encoding::kUtf8, "SET??IF ?"},
        // Not UTF-8: a lone byte, a cut sequence, an overlong form, a surrogate, beyond U+10FFFF.
        {"\xE9t\xE9", Encoding::kWindows1252, "\xE9t\xE9"},
        {"A\xC3", Encoding::kWindows1252, "A\xC3"},
        {"\xC0\xAF", Encoding::kWindows1252, "\xC0\xAF"},
        {"\xED\xA0\x80", Encoding::kWindows1252, "\xED\xA0\x80"},
        {"\xF4\x90\x80\x80", Encoding::kWindows1252, "\xF4\x90\x80\x80"},
        {"\xEF\xBB\xBF\x80X", Encoding::kWindows1252, "\x80X"},
        {"\xFF\xFEI\0F\0", Encoding::kUtf16, ""},
        {"\xFE\xFF\0I", Encoding::kUtf16, ""}};
    for (const auto& [bytes, encoding, text] : cases) {
        const ScriptFileText decoded = DecodeScriptFile(bytes);
        EXPECT_EQ(decoded.encoding, encoding) << bytes;
        EXPECT_EQ(decoded.text, text) << bytes;
    }
}

TEST(ScriptFileText, MessagesGoBackToUtf8) {
    EXPECT_EQ(Utf8FromWindows1252("A\xC9\x80\x9F\x81"), "A\xC3\x89\xE2\x82\xAC\xC5\xB8\xC2\x81");
}

}  // namespace
}  // namespace corvane
