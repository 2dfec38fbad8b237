#include "lang/language_text.h"
#include "lang/windows_1252.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(Windows1252, EveryCodeHasOneCharacterAndBack) {
    for (unsigned code = 0; code <= 0xFF; ++code) {
        const char16_t character = UnicodeFromWindows1252(static_cast<unsigned char>(code));
        const auto back = Windows1252FromUnicode(character);
        ASSERT_TRUE(back) << code;
        EXPECT_EQ(*back, code);
    }
}

TEST(Windows1252, MapsTheCodesWhereItDiffersFromLatin1) {
    struct Case {
        unsigned char code;
        char16_t character;
    };
    for (const Case& c : {Case{0x80, 0x20AC}, Case{0x8A, 0x0160}, Case{0x92, 0x2019}, Case{0x9F, 0x0178},
                          Case{0x81, 0x0081}, Case{0xA0, 0x00A0}, Case{0xE9, 0x00E9}, Case{0x41, u'A'}}) {
        EXPECT_EQ(UnicodeFromWindows1252(c.code), c.character) << int(c.code);
    }
}

TEST(Windows1252, HasNoCodeForOtherCharacters) {
    for (char16_t character : {char16_t{0x0100}, char16_t{0x2192}, char16_t{0x0080}, char16_t{0xFFFD}}) {
        EXPECT_FALSE(Windows1252FromUnicode(character)) << int(character);
    }
}

TEST(TextFromUnits, ShowsCodesAbove127AsTheirWindows1252Characters) {
    EXPECT_EQ(TextFromUnits(std::u16string{u'a', 0x80, 0xE9, 0x9C}), (std::u16string{u'a', 0x20AC, 0xE9, 0x0153}));
}

TEST(TextFromUnits, ShowsUnitsAbove255AsThemselvesAndLoneSurrogatesAsReplacement) {
    EXPECT_EQ(TextFromUnits(std::u16string{0x0141, 0xD800, 0xDFFF}), (std::u16string{0x0141, 0xFFFD, 0xFFFD}));
}

TEST(UnitsFromText, RoundTripsEveryCode) {
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

}  // namespace
}  // namespace corvane
