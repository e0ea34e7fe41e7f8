#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <limits>

#include "batch_driver.h"
#include "started_window.h"

using namespace zorvanta;
using zorvanta::testing::StartedWindow;

// Hostile pastes into the count field: whatever lands there, the program keeps running, the
// integer rewrite stays in the 32-bit range, and a right press on "随机混合出题" starts a
// batch exactly when the pasted text reads as a count above 1.
class CountFieldInputTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void init();
    void cleanup() { started.reset(); }

    void pastedText_data();
    void pastedText();

  private:
    QLineEdit* field() const { return started->control<QLineEdit>("编辑框2"); }

    std::unique_ptr<StartedWindow> started;
};

void CountFieldInputTest::init() {
    started = std::make_unique<StartedWindow>();
    QTest::mouseClick(started->control("单选框5"), Qt::LeftButton);
}

void CountFieldInputTest::pastedText_data() {
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<bool>("starts");
    QTest::addColumn<QString>("rewritten");
    QTest::newRow("10,000 digits") << QString(10000, u'9') << true << "2147483647";
    QTest::newRow("10,000 characters after a 7")
        << QStringLiteral("7") + QString(9999, u'x') << true << "7";
    QTest::newRow("control characters") << QStringLiteral("\u0001\u0007 5\u001b") << false << "";
    QTest::newRow("tab before the count") << QStringLiteral("\t8") << true << "8";
    QTest::newRow("characters GBK cannot hold") << QStringLiteral("😀\uE000\uFFFD12") << false << "";
    QTest::newRow("full-width twelve") << QStringLiteral("１２") << true << "";
    QTest::newRow("twenty nines") << QStringLiteral("99999999999999999999") << true << "2147483647";
    QTest::newRow("minus twenty nines")
        << QStringLiteral("-99999999999999999999") << false << "-2147483648";
}

void CountFieldInputTest::pastedText() {
    QFETCH(QString, pasted);
    QFETCH(bool, starts);
    QFETCH(QString, rewritten);
    QTest::mouseClick(field(), Qt::LeftButton);
    QApplication::clipboard()->setText(pasted);
    QTest::keyClick(field(), Qt::Key_V, Qt::ControlModifier);
    QVERIFY(!field()->text().isEmpty());

    QTest::mousePress(started->control("按钮5"), Qt::RightButton);
    BatchDriver& batch = started->window->batch();
    QCOMPARE(batch.timer().period() == static_cast<int>(BatchMode::MixedProblems), starts);
    QCOMPARE(started->dialogs.messages.isEmpty(), starts);
    batch.timer().setPeriod(0);

    QTest::mouseClick(started->control("按钮6"), Qt::LeftButton);
    QCOMPARE(field()->text(), rewritten);
    if (!rewritten.isEmpty()) {
        bool isInt = false;
        const long long value = rewritten.toLongLong(&isInt);
        QVERIFY(isInt);
        QVERIFY(value >= std::numeric_limits<std::int32_t>::min());
        QVERIFY(value <= std::numeric_limits<std::int32_t>::max());
    }
}

QTEST_MAIN(CountFieldInputTest)
#include "count_field_input_test.moc"
