#pragma once

#include <cstdint>

#include "operand_bounds.h"
#include "operation.h"
#include "operation_checks.h"
#include "output_sink.h"
#include "pad_texts.h"
#include "random_generator.h"

namespace zorvanta {

// Builds drill problems and appends their texts to an output sink: single problems, rows of
// five of one operation, and the mixed stream of one problem at a time, five to a row. The
// operation comes from the check states; the random operation picker writes them.
class ProblemGenerator {
  public:
    ProblemGenerator(OperationChecks& checks, OutputSink& output, const PadTexts& pads);

    // One problem of the given operation, appended as one text of 18 bytes.
    void appendProblem(Operation operation);
    // Five problems of the checked operation, then the row end: seven appends.
    void generateRow();
    // Checks one of the four operations, drawn at random.
    void pickRandomOperation();
    // One problem of the checked operation; every fifth closes the row.
    void generateMixedProblem();
    // Two line ends, appended one at a time.
    void rowEnd();

    OperandBounds operandBounds;
    RandomGenerator random;
    std::int32_t firstOperand = 0;
    std::int32_t secondOperand = 0;
    // Mixed problems on the current row, 0 to 4 between calls.
    std::int32_t mixedRowFill = 0;

  private:
    void drawOperands(Operation operation);

    OperationChecks& checks_;
    OutputSink& output_;
    const PadTexts& pads_;
};

}  // namespace zorvanta
