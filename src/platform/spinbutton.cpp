#include "platform/spinbutton.h"

#include "platform/focusreason.h"

#include <QFocusEvent>

SpinButton::SpinButton(QWidget* parent, SpinRange range)
    : QScrollBar(Qt::Vertical, parent) {
    setFocusPolicy(Qt::StrongFocus);
    setContextMenuPolicy(Qt::NoContextMenu);
    setRange(range.min, range.max);
    setSingleStep(range.smallChange);
    setPageStep(range.largeChange);
    setValue(range.value);
    connect(this, &QAbstractSlider::valueChanged, this, &SpinButton::change);
}

void SpinButton::focusInEvent(QFocusEvent* event) {
    QScrollBar::focusInEvent(event);
    if (movesFocusWithinWindow(event->reason()))
        emit gotFocus();
}

void SpinButton::focusOutEvent(QFocusEvent* event) {
    QScrollBar::focusOutEvent(event);
    if (movesFocusWithinWindow(event->reason()))
        emit lostFocus();
}
