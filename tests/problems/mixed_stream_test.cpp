#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "generator_fixture.h"
#include "operand_bounds.h"

namespace zorvanta {
namespace {

using testing::Generator;

// Five clicks of "随机混合出题" right after choosing the twenty range.
TEST_F(Generator, FirstFiveMixedProblemsOfARun) {
    generator.operandBounds = twentyRange;
    const std::array<Operation, 5> expectedChecks{Operation::Subtract, Operation::Add,
                                                  Operation::Multiply, Operation::Add,
                                                  Operation::Subtract};
    for (const Operation expected : expectedChecks) {
        generator.pickRandomOperation();
        EXPECT_EQ(checkedOperation(window), expected);
        EXPECT_EQ(std::count(window.checks.begin(), window.checks.end(), true), 1);
        generator.generateMixedProblem();
    }
    EXPECT_EQ(window.appends, (std::vector<std::string>{"15 - 8  = (    )  ", "10 + 5  = (    )  ",
                                                        "19 X 8  = (    )  ", "6 + 6   = (    )  ",
                                                        "8 - 2   = (    )  ", "\r\n", "\r\n"}));
    EXPECT_EQ(window.text.size(), 94u);
    EXPECT_EQ(generator.mixedRowFill, 0);
}

// The drawn operation is checked first, then the other three are unchecked in a fixed order.
TEST_F(Generator, PickerWritesTheCheckStatesInItsOrder) {
    using Writes = std::vector<std::pair<Operation, bool>>;
    const std::array<Writes, 4> expected{{
        {{Operation::Add, true},
         {Operation::Subtract, false},
         {Operation::Multiply, false},
         {Operation::Divide, false}},
        {{Operation::Subtract, true},
         {Operation::Add, false},
         {Operation::Multiply, false},
         {Operation::Divide, false}},
        {{Operation::Multiply, true},
         {Operation::Subtract, false},
         {Operation::Add, false},
         {Operation::Divide, false}},
        {{Operation::Divide, true},
         {Operation::Subtract, false},
         {Operation::Multiply, false},
         {Operation::Add, false}},
    }};
    std::array<bool, 4> seen{};
    for (int pick = 0; pick < 40; ++pick) {
        RandomGenerator next = generator.random;
        const int drawn = next.randomInRange(1, 4);
        window.checkWrites.clear();
        generator.pickRandomOperation();
        EXPECT_EQ(window.checkWrites, expected[drawn - 1]) << "drawn " << drawn;
        seen[drawn - 1] = true;
    }
    EXPECT_EQ(seen, (std::array<bool, 4>{true, true, true, true}));
}

// Two mixed problems, a row, three more: the row continues the mixed line, and the line of
// the three later problems closes after the third.
TEST_F(Generator, RowInsideAnOpenMixedRowLeavesTheCountAlone) {
    generator.operandBounds = twentyRange;
    generator.generateMixedProblem();
    generator.generateMixedProblem();
    generator.generateRow();
    EXPECT_EQ(generator.mixedRowFill, 2);
    for (int i = 0; i < 3; ++i) {
        generator.generateMixedProblem();
    }
    ASSERT_EQ(window.appends.size(), 14u);
    std::vector<std::size_t> lineEnds;
    for (std::size_t i = 0; i < window.appends.size(); ++i) {
        if (window.appends[i] == "\r\n") {
            lineEnds.push_back(i);
        }
    }
    EXPECT_EQ(lineEnds, (std::vector<std::size_t>{7, 8, 12, 13}));
    EXPECT_EQ(generator.mixedRowFill, 0);
}

TEST_F(Generator, SixthMixedProblemStartsTheNextRow) {
    generator.operandBounds = hundredRange;
    for (int i = 0; i < 6; ++i) {
        generator.generateMixedProblem();
    }
    ASSERT_EQ(window.appends.size(), 8u);
    EXPECT_EQ(window.appends[5], "\r\n");
    EXPECT_EQ(window.appends[6], "\r\n");
    EXPECT_EQ(window.appends[7].size(), 18u);
    EXPECT_EQ(generator.mixedRowFill, 1);
}

}  // namespace
}  // namespace zorvanta
