#include "lang/language_document.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

LanguageFile sample() { return LanguageFile{{std::u16string{0x20AC}, std::u16string{u'a', 0x0141}, u"x"}, "\x01"}; }

// Strings the author left alone, or edited back to what the file holds, keep their units even where
// those are no Windows-1252 codes (0x20AC shows as the euro sign, whose code is 0x80).
TEST(LanguageDocument, OnlyEditedStringsAreWrittenAsWindows1252Codes) {
    LanguageDocument document(sample());
    ASSERT_EQ(document.count(), 3u);
    EXPECT_EQ(document.text(1), (std::u16string{u'a', 0x0141}));
    document.setText(0, u"changed");
    document.setText(0, std::u16string{0x20AC});
    document.setText(2, u"\u20ac\u00e9");
    const auto save = document.bytesToSave();
    ASSERT_TRUE(save.bytes);
    EXPECT_EQ(*save.bytes, std::string("\xAC\x20\0\0a\0\x41\x01\0\0\x80\0\xE9\0\0\0\x01", 17));
}

TEST(LanguageDocument, EditedCharacterWithoutCodeNamesStringAndPosition) {
    LanguageDocument document(sample());
    document.setText(1, u"ab\u0141");
    const auto save = document.bytesToSave();
    EXPECT_FALSE(save.bytes);
    EXPECT_EQ(save.number, 1u);
    EXPECT_EQ(save.position, 2u);
    EXPECT_EQ(save.character, 0x0141);
}

}  // namespace
}  // namespace corvane
