#include "platform/droplist.h"

#include "platform/focusreason.h"

#include <QFocusEvent>
#include <QSignalBlocker>

DropDownList::DropDownList(QWidget* parent)
    : QComboBox(parent)
    , m_colours(this, {QPalette::Base, QPalette::Button}, {QPalette::Text, QPalette::ButtonText},
                colours::windowBackground, colours::windowText) {
    setEditable(false);
    setFocusPolicy(Qt::StrongFocus);
    // currentIndexChanged, unlike activated, stays quiet when the selected item is picked again.
    connect(this, &QComboBox::currentIndexChanged, this, &DropDownList::click);
}

void DropDownList::addItem(const QString& text) {
    // QComboBox selects the first item it is given; the list must stay as it was.
    const QSignalBlocker quiet(this);
    const int selected = currentIndex();
    QComboBox::addItem(text);
    setCurrentIndex(selected);
    m_newIndex = count() - 1;
}

int DropDownList::itemData(int index) const {
    return QComboBox::itemData(index).toInt();
}

void DropDownList::setItemData(int index, int number) {
    QComboBox::setItemData(index, number);
}

void DropDownList::focusInEvent(QFocusEvent* event) {
    QComboBox::focusInEvent(event);
    if (movesFocusWithinWindow(event->reason()))
        emit gotFocus();
}
