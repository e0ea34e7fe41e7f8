#include "count_rewrite.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "ascii_chars.h"

namespace zorvanta {

namespace {

constexpr std::int64_t int32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t int32Max = std::numeric_limits<std::int32_t>::max();

}  // namespace

std::string rewriteAsInteger(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && isAsciiSpace(text[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos++] == '-';
    }
    // Magnitudes beyond the 32-bit range saturate; the clamp below then bounds them.
    std::int64_t magnitude = 0;
    for (; pos < text.size() && isAsciiDigit(text[pos]); ++pos) {
        magnitude = std::min<std::int64_t>(magnitude * 10 + (text[pos] - '0'), int32Max + 1);
    }
    const std::int64_t value = std::clamp(negative ? -magnitude : magnitude, int32Min, int32Max);
    return value == 0 ? std::string() : std::to_string(value);
}

}  // namespace zorvanta
