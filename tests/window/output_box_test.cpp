#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "output_box.h"

using namespace zorvanta;

namespace {

const std::string row =
    "2 + 8   = (    )  15 + 1  = (    )  10 + 5  = (    )  "
    "19 + 19 = (    )  3 + 5   = (    )  ";
const std::string division = "64\xA1\xC2 8  = (    )  ";

}  // namespace

class OutputBoxTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void init();
    void cleanup() { box.reset(); }

    void keepsTheAppendedBytes();
    void appendDropsTheSelectionAndGoesToTheEnd();
    void selectAllSelectsEverything();
    void selectionSnapsToWholeCharacters();
    void keyboardSelects_data();
    void keyboardSelects();
    void typingChangesNothing();
    void mouseDragSelects();
    void clearEmptiesTheBox();
    void appendScrollsTheEndIntoView();
    void longLinesScrollSideways();
    void selectionShowsOnlyWithFocus();
    void rightPressIsReported();

  private:
    std::unique_ptr<OutputBox> box;
};

void OutputBoxTest::init() {
    box = std::make_unique<OutputBox>();
    QFont font;
    font.setFamilies({QStringLiteral("Noto Sans Mono CJK SC")});
    font.setPixelSize(12);
    box->setFont(font);
    box->resize(580, 414);
    box->show();
    box->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(box.get()));
    box->setFocus();
}

void OutputBoxTest::keepsTheAppendedBytes() {
    box->appendOutput(row);
    box->appendOutput("\r\n");
    box->appendOutput("\r\n");
    box->appendOutput(division);
    QCOMPARE(box->text(), row + "\r\n\r\n" + division);
}

void OutputBoxTest::appendDropsTheSelectionAndGoesToTheEnd() {
    box->appendOutput(row);
    box->setSelection(2, 9);
    QCOMPARE(box->selectionLength(), 7u);
    box->appendOutput(division);
    QCOMPARE(box->text(), row + division);
    QCOMPARE(box->selectionLength(), 0u);
    QCOMPARE(box->caretPosition(), box->text().size());
}

void OutputBoxTest::selectAllSelectsEverything() {
    box->appendOutput(division);
    box->appendOutput("\r\n");
    box->selectAll();
    QCOMPARE(box->selectionStart(), 0u);
    QCOMPARE(box->selectedText(), division + "\r\n");
    QCOMPARE(box->caretPosition(), box->text().size());
}

// "÷" is two bytes: a selection never ends between them, and alone it is two bytes long.
void OutputBoxTest::selectionSnapsToWholeCharacters() {
    box->appendOutput(division);
    box->setSelection(2, 3);
    QCOMPARE(box->selectionLength(), 0u);
    box->setSelection(2, 4);
    QCOMPARE(box->selectedText(), std::string("\xA1\xC2"));
}

void OutputBoxTest::keyboardSelects_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("presses");
    QTest::addColumn<QByteArray>("selected");
    QTest::newRow("shift right over the sign")
        << int(Qt::Key_Right) << int(Qt::ShiftModifier) << 3 << QByteArray("64\xA1\xC2");
    QTest::newRow("shift end") << int(Qt::Key_End) << int(Qt::ShiftModifier) << 1
                               << QByteArray::fromStdString(division);
    QTest::newRow("shift down across the line end")
        << int(Qt::Key_Down) << int(Qt::ShiftModifier) << 2
        << QByteArray::fromStdString(division + "\r\n\r\n");
    QTest::newRow("right without shift") << int(Qt::Key_Right) << 0 << 2 << QByteArray();
}

void OutputBoxTest::keyboardSelects() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, presses);
    QFETCH(QByteArray, selected);
    box->appendOutput(division);
    box->appendOutput("\r\n");
    box->appendOutput("\r\n");
    QTest::keyClick(box.get(), Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(box->caretPosition(), 0u);
    for (int i = 0; i < presses; ++i) {
        QTest::keyClick(box.get(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    }
    QCOMPARE(QByteArray::fromStdString(box->selectedText()), selected);
}

void OutputBoxTest::typingChangesNothing() {
    box->appendOutput(division);
    QTest::keyClicks(box.get(), QStringLiteral("abc 1"));
    QTest::keyClick(box.get(), Qt::Key_Backspace);
    QTest::keyClick(box.get(), Qt::Key_Return);
    QCOMPARE(box->text(), division);
}

void OutputBoxTest::mouseDragSelects() {
    box->appendOutput(row);
    QWidget* view = box->viewport();
    const int y = box->fontMetrics().height() / 2;
    QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, QPoint(2, y));
    QMouseEvent move(QEvent::MouseMove, QPointF(view->width() - 2, y),
                     view->mapToGlobal(QPointF(view->width() - 2, y)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(view, &move);
    QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, QPoint(view->width() - 2, y));
    QCOMPARE(box->selectedText(), row);
}

void OutputBoxTest::clearEmptiesTheBox() {
    box->appendOutput(row);
    box->appendOutput("\r\n");
    box->clear();
    QVERIFY(box->text().empty());
    box->selectAll();
    QCOMPARE(box->selectionLength(), 0u);
    box->appendOutput(division);
    QCOMPARE(box->text(), division);
}

void OutputBoxTest::appendScrollsTheEndIntoView() {
    for (int i = 0; i < 200; ++i) {
        box->appendOutput(row);
        box->appendOutput("\r\n");
        box->appendOutput("\r\n");
    }
    QScrollBar* bar = box->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    QTRY_COMPARE(bar->value(), bar->maximum());
    QTest::keyClick(box.get(), Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(bar->value(), 0);
}

void OutputBoxTest::longLinesScrollSideways() {
    box->resize(200, 200);
    box->appendOutput(row);
    QScrollBar* bar = box->horizontalScrollBar();
    QVERIFY(bar->maximum() > 0);
    QTRY_COMPARE(bar->value(), bar->maximum());
    QTest::keyClick(box.get(), Qt::Key_Home);
    QCOMPARE(bar->value(), 0);
}

void OutputBoxTest::selectionShowsOnlyWithFocus() {
    box->appendOutput(std::string(40, '8'));
    box->selectAll();
    const QColor highlight = box->palette().color(QPalette::Highlight);
    auto highlighted = [&] {
        const QImage image = box->viewport()->grab().toImage();
        // The top row of the line, above the glyphs.
        const int y = 0;
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == highlight) {
                return true;
            }
        }
        return false;
    };
    QVERIFY(highlighted());
    box->clearFocus();
    QVERIFY(!highlighted());
    QCOMPARE(box->selectionLength(), 40u);
}

void OutputBoxTest::rightPressIsReported() {
    QSignalSpy spy(box.get(), &OutputBox::rightPressed);
    box->appendOutput(row);
    box->setSelection(0, 5);
    QTest::mousePress(box->viewport(), Qt::RightButton, Qt::NoModifier, QPoint(40, 20));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toPoint(), box->viewport()->mapToGlobal(QPoint(40, 20)));
    QCOMPARE(box->selectionLength(), 5u);
}

QTEST_MAIN(OutputBoxTest)
#include "output_box_test.moc"
