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

TEST(Placement, StoredRectangleStaysReachable) {
    const QSize area(1000, 700);
    const QSize minimum(200, 120);
    const struct {
        QRect wanted, expected;
    } cases[] = {
        {{10, 20, 400, 300}, {10, 20, 400, 300}},                      // as stored
        {{-100000, -5, 400, 300}, {-360, 0, 400, 300}},                // far left, above the area
        {{5000, 9000, 400, 300}, {960, 660, 400, 300}},                // beyond the right and bottom
        {{0, 0, 1, -50}, {0, 0, 200, 120}},                            // too small or negative
        {{0, 0, 1000000, 1000000}, {0, 0, 1000, 700}},                 // larger than the area
    };
    for (const auto& c : cases) EXPECT_EQ(reachablePlacement(c.wanted, area, minimum), c.expected) << c.wanted.x();
    EXPECT_EQ(reachablePlacement({5000, 9000, 1000000, 5}, QSize(), minimum), QRect(5000, 9000, 16384, 120));
    EXPECT_EQ(twipsToPixels(2147483647, 96), 1048576);  // no overflow from a hand-edited value
    EXPECT_EQ(pixelsToTwips(-2147483647, 1), -1048576);
}

}  // namespace
}  // namespace corvane
