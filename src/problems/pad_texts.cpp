#include "pad_texts.h"

namespace zorvanta {

void PadTexts::create() {
    padOne = " ";
    padTwo = "  ";
    padThree = "   ";
    padNone = "";
}

void PadTexts::release() {
    for (std::string* pad : {&padThree, &padTwo, &padOne, &padNone}) {
        std::string().swap(*pad);
    }
}

}  // namespace zorvanta
