// The real window with every page installed, loaded and shown on the offscreen screen, and the
// arrow click the tests make on its spin buttons.
#pragma once
#include "app/mainwindow.h"
#include "support/fakedesktop.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>

inline std::unique_ptr<Form1> showWindow(FakeDesktop& desktop) {
    auto form = createMainWindow(desktop);
    form->Show();
    QApplication::setActiveWindow(form.get());
    if (!QTest::qWaitForWindowActive(form.get()))
        qFatal("the window never became active");
    return form;
}

// Clicks a spin button's up (or left) arrow or its down (or right) one, a pixel inside its end,
// as a person does with the mouse.
inline void clickArrow(QScrollBar* spin, bool up) {
    const QPoint end = up ? QPoint(1, 1) : QPoint(spin->width() - 2, spin->height() - 2);
    const bool across = spin->orientation() == Qt::Horizontal;
    QTest::mouseClick(spin, Qt::LeftButton, {}, across ? QPoint(end.x(), spin->height() / 2) : QPoint(spin->width() / 2, end.y()));
}
