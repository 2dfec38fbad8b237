#include "lang/language_text.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(TextFromUnits, ShowsCodesAsWindows1252UnitsAbove255AsThemselvesLoneSurrogatesAsReplacement) {
    EXPECT_EQ(TextFromUnits(std::u16string{u'a', 0x80, 0x81, 0x9C, 0x9F, 0xA0, 0xE9, 0x0141, 0xD800, 0xDFFF}),
              (std::u16string{u'a', 0x20AC, 0x81, 0x0153, 0x0178, 0xA0, 0xE9, 0x0141, 0xFFFD, 0xFFFD}));
}

TEST(UnitsFromText, GivesBackEveryCodeAsItWasRead) {
    std::u16string units;
    for (char16_t code = 1; code <= 0xFF; ++code) units.push_back(code);
    const auto encoded = UnitsFromText(TextFromUnits(units));
    ASSERT_TRUE(encoded.units);
    EXPECT_EQ(*encoded.units, units);
}

TEST(UnitsFromText, NamesTheFirstCharacterTheFileCannotHold) {
    struct Case {
        std::u16string text;
        std::size_t position;
        char16_t character;
    };
    for (const Case& c : {Case{u"ab\u2192c\u2192", 2, 0x2192}, Case{std::u16string{u'x', 0}, 1, 0},
                          Case{u"\u0141", 0, 0x0141}}) {
        const auto encoded = UnitsFromText(c.text);
        EXPECT_FALSE(encoded.units);
        EXPECT_EQ(encoded.position, c.position);
        EXPECT_EQ(encoded.character, c.character);
    }
}

TEST(RestoreLineBreaks, GivesEachBreakTheFormItHadBefore) {
    struct Case {
        std::u16string box, previous, expected;
    };
    for (const Case& c : {
             Case{u"a\nb!", u"a\r\nb", u"a\r\nb!"},                  // CR LF, the usual form
             Case{u"a\nb\nc!", u"a\nb\rc", u"a\nb\rc!"},             // lone LF and lone CR kept
             Case{u"a\nb\nc", u"a\r\r\nb", u"a\rb\r\nc"},            // CR then CR LF: two breaks
             Case{u"new\nline", u"none", u"new\r\nline"},            // no break before: CR LF
             Case{u"x\ny\nz\n", u"x\ny", u"x\ny\nz\n"},              // added ones take the last form
             Case{u"\u00a0\t\u0001", u"", u"\u00a0\t\u0001"}}) {     // all else as it is
        EXPECT_EQ(RestoreLineBreaks(c.box, c.previous), c.expected);
    }
}

}  // namespace
}  // namespace corvane
