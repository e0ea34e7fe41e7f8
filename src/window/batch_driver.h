#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>

#include "batch_timer.h"

namespace zorvanta {

class Dialogs;
class ProblemGenerator;

// The batch modes. The period of the batch timer is the mode: each value is also the
// timer's period in milliseconds.
enum class BatchMode : int {
    Stopped = 0,
    SelectedOperationRows = 10,
    RandomOperationRows = 11,
    MixedProblems = 5,
};

// Counts within this tolerance of each other are equal.
inline constexpr double countEpsilon = 0.0000001;

// Generates a typed number of rows or mixed problems, one per tick of the batch timer. The
// count is read afresh from the count field at every start and every tick, so editing the
// field during a batch takes effect at the next tick; the user's own commands interleave
// freely with the steps.
class BatchDriver : public QObject {
    Q_OBJECT

  public:
    // countText reads the count field; mixedStep is the click action of "随机混合出题".
    BatchDriver(ProblemGenerator& problems, std::function<QString()> countText,
                std::function<void()> mixedStep, Dialogs& dialogs, QObject* parent = nullptr);

    // A start command: runs the batch in the given mode when the count is at least 2,
    // otherwise asks for a count. A batch already running goes on, in the new mode.
    void start(BatchMode mode);
    // One tick: stops the batch once the steps done reach the count, otherwise does one step.
    void batchTick();
    double readBatchCount() const;

    BatchTimer& timer() { return timer_; }
    const BatchTimer& timer() const { return timer_; }

    // Steps done in the running batch. 64 bits wide: a batch whose count is never met goes
    // on for as long as the window is open.
    std::int64_t batchStepsDone = 0;

  private:
    ProblemGenerator& problems_;
    std::function<QString()> countText_;
    std::function<void()> mixedStep_;
    Dialogs& dialogs_;
    BatchTimer timer_;
};

}  // namespace zorvanta
