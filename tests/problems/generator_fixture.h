#pragma once

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "operation_checks.h"
#include "output_sink.h"
#include "problem_generator.h"

namespace zorvanta::testing {

// Stands in for the window: four check states that record every write, and an output box
// that records every append.
class FakeWindow : public OperationChecks, public OutputSink {
  public:
    bool isChecked(Operation operation) const override {
        return checks[static_cast<int>(operation)];
    }
    void setChecked(Operation operation, bool checked) override {
        checks[static_cast<int>(operation)] = checked;
        checkWrites.emplace_back(operation, checked);
    }
    void appendOutput(std::string_view piece) override {
        appends.emplace_back(piece);
        text += piece;
    }

    void check(Operation operation) {
        checks = {};
        checks[static_cast<int>(operation)] = true;
    }

    std::array<bool, 4> checks{true, false, false, false};
    std::vector<std::pair<Operation, bool>> checkWrites;
    std::vector<std::string> appends;
    std::string text;
};

// A fresh generator as right after start-up, with the pad texts created.
struct GeneratorFixture {
    GeneratorFixture() { pads.create(); }

    PadTexts pads;
    FakeWindow window;
    ProblemGenerator generator{window, window, pads};
};

class Generator : public GeneratorFixture, public ::testing::Test {};

}  // namespace zorvanta::testing
