#include "problem_text.h"

namespace zorvanta {

const std::string& choosePad(const PadTexts& pads, Operation operation, std::int32_t first,
                             std::int32_t second) {
    const bool threeDigitDividend = operation == Operation::Divide && first >= 100;
    if (threeDigitDividend) {
        return second < 10 ? pads.padOne : pads.padNone;
    }
    const bool firstSmall = first < 10;
    const bool secondSmall = second < 10;
    if (firstSmall && secondSmall) {
        return pads.padThree;
    }
    if (firstSmall || secondSmall) {
        return pads.padTwo;
    }
    return pads.padOne;
}

}  // namespace zorvanta
