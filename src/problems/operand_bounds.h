#pragma once

#include <cstdint>

namespace zorvanta {

// Inclusive upper bounds of the operand draws; every draw starts at 1.
struct OperandBounds {
    std::int32_t addSubMax = 0;
    std::int32_t mulDivFirstMax = 0;
    std::int32_t mulDivSecondMax = 0;

    friend bool operator==(const OperandBounds&, const OperandBounds&) = default;
};

// "20以内的计算题" and "100以内的计算题": the hundred range stops at 99.
inline constexpr OperandBounds twentyRange{20, 20, 9};
inline constexpr OperandBounds hundredRange{99, 99, 20};

}  // namespace zorvanta
