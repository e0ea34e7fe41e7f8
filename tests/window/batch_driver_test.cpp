#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <limits>

#include "batch_driver.h"
#include "generator_fixture.h"
#include "output_box.h"
#include "started_window.h"

using namespace zorvanta;
using zorvanta::testing::StartedWindow;

namespace {

constexpr int rowBytes = 94;
constexpr int problemBytes = 18;
const QString enterCount = QStringLiteral("请输入出题数量");

enum class Start { SingleRows, RandomRows, MixedProblems };

}  // namespace

class BatchDriverTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void init();
    void cleanup() { started.reset(); }

    void countOfTwo_data();
    void countOfTwo();
    void refusedCounts_data();
    void refusedCounts();
    void refusedStartLeavesTheBatchRunning();
    void ticksGoOnWhileAMessageIsOpen();
    void mixedBatchContinuesAnOpenRow();
    void switchingModeCountsOn();
    void countEditedToTheStepsDoneStopsAtTheNextTick();
    void sameCommandAgainKeepsTheRhythm();
    void rightPressReadsAPastedFullWidthCount();
    void batchTextMatchesTheGenerator();
    void stepCounterGoesPastThirtyTwoBits();
    void otherPeriodsDoNothing();

  private:
    QWidget* control(const char* name) const { return started->control(name); }
    QLineEdit* field() const { return started->control<QLineEdit>("编辑框2"); }
    OutputBox* box() const { return started->control<OutputBox>("编辑框1"); }
    BatchDriver& batch() const { return started->window->batch(); }
    int period() const { return batch().timer().period(); }

    void typeCount(const QString& count) {
        QTest::mouseClick(field(), Qt::LeftButton);
        QTest::keyClicks(field(), count);
    }
    void issue(Start start) {
        switch (start) {
            case Start::SingleRows:
                QTest::mouseClick(control("按钮3"), Qt::LeftButton);
                break;
            case Start::RandomRows:
                QTest::mouseClick(control("按钮4"), Qt::LeftButton);
                break;
            case Start::MixedProblems:
                QTest::mousePress(control("按钮5"), Qt::RightButton);
                QTest::mouseRelease(control("按钮5"), Qt::RightButton);
                break;
        }
    }
    bool waitForStop() {
        return QTest::qWaitFor([this] { return period() == 0; }, 10000);
    }

    std::unique_ptr<StartedWindow> started;
};

Q_DECLARE_METATYPE(Start)

void BatchDriverTest::init() {
    started = std::make_unique<StartedWindow>();
    QTest::mouseClick(control("单选框5"), Qt::LeftButton);
}

void BatchDriverTest::countOfTwo_data() {
    QTest::addColumn<Start>("start");
    QTest::addColumn<int>("runningPeriod");
    QTest::addColumn<int>("bytes");
    QTest::newRow("批量单算出题") << Start::SingleRows << 10 << 2 * rowBytes;
    QTest::newRow("批量混算出题") << Start::RandomRows << 11 << 2 * rowBytes;
    QTest::newRow("right press on 随机混合出题") << Start::MixedProblems << 5 << 2 * problemBytes;
}

void BatchDriverTest::countOfTwo() {
    QFETCH(Start, start);
    QFETCH(int, runningPeriod);
    QFETCH(int, bytes);
    typeCount(QStringLiteral("2"));
    issue(start);
    QCOMPARE(period(), runningPeriod);
    QVERIFY(box()->text().empty());
    QVERIFY(waitForStop());
    QCOMPARE(static_cast<int>(box()->text().size()), bytes);
    QCOMPARE(batch().batchStepsDone, 0);
    QVERIFY(!batch().timer().isRunning());
    QVERIFY(started->dialogs.messages.isEmpty());
}

void BatchDriverTest::refusedCounts_data() {
    QTest::addColumn<Start>("start");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("touchField");
    QTest::newRow("one") << Start::SingleRows << "1" << true;
    QTest::newRow("zero") << Start::RandomRows << "0" << true;
    QTest::newRow("negative") << Start::MixedProblems << "-5" << true;
    QTest::newRow("empty") << Start::MixedProblems << "" << true;
    QTest::newRow("initial text") << Start::SingleRows << "" << false;
    QTest::newRow("initial text, right press") << Start::MixedProblems << "" << false;
}

void BatchDriverTest::refusedCounts() {
    QFETCH(Start, start);
    QFETCH(QString, typed);
    QFETCH(bool, touchField);
    if (touchField) {
        typeCount(typed);
    }
    issue(start);
    QCOMPARE(started->dialogs.messages, QStringList{enterCount});
    QCOMPARE(period(), 0);
    QTest::qWait(30);
    QVERIFY(box()->text().empty());
}

void BatchDriverTest::refusedStartLeavesTheBatchRunning() {
    typeCount(QStringLiteral("100000"));
    issue(Start::SingleRows);
    QTRY_VERIFY(batch().batchStepsDone >= 2);
    field()->setText(QStringLiteral("1"));
    issue(Start::MixedProblems);
    QCOMPARE(started->dialogs.messages, QStringList{enterCount});
    QCOMPARE(period(), 10);
    const std::int64_t steps = batch().batchStepsDone;
    QTRY_VERIFY(batch().batchStepsDone > steps);
}

void BatchDriverTest::ticksGoOnWhileAMessageIsOpen() {
    typeCount(QStringLiteral("100000"));
    issue(Start::MixedProblems);
    QTRY_VERIFY(batch().batchStepsDone >= 1);
    bool appendedMeanwhile = false;
    started->dialogs.whileMessageShown = [&] {
        const std::size_t before = box()->text().size();
        appendedMeanwhile = QTest::qWaitFor([&] { return box()->text().size() > before; }, 5000);
    };
    field()->setText(QStringLiteral("0"));
    issue(Start::SingleRows);
    QVERIFY(appendedMeanwhile);
    QCOMPARE(period(), 5);
}

void BatchDriverTest::mixedBatchContinuesAnOpenRow() {
    QTest::mouseClick(control("按钮5"), Qt::LeftButton);
    QTest::mouseClick(control("按钮5"), Qt::LeftButton);
    typeCount(QStringLiteral("3"));
    issue(Start::MixedProblems);
    QVERIFY(waitForStop());
    QCOMPARE(static_cast<int>(box()->text().size()), rowBytes);
    QVERIFY(box()->text().ends_with("\r\n\r\n"));
    QCOMPARE(started->window->problems().mixedRowFill, 0);
}

void BatchDriverTest::switchingModeCountsOn() {
    typeCount(QStringLiteral("6"));
    issue(Start::SingleRows);
    QTRY_VERIFY(batch().batchStepsDone >= 2);
    issue(Start::RandomRows);
    QCOMPARE(period(), 11);
    QVERIFY(waitForStop());
    QCOMPARE(static_cast<int>(box()->text().size()), 6 * rowBytes);
}

void BatchDriverTest::countEditedToTheStepsDoneStopsAtTheNextTick() {
    typeCount(QStringLiteral("100000"));
    issue(Start::SingleRows);
    QTRY_VERIFY(batch().batchStepsDone >= 3);
    const std::int64_t steps = batch().batchStepsDone;
    field()->setText(QString::number(steps));
    QVERIFY(waitForStop());
    QCOMPARE(static_cast<std::int64_t>(box()->text().size()), steps * rowBytes);
    QCOMPARE(batch().batchStepsDone, 0);
}

void BatchDriverTest::sameCommandAgainKeepsTheRhythm() {
    typeCount(QStringLiteral("100000"));
    BatchTimer& timer = batch().timer();
    timer.setPeriod(1000);
    QTest::qWait(300);
    timer.setPeriod(1000);
    QCOMPARE(timer.period(), 1000);
    bool ticked = false;
    connect(&timer, &BatchTimer::tick, this, [&] { ticked = true; });
    QVERIFY(QTest::qWaitFor([&] { return ticked; }, 900));
    timer.setPeriod(-4);
    QCOMPARE(timer.period(), 0);
    QVERIFY(!timer.isRunning());
}

// The right press leaves the focus in the field, where a pasted full-width seven stays.
void BatchDriverTest::rightPressReadsAPastedFullWidthCount() {
    QTest::mouseClick(field(), Qt::LeftButton);
    QApplication::clipboard()->setText(QStringLiteral("７"));
    QTest::keyClick(field(), Qt::Key_V, Qt::ControlModifier);
    issue(Start::MixedProblems);
    QCOMPARE(QApplication::focusWidget(), field());
    QCOMPARE(period(), 5);
    QVERIFY(waitForStop());
    QCOMPARE(static_cast<int>(box()->text().size()), 7 * problemBytes + 4);
    QCOMPARE(started->window->problems().mixedRowFill, 2);
    QCOMPARE(field()->text(), QStringLiteral("７"));
}

// The same commands through the generator alone give the same bytes.
void BatchDriverTest::batchTextMatchesTheGenerator() {
    QTest::mouseClick(control("单选框6"), Qt::LeftButton);
    QTest::mouseClick(control("按钮5"), Qt::LeftButton);
    typeCount(QStringLiteral("3"));
    issue(Start::RandomRows);
    QVERIFY(waitForStop());
    issue(Start::MixedProblems);
    QVERIFY(waitForStop());

    zorvanta::testing::GeneratorFixture reference;
    reference.generator.operandBounds = hundredRange;
    reference.generator.pickRandomOperation();
    reference.generator.generateMixedProblem();
    for (int i = 0; i < 3; ++i) {
        reference.generator.pickRandomOperation();
        reference.generator.generateRow();
    }
    for (int i = 0; i < 3; ++i) {
        reference.generator.pickRandomOperation();
        reference.generator.generateMixedProblem();
    }
    QCOMPARE(box()->text(), reference.window.text);
}

void BatchDriverTest::stepCounterGoesPastThirtyTwoBits() {
    field()->setText(QStringLiteral("1e12"));
    batch().batchStepsDone = std::numeric_limits<std::int32_t>::max();
    batch().timer().setPeriod(10);
    batch().timer().blockSignals(true);
    batch().batchTick();
    QCOMPARE(batch().batchStepsDone, std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1);
    QCOMPARE(static_cast<int>(box()->text().size()), rowBytes);
}

void BatchDriverTest::otherPeriodsDoNothing() {
    field()->setText(QStringLiteral("5"));
    batch().timer().setPeriod(7);
    batch().timer().blockSignals(true);
    batch().batchTick();
    QCOMPARE(batch().batchStepsDone, 0);
    QVERIFY(box()->text().empty());
    QCOMPARE(period(), 7);
}

QTEST_MAIN(BatchDriverTest)
#include "batch_driver_test.moc"
