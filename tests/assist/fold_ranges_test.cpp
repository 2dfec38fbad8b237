#include "assist/fold_ranges.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

// Lines: 0 START_SCRIPT, 1 {, 2 EVERY, 3 {, 4 SET, 5 }, 6 IF's one-line block, 7 {, 8 }, 9 }, 10 ENDSCRIPT.
const std::string kText =
    "START_SCRIPT\n{\n\tEVERY %4\n\t{\n\t\tSET VAR_1 %1\n\t}\n\tIF = %1 %1 { }\n\t{\n\t}\n}\nENDSCRIPT";

TEST(FoldRanges, OnlyClosedBlocksWithALineBetweenTheirBraces) {
    const std::vector<FoldRange> ranges = FoldRanges(kText);
    EXPECT_EQ(ranges, (std::vector<FoldRange>{{13, 1, 9}, {26, 3, 5}}));
    EXPECT_EQ(FoldRanges("}\n{\n\n{\nx\n}"), (std::vector<FoldRange>{{5, 3, 5}}));  // a lone } and { fold nothing
    const std::pair<std::vector<std::size_t>, std::string> cases[] = {
        // folded at these offsets, the lines hidden
        {{}, "..........."},       {{26}, "....h......"},         {{13}, "..hhhhhhh.."},
        {{26, 13}, "..hhhhhhh.."}, {{58, 63, 14}, "..........."},  // where no range opens
    };
    for (const auto& [folded, hidden] : cases) {
        std::string shown;
        for (bool line : HiddenLines(ranges, folded, 11)) shown += line ? 'h' : '.';
        EXPECT_EQ(shown, hidden) << folded.size();
    }
    EXPECT_EQ(HiddenLines(ranges, {13}, 3), (std::vector<bool>{false, false, true}));  // no more lines than asked
}

}  // namespace
}  // namespace corvane
