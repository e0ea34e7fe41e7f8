#pragma once

#include <QPushButton>

namespace zorvanta {

// "随机混合出题": a raised push button that reports a left click and a press of the right
// button as two separate events. A right press leaves the keyboard focus where it is, so a
// count just pasted into the count field is still there to be read. Its tooltip shows only
// while the button is enabled.
class MixedButton : public QPushButton {
    Q_OBJECT

  public:
    MixedButton(const QString& caption, const QString& hint, QWidget* parent = nullptr);

  Q_SIGNALS:
    void rightPressed();

  protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace zorvanta
