#include "lsp/document_text.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

// The protocol's positions are lines and UTF-16 units; the engine's, byte offsets of one byte per
// character. (The decoding and the index themselves are tested with the text module.)
TEST(DocumentText, SpeaksInUtf16UnitsToTheClient) {
    const DocumentText document("\xEF\xBB\xBF\xF0\x9F\x98\x80x\r\n\xC3\xA9y");
    ASSERT_EQ(document.engineText(), " ?x\r\n\xE9y");
    EXPECT_EQ(document.PositionAt(2), (LinePosition{0, 3}));
    EXPECT_EQ(document.PositionAt(6), (LinePosition{1, 1}));
    EXPECT_EQ(document.OffsetAt({0, 3}), 2u);
    EXPECT_EQ(document.ClientTextOf("?x \xE9y"), "\xF0\x9F\x98\x80x \xC3\xA9y");
}

}  // namespace
}  // namespace corvane
