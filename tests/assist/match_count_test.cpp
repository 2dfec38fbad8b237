#include "assist/match_count.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(MatchCountText, ThePlaceOfTheSelectedMatchElseHowManyThereAre) {
    const std::vector<std::size_t> three{19, 32, 39};
    const struct {
        std::vector<std::size_t> matches;
        std::size_t start, length, needle;
        bool wrapped;
        const char* shown;
    } cases[] = {
        {three, 19, 5, 5, false, "1 of 3"},    {three, 39, 5, 5, true, "3 of 3, from the top"},
        {three, 39, 4, 5, false, "3 matches"},                                        // part of a match selected
        {three, 20, 5, 5, false, "3 matches"}, {three, 40, 0, 5, true, "3 matches"},  // the caret past the last one
        {{7}, 0, 0, 5, false, "1 match"},      {{}, 0, 0, 5, false, "No matches"},
        {three, 19, 0, 0, false, ""},  // no search text
    };
    for (const auto& c : cases)
        EXPECT_EQ(MatchCountText(c.matches, c.start, c.length, c.needle, c.wrapped), c.shown) << c.start << c.shown;
}

}  // namespace
}  // namespace corvane
