#pragma once

#include <QString>
#include <optional>

class QPrinter;
class QWidget;

namespace zorvanta {

// The modal boxes and dialogs the program waits in. The program shows the real Qt ones;
// tests answer them without a person.
class Dialogs {
  public:
    virtual ~Dialogs() = default;

    // The program's one kind of message box: caption "信息：", one OK button, no icon, no
    // owner window, modal to the whole program.
    virtual void showMessage(const QString& text) = 0;
    // The save dialog, opened with the last confirmed path; the chosen path, or nothing when
    // the user cancels.
    virtual std::optional<QString> chooseSavePath(QWidget* owner, const QString& lastPath) = 0;
    // The system's print dialog for the printer; true when the user confirms.
    virtual bool confirmPrint(QWidget* owner, QPrinter& printer) = 0;
};

class QtDialogs : public Dialogs {
  public:
    void showMessage(const QString& text) override;
    std::optional<QString> chooseSavePath(QWidget* owner, const QString& lastPath) override;
    bool confirmPrint(QWidget* owner, QPrinter& printer) override;
};

}  // namespace zorvanta
