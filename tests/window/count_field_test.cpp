#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include "started_window.h"

using namespace zorvanta;
using zorvanta::testing::StartedWindow;

class CountFieldTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void init() { started = std::make_unique<StartedWindow>(); }
    void cleanup() { started.reset(); }

    void typingKeepsDigitsAndMinus_data();
    void typingKeepsDigitsAndMinus();
    void pasteIsNotFiltered();
    void inputMethodCommitIsFiltered();
    void focusGainEmptiesAndTurnsBlack_data();
    void focusGainEmptiesAndTurnsBlack();
    void popupFocusChangesNothing();
    void unchangedTextIsNotReplaced();

  private:
    QLineEdit* field() const { return started->control<QLineEdit>("编辑框2"); }
    void leaveField() { QTest::mouseClick(started->control("按钮6"), Qt::LeftButton); }

    std::unique_ptr<StartedWindow> started;
};

void CountFieldTest::typingKeepsDigitsAndMinus_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("whileFocused");
    QTest::addColumn<QString>("afterLeaving");
    QTest::newRow("letter dropped") << "12a"
                                    << "12"
                                    << "12";
    QTest::newRow("lone minus") << "-"
                                << "-"
                                << "";
    QTest::newRow("leading zeros") << "007"
                                   << "007"
                                   << "7";
    QTest::newRow("zero") << "0"
                          << "0"
                          << "";
    QTest::newRow("minus inside") << "1-2"
                                  << "1-2"
                                  << "1";
    QTest::newRow("point and space dropped") << "3. 5"
                                             << "35"
                                             << "35";
    QTest::newRow("negative") << "-8"
                              << "-8"
                              << "-8";
    QTest::newRow("too large") << "99999999999"
                               << "99999999999"
                               << "2147483647";
}

void CountFieldTest::typingKeepsDigitsAndMinus() {
    QFETCH(QString, typed);
    QFETCH(QString, whileFocused);
    QFETCH(QString, afterLeaving);
    QTest::mouseClick(field(), Qt::LeftButton);
    QTest::keyClicks(field(), typed);
    QCOMPARE(field()->text(), whileFocused);
    leaveField();
    QCOMPARE(field()->text(), afterLeaving);
}

void CountFieldTest::pasteIsNotFiltered() {
    QTest::mouseClick(field(), Qt::LeftButton);
    QApplication::clipboard()->setText(QStringLiteral("3.5"));
    QTest::keyClick(field(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(field()->text(), QStringLiteral("3.5"));
    QTest::keyClick(field(), Qt::Key_Backspace);
    QCOMPARE(field()->text(), QStringLiteral("3."));
    leaveField();
    QCOMPARE(field()->text(), QStringLiteral("3"));
}

void CountFieldTest::inputMethodCommitIsFiltered() {
    QTest::mouseClick(field(), Qt::LeftButton);
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("4五a-"));
    QApplication::sendEvent(field(), &commit);
    QCOMPARE(field()->text(), QStringLiteral("4-"));
}

void CountFieldTest::focusGainEmptiesAndTurnsBlack_data() {
    QTest::addColumn<int>("how");
    QTest::newRow("click") << 0;
    QTest::newRow("tab") << 1;
    QTest::newRow("window activated again") << 2;
}

void CountFieldTest::focusGainEmptiesAndTurnsBlack() {
    QFETCH(int, how);
    QTest::mouseClick(field(), Qt::LeftButton);
    QTest::keyClicks(field(), QStringLiteral("12"));
    switch (how) {
        case 0:
            leaveField();
            QCOMPARE(field()->text(), QStringLiteral("12"));
            QTest::mouseClick(field(), Qt::LeftButton);
            break;
        case 1:
            QTest::mouseClick(started->control("单选框5"), Qt::LeftButton);
            QCOMPARE(field()->text(), QStringLiteral("12"));
            started->control("按钮2")->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            break;
        case 2: {
            QWidget other;
            other.show();
            other.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&other));
            QCOMPARE(field()->text(), QStringLiteral("12"));
            started->window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(started->window.get()));
            break;
        }
    }
    QCOMPARE(QApplication::focusWidget(), field());
    QCOMPARE(field()->text(), QString());
    QCOMPARE(field()->palette().color(QPalette::Text), QColor(Qt::black));
}

void CountFieldTest::popupFocusChangesNothing() {
    QTest::mouseClick(field(), Qt::LeftButton);
    QTest::keyClicks(field(), QStringLiteral("0012"));
    QFocusEvent out(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(field(), &out);
    QCOMPARE(field()->text(), QStringLiteral("0012"));
    QFocusEvent in(QEvent::FocusIn, Qt::PopupFocusReason);
    QApplication::sendEvent(field(), &in);
    QCOMPARE(field()->text(), QStringLiteral("0012"));
}

void CountFieldTest::unchangedTextIsNotReplaced() {
    QTest::mouseClick(field(), Qt::LeftButton);
    QTest::keyClicks(field(), QStringLiteral("25"));
    field()->setModified(true);
    leaveField();
    QCOMPARE(field()->text(), QStringLiteral("25"));
    QVERIFY(field()->isModified());
}

QTEST_MAIN(CountFieldTest)
#include "count_field_test.moc"
