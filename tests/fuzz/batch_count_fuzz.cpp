// libFuzzer target for the batch count reader: any bytes give a number, never NaN, and the
// reading stops at the first byte that cannot continue the number.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "batch_count.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double count = zorvanta::parseBatchCount(text);
    if (std::isnan(count)) {
        std::abort();
    }
    // A letter that no number contains ends the prefix: appending one changes nothing.
    if (zorvanta::parseBatchCount(std::string(text) + "z") != count) {
        std::abort();
    }
    return 0;
}
