#include <sys/resource.h>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

#include "output_box.h"
#include "started_window.h"

using namespace zorvanta;
using zorvanta::testing::StartedWindow;

namespace {

const std::string firstTwentyRow =
    "2 + 8   = (    )  15 + 1  = (    )  10 + 5  = (    )  19 + 19 = (    )  3 + 5   = (    )  "
    "\r\n\r\n";

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Limits the size of files this process writes, as a full disk does, for one scope.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }

  private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

QString pdfText(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pdfPages(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {pdf});
    process.waitForFinished();
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
            .match(QString::fromUtf8(process.readAllStandardOutput()));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

}  // namespace

class OutputCommandsTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void init();
    void cleanup() {
        started.reset();
        folder.reset();
    }

    void menuOpensBesideThePointerOnThePress();
    void menuItemRunsWithEitherButton_data();
    void menuItemRunsWithEitherButton();
    void escapeDismissesOnlyTheMenu();
    void saveWritesTheBoxBytes_data();
    void saveWritesTheBoxBytes();
    void twoRowsSaveWithCrLf();
    void cancelledSaveWritesNothing();
    void saveOffersTheLastConfirmedPath();
    void failedSaveKeepsTheOldFile();
    void saveIntoAMissingFolderFails();
    void copyNeedsTwoBytes_data();
    void copyNeedsTwoBytes();
    void copyAllKeepsLineEnds();
    void clearKeepsTheMixedRowCount();
    void exitClosesAfterTheHandler();
    void printWithAnEmptyBox_data();
    void printWithAnEmptyBox();
    void cancelledPrintSaysNothing();
    void printedLinesAreTheBoxLines();
    void longSheetContinuesOnFurtherPages();
    void everyPrintProposesPortraitAndOneCopy();
    void printerThatCannotBeginSaysSo();

  private:
    OutputBox* box() const { return started->control<OutputBox>("编辑框1"); }
    QMenu* menu() const { return started->window->findChild<QMenu*>(QStringLiteral("tc")); }
    QAction* item(const QString& text) const {
        for (QAction* action : menu()->actions()) {
            if (action->text() == text) {
                return action;
            }
        }
        return nullptr;
    }
    void click(const char* name) { QTest::mouseClick(started->control(name), Qt::LeftButton); }
    void run(const QString& text) { item(text)->trigger(); }
    void generateFirstRow() {
        click("单选框5");
        click("按钮1");
    }

    std::unique_ptr<StartedWindow> started;
    std::unique_ptr<QTemporaryDir> folder;
};

void OutputCommandsTest::init() {
    started = std::make_unique<StartedWindow>();
    folder = std::make_unique<QTemporaryDir>();
    QVERIFY(folder->isValid());
}

void OutputCommandsTest::menuOpensBesideThePointerOnThePress() {
    const QPoint at(200, 150);
    QTest::mousePress(box()->viewport(), Qt::RightButton, Qt::NoModifier, at);
    QTRY_VERIFY(menu()->isVisible());
    QCOMPARE(menu()->pos(), box()->viewport()->mapToGlobal(at) + QPoint(3, 3));
    QTest::mouseRelease(box()->viewport(), Qt::RightButton, Qt::NoModifier, at);
    QVERIFY(menu()->isVisible());
    menu()->close();
}

void OutputCommandsTest::menuItemRunsWithEitherButton_data() {
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::newRow("left") << Qt::LeftButton;
    QTest::newRow("right") << Qt::RightButton;
}

void OutputCommandsTest::menuItemRunsWithEitherButton() {
    QFETCH(Qt::MouseButton, button);
    generateFirstRow();
    box()->setFocus();
    QTest::mousePress(box()->viewport(), Qt::RightButton, Qt::NoModifier, QPoint(100, 100));
    QTRY_VERIFY(menu()->isVisible());
    const QRect selectAll = menu()->actionGeometry(item(QStringLiteral("全选")));
    QTest::mouseClick(menu(), button, Qt::NoModifier, selectAll.center());
    QTRY_VERIFY(!menu()->isVisible());
    QCOMPARE(box()->selectedText(), firstTwentyRow);
}

void OutputCommandsTest::escapeDismissesOnlyTheMenu() {
    generateFirstRow();
    QTest::mousePress(box()->viewport(), Qt::RightButton, Qt::NoModifier, QPoint(100, 100));
    QTRY_VERIFY(menu()->isVisible());
    QTest::keyClick(menu(), Qt::Key_Escape);
    QTRY_VERIFY(!menu()->isVisible());
    QVERIFY(started->window->isVisible());
    QCOMPARE(box()->text(), firstTwentyRow);
    QCOMPARE(box()->selectionLength(), 0u);
}

void OutputCommandsTest::saveWritesTheBoxBytes_data() {
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray divisionRow(
        "16\xA1\xC2 2  = (    )  2\xA1\xC2 1   = (    )  8\xA1\xC2 1   = (    )  "
        "15\xA1\xC2 5  = (    )  16\xA1\xC2 2  = (    )  \r\n\r\n");
    QTest::newRow("empty box") << QStringLiteral("单选框1") << 0 << QByteArray();
    QTest::newRow("one row") << QStringLiteral("单选框1") << 1
                             << QByteArray::fromStdString(firstTwentyRow);
    QTest::newRow("division row") << QStringLiteral("单选框4") << 1 << divisionRow;
}

void OutputCommandsTest::saveWritesTheBoxBytes() {
    QFETCH(QString, operation);
    QFETCH(int, rows);
    QFETCH(QByteArray, expected);
    click("单选框5");
    QTest::mouseClick(started->window->findChild<QWidget*>(operation), Qt::LeftButton);
    for (int i = 0; i < rows; ++i) {
        click("按钮1");
    }
    const QString path = folder->filePath(QStringLiteral("sheet.txt"));
    writeFile(path, QByteArray(500, 'x'));
    started->dialogs.saveAnswers.push_back(path);
    run(QStringLiteral("保存"));
    QCOMPARE(fileBytes(path), expected);
    QVERIFY(started->dialogs.messages.isEmpty());
}

// Two rows save as 188 bytes, every line end a CR LF.
void OutputCommandsTest::twoRowsSaveWithCrLf() {
    generateFirstRow();
    click("按钮1");
    const QString path = folder->filePath(QStringLiteral("two.txt"));
    started->dialogs.saveAnswers.push_back(path);
    run(QStringLiteral("保存"));
    const QByteArray saved = fileBytes(path);
    QCOMPARE(saved.size(), 188);
    QCOMPARE(saved.left(94), QByteArray::fromStdString(firstTwentyRow));
    QCOMPARE(saved.count("\r\n"), 4);
    QCOMPARE(saved.count('\n'), 4);
    QCOMPARE(saved.count('\r'), 4);
}

void OutputCommandsTest::cancelledSaveWritesNothing() {
    generateFirstRow();
    const QString path = folder->filePath(QStringLiteral("sheet.txt"));
    started->dialogs.saveAnswers = {path, std::nullopt};
    run(QStringLiteral("保存"));
    click("按钮1");
    run(QStringLiteral("保存"));
    QCOMPARE(fileBytes(path), QByteArray::fromStdString(firstTwentyRow));
    QVERIFY(started->dialogs.messages.isEmpty());
}

void OutputCommandsTest::saveOffersTheLastConfirmedPath() {
    const QString path = folder->filePath(QStringLiteral("sheet.txt"));
    started->dialogs.saveAnswers = {std::nullopt, path, std::nullopt};
    for (int i = 0; i < 3; ++i) {
        run(QStringLiteral("保存"));
    }
    QCOMPARE(started->dialogs.savePathsOffered, QStringList({QString(), QString(), path}));
}

void OutputCommandsTest::failedSaveKeepsTheOldFile() {
    generateFirstRow();
    const QString path = folder->filePath(QStringLiteral("sheet.txt"));
    writeFile(path, "old\r\n");
    started->dialogs.saveAnswers.push_back(path);
    {
        const FileSizeLimit diskAlmostFull(10);
        run(QStringLiteral("保存"));
    }
    QCOMPARE(fileBytes(path), QByteArray("old\r\n"));
    QCOMPARE(started->dialogs.messages.size(), 1);
    QVERIFY(started->dialogs.messages[0].startsWith(QStringLiteral("文件保存失败\n")));
    QVERIFY(started->dialogs.messages[0].size() > QStringLiteral("文件保存失败\n").size());
    QCOMPARE(QDir(folder->path()).entryList(QDir::Files), QStringList{QStringLiteral("sheet.txt")});
}

void OutputCommandsTest::saveIntoAMissingFolderFails() {
    generateFirstRow();
    started->dialogs.saveAnswers.push_back(folder->filePath(QStringLiteral("gone/sheet.txt")));
    run(QStringLiteral("保存"));
    QCOMPARE(started->dialogs.messages.size(), 1);
    QVERIFY(started->dialogs.messages[0].startsWith(QStringLiteral("文件保存失败\n")));
    QVERIFY(started->window->isVisible());
}

void OutputCommandsTest::copyNeedsTwoBytes_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<QString>("copied");
    // The box holds "64÷ 8  = (    )  " from the first hundred-range division.
    QTest::newRow("nothing") << 0 << 0 << QString();
    QTest::newRow("one digit") << 0 << 1 << QString();
    QTest::newRow("one space") << 4 << 5 << QString();
    QTest::newRow("two digits") << 0 << 2 << QStringLiteral("64");
    QTest::newRow("the division sign") << 2 << 4 << QStringLiteral("÷");
}

void OutputCommandsTest::copyNeedsTwoBytes() {
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(QString, copied);
    click("单选框6");
    click("单选框4");
    click("按钮1");
    QApplication::clipboard()->setText(QStringLiteral("before"));
    box()->setSelection(static_cast<std::size_t>(start), static_cast<std::size_t>(end));
    run(QStringLiteral("复制"));
    if (copied.isEmpty()) {
        QCOMPARE(started->dialogs.messages, QStringList{QStringLiteral("请选择需要复制的文本")});
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
    } else {
        QVERIFY(started->dialogs.messages.isEmpty());
        QCOMPARE(QApplication::clipboard()->text(), copied);
    }
}

void OutputCommandsTest::copyAllKeepsLineEnds() {
    run(QStringLiteral("全选"));
    run(QStringLiteral("复制"));
    QCOMPARE(started->dialogs.messages, QStringList{QStringLiteral("请选择需要复制的文本")});
    generateFirstRow();
    run(QStringLiteral("全选"));
    run(QStringLiteral("复制"));
    QCOMPARE(QApplication::clipboard()->text(), QString::fromStdString(firstTwentyRow));
}

void OutputCommandsTest::clearKeepsTheMixedRowCount() {
    click("单选框5");
    click("按钮5");
    click("按钮5");
    run(QStringLiteral("清空"));
    QVERIFY(box()->text().empty());
    for (int i = 0; i < 3; ++i) {
        click("按钮5");
    }
    QCOMPARE(box()->text().size(), 3u * 18 + 4);
    QVERIFY(box()->text().ends_with("\r\n\r\n"));
}

void OutputCommandsTest::exitClosesAfterTheHandler() {
    run(QStringLiteral("退出"));
    QVERIFY(started->window->isVisible());
    QTRY_VERIFY(!started->window->isVisible());
}

void OutputCommandsTest::printWithAnEmptyBox_data() {
    QTest::addColumn<bool>("fromMenu");
    QTest::newRow("menu") << true;
    QTest::newRow("button") << false;
}

void OutputCommandsTest::printWithAnEmptyBox() {
    QFETCH(bool, fromMenu);
    if (fromMenu) {
        run(QStringLiteral("打印"));
    } else {
        click("按钮6");
    }
    QCOMPARE(started->dialogs.messages, QStringList{QStringLiteral("你还没有出题,请先出题再打印")});
    QCOMPARE(started->dialogs.printDialogs, 0);
}

void OutputCommandsTest::cancelledPrintSaysNothing() {
    generateFirstRow();
    started->dialogs.printAnswer = false;
    click("按钮6");
    QCOMPARE(started->dialogs.printDialogs, 1);
    QVERIFY(started->dialogs.messages.isEmpty());
}

// The text is read once the dialog has closed: a row appended while it was open is printed.
void OutputCommandsTest::printedLinesAreTheBoxLines() {
    click("单选框5");
    click("按钮1");
    const QString pdf = folder->filePath(QStringLiteral("sheet.pdf"));
    started->dialogs.printAnswer = true;
    started->dialogs.beforePrintConfirmed = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        click("按钮1");
    };
    run(QStringLiteral("打印"));
    QVERIFY(started->dialogs.messages.isEmpty());
    const QStringList printed = pdfText(pdf)
                                    .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                                    .replaceInStrings(QRegularExpression("\\s+"), " ");
    QStringList expected;
    for (const QString& line :
         QString::fromStdString(box()->text()).split(QStringLiteral("\r\n"))) {
        if (!line.isEmpty()) {
            expected << line.simplified();
        }
    }
    QCOMPARE(expected.size(), 2);
    QStringList trimmed;
    for (const QString& line : printed) {
        if (!line.trimmed().isEmpty() && !line.startsWith(QLatin1Char('\f'))) {
            trimmed << line.simplified();
        }
    }
    QCOMPARE(trimmed, expected);
}

void OutputCommandsTest::longSheetContinuesOnFurtherPages() {
    click("单选框6");
    constexpr int rows = 60;
    for (int i = 0; i < rows; ++i) {
        click("按钮1");
    }
    const QString pdf = folder->filePath(QStringLiteral("long.pdf"));
    int expectedPages = 0;
    started->dialogs.printAnswer = true;
    started->dialogs.beforePrintConfirmed = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        // Every line, empty or not, advances by the height of a 12-point line plus two
        // printer pixels, from 10 mm below the top of the printable area to 5 mm above
        // its bottom.
        QFont font = box()->font();
        font.setPointSizeF(12);
        const QFontMetrics metrics(font, &printer);
        const double pixelsPerMm = printer.resolution() / 25.4;
        const int top = static_cast<int>(10 * pixelsPerMm);
        const int bottom = printer.pageRect(QPrinter::DevicePixel).toRect().height() -
                           static_cast<int>(5 * pixelsPerMm);
        const int advance = metrics.height() + 2;
        const int linesPerPage = (bottom - top - metrics.height()) / advance + 1;
        const int lines = 2 * rows + 1;
        expectedPages = (lines + linesPerPage - 1) / linesPerPage;
    };
    run(QStringLiteral("打印"));
    QVERIFY(expectedPages > 1);
    QCOMPARE(pdfPages(pdf), expectedPages);
    QStringList printed;
    for (const QString& line : pdfText(pdf).split(QLatin1Char('\n'))) {
        const QString simplified = line.simplified();
        if (!simplified.isEmpty()) {
            printed << simplified;
        }
    }
    QStringList expected;
    for (const QString& line :
         QString::fromStdString(box()->text()).split(QStringLiteral("\r\n"))) {
        if (!line.isEmpty()) {
            expected << line.simplified();
        }
    }
    QCOMPARE(printed, expected);
}

void OutputCommandsTest::everyPrintProposesPortraitAndOneCopy() {
    generateFirstRow();
    const QString pdf = folder->filePath(QStringLiteral("copies.pdf"));
    QList<QPageLayout::Orientation> proposedOrientations;
    QList<int> proposedCopies;
    started->dialogs.printAnswer = true;
    started->dialogs.beforePrintConfirmed = [&](QPrinter& printer) {
        proposedOrientations << printer.pageLayout().orientation();
        proposedCopies << printer.copyCount();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageOrientation(QPageLayout::Landscape);
        printer.setCopyCount(2);
    };
    run(QStringLiteral("打印"));
    QCOMPARE(pdfPages(pdf), 2);
    run(QStringLiteral("打印"));
    QCOMPARE(proposedOrientations, QList({QPageLayout::Portrait, QPageLayout::Portrait}));
    QCOMPARE(proposedCopies, QList({1, 1}));
}

void OutputCommandsTest::printerThatCannotBeginSaysSo() {
    generateFirstRow();
    started->dialogs.printAnswer = true;
    started->dialogs.beforePrintConfirmed = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder->filePath(QStringLiteral("gone/sheet.pdf")));
    };
    click("按钮6");
    QCOMPARE(started->dialogs.messages, QStringList{QStringLiteral("打印失败")});
    QVERIFY(started->window->isVisible());
}

QTEST_MAIN(OutputCommandsTest)
#include "output_commands_test.moc"
