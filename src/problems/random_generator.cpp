#include "random_generator.h"

#include <algorithm>

namespace zorvanta {

namespace {

constexpr std::uint32_t multiplier = 214013;
constexpr std::uint32_t increment = 2531011;
constexpr std::int64_t maxSpan = 2147483646;

}  // namespace

std::int32_t RandomGenerator::randomInRange(std::int32_t low, std::int32_t high) {
    low = std::max(low, 0);
    high = std::max(high, 0);
    const auto [lo, hi] = std::minmax(low, high);
    if (lo == hi) {
        return lo;
    }
    const std::int64_t span = std::min<std::int64_t>(std::int64_t{hi} - lo, maxSpan);
    randomState = randomState * multiplier + increment;
    const std::int64_t r = (randomState >> 16) & 0x7FFF;
    return static_cast<std::int32_t>(lo + r % (span + 1));
}

}  // namespace zorvanta
