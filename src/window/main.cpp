#include "startup.h"

int main(int argc, char** argv) {
    return zorvanta::startProgram(argc, argv);
}
