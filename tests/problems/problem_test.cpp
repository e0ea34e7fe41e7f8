#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

#include "generator_fixture.h"
#include "operand_bounds.h"
#include "problem_text.h"

namespace zorvanta {
namespace {

using testing::GeneratorFixture;

struct BoundsCase {
    const char* name;
    OperandBounds bounds;
    Operation operation;
    std::int32_t firstMax;
    std::int32_t secondMax;

    friend void PrintTo(const BoundsCase& c, std::ostream* os) { *os << c.name; }
};

class ProblemBounds : public GeneratorFixture, public ::testing::TestWithParam<BoundsCase> {};

// Over many problems, every operand stays in its range, a difference is never negative, a
// quotient is whole and at most 9, and every text is 18 bytes.
TEST_P(ProblemBounds, OperandsStayInRangeAndTextsKeepTheirLength) {
    const BoundsCase& c = GetParam();
    generator.operandBounds = c.bounds;
    for (int i = 0; i < 5000; ++i) {
        generator.appendProblem(c.operation);
        const std::int32_t first = generator.firstOperand;
        const std::int32_t second = generator.secondOperand;
        ASSERT_GE(second, 1);
        ASSERT_LE(second, c.secondMax);
        ASSERT_GE(first, 1);
        ASSERT_LE(first, c.firstMax);
        if (c.operation == Operation::Subtract) {
            ASSERT_GE(first, second);
        }
        if (c.operation == Operation::Divide) {
            ASSERT_EQ(first % second, 0);
            ASSERT_LE(first / second, 9);
        }
        ASSERT_EQ(window.appends.back().size(), problemTextLength) << window.appends.back();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, ProblemBounds,
    ::testing::Values(BoundsCase{"TwentyAdd", twentyRange, Operation::Add, 20, 20},
                      BoundsCase{"TwentySubtract", twentyRange, Operation::Subtract, 20, 20},
                      BoundsCase{"TwentyMultiply", twentyRange, Operation::Multiply, 20, 9},
                      BoundsCase{"TwentyDivide", twentyRange, Operation::Divide, 81, 9},
                      BoundsCase{"HundredAdd", hundredRange, Operation::Add, 99, 99},
                      BoundsCase{"HundredSubtract", hundredRange, Operation::Subtract, 99, 99},
                      BoundsCase{"HundredMultiply", hundredRange, Operation::Multiply, 99, 20},
                      BoundsCase{"HundredDivide", hundredRange, Operation::Divide, 180, 20}),
    [](const auto& info) { return std::string(info.param.name); });

// Finds the generator state from which the next three draws of a hundred-range division are
// the given first draw, second draw and multiplier.
std::uint32_t stateBeforeDivisionDraws(std::int32_t first, std::int32_t second,
                                       std::int32_t multiplier) {
    RandomGenerator scan;
    for (int step = 0; step < 10'000'000; ++step) {
        RandomGenerator probe = scan;
        if (probe.randomInRange(1, 99) == first && probe.randomInRange(1, 20) == second &&
            probe.randomInRange(1, 9) == multiplier) {
            return scan.randomState;
        }
        scan.randomInRange(0, 1);
    }
    ADD_FAILURE() << "no such draws found";
    return 0;
}

struct DivisionCase {
    const char* name;
    std::int32_t firstDraw;
    std::int32_t secondDraw;

    friend void PrintTo(const DivisionCase& c, std::ostream* os) { *os << c.name; }
};

class ThreeDigitDividend : public GeneratorFixture,
                           public ::testing::TestWithParam<DivisionCase> {};

// 108 ÷ 12 whichever draw became the divisor: no pad between the divisor and the blank.
TEST_P(ThreeDigitDividend, HasNoPadBeforeTheBlank) {
    const DivisionCase& c = GetParam();
    generator.operandBounds = hundredRange;
    generator.random.randomState = stateBeforeDivisionDraws(c.firstDraw, c.secondDraw, 9);
    generator.appendProblem(Operation::Divide);
    EXPECT_EQ(window.text, "108\xA1\xC2 12= (    )  ");
}

INSTANTIATE_TEST_SUITE_P(Draws, ThreeDigitDividend,
                         ::testing::Values(DivisionCase{"DivisorFromFirstDraw", 12, 19},
                                           DivisionCase{"DivisorFromSecondDraw", 19, 12}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zorvanta
