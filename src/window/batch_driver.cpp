#include "batch_driver.h"

#include <cmath>

#include "batch_count.h"
#include "dialogs.h"
#include "gbk.h"
#include "problem_generator.h"
#include "ui_texts.h"

namespace zorvanta {

BatchDriver::BatchDriver(ProblemGenerator& problems, std::function<QString()> countText,
                         std::function<void()> mixedStep, Dialogs& dialogs, QObject* parent)
    : QObject(parent),
      problems_(problems),
      countText_(std::move(countText)),
      mixedStep_(std::move(mixedStep)),
      dialogs_(dialogs),
      timer_(this) {
    connect(&timer_, &BatchTimer::tick, this, &BatchDriver::batchTick);
}

double BatchDriver::readBatchCount() const {
    return parseBatchCount(encodeGbk(countText_()));
}

void BatchDriver::start(BatchMode mode) {
    if (readBatchCount() - 1.0 > countEpsilon) {
        timer_.setPeriod(static_cast<int>(mode));
    } else {
        dialogs_.showMessage(uiTexts::enterCount);
    }
}

void BatchDriver::batchTick() {
    const double count = readBatchCount();
    if (std::abs(static_cast<double>(batchStepsDone) - count) <= countEpsilon) {
        timer_.setPeriod(static_cast<int>(BatchMode::Stopped));
        batchStepsDone = 0;
        return;
    }
    switch (static_cast<BatchMode>(timer_.period())) {
        case BatchMode::SelectedOperationRows:
            problems_.generateRow();
            break;
        case BatchMode::RandomOperationRows:
            problems_.pickRandomOperation();
            problems_.generateRow();
            break;
        case BatchMode::MixedProblems:
            mixedStep_();
            break;
        default:
            return;
    }
    ++batchStepsDone;
}

}  // namespace zorvanta
