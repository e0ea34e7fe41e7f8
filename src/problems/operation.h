#pragma once

#include <array>
#include <string_view>

namespace zorvanta {

// The four operations, in the order of their radio buttons "+", "-", "x", "÷".
enum class Operation { Add, Subtract, Multiply, Divide };

inline constexpr std::array<Operation, 4> allOperations{Operation::Add, Operation::Subtract,
                                                        Operation::Multiply, Operation::Divide};

// Operator texts are GBK bytes, three bytes each. The division sign is 0xA1 0xC2 and has
// no space in front of it.
constexpr std::string_view operatorText(Operation operation) {
    switch (operation) {
        case Operation::Add:
            return " + ";
        case Operation::Subtract:
            return " - ";
        case Operation::Multiply:
            return " X ";
        case Operation::Divide:
            return "\xA1\xC2 ";
    }
    return {};
}

}  // namespace zorvanta
