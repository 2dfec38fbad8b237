#include <gtest/gtest.h>

#include "core/number_reader.h"

namespace corvane {
namespace {

struct NumberCase {
    const char* text;
    std::optional<std::int32_t> value;  // nothing: out of range
};

class ReadScriptNumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ReadScriptNumberTest, ReadsThePrefixThatFitsAndRoundsHalfToEven) {
    EXPECT_EQ(ReadScriptNumber(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, ReadScriptNumberTest,
    ::testing::Values(NumberCase{"30", 30}, NumberCase{"-5", -5}, NumberCase{"+7", 7}, NumberCase{"12X", 12},
                      NumberCase{"ABC", 0}, NumberCase{"", 0}, NumberCase{"-", 0}, NumberCase{".", 0},
                      NumberCase{"2.5", 2}, NumberCase{"3.5", 4}, NumberCase{"-2.5", -2}, NumberCase{"0.5", 0},
                      NumberCase{"1.5", 2}, NumberCase{"2.51", 3}, NumberCase{".7", 1}, NumberCase{"5.", 5},
                      NumberCase{"1E3", 1000}, NumberCase{"1.5E1", 15}, NumberCase{"1E", 1}, NumberCase{"1E-", 1},
                      NumberCase{"25E-1", 2}, NumberCase{"1E+2", 100}, NumberCase{"&H10", 16},
                      NumberCase{"&HFF", 255}, NumberCase{"&H", 0}, NumberCase{"&O17", 15}, NumberCase{"&O9", 0},
                      NumberCase{"&Z", 0}, NumberCase{"&H1G", 1}, NumberCase{"0005", 5},
                      NumberCase{"0000000000000000000000001", 1}, NumberCase{"2147483647", 2147483647},
                      NumberCase{"-2147483648", -2147483647 - 1}, NumberCase{"2147483646.5", 2147483646},
                      NumberCase{"&H7FFFFFFF", 2147483647}, NumberCase{"&HFFFF", 65535}, NumberCase{"&O17", 15},
                      NumberCase{"1D2", 1}, NumberCase{"1E-400", 0}, NumberCase{"0E99999", 0},
                      NumberCase{"2147483648", std::nullopt}, NumberCase{"-2147483649", std::nullopt},
                      NumberCase{"2147483647.5", std::nullopt}, NumberCase{"99999999999999999999", std::nullopt},
                      NumberCase{"1E10", std::nullopt}, NumberCase{"1E400", std::nullopt},
                      NumberCase{"1E99999999999999999999", std::nullopt}, NumberCase{"&H80000000", std::nullopt},
                      NumberCase{"&HFFFFFFFFFFFFFFFFFFFF", std::nullopt}));

}  // namespace
}  // namespace corvane
