// The range choice and the commands that generate at one click.
#include <QPushButton>

#include "main_window.h"
#include "mixed_button.h"

namespace zorvanta {

void MainWindow::chooseRange(const OperandBounds& bounds) {
    problems_.operandBounds = bounds;
    for (QPushButton* button : {randomRowButton_, singleRowButton_, batchSingleRowsButton_,
                                batchRandomRowsButton_, static_cast<QPushButton*>(mixedButton_)}) {
        button->setEnabled(true);
    }
}

void MainWindow::generateSingleRow() {
    problems_.generateRow();
}

void MainWindow::generateRandomRow() {
    problems_.pickRandomOperation();
    problems_.generateRow();
}

void MainWindow::generateRandomMixedProblem() {
    problems_.pickRandomOperation();
    problems_.generateMixedProblem();
}

}  // namespace zorvanta
