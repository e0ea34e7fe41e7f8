#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <ostream>
#include <string>

#include "generator_fixture.h"
#include "operand_bounds.h"
#include "problem_text.h"

namespace zorvanta {
namespace {

using testing::Generator;
using testing::GeneratorFixture;

struct FirstRowCase {
    const char* name;
    OperandBounds bounds;
    Operation operation;
    std::array<std::array<std::int32_t, 2>, 5> operands;

    friend void PrintTo(const FirstRowCase& c, std::ostream* os) { *os << c.name; }
};

class FirstRow : public GeneratorFixture, public ::testing::TestWithParam<FirstRowCase> {};

// The first row of a run depends only on the range and the operation.
TEST_P(FirstRow, HasTheOperandsOfAFreshRun) {
    const FirstRowCase& c = GetParam();
    generator.operandBounds = c.bounds;
    window.check(c.operation);
    generator.generateRow();

    ASSERT_EQ(window.appends.size(), 7u);
    for (std::size_t i = 0; i < 5; ++i) {
        const std::string expectedStart = std::to_string(c.operands[i][0]) +
                                          std::string(operatorText(c.operation)) +
                                          std::to_string(c.operands[i][1]);
        EXPECT_EQ(window.appends[i].substr(0, expectedStart.size()), expectedStart)
            << "problem " << i + 1;
        EXPECT_TRUE(window.appends[i].ends_with(answerBlank));
        EXPECT_EQ(window.appends[i].size(), problemTextLength);
    }
    EXPECT_EQ(window.appends[5], "\r\n");
    EXPECT_EQ(window.appends[6], "\r\n");
    EXPECT_EQ(window.text.size(), 94u);
    EXPECT_EQ(generator.firstOperand, c.operands[4][0]);
    EXPECT_EQ(generator.secondOperand, c.operands[4][1]);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FirstRow,
    ::testing::Values(FirstRowCase{"TwentyAdd",
                                   twentyRange,
                                   Operation::Add,
                                   {{{2, 8}, {15, 1}, {10, 5}, {19, 19}, {3, 5}}}},
                      FirstRowCase{"TwentySubtract",
                                   twentyRange,
                                   Operation::Subtract,
                                   {{{8, 2}, {15, 1}, {10, 5}, {19, 19}, {5, 3}}}},
                      FirstRowCase{"TwentyMultiply",
                                   twentyRange,
                                   Operation::Multiply,
                                   {{{2, 9}, {15, 5}, {10, 2}, {19, 1}, {3, 3}}}},
                      FirstRowCase{"TwentyDivide",
                                   twentyRange,
                                   Operation::Divide,
                                   {{{16, 2}, {2, 1}, {8, 1}, {15, 5}, {16, 2}}}},
                      FirstRowCase{"HundredAdd",
                                   hundredRange,
                                   Operation::Add,
                                   {{{42, 54}, {98, 68}, {63, 83}, {94, 55}, {35, 12}}}},
                      FirstRowCase{"HundredSubtract",
                                   hundredRange,
                                   Operation::Subtract,
                                   {{{54, 42}, {98, 68}, {83, 63}, {94, 55}, {35, 12}}}},
                      FirstRowCase{"HundredMultiply",
                                   hundredRange,
                                   Operation::Multiply,
                                   {{{42, 8}, {98, 1}, {63, 5}, {94, 19}, {35, 5}}}},
                      FirstRowCase{"HundredDivide",
                                   hundredRange,
                                   Operation::Divide,
                                   {{{64, 8}, {20, 10}, {152, 19}, {18, 6}, {64, 8}}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Generator, FirstTwentyAdditionRowIsExactly94Bytes) {
    generator.operandBounds = twentyRange;
    generator.generateRow();
    EXPECT_EQ(window.text,
              "2 + 8   = (    )  "
              "15 + 1  = (    )  "
              "10 + 5  = (    )  "
              "19 + 19 = (    )  "
              "3 + 5   = (    )  "
              "\r\n\r\n");
}

TEST_F(Generator, DivisionTextsCarryTheGbkDivisionSign) {
    generator.operandBounds = hundredRange;
    window.check(Operation::Divide);
    generator.generateRow();
    EXPECT_EQ(window.appends[0], "64\xA1\xC2 8  = (    )  ");
    EXPECT_EQ(window.appends[2], "152\xA1\xC2 19= (    )  ");
}

TEST_F(Generator, TwoRowsAreSeparatedByOneEmptyLine) {
    generator.operandBounds = twentyRange;
    generator.generateRow();
    generator.generateRow();
    ASSERT_EQ(window.text.size(), 188u);
    EXPECT_EQ(window.text.substr(90, 4), "\r\n\r\n");
    EXPECT_EQ(window.text.substr(184, 4), "\r\n\r\n");
    EXPECT_EQ(window.text.find('\n', 94), 185u);
}

// A division row takes fifteen draws, so an addition row after it starts at the sixteenth.
TEST_F(Generator, RowAfterADivisionRowStartsAtTheSixteenthDraw) {
    generator.operandBounds = twentyRange;
    window.check(Operation::Divide);
    generator.generateRow();
    window.check(Operation::Add);
    generator.generateRow();

    RandomGenerator reference;
    for (int i = 0; i < 15; ++i) {
        reference.randomInRange(1, 2);
    }
    const std::int32_t first = reference.randomInRange(1, 20);
    const std::int32_t second = reference.randomInRange(1, 20);
    EXPECT_TRUE(
        window.appends[7].starts_with(std::to_string(first) + " + " + std::to_string(second)));
}

TEST_F(Generator, RowReadsOnlyUpToTheFirstCheckedOperation) {
    generator.operandBounds = twentyRange;
    window.checks = {false, true, true, true};
    generator.generateRow();
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_NE(window.appends[i].find(" - "), std::string::npos) << window.appends[i];
    }
}

}  // namespace
}  // namespace zorvanta
