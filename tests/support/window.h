// The real window with every page installed, loaded and shown on the offscreen screen, plus the
// few gestures the tests make on its controls.
#pragma once

#include "app/mainwindow.h"
#include "support/fakedesktop.h"

#include <QApplication>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

inline std::unique_ptr<Form1> showWindow(FakeDesktop& desktop) {
    auto form = createMainWindow(desktop);
    form->Show();
    QApplication::setActiveWindow(form.get());
    if (!QTest::qWaitForWindowActive(form.get()))
        qFatal("the window never became active");
    return form;
}

// Clicks a spin button's up or down arrow as a person does with the mouse.
inline void clickArrow(QScrollBar* spin, bool up) {
    QStyleOptionSlider option;
    option.initFrom(spin);
    option.orientation = spin->orientation();
    option.minimum = spin->minimum();
    option.maximum = spin->maximum();
    option.sliderPosition = spin->sliderPosition();
    option.sliderValue = spin->value();
    option.singleStep = spin->singleStep();
    option.pageStep = spin->pageStep();
    option.subControls = QStyle::SC_All;
    const QRect arrow = spin->style()->subControlRect(
        QStyle::CC_ScrollBar, &option, up ? QStyle::SC_ScrollBarSubLine : QStyle::SC_ScrollBarAddLine, spin);
    QTest::mouseClick(spin, Qt::LeftButton, Qt::NoModifier, arrow.center());
}
inline void clickUp(QScrollBar* spin) {
    clickArrow(spin, true);
}
inline void clickDown(QScrollBar* spin) {
    clickArrow(spin, false);
}
