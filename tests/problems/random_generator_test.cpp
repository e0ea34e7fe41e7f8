#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "random_generator.h"

namespace zorvanta {
namespace {

std::vector<std::int32_t> draws(RandomGenerator& random, int count, std::int32_t low,
                                std::int32_t high) {
    std::vector<std::int32_t> values;
    for (int i = 0; i < count; ++i) {
        values.push_back(random.randomInRange(low, high));
    }
    return values;
}

TEST(RandomGenerator, FirstRawOutputsOfAFreshGenerator) {
    RandomGenerator random;
    EXPECT_EQ(draws(random, 4, 0, 32767), (std::vector<std::int32_t>{41, 18467, 6334, 26500}));
}

TEST(RandomGenerator, FreshDrawsFromOneToTwenty) {
    RandomGenerator random;
    EXPECT_EQ(draws(random, 10, 1, 20),
              (std::vector<std::int32_t>{2, 8, 15, 1, 10, 5, 19, 19, 3, 5}));
}

TEST(RandomGenerator, BoundsInEitherOrderGiveTheSameSequence) {
    RandomGenerator forward;
    RandomGenerator reversed;
    EXPECT_EQ(draws(forward, 50, 1, 20), draws(reversed, 50, 20, 1));
}

TEST(RandomGenerator, EqualBoundsReturnTheBoundWithoutAdvancing) {
    RandomGenerator random;
    EXPECT_EQ(random.randomInRange(1, 1), 1);
    EXPECT_EQ(random.randomInRange(-3, -7), 0);
    EXPECT_EQ(random.randomState, 1u);
    EXPECT_EQ(random.randomInRange(1, 20), 2);
}

TEST(RandomGenerator, NegativeBoundCountsAsZero) {
    RandomGenerator withNegative;
    RandomGenerator withZero;
    EXPECT_EQ(draws(withNegative, 50, -9, 1), draws(withZero, 50, 0, 1));
    for (const std::int32_t value : draws(withNegative, 200, -9, 1)) {
        EXPECT_TRUE(value == 0 || value == 1) << value;
    }
}

TEST(RandomGenerator, LowerBoundAboveUpperDrawsFromTheSmallerOne) {
    RandomGenerator random;
    // Outputs 41 and 18467: 41 % 2 and 18467 % 2.
    EXPECT_EQ(draws(random, 2, 1, 0), (std::vector<std::int32_t>{1, 1}));
}

TEST(RandomGenerator, WidestSpanIsCappedWithoutOverflow) {
    RandomGenerator random;
    constexpr auto max = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(random.randomInRange(0, max), 41);
    EXPECT_EQ(random.randomInRange(max, 1), 1 + 18467);
}

}  // namespace
}  // namespace zorvanta
