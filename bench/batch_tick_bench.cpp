// The cost of one batch tick into the real output box, with 1,000 and with 100,000 rows
// already in it, and the tick rate a running batch achieves against the timer's nominal
// one. Runs on any Qt platform; offscreen unless QT_QPA_PLATFORM says otherwise.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "batch_driver.h"
#include "bench_window.h"

using namespace zorvanta;

namespace {

// Mean cost in microseconds of a tick and the repaint it causes, over many ticks, with the
// timer's own ticks held back so that only the measured ones run.
double microsecondsPerTick(BatchDriver& batch, int ticks) {
    batch.timer().blockSignals(true);
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < ticks; ++i) {
        batch.batchTick();
        QApplication::processEvents();
    }
    const double micros = static_cast<double>(clock.nsecsElapsed()) / 1000.0 / ticks;
    batch.timer().blockSignals(false);
    return micros;
}

void fillTo(BatchDriver& batch, std::int64_t rows) {
    batch.timer().blockSignals(true);
    while (batch.batchStepsDone < rows) {
        batch.batchTick();
    }
    QApplication::processEvents();
    batch.timer().blockSignals(false);
}

// Ticks a second that a running batch achieves in the given mode over about two seconds.
double achievedTicksPerSecond(MainWindow& window, const char* startButton, bool rightPress) {
    BatchDriver& batch = window.batch();
    batch.batchStepsDone = 0;
    auto* start = window.findChild<QPushButton*>(QString::fromUtf8(startButton));
    if (rightPress) {
        QTest::mousePress(start, Qt::RightButton);
    } else {
        QTest::mouseClick(start, Qt::LeftButton);
    }
    const std::int64_t before = batch.batchStepsDone;
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QTimer::singleShot(2000, &loop, &QEventLoop::quit);
    loop.exec();
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    const double rate = static_cast<double>(batch.batchStepsDone - before) / seconds;
    batch.timer().setPeriod(0);
    return rate;
}

}  // namespace

int main(int argc, char** argv) {
    bench::preferOffscreen();
    QApplication application(argc, argv);
    bench::BenchWindow started;
    if (!started.shown) {
        return 1;
    }
    MainWindow& window = started.window;

    BatchDriver& batch = window.batch();
    batch.timer().setPeriod(static_cast<int>(BatchMode::SelectedOperationRows));
    constexpr int measuredTicks = 2000;
    fillTo(batch, 1000);
    const double small = microsecondsPerTick(batch, measuredTicks);
    fillTo(batch, 100000);
    const double large = microsecondsPerTick(batch, measuredTicks);
    batch.timer().setPeriod(0);
    std::printf("tick cost with   1,000 rows: %8.1f us\n", small);
    std::printf("tick cost with 100,000 rows: %8.1f us\n", large);
    std::printf("ratio: %.2f (goal <= 1.5)\n", large / small);

    for (const auto& [button, rightPress, period] :
         {std::tuple{"按钮5", true, 5}, std::tuple{"按钮3", false, 10}}) {
        const double rate = achievedTicksPerSecond(window, button, rightPress);
        const double nominal = 1000.0 / period;
        std::printf("period %2d ms: %6.1f ticks/s against %6.1f nominal (%+.1f %%)\n", period, rate,
                    nominal, 100.0 * (rate - nominal) / nominal);
    }
    return 0;
}
