// What the drive page tests do to the window as a person would: open the page from the page
// selector, move the focus with Tab, step spin buttons with arrows and keys, pick a charge rate.
#pragma once

#include "support/window.h"

#include <QApplication>
#include <QTest>
#include <cstdlib>

// Failure messages show the colour's number rather than nothing.
inline char* toString(const Colour& colour) {
    return QTest::toString(QStringLiteral("Colour 0x%1").arg(colour.value(), 8, 16, QLatin1Char('0')));
}

inline bool openDrivePage(Form1& f) {
    QTest::keyClick(f.cmbFuelType, Qt::Key_Down);
    QTest::keyClick(f.cmbFuelType, Qt::Key_Down);
    return f.cmbFuelType->listIndex() == 2 && f.Frame1[2]->isVisible();
}

inline bool tabTo(QWidget* target) {
    for (int presses = 0; presses < 20 && QApplication::focusWidget() != target; ++presses)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    return QApplication::focusWidget() == target;
}

// One click on an arrow gives the spin button the focus (when it already stands at the target,
// a click away that the keys then take back); Page Up/Down and the arrow keys do the rest.
inline bool stepTo(QScrollBar* spin, int target) {
    const bool upFirst = spin->value() == target ? spin->value() > spin->minimum() : target < spin->value();
    upFirst ? clickUp(spin) : clickDown(spin);
    for (int presses = 0; presses < 500 && spin->value() != target; ++presses) {
        const int distance = spin->value() - target;
        const bool whole = std::abs(distance) >= spin->pageStep();
        QTest::keyClick(spin, distance > 0 ? (whole ? Qt::Key_PageUp : Qt::Key_Up)
                                           : (whole ? Qt::Key_PageDown : Qt::Key_Down));
    }
    return spin->hasFocus() && spin->value() == target;
}

// Tabs to the list and walks it with the arrow keys, each item on the way raising its Click.
inline bool pickRate(DropDownList* list, int item) {
    if (!tabTo(list))
        return false;
    while (list->listIndex() != item) {
        const int before = list->listIndex();
        QTest::keyClick(list, before < item ? Qt::Key_Down : Qt::Key_Up);
        if (list->listIndex() == before)
            return false;
    }
    return true;
}
