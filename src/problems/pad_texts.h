#pragma once

#include <string>

namespace zorvanta {

// The four runs of spaces that keep the answer blanks of a row in fixed columns. They are
// created with the main window and released once the program's event loop has ended.
struct PadTexts {
    std::string padThree;
    std::string padTwo;
    std::string padOne;
    std::string padNone;

    void create();
    void release();
};

}  // namespace zorvanta
