#pragma once

#include <string>
#include <string_view>

namespace zorvanta {

// The text the count field shows once it loses the focus: the decimal form of its integer
// value. Leading white space is skipped, an optional sign and the digits after it are read,
// the rest is ignored, and the value is clamped to the 32-bit range; 0, or no digits at the
// start, gives an empty text.
std::string rewriteAsInteger(std::string_view text);

}  // namespace zorvanta
