#pragma once

#include <cstdint>

namespace zorvanta {

// The program's one pseudo-random generator: a 32-bit linear congruential generator that
// starts at 1 and is never reseeded, so a run's draws repeat after every fresh start.
class RandomGenerator {
  public:
    // A value from the smaller to the larger bound, both inclusive; negative bounds count
    // as 0. Equal bounds return that bound without advancing the generator.
    std::int32_t randomInRange(std::int32_t low, std::int32_t high);

    std::uint32_t randomState = 1;
};

}  // namespace zorvanta
