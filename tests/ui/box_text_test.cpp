#include "ui/box_text.h"

#include <gtest/gtest.h>

#include "ui/placement.h"

namespace corvane {
namespace {

TEST(BoxText, OneBytePerQCharSoPositionsMatch) {
    const QString text = QStringLiteral("\u00e9\u20ac\U0001F600\nX");
    const std::string bytes = engineBytesFromBoxText(text);
    ASSERT_EQ(bytes.size(), static_cast<std::size_t>(text.size()));
    EXPECT_EQ(bytes, std::string("\xe9????\nX").erase(1, 1));
}

TEST(BoxText, EngineTextLosesItsCarriageReturns) {
    EXPECT_EQ(boxTextFromEngine("A \r\n\tB\rC\xe9"), QStringLiteral("A \n\tB\nC\u00e9"));
    EXPECT_EQ(messageFromEngine("a\r\nb"), QStringLiteral("a\r\nb"));
}

TEST(Placement, TwipsRoundTripAtCommonResolutions) {
    for (int dpi : {72, 96, 120, 144, 192}) {
        for (int twips : {0, 15, 1440, 1575, 9000}) {
            const int pixels = twipsToPixels(twips, dpi);
            EXPECT_NEAR(pixelsToTwips(pixels, dpi), twips, 1440 / dpi) << dpi << " " << twips;
        }
    }
    EXPECT_EQ(twipsToPixels(1440, 96), 96);
    EXPECT_EQ(pixelsToTwips(105, 96), 1575);
}

}  // namespace
}  // namespace corvane
