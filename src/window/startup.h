#pragma once

#include "pad_texts.h"

namespace zorvanta {

// Starts the program: creates the main window, runs the event loop until no window is left,
// then runs the exit routine once. Returns the process's exit code, 0.
int startProgram(int argc, char** argv);

// The exit routine.
void releasePadTexts(PadTexts& pads);

}  // namespace zorvanta
