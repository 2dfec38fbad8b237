#include "text/text_index.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace corvane {
namespace {

// What the index must agree with: walk the text from its start.
TextPosition WalkTo(std::string_view text, const std::vector<std::size_t>& wide, std::size_t offset) {
    TextPosition at;
    for (std::size_t i = 0; i < offset && i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) {
            at = {at.line + 1, 0, 0};
        } else {
            ++at.column;
            at.utf16 += std::find(wide.begin(), wide.end(), i) != wide.end() ? 2 : 1;
        }
    }
    return at;
}

// Every position inside the text is the walk's test below; these are the ones it never asks for.
TEST(TextIndex, ClampsOutsideTheTextAndInsideAWideCharacter) {
    // Line 0: "a" "b" "c" CR LF; line 1: TAB, a wide character, "c" LF; line 2: "d" CR; line 3: wide, "e".
    const TextIndex index("abc\r\n\t?c\nd\r?e", {6, 11});
    EXPECT_EQ(index.OffsetAt(1, 2), 7u);   // inside the wide character: the offset after it
    EXPECT_EQ(index.OffsetAt(0, 99), 3u);  // the end of the line, before its CR LF
    EXPECT_EQ(index.OffsetAt(0, SIZE_MAX), 3u);
    EXPECT_EQ(index.OffsetAt(7, 0), 13u);
    EXPECT_EQ(index.PositionAt(99), (TextPosition{3, 2, 3}));
    EXPECT_EQ(TextIndex("x\n").PositionAt(2), (TextPosition{1, 0, 0}));
}

TEST(TextIndex, AgreesWithAWalkFromTheStartOnMixedTexts) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        std::string text;
        std::vector<std::size_t> wide;
        for (int i = 0; i < 40; ++i) {
            const auto pick = random() % 8;
            if (pick == 0) text += '\n';
            if (pick == 1) text += '\r';
            if (pick == 2) wide.push_back(text.size());
            text += pick < 2 ? "" : "x";
        }
        const TextIndex index(text, wide);
        for (std::size_t offset = 0; offset <= text.size(); ++offset) {
            const TextPosition expected = WalkTo(text, wide, offset);
            ASSERT_EQ(index.PositionAt(offset), expected) << text << " at " << offset;
            const bool insideCrLf =
                offset > 0 && text[offset - 1] == '\r' && offset < text.size() && text[offset] == '\n';
            if (!insideCrLf) {
                ASSERT_EQ(index.OffsetAt(expected.line, expected.utf16), offset) << text << " at " << offset;
            }
        }
    }
}

}  // namespace
}  // namespace corvane
