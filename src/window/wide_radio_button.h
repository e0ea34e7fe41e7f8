#pragma once

#include <QRadioButton>

namespace zorvanta {

// A radio button that takes a click anywhere in its rectangle, not only on its circle and
// text, as a click on a Windows form does.
class WideRadioButton : public QRadioButton {
  public:
    using QRadioButton::QRadioButton;

  protected:
    bool hitButton(const QPoint& position) const override { return rect().contains(position); }
};

}  // namespace zorvanta
