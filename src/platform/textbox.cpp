#include "platform/textbox.h"

#include "platform/focusreason.h"

#include <QFocusEvent>
#include <QMouseEvent>

TextBox::TextBox(QWidget* parent)
    : QLineEdit(parent)
    , m_colours(this, {QPalette::Base}, {QPalette::Text}, colours::windowBackground, colours::windowText) {
    connect(this, &QLineEdit::textChanged, this, &TextBox::change);
}

void TextBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (movesFocusWithinWindow(event->reason()))
        emit gotFocus();
}

void TextBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (movesFocusWithinWindow(event->reason()))
        emit lostFocus();
}

void TextBox::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit click();
}
