#pragma once

#include <string_view>

namespace zorvanta {

// The batch count a text of the count field stands for, read from its GBK bytes: full-width
// ASCII forms and the full-width space count as their ASCII twins; after leading white space
// the longest decimal prefix is read (sign, digits with at most one point, an exponent
// introduced by e, E, d or D). Without such a prefix the count is 0. The reading does not
// depend on the locale and knows no hexadecimal, infinity or NaN forms.
double parseBatchCount(std::string_view gbk);

}  // namespace zorvanta
