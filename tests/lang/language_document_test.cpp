#include "lang/language_document.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

LanguageFile sample() { return LanguageFile{{std::u16string{0x20AC}, std::u16string{u'a', 0x0141}, u"x"}, "\x01"}; }

TEST(LanguageDocument, UneditedStringsKeepTheirUnitsEvenWhereTheyAreNotCodes) {
    LanguageDocument document(sample());
    ASSERT_EQ(document.count(), 3u);
    EXPECT_EQ(document.text(1), (std::u16string{u'a', 0x0141}));
    document.setText(2, u"y");
    const auto save = document.bytesToSave();
    ASSERT_TRUE(save.bytes);
    EXPECT_EQ(*save.bytes, std::string("\xAC\x20\0\0a\0\x41\x01\0\0y\0\0\0\x01", 15));
}

TEST(LanguageDocument, TextEditedBackToTheFileKeepsTheOriginalUnits) {
    LanguageDocument document(sample());
    document.setText(0, u"changed");
    document.setText(0, std::u16string{0x20AC});  // shows as the euro sign, stored as unit 0x20AC
    document.setText(1, std::u16string{u'a', 0x0141});
    const auto save = document.bytesToSave();
    ASSERT_TRUE(save.bytes);
    EXPECT_EQ(*save.bytes, WriteLanguageFile(sample()));
}

TEST(LanguageDocument, EditedStringsAreStoredAsWindows1252Codes) {
    LanguageDocument document(sample());
    document.setText(0, u"\u20ac\u00e9");
    const auto save = document.bytesToSave();
    ASSERT_TRUE(save.bytes);
    EXPECT_EQ(save.bytes->substr(0, 6), std::string("\x80\0\xE9\0\0\0", 6));
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
