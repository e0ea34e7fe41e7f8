#pragma once

#include <cstdint>
#include <string_view>

#include "operation.h"
#include "pad_texts.h"

namespace zorvanta {

// Every problem ends with the blank the pupil writes the answer into.
inline constexpr std::string_view answerBlank = "= (    )  ";
inline constexpr std::string_view lineEnd = "\r\n";

// Every problem text that the generators build is this long: the operands and their pad
// take five bytes, the operator three and the blank ten.
inline constexpr std::size_t problemTextLength = 18;

// The pad that brings the digits of both operands and the pad to five bytes. Dividends of
// three digits arise only in division.
const std::string& choosePad(const PadTexts& pads, Operation operation, std::int32_t first,
                             std::int32_t second);

}  // namespace zorvanta
