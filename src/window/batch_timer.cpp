#include "batch_timer.h"

#include <algorithm>

namespace zorvanta {

BatchTimer::BatchTimer(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("时钟1"));
    // A coarse timer would turn a 5 ms period into far fewer than 200 ticks a second.
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &BatchTimer::tick);
}

void BatchTimer::setPeriod(int period) {
    period = std::max(period, 0);
    if (period == period_) {
        return;
    }
    period_ = period;
    timer_.stop();
    if (period_ > 0) {
        timer_.start(period_);
    }
}

}  // namespace zorvanta
