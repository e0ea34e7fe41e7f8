#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include "dialogs.h"
#include "ui_texts.h"

namespace zorvanta {

namespace {

// Qt's own save dialog, which asks before replacing a file (the native one on some desktops
// does not when the suffix is added for the user). A path whose folder does not exist is not
// accepted: the dialog says so and stays open.
class SaveDialog : public QFileDialog {
  public:
    explicit SaveDialog(QWidget* owner) : QFileDialog(owner) {
        setObjectName(QStringLiteral("通用对话框1"));
        setOption(QFileDialog::DontUseNativeDialog);
        setOption(QFileDialog::HideNameFilterDetails);
        setAcceptMode(QFileDialog::AcceptSave);
        setFileMode(QFileDialog::AnyFile);
        setNameFilter(uiTexts::saveFilter);
        setDefaultSuffix(uiTexts::saveSuffix);
    }

    void accept() override {
        const QStringList files = selectedFiles();
        if (!files.isEmpty()) {
            const QDir folder = QFileInfo(files.first()).absoluteDir();
            if (!folder.exists()) {
                QMessageBox::warning(
                    this, windowTitle(),
                    uiTexts::folderMissing.arg(QDir::toNativeSeparators(folder.path())));
                return;
            }
        }
        QFileDialog::accept();
    }
};

}  // namespace

void QtDialogs::showMessage(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, uiTexts::messageCaption, text, QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

std::optional<QString> QtDialogs::chooseSavePath(QWidget* owner, const QString& lastPath) {
    SaveDialog dialog(owner);
    if (!lastPath.isEmpty()) {
        dialog.selectFile(lastPath);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().first();
}

bool QtDialogs::confirmPrint(QWidget* owner, QPrinter& printer) {
    QPrintDialog dialog(&printer, owner);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace zorvanta
