#pragma once

namespace zorvanta {

// The character classes the count field's text rules share, independent of the locale.
constexpr bool isAsciiSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

constexpr bool isAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace zorvanta
