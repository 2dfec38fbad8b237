#include "core/number_reader.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(ReadScriptNumber, ReadsThePrefixThatFitsAndRoundsHalfToEven) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {"30", 30},
        {"-5", -5},
        {"+7", 7},
        {"12X", 12},
        {"2.5", 2},
        {"3.5", 4},
        {"-2.5", -2},
        {"2.51", 3},
        {".7", 1},
        {"5.", 5},
        {"1E3", 1000},
        {"1.5E1", 15},
        {"1E", 1},
        {"1E-", 1},
        {"25E-1", 2},
        {"1E+2", 100},
        {"&H10", 16},
        {"&O17", 15},
        {"&H1G", 1},
        {"0005", 5},
        {"0000000000000000000000001", 1},
        {"1D2", 1},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483646.5", 2147483646},
        {"&H7FFFFFFF", 2147483647},
        {"&HFFFF", 65535},
        {"1E-400", 0},
        {"0E99999", 0},
        // exact decimal values, which a double would round wrongly
        {"1.49999999999999999", 1},
        {"2.5000000000000001", 3},
        {"2147483646.50000001", 2147483647},
        {"-2.50000000000000000000001", -3},
        {"0.05E1", 0},
        {"0.15E1", 2},
        {"25000000000000000001E-19", 3},
        {"-2147483648.4999999999999", -2147483647 - 1},
        {"-2147483648.5", -2147483647 - 1},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(ReadScriptNumber(text), value) << text;
    // Nothing read: no digits, or none of the number's base.
    for (const char* text : {"ABC", "", "-", ".", "&H", "&O9", "&Z"}) {
        EXPECT_EQ(ReadScriptNumber(text), 0) << text;
    }
    // Out of range.
    for (const char* text :
         {"2147483648", "-2147483649", "2147483647.5", "99999999999999999999", "1E10", "1E400",
          "1E99999999999999999999", "&H80000000", "&HFFFFFFFFFFFFFFFFFFFF", "-2147483648.50001", "0.000001E16"}) {
        EXPECT_EQ(ReadScriptNumber(text), std::nullopt) << text;
    }
}

// What the reader stops before is what a warning says is not read.
TEST(ScriptNumberLength, CountsTheCharactersTheReaderTakes) {
    const std::pair<const char*, std::size_t> cases[] = {
        {"30", 2},  {"12X", 2},   {"ABC", 0},  {"", 0},   {"-", 0},  {".", 0},   {"5.", 2},      {".7", 2},  {"1E", 1},
        {"1E-", 1}, {"1E+2x", 4}, {"&H1G", 3}, {"&H", 2}, {"&Z", 0}, {"&O9", 2}, {"-2.5e1Q", 6}, {"1D2", 1},
    };
    for (const auto& [text, length] : cases) EXPECT_EQ(ScriptNumberLength(text), length) << text;
}

}  // namespace
}  // namespace corvane
