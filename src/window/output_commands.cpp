// The commands on the sheet, offered by the output box's context menu: save, copy, select
// all, print, clear and exit; "打印" is also a button.
#include <QMenu>
#include <QSaveFile>
#include <QTimer>

#include "dialogs.h"
#include "gbk.h"
#include "main_window.h"
#include "output_box.h"
#include "sheet_printer.h"
#include "ui_texts.h"

namespace zorvanta {

namespace {

// The menu's top-left corner stands this far right of and below the pointer.
constexpr QPoint menuOffset(3, 3);
// A selection of a single byte is not copied.
constexpr std::size_t shortestCopy = 2;

// Writes until every byte is written or the system refuses with a reason; a short write
// alone gives none.
bool writeAll(QSaveFile& file, std::string_view bytes) {
    while (!bytes.empty()) {
        const qint64 written = file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

void MainWindow::showContextMenu(const QPoint& globalPosition) {
    contextMenu_->popup(globalPosition + menuOffset);
}

void MainWindow::saveSheet() {
    const std::optional<QString> path = dialogs_.chooseSavePath(this, lastSavePath_);
    if (!path) {
        return;
    }
    lastSavePath_ = *path;
    // Written to a new file that replaces the old one only once every byte is on disk, and
    // unbuffered, so that a short write is seen here and not lost in a later flush.
    QSaveFile file(*path);
    const bool saved = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                       writeAll(file, outputBox_->text()) && file.commit();
    if (!saved) {
        dialogs_.showMessage(uiTexts::saveFailed + QLatin1Char('\n') + file.errorString());
    }
}

void MainWindow::copySelection() {
    if (outputBox_->selectionLength() < shortestCopy) {
        dialogs_.showMessage(uiTexts::selectTextToCopy);
        return;
    }
    outputBox_->copySelection();
}

void MainWindow::selectWholeSheet() {
    outputBox_->selectAll();
}

void MainWindow::printProblems() {
    if (outputBox_->text().empty()) {
        dialogs_.showMessage(uiTexts::nothingToPrint);
        return;
    }
    if (!printer_->print(this, dialogs_, [this] { return decodeGbk(outputBox_->text()); })) {
        dialogs_.showMessage(uiTexts::printFailed);
    }
}

void MainWindow::clearSheet() {
    outputBox_->clear();
}

// The window closes once the menu's handler has returned.
void MainWindow::exitProgram() {
    QTimer::singleShot(0, this, &QWidget::close);
}

}  // namespace zorvanta
