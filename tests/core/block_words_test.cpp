#include "core/block_words.h"

#include <gtest/gtest.h>

#include <string_view>
#include <tuple>

namespace corvane {
namespace {

TEST(BlockWords, WordsInAnyLetterCaseAndTheCloserOfEachBlock) {
    const std::tuple<std::string_view, BlockWord, std::string_view> cases[] = {
        {"{", BlockWord::kOpenBrace, ""},
        {"}", BlockWord::kCloseBrace, ""},
        {"start_Script", BlockWord::kStartScript, "}SCRIPT"},
        {"Every", BlockWord::kEvery, "}EVERY"},
        {"if", BlockWord::kIf, "}IF"},
        {"ELSE", BlockWord::kElse, "}ELSE"},
        {"EndIf", BlockWord::kEndIf, ""},
    };
    for (const auto& [word, kind, closer] : cases) {
        EXPECT_EQ(BlockWordOf(word), kind) << word;
        EXPECT_EQ(BlockCloserOf(BlockWordOf(word)), closer) << word;
    }
    for (const std::string_view word : {"IFF", "}IF", "{{", "", "END_SCRIPT"}) {
        EXPECT_EQ(BlockWordOf(word), BlockWord::kNone) << word;
    }
    EXPECT_EQ(BlockCloserOf(BlockWord::kNone), "");
}

}  // namespace
}  // namespace corvane
