#pragma once

#include <QLineEdit>

namespace zorvanta {

// The count field. The keyboard enters only the digits and the minus sign (pastes are left
// as they are); leaving the field rewrites its text as its integer value; every time it
// gets the focus it is emptied and its text turns black. Focus moves caused by a popup, such
// as the field's own context menu, change nothing.
class CountField : public QLineEdit {
    Q_OBJECT

  public:
    explicit CountField(const QString& prompt, QWidget* parent = nullptr);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void setTextColour(const QColor& colour);
};

}  // namespace zorvanta
