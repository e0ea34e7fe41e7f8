#include "problem_generator.h"

#include <array>
#include <charconv>
#include <cstring>
#include <string_view>
#include <utility>

#include "problem_text.h"

namespace zorvanta {

namespace {

constexpr std::int32_t problemsPerRow = 5;
constexpr std::int32_t maxMultiplier = 9;

// Room for two operands of any 32-bit value, the longest pad and the fixed pieces.
using ProblemBuffer = std::array<char, 64>;

char* appendText(char* out, std::string_view text) {
    std::memcpy(out, text.data(), text.size());
    return out + text.size();
}

char* appendNumber(char* out, std::int32_t value) {
    return std::to_chars(out, out + 11, value).ptr;
}

// The order in which the picker writes the check states for each drawn operation: the drawn
// one is checked first, then the other three are unchecked in this order.
struct CheckWrites {
    Operation checked;
    std::array<Operation, 3> unchecked;
};

constexpr std::array<CheckWrites, 4> pickerWrites{{
    {Operation::Add, {Operation::Subtract, Operation::Multiply, Operation::Divide}},
    {Operation::Subtract, {Operation::Add, Operation::Multiply, Operation::Divide}},
    {Operation::Multiply, {Operation::Subtract, Operation::Add, Operation::Divide}},
    {Operation::Divide, {Operation::Subtract, Operation::Multiply, Operation::Add}},
}};

}  // namespace

ProblemGenerator::ProblemGenerator(OperationChecks& checks, OutputSink& output,
                                   const PadTexts& pads)
    : checks_(checks), output_(output), pads_(pads) {}

void ProblemGenerator::drawOperands(Operation operation) {
    switch (operation) {
        case Operation::Add:
            firstOperand = random.randomInRange(1, operandBounds.addSubMax);
            secondOperand = random.randomInRange(1, operandBounds.addSubMax);
            break;
        case Operation::Subtract:
            firstOperand = random.randomInRange(1, operandBounds.addSubMax);
            secondOperand = random.randomInRange(1, operandBounds.addSubMax);
            if (secondOperand > firstOperand) {
                std::swap(firstOperand, secondOperand);
            }
            break;
        case Operation::Multiply:
            firstOperand = random.randomInRange(1, operandBounds.mulDivFirstMax);
            secondOperand = random.randomInRange(1, operandBounds.mulDivSecondMax);
            break;
        case Operation::Divide: {
            firstOperand = random.randomInRange(1, operandBounds.mulDivFirstMax);
            secondOperand = random.randomInRange(1, operandBounds.mulDivSecondMax);
            if (secondOperand > firstOperand) {
                secondOperand = firstOperand;
            }
            const std::int32_t multiplier = random.randomInRange(1, maxMultiplier);
            // The dividend is the divisor times a whole quotient, so the quotient is exact.
            firstOperand =
                static_cast<std::int32_t>(static_cast<double>(secondOperand) * multiplier);
            break;
        }
    }
}

void ProblemGenerator::appendProblem(Operation operation) {
    drawOperands(operation);
    ProblemBuffer buffer;
    char* end = appendNumber(buffer.data(), firstOperand);
    end = appendText(end, operatorText(operation));
    end = appendNumber(end, secondOperand);
    end = appendText(end, choosePad(pads_, operation, firstOperand, secondOperand));
    end = appendText(end, answerBlank);
    output_.appendOutput(std::string_view(buffer.data(), end - buffer.data()));
}

void ProblemGenerator::rowEnd() {
    output_.appendOutput(lineEnd);
    output_.appendOutput(lineEnd);
}

void ProblemGenerator::generateRow() {
    const Operation operation = checkedOperation(checks_);
    for (std::int32_t i = 0; i < problemsPerRow; ++i) {
        appendProblem(operation);
    }
    rowEnd();
}

void ProblemGenerator::pickRandomOperation() {
    const std::int32_t drawn =
        random.randomInRange(1, static_cast<std::int32_t>(pickerWrites.size()));
    const CheckWrites& writes = pickerWrites[drawn - 1];
    checks_.setChecked(writes.checked, true);
    for (const Operation operation : writes.unchecked) {
        checks_.setChecked(operation, false);
    }
}

void ProblemGenerator::generateMixedProblem() {
    appendProblem(checkedOperation(checks_));
    ++mixedRowFill;
    if (mixedRowFill == problemsPerRow) {
        rowEnd();
        mixedRowFill = 0;
    }
}

}  // namespace zorvanta
