#include "count_field.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <algorithm>

#include "count_rewrite.h"

namespace zorvanta {

namespace {

const QColor promptColour(128, 128, 128);
const QColor typedColour(0, 0, 0);

bool isAllowedCharacter(QChar c) {
    return (c >= u'0' && c <= u'9') || c == u'-';
}

bool isPrintable(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
}

QString allowedCharacters(const QString& text) {
    QString allowed;
    std::copy_if(text.begin(), text.end(), std::back_inserter(allowed), isAllowedCharacter);
    return allowed;
}

}  // namespace

CountField::CountField(const QString& prompt, QWidget* parent) : QLineEdit(prompt, parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setTextColour(promptColour);
}

void CountField::setTextColour(const QColor& colour) {
    QPalette colours = palette();
    colours.setColor(QPalette::Text, colour);
    setPalette(colours);
}

void CountField::keyPressEvent(QKeyEvent* event) {
    const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    if (!shortcut && isPrintable(event->text()) &&
        allowedCharacters(event->text()) != event->text()) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// Characters committed by an input method bypass the key events and are filtered here.
void CountField::inputMethodEvent(QInputMethodEvent* event) {
    const QString allowed = allowedCharacters(event->commitString());
    if (allowed != event->commitString()) {
        event->setCommitString(allowed, event->replacementStart(), event->replacementLength());
    }
    QLineEdit::inputMethodEvent(event);
}

void CountField::focusInEvent(QFocusEvent* event) {
    if (event->reason() != Qt::PopupFocusReason) {
        setText(QString());
        setTextColour(typedColour);
    }
    QLineEdit::focusInEvent(event);
}

void CountField::focusOutEvent(QFocusEvent* event) {
    if (event->reason() != Qt::PopupFocusReason) {
        const QString rewritten = QString::fromStdString(rewriteAsInteger(text().toStdString()));
        if (rewritten != text()) {
            setText(rewritten);
        }
    }
    QLineEdit::focusOutEvent(event);
}

}  // namespace zorvanta
