#include "text/windows_1252.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

// The one test of the code page table: every code has one character and back, and the characters
// that differ from Latin-1 are the right ones.
TEST(Windows1252, EveryCodeHasOneCharacterAndBack) {
    for (unsigned code = 0; code < 256; ++code) {
        const char16_t character = UnicodeFromWindows1252(static_cast<unsigned char>(code));
        EXPECT_EQ(Windows1252FromUnicode(character), std::optional<unsigned char>(code)) << code;
    }
    const std::pair<unsigned char, char16_t> cases[] = {{0x41, u'A'},   {0x80, 0x20AC}, {0x81, 0x0081}, {0x8A, 0x0160},
                                                        {0x9F, 0x0178}, {0xE9, 0x00E9}, {0xFF, 0x00FF}};
    for (const auto& [code, character] : cases) EXPECT_EQ(UnicodeFromWindows1252(code), character) << int{code};
    for (const char32_t lacking : {char32_t{0x0101}, char32_t{0x4E2D}, char32_t{0x1F600}, char32_t{0x10020AC}}) {
        EXPECT_EQ(Windows1252FromUnicode(lacking), std::nullopt) << static_cast<unsigned>(lacking);
    }
}

TEST(Windows1252, GoesToUtf16) { EXPECT_EQ(Utf16FromWindows1252("A\xC9\x80"), u"A\u00C9\u20AC"); }

TEST(Windows1252, UpperCaseChangesOnlyLettersWithAnUpperFormInTheCodePage) {
    // Sharp s, micro, the ordinal indicators and the division sign have none.
    EXPECT_EQ(ToUpperWindows1252("var_1\xe9\xe0\xfe\xf8\x9a\x9c\x9e\xff"), "VAR_1\xc9\xc0\xde\xd8\x8a\x8c\x8e\x9f");
    EXPECT_EQ(ToUpperWindows1252("\xdf\xb5\xaa\xba\xf7\xc9\x8a\x80{"), "\xdf\xb5\xaa\xba\xf7\xc9\x8a\x80{");
    EXPECT_TRUE(HasLowerWindows1252("ABC\xe9"));
    EXPECT_FALSE(HasLowerWindows1252("ABC\xc9\xdf\xf7"));
}

}  // namespace
}  // namespace corvane
