// Prints, as GBK bytes, the sheet that a sequence of commands gives right after the program
// starts, computed by the problem generator alone. The end-to-end tests compare the files
// the real program saves with it. Commands:
//   range20 range100            the range buttons
//   add subtract multiply divide  the operation buttons
//   row random-row mixed        "单算出题", "随机出题", "随机混合出题"
//   rows=N random-rows=N mixed=N  a batch of N steps of each kind
#include <array>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>

#include "operand_bounds.h"
#include "problem_generator.h"

using namespace zorvanta;

namespace {

class Sheet : public OperationChecks, public OutputSink {
  public:
    bool isChecked(Operation operation) const override {
        return checks[static_cast<std::size_t>(operation)];
    }
    void setChecked(Operation operation, bool checked) override {
        checks[static_cast<std::size_t>(operation)] = checked;
    }
    void appendOutput(std::string_view piece) override { text += piece; }

    std::array<bool, 4> checks{true, false, false, false};
    std::string text;
};

void repeat(const std::string& command, std::string_view name, const auto& step) {
    const int count = std::stoi(command.substr(name.size() + 1));
    for (int i = 0; i < count; ++i) {
        step();
    }
}

}  // namespace

int main(int argc, char** argv) {
    PadTexts pads;
    pads.create();
    Sheet sheet;
    ProblemGenerator generator(sheet, sheet, pads);
    const auto mixed = [&] {
        generator.pickRandomOperation();
        generator.generateMixedProblem();
    };
    const auto randomRow = [&] {
        generator.pickRandomOperation();
        generator.generateRow();
    };
    const std::array<std::pair<std::string_view, Operation>, 4> operations{
        {{"add", Operation::Add},
         {"subtract", Operation::Subtract},
         {"multiply", Operation::Multiply},
         {"divide", Operation::Divide}}};
    for (int i = 1; i < argc; ++i) {
        const std::string command = argv[i];
        bool known = true;
        if (command == "range20") {
            generator.operandBounds = twentyRange;
        } else if (command == "range100") {
            generator.operandBounds = hundredRange;
        } else if (command == "row") {
            generator.generateRow();
        } else if (command == "random-row") {
            randomRow();
        } else if (command == "mixed") {
            mixed();
        } else if (command.starts_with("rows=")) {
            repeat(command, "rows", [&] { generator.generateRow(); });
        } else if (command.starts_with("random-rows=")) {
            repeat(command, "random-rows", randomRow);
        } else if (command.starts_with("mixed=")) {
            repeat(command, "mixed", mixed);
        } else {
            known = false;
            for (const auto& [name, operation] : operations) {
                if (command == name) {
                    sheet.checks = {};
                    sheet.setChecked(operation, true);
                    known = true;
                }
            }
        }
        if (!known) {
            std::cerr << "unknown command: " << command << '\n';
            return 2;
        }
    }
    std::fwrite(sheet.text.data(), 1, sheet.text.size(), stdout);
    return 0;
}
