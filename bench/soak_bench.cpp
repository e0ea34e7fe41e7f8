// A mixed batch of 200,000 problems into the real output box at full speed, not paced by
// the timer. Prints resident memory every 20,000 problems against the size of the sheet,
// then the time an event loop round trip takes (a repaint of the window included) while the
// box holds them all. Runs offscreen unless QT_QPA_PLATFORM says otherwise.
#include <QAbstractScrollArea>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>

#include "batch_driver.h"
#include "bench_window.h"
#include "output_box.h"

using namespace zorvanta;

namespace {

long residentKilobytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmRSS:")) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

// Milliseconds from posting an event until the loop runs it, with the whole window to
// repaint first.
double roundTripMilliseconds(QWidget& window) {
    window.update();
    window.findChild<QAbstractScrollArea*>(QStringLiteral("编辑框1"))->viewport()->update();
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QTimer::singleShot(0, &loop, &QEventLoop::quit);
    loop.exec();
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
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
    const auto* box = window.findChild<OutputBox*>(QStringLiteral("编辑框1"));

    QApplication::processEvents();
    const long baseline = residentKilobytes();
    std::printf("resident at start: %ld kB\n", baseline);
    std::printf("%10s %12s %14s %10s\n", "problems", "text kB", "growth kB", "growth/text");

    BatchDriver& batch = window.batch();
    batch.timer().setPeriod(static_cast<int>(BatchMode::MixedProblems));
    batch.timer().blockSignals(true);
    constexpr int problems = 200000;
    constexpr int report = 20000;
    double worstRatio = 0;
    QElapsedTimer clock;
    clock.start();
    for (int done = 1; done <= problems; ++done) {
        batch.batchTick();
        if (done % 1000 == 0) {
            QApplication::processEvents();
        }
        if (done % report == 0) {
            const double textKb = static_cast<double>(box->text().size()) / 1024.0;
            const long growth = residentKilobytes() - baseline;
            const double ratio = static_cast<double>(growth) / textKb;
            worstRatio = std::max(worstRatio, ratio);
            std::printf("%10d %12.0f %14ld %10.2f\n", done, textKb, growth, ratio);
        }
    }
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    batch.timer().setPeriod(0);
    std::printf("%d problems in %.1f s (%.0f a second)\n", problems, seconds, problems / seconds);
    std::printf("worst growth/text: %.2f (goal: about 4 or less)\n", worstRatio);

    double worstTrip = 0;
    for (int i = 0; i < 20; ++i) {
        worstTrip = std::max(worstTrip, roundTripMilliseconds(window));
    }
    std::printf("event loop round trip with %d problems: worst of 20 %.2f ms (goal < 50 ms)\n",
                problems, worstTrip);
    return 0;
}
