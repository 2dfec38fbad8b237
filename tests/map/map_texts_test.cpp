#include "map/map_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace corvane {
namespace {

// What the user typed into a number field comes back readable, however long or strange.
TEST(MapTexts, NotAByteMessageShowsTheInputReadably) {
    EXPECT_EQ(NotAByteMessage("Marker X", "2x6"), "Marker X must be a whole number from 0 to 255, not \"2x6\". Nothing was changed.");
    EXPECT_EQ(NotAByteMessage("Marker Y", "\x1B[2J" + std::string(100, '9')),
              "Marker Y must be a whole number from 0 to 255, not \"\\x1B[2J" + std::string(56, '9') +
                  "... (104 characters)\". Nothing was changed.");
}

}  // namespace
}  // namespace corvane
