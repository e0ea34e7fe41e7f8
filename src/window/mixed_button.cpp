#include "mixed_button.h"

#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace zorvanta {

MixedButton::MixedButton(const QString& caption, const QString& hint, QWidget* parent)
    : QPushButton(caption, parent) {
    setToolTip(hint);
    // Tab still reaches the button; a left press takes the focus itself, a right press not.
    setFocusPolicy(Qt::TabFocus);
}

bool MixedButton::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && !isEnabled()) {
        return true;
    }
    return QPushButton::event(event);
}

void MixedButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        Q_EMIT rightPressed();
        return;
    }
    if (event->button() == Qt::LeftButton) {
        setFocus(Qt::MouseFocusReason);
    }
    QPushButton::mousePressEvent(event);
}

// Drawn like any push button, but without a focus rectangle.
void MixedButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.state &= ~QStyle::State_HasFocus;
    painter.drawControl(QStyle::CE_PushButton, option);
}

}  // namespace zorvanta
