#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <string>

#include "batch_count.h"
#include "count_rewrite.h"

namespace zorvanta {
namespace {

struct CountCase {
    const char* name;
    std::string gbk;
    double count;

    friend void PrintTo(const CountCase& c, std::ostream* os) { *os << c.name; }
};

class BatchCount : public ::testing::TestWithParam<CountCase> {};

TEST_P(BatchCount, ReadsTheLongestDecimalPrefix) {
    EXPECT_DOUBLE_EQ(parseBatchCount(GetParam().gbk), GetParam().count);
}

// "输入出题数量" in GBK.
const std::string countPrompt = "\xCA\xE4\xC8\xEB\xB3\xF6\xCC\xE2\xCA\xFD\xC1\xBF";

INSTANTIATE_TEST_SUITE_P(
    Table, BatchCount,
    ::testing::Values(
        CountCase{"Prompt", countPrompt, 0}, CountCase{"Empty", "", 0},
        CountCase{"Whole", "12", 12}, CountCase{"Negative", "-3", -3},
        CountCase{"MinusInside", "1-2", 1}, CountCase{"LoneMinus", "-", 0},
        CountCase{"Fraction", "3.5", 3.5}, CountCase{"LeadingSpace", " 7", 7},
        CountCase{"TrailingLetters", "7abc", 7}, CountCase{"FullWidthSeven", "\xA3\xB7", 7},
        CountCase{"FullWidthTwelveAfterFullWidthSpace", "\xA1\xA1\xA3\xB1\xA3\xB2", 12},
        CountCase{"FullWidthSign", "\xA3\xAD\xA3\xB4", -4}, CountCase{"Exponent", "1e1", 10},
        CountCase{"ExponentD", "2d0", 2}, CountCase{"ExponentCapitalD", "3D1", 30},
        CountCase{"NegativeExponent", "25e-1", 2.5}, CountCase{"ExponentWithoutDigits", "4e", 4},
        CountCase{"ExponentSignWithoutDigits", "4e+x", 4}, CountCase{"LeadingPoint", ".5", 0.5},
        CountCase{"TrailingPoint", "6.", 6}, CountCase{"SecondPointEnds", "1.2.3", 1.2},
        CountCase{"PlusSign", "+4", 4}, CountCase{"NoHexadecimal", "0x10", 0},
        CountCase{"NoInfinity", "inf", 0}, CountCase{"NoNan", "nan", 0},
        CountCase{"LonePoint", ".", 0}, CountCase{"ExponentAlone", "e5", 0},
        CountCase{"SignThenPoint", "-.", 0}, CountCase{"TabsAndLineEnds", "\t\r\n 8", 8},
        CountCase{"OtherDoubleByteFirst",
                  "\xCA\xE4"
                  "5",
                  0},
        CountCase{"Underflow", "1e-999", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BatchCount, OverflowIsInfinite) {
    EXPECT_EQ(parseBatchCount("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(parseBatchCount("-1e999"), -std::numeric_limits<double>::infinity());
}

// A lead byte at the very end has no second byte; it stays a byte of its own.
TEST(BatchCount, LoneLeadByteAtTheEnd) {
    EXPECT_EQ(parseBatchCount("9\xA3"), 9);
}

struct RewriteCase {
    const char* name;
    std::string text;
    std::string rewritten;

    friend void PrintTo(const RewriteCase& c, std::ostream* os) { *os << c.name; }
};

class IntegerRewrite : public ::testing::TestWithParam<RewriteCase> {};

TEST_P(IntegerRewrite, GivesTheClampedIntegerOrNothing) {
    EXPECT_EQ(rewriteAsInteger(GetParam().text), GetParam().rewritten);
}

INSTANTIATE_TEST_SUITE_P(
    Table, IntegerRewrite,
    ::testing::Values(RewriteCase{"LeadingZeros", "0012", "12"},
                      RewriteCase{"NegativeZero", "-0", ""}, RewriteCase{"Zero", "000", ""},
                      RewriteCase{"Fraction", "3.5", "3"}, RewriteCase{"Minus", "-", ""},
                      RewriteCase{"Empty", "", ""}, RewriteCase{"LeadingSpace", "  7", "7"},
                      RewriteCase{"TrailingLetters", "12a", "12"},
                      RewriteCase{"PlusSign", "+5", "5"}, RewriteCase{"Negative", "-42", "-42"},
                      RewriteCase{"MinusInside", "1-2", "1"},
                      RewriteCase{"NoDigitsFirst", "abc12", ""},
                      RewriteCase{"FullWidthDigits", "\xEF\xBC\x91\xEF\xBC\x92", ""},
                      RewriteCase{"LargestInt", "2147483647", "2147483647"},
                      RewriteCase{"AboveLargest", "2147483648", "2147483647"},
                      RewriteCase{"SmallestInt", "-2147483648", "-2147483648"},
                      RewriteCase{"BelowSmallest", "-2147483649", "-2147483648"},
                      RewriteCase{"TwentyDigits", "99999999999999999999", "2147483647"},
                      RewriteCase{"NegativeTwentyDigits", "-99999999999999999999", "-2147483648"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zorvanta
