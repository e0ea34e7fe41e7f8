#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <QToolTip>

#include "mixed_button.h"
#include "output_box.h"
#include "started_window.h"

using namespace zorvanta;
using zorvanta::testing::StartedWindow;

namespace {

const char* const generationButtons[] = {"按钮1", "按钮2", "按钮3", "按钮4", "按钮5"};

// Escape as the platform delivers it to the focused control, fresh or auto-repeated, at a
// given time.
void pressEscape(bool autoRepeat, quint64 timestamp = 1000) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QString(), autoRepeat);
    press.setTimestamp(timestamp);
    QApplication::sendEvent(QApplication::focusWidget(), &press);
    QCoreApplication::processEvents();
}

void releaseEscape(quint64 timestamp) {
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier);
    release.setTimestamp(timestamp);
    QApplication::sendEvent(QApplication::focusWidget(), &release);
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void init() { started = std::make_unique<StartedWindow>(); }
    void cleanup() { started.reset(); }

    void formControls_data();
    void formControls();
    void initialState();
    void disabledButtonsDoNothing();
    void rangeClickEnablesTheGenerationButtons_data();
    void rangeClickEnablesTheGenerationButtons();
    void arrowKeyMovesTheRangeLikeAClick();
    void firstRowOfTheTwentyRange();
    void mixedProblemsOfFiveClicks();
    void randomRowChecksTheDrawnOperation();
    void programWriteChangesOneButtonAlone();
    void checkedOperationStaysCheckedWhenClickedAgain();
    void arrowKeysMoveTheOperationWithinItsGroup();
    void outputBoxFollowsTheWindowSize_data();
    void outputBoxFollowsTheWindowSize();
    void doubleClickOnTheBackgroundMaximises();
    void doubleClickOnAControlDoesNothing();
    void tabVisitsTheFormOrder();
    void tabSkipsDisabledButtons();
    void escapeClosesTheWindow_data();
    void escapeClosesTheWindow();
    void repeatedEscapeDoesNotClose();
    void shiftEscapeDoesNotClose();
    void contextMenuHasItsSixItems();
    void radioButtonTakesClicksOnItsWholeArea();
    void disabledMixedButtonShowsNoHint();
    void quickSecondRightPressCountsAsAPress();

  private:
    QWidget* control(const char* name) const { return started->control(name); }
    OutputBox* box() const { return started->control<OutputBox>("编辑框1"); }

    std::unique_ptr<StartedWindow> started;
};

void MainWindowTest::formControls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parentName");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");

    struct Row {
        const char* name;
        const char* parent;
        QRect geometry;
        const char* text;
    };
    const Row rows[] = {
        {"标签1", "窗口", {8, 0, 184, 24}, "请选择计算方式:"},
        {"单选框1", "窗口", {12, 24, 40, 24}, "+"},
        {"单选框2", "窗口", {60, 24, 32, 24}, "-"},
        {"单选框3", "窗口", {100, 24, 32, 24}, "x"},
        {"单选框4", "窗口", {140, 24, 48, 24}, "÷"},
        {"分组框1", "窗口", {1, 52, 336, 38}, "请选择计算范围:"},
        {"单选框5", "分组框1", {21, 13, 122, 22}, "20以内的计算题"},
        {"单选框6", "分组框1", {191, 12, 114, 22}, "100以内的计算题"},
        {"按钮1", "窗口", {215, 2, 67, 24}, "单算出题"},
        {"按钮2", "窗口", {218, 32, 64, 24}, "随机出题"},
        {"编辑框2", "窗口", {321, 13, 80, 30}, "输入出题数量"},
        {"按钮6", "窗口", {352, 62, 64, 24}, "打印"},
        {"按钮3", "窗口", {432, 2, 88, 24}, "批量单算出题"},
        {"按钮4", "窗口", {431, 32, 88, 24}, "批量混算出题"},
        {"按钮5", "窗口", {431, 62, 88, 24}, "随机混合出题"},
        {"编辑框1", "窗口", {0, 90, 580, 414}, ""},
    };
    for (const Row& row : rows) {
        QTest::newRow(row.name) << QString::fromUtf8(row.name) << QString::fromUtf8(row.parent)
                                << row.geometry << QString::fromUtf8(row.text);
    }
}

void MainWindowTest::formControls() {
    QFETCH(QString, name);
    QFETCH(QString, parentName);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QWidget* widget = started->window->findChild<QWidget*>(name);
    QVERIFY(widget);
    auto* parent = started->window->findChild<QWidget*>(parentName);
    QWidget* frame = parent ? parent : started->window.get();
    QVERIFY(frame == widget->parentWidget() || frame->isAncestorOf(widget));
    QCOMPARE(QRect(widget->mapTo(frame, QPoint(0, 0)), widget->size()), geometry);
    QString shown;
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        shown = button->text();
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        shown = label->text();
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        shown = group->title();
    } else if (auto* field = qobject_cast<QLineEdit*>(widget)) {
        shown = field->text();
    }
    QCOMPARE(shown, text);
}

void MainWindowTest::initialState() {
    MainWindow& window = *started->window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Zorvanta"));
    QCOMPARE(window.objectName(), QStringLiteral("窗口"));
    QCOMPARE(window.size(), QSize(580, 504));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(window.pos(),
             screen.topLeft() + QPoint((screen.width() - 590) / 2, (screen.height() - 534) / 2));
    QCOMPARE(QApplication::focusWidget(), box());
    QVERIFY(started->control<QRadioButton>("单选框1")->isChecked());
    for (const char* name : {"单选框2", "单选框3", "单选框4", "单选框5", "单选框6"}) {
        QVERIFY2(!started->control<QRadioButton>(name)->isChecked(), name);
    }
    for (const char* name : generationButtons) {
        QVERIFY2(!control(name)->isEnabled(), name);
    }
    QVERIFY(control("按钮6")->isEnabled());
    auto* field = started->control<QLineEdit>("编辑框2");
    QCOMPARE(field->palette().color(QPalette::Text), QColor(128, 128, 128));
    QCOMPARE(control("按钮5")->toolTip(), QStringLiteral("右键单击批量随机混合出题"));
    QVERIFY(box()->text().empty());
    QCOMPARE(started->pads.padThree, std::string("   "));
    QCOMPARE(box()->font().pixelSize(), 12);
    QCOMPARE(control("单选框1")->font().pixelSize(), 16);
}

void MainWindowTest::disabledButtonsDoNothing() {
    for (const char* name : generationButtons) {
        QTest::mouseClick(control(name), Qt::LeftButton);
        QTest::mousePress(control(name), Qt::RightButton);
        QTest::mouseRelease(control(name), Qt::RightButton);
    }
    QVERIFY(box()->text().empty());
    QCOMPARE(started->window->problems().random.randomState, 1u);
}

void MainWindowTest::rangeClickEnablesTheGenerationButtons_data() {
    QTest::addColumn<QString>("range");
    QTest::addColumn<int>("addSubMax");
    QTest::addColumn<int>("mulDivFirstMax");
    QTest::addColumn<int>("mulDivSecondMax");
    QTest::newRow("twenty") << QStringLiteral("单选框5") << 20 << 20 << 9;
    QTest::newRow("hundred") << QStringLiteral("单选框6") << 99 << 99 << 20;
}

void MainWindowTest::rangeClickEnablesTheGenerationButtons() {
    QFETCH(QString, range);
    QFETCH(int, addSubMax);
    QFETCH(int, mulDivFirstMax);
    QFETCH(int, mulDivSecondMax);
    QTest::mouseClick(started->window->findChild<QWidget*>(range), Qt::LeftButton);
    for (const char* name : generationButtons) {
        QVERIFY2(control(name)->isEnabled(), name);
    }
    const OperandBounds bounds = started->window->problems().operandBounds;
    QCOMPARE(bounds.addSubMax, addSubMax);
    QCOMPARE(bounds.mulDivFirstMax, mulDivFirstMax);
    QCOMPARE(bounds.mulDivSecondMax, mulDivSecondMax);
}

void MainWindowTest::arrowKeyMovesTheRangeLikeAClick() {
    QTest::mouseClick(control("单选框5"), Qt::LeftButton);
    QTest::keyClick(control("单选框5"), Qt::Key_Right);
    QVERIFY(started->control<QRadioButton>("单选框6")->isChecked());
    QCOMPARE(started->window->problems().operandBounds, hundredRange);
}

void MainWindowTest::firstRowOfTheTwentyRange() {
    QTest::mouseClick(control("单选框5"), Qt::LeftButton);
    QTest::mouseClick(control("按钮1"), Qt::LeftButton);
    QCOMPARE(box()->text(), std::string("2 + 8   = (    )  "
                                        "15 + 1  = (    )  "
                                        "10 + 5  = (    )  "
                                        "19 + 19 = (    )  "
                                        "3 + 5   = (    )  "
                                        "\r\n\r\n"));
}

void MainWindowTest::mixedProblemsOfFiveClicks() {
    QTest::mouseClick(control("单选框5"), Qt::LeftButton);
    const char* const checkedInTurn[] = {"单选框2", "单选框1", "单选框3", "单选框1", "单选框2"};
    for (const char* expected : checkedInTurn) {
        QTest::mouseClick(control("按钮5"), Qt::LeftButton);
        for (const char* name : {"单选框1", "单选框2", "单选框3", "单选框4"}) {
            QCOMPARE(started->control<QRadioButton>(name)->isChecked(),
                     qstrcmp(name, expected) == 0);
        }
    }
    QCOMPARE(box()->text(), std::string("15 - 8  = (    )  10 + 5  = (    )  19 X 8  = (    )  "
                                        "6 + 6   = (    )  8 - 2   = (    )  \r\n\r\n"));
}

void MainWindowTest::randomRowChecksTheDrawnOperation() {
    QTest::mouseClick(control("单选框6"), Qt::LeftButton);
    QTest::mouseClick(control("单选框4"), Qt::LeftButton);
    QTest::mouseClick(control("按钮2"), Qt::LeftButton);
    // The first draw of a run picks "-".
    QVERIFY(started->control<QRadioButton>("单选框2")->isChecked());
    QVERIFY(!started->control<QRadioButton>("单选框4")->isChecked());
    QCOMPARE(box()->text().substr(0, 18), std::string("98 - 54 = (    )  "));
}

void MainWindowTest::programWriteChangesOneButtonAlone() {
    started->window->setChecked(Operation::Multiply, true);
    QVERIFY(started->control<QRadioButton>("单选框1")->isChecked());
    QVERIFY(started->control<QRadioButton>("单选框3")->isChecked());
    started->window->setChecked(Operation::Add, false);
    QVERIFY(!started->control<QRadioButton>("单选框1")->isChecked());
    QCOMPARE(checkedOperation(*started->window), Operation::Multiply);
    // The user's clicks keep the group exclusive.
    QTest::mouseClick(control("单选框2"), Qt::LeftButton);
    QVERIFY(!started->control<QRadioButton>("单选框3")->isChecked());
}

// The range buttons live in a group of their own: clicking "+" again while a range is
// chosen leaves "+" checked, and the range stays as it was.
void MainWindowTest::checkedOperationStaysCheckedWhenClickedAgain() {
    QTest::mouseClick(control("单选框5"), Qt::LeftButton);
    QTest::mouseClick(control("单选框1"), Qt::LeftButton);
    QVERIFY(started->control<QRadioButton>("单选框1")->isChecked());
    QVERIFY(started->control<QRadioButton>("单选框5")->isChecked());
    QTest::mouseClick(control("单选框3"), Qt::LeftButton);
    QVERIFY(started->control<QRadioButton>("单选框3")->isChecked());
    QVERIFY(!started->control<QRadioButton>("单选框1")->isChecked());
    QVERIFY(started->control<QRadioButton>("单选框5")->isChecked());
}

void MainWindowTest::arrowKeysMoveTheOperationWithinItsGroup() {
    QTest::mouseClick(control("单选框5"), Qt::LeftButton);
    QTest::mouseClick(control("单选框3"), Qt::LeftButton);
    QTest::keyClick(control("单选框3"), Qt::Key_Right);
    QVERIFY(started->control<QRadioButton>("单选框4")->isChecked());
    QTest::keyClick(control("单选框4"), Qt::Key_Left);
    QTest::keyClick(control("单选框3"), Qt::Key_Left);
    QVERIFY(started->control<QRadioButton>("单选框2")->isChecked());
    QVERIFY(started->control<QRadioButton>("单选框5")->isChecked());
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("单选框2"));
}

void MainWindowTest::outputBoxFollowsTheWindowSize_data() {
    QTest::addColumn<QSize>("outerSize");
    QTest::addColumn<QSize>("boxSize");
    QTest::newRow("form size") << QSize(590, 534) << QSize(580, 414);
    QTest::newRow("100 x 50 larger") << QSize(690, 584) << QSize(680, 464);
    QTest::newRow("100 high") << QSize(590, 100) << QSize(580, 0);
    QTest::newRow("narrower than the allowance") << QSize(15, 125) << QSize(5, 5);
}

void MainWindowTest::outputBoxFollowsTheWindowSize() {
    QFETCH(QSize, outerSize);
    QFETCH(QSize, boxSize);
    MainWindow& window = *started->window;
    window.setMinimumSize(1, 1);
    window.resize(outerSize - QSize(10, 30));
    QTRY_COMPARE(box()->size(), boxSize);
    QCOMPARE(box()->pos(), QPoint(0, 90));
    window.resize(590 - 10, 534 - 30);
    QTRY_COMPARE(box()->size(), QSize(580, 414));
}

void MainWindowTest::doubleClickOnTheBackgroundMaximises() {
    MainWindow& window = *started->window;
    QTest::mouseDClick(&window, Qt::LeftButton, Qt::NoModifier, QPoint(300, 50));
    QVERIFY(window.windowState() & Qt::WindowMaximized);
    QTRY_COMPARE(box()->width(), window.width());
    QTest::mouseDClick(&window, Qt::LeftButton, Qt::NoModifier, QPoint(300, 50));
    QVERIFY(window.windowState() & Qt::WindowMaximized);
}

void MainWindowTest::doubleClickOnAControlDoesNothing() {
    QTest::mouseDClick(control("标签1"), Qt::LeftButton, Qt::NoModifier, QPoint(170, 12));
    QTest::mouseDClick(control("分组框1"), Qt::LeftButton, Qt::NoModifier, QPoint(320, 20));
    QTest::mouseDClick(started->window.get(), Qt::RightButton, Qt::NoModifier, QPoint(300, 50));
    QVERIFY(!(started->window->windowState() & Qt::WindowMaximized));
}

void MainWindowTest::tabVisitsTheFormOrder() {
    QTest::mouseClick(control("单选框5"), Qt::LeftButton);
    box()->setFocus();
    const char* const order[] = {"单选框1", "单选框2", "单选框3", "单选框4", "按钮1",
                                 "单选框5", "单选框6", "按钮2",   "编辑框2", "按钮3",
                                 "按钮4",   "按钮5",   "按钮6",   "编辑框1"};
    for (const char* expected : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromUtf8(expected));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("按钮6"));
}

void MainWindowTest::tabSkipsDisabledButtons() {
    control("编辑框2")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("按钮6"));
}

void MainWindowTest::escapeClosesTheWindow_data() {
    QTest::addColumn<QString>("focused");
    QTest::newRow("output box") << QStringLiteral("编辑框1");
    QTest::newRow("count field") << QStringLiteral("编辑框2");
    QTest::newRow("range button") << QStringLiteral("单选框5");
}

void MainWindowTest::escapeClosesTheWindow() {
    QFETCH(QString, focused);
    started->window->findChild<QWidget*>(focused)->setFocus();
    pressEscape(false);
    QVERIFY(!started->window->isVisible());
}

void MainWindowTest::repeatedEscapeDoesNotClose() {
    pressEscape(true);
    QVERIFY(started->window->isVisible());
    // The X server repeats a held key as a release and a press at the same moment.
    releaseEscape(2000);
    pressEscape(false, 2000);
    QVERIFY(started->window->isVisible());
    releaseEscape(2500);
    pressEscape(false, 2600);
    QVERIFY(!started->window->isVisible());
}

void MainWindowTest::shiftEscapeDoesNotClose() {
    QTest::keyClick(box(), Qt::Key_Escape, Qt::ShiftModifier);
    QVERIFY(started->window->isVisible());
}

void MainWindowTest::contextMenuHasItsSixItems() {
    auto* menu = started->window->findChild<QMenu*>(QStringLiteral("tc"));
    QVERIFY(menu);
    QStringList items;
    for (const QAction* action : menu->actions()) {
        QVERIFY(!action->isSeparator());
        QVERIFY(action->shortcut().isEmpty());
        items << action->text();
    }
    QCOMPARE(items, QStringList({"保存", "复制", "全选", "打印", "清空", "退出"}));
    QVERIFY(!menu->isVisible());
}

void MainWindowTest::radioButtonTakesClicksOnItsWholeArea() {
    QWidget* twenty = control("单选框5");
    QTest::mouseClick(twenty, Qt::LeftButton, Qt::NoModifier, QPoint(twenty->width() - 3, 11));
    QVERIFY(started->control<QRadioButton>("单选框5")->isChecked());
    QVERIFY(control("按钮1")->isEnabled());
}

void MainWindowTest::disabledMixedButtonShowsNoHint() {
    QWidget* mixed = control("按钮5");
    const QPoint inside(10, 10);
    QHelpEvent disabledHint(QEvent::ToolTip, inside, mixed->mapToGlobal(inside));
    QApplication::sendEvent(mixed, &disabledHint);
    QVERIFY(!QToolTip::isVisible());
    QTest::mouseClick(control("单选框5"), Qt::LeftButton);
    QHelpEvent enabledHint(QEvent::ToolTip, inside, mixed->mapToGlobal(inside));
    QApplication::sendEvent(mixed, &enabledHint);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QStringLiteral("右键单击批量随机混合出题"));
    QToolTip::hideText();
}

// A second press soon after the first arrives as a double click only; it is still a press.
void MainWindowTest::quickSecondRightPressCountsAsAPress() {
    QTest::mouseClick(control("单选框5"), Qt::LeftButton);
    auto* mixed = started->window->findChild<MixedButton*>(QStringLiteral("按钮5"));
    QSignalSpy presses(mixed, &MixedButton::rightPressed);
    QTest::mousePress(mixed, Qt::RightButton);
    QTest::mouseRelease(mixed, Qt::RightButton);
    QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(10, 10),
                       mixed->mapToGlobal(QPointF(10, 10)), Qt::RightButton, Qt::RightButton,
                       Qt::NoModifier);
    QApplication::sendEvent(mixed, &second);
    QCOMPARE(presses.count(), 2);
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
