#include "platform/textbox.h"

#include "platform/focusreason.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QSignalBlocker>

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
    if (!movesFocusWithinWindow(event->reason()))
        return;
    // Undo serves one visit to the box. Its history keeps every character ever typed or pasted
    // until the text is set, and a box the program never sets would hold it for good.
    if (isUndoAvailable() || isRedoAvailable()) {
        const QSignalBlocker unchanged(this);
        setText(text());
    }
    emit lostFocus();
}

void TextBox::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit click();
}
