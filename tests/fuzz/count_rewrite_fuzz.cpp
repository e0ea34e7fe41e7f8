// libFuzzer target for the count field's integer rewrite: any text gives an empty text or
// the decimal form of a 32-bit integer, and rewriting that again changes nothing.
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

#include "count_rewrite.h"

namespace {

bool isCanonicalInt32(const std::string& text) {
    if (text.empty()) {
        return true;
    }
    const std::size_t digits = text[0] == '-' ? 1 : 0;
    if (digits == text.size() || text[digits] == '0') {
        return false;
    }
    for (std::size_t i = digits; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return false;
        }
    }
    errno = 0;
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    return errno == 0 && value >= std::numeric_limits<std::int32_t>::min() &&
           value <= std::numeric_limits<std::int32_t>::max();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string rewritten = zorvanta::rewriteAsInteger(text);
    if (!isCanonicalInt32(rewritten) || zorvanta::rewriteAsInteger(rewritten) != rewritten) {
        std::abort();
    }
    return 0;
}
