#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

#include "problem_text.h"

namespace zorvanta {
namespace {

struct PadCase {
    const char* name;
    std::int32_t first;
    Operation operation;
    std::int32_t second;
    std::string pad;

    friend void PrintTo(const PadCase& c, std::ostream* os) { *os << c.name; }
};

class ChoosePad : public ::testing::TestWithParam<PadCase> {};

TEST_P(ChoosePad, PicksThePadThatFillsFiveBytes) {
    PadTexts pads;
    pads.create();
    const PadCase& c = GetParam();
    EXPECT_EQ(choosePad(pads, c.operation, c.first, c.second), c.pad);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ChoosePad,
    ::testing::Values(PadCase{"OneDigitEach", 9, Operation::Add, 9, "   "},
                      PadCase{"TwoDigitsFirst", 19, Operation::Subtract, 3, "  "},
                      PadCase{"TwoDigitsSecond", 3, Operation::Multiply, 12, "  "},
                      PadCase{"TwoDigitsEach", 99, Operation::Multiply, 20, " "},
                      PadCase{"DivideTwoDigitsFirst", 15, Operation::Divide, 5, "  "},
                      PadCase{"DivideTwoDigitsEach", 84, Operation::Divide, 12, " "},
                      PadCase{"DivideThreeDigitsOneDigit", 108, Operation::Divide, 9, " "},
                      PadCase{"DivideThreeDigitsTwoDigits", 180, Operation::Divide, 20, ""},
                      PadCase{"AddNeverGetsTheDividendRows", 100, Operation::Add, 9, "  "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PadTexts, ReleaseEmptiesAllFour) {
    PadTexts pads;
    pads.create();
    EXPECT_EQ(pads.padThree.size() + pads.padTwo.size() + pads.padOne.size(), 6u);
    pads.release();
    EXPECT_TRUE(pads.padThree.empty() && pads.padTwo.empty() && pads.padOne.empty() &&
                pads.padNone.empty());
}

}  // namespace
}  // namespace zorvanta
