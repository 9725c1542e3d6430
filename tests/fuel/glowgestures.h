// What the glow fuel page tests do to the window as a person would (keys on spin buttons, picking a
// unit, moving the focus) and the page's visible state read back as text.
#pragma once

#include "support/window.h"

#include <QStringList>
#include <QTest>
#include <cstdlib>

// Failure messages show the colour's number rather than nothing.
inline char* toString(const Colour& colour) {
    return QTest::toString(QStringLiteral("Colour 0x%1").arg(colour.value(), 8, 16, QLatin1Char('0')));
}

// Focuses a spin button and presses PageUp/Up (or PageDown/Down) until base − Value is the target.
inline void stepTo(QScrollBar* spin, int base, int target) {
    spin->setFocus(Qt::TabFocusReason);
    const int change = target - (base - spin->value());
    const auto press = [spin](Qt::Key key, int times) {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(spin, key);
    };
    press(change > 0 ? Qt::Key_PageUp : Qt::Key_PageDown, std::abs(change) / 10);
    press(change > 0 ? Qt::Key_Up : Qt::Key_Down, std::abs(change) % 10);
}

inline void setTotal(Form1& f, int total) {
    stepTo(f.vscrTotVol, 201, total);
}

inline void setMix(Form1& f, const QList<int>& percents) {
    for (int row = 0; row < percents.size(); ++row)
        stepTo(f.vscrInPercent[row], 100, percents[row]);
}

inline void pickUnit(Form1& f, int unit) {
    f.cmbVolumeGrads->setFocus(Qt::TabFocusReason);
    QTest::keyClick(f.cmbVolumeGrads, Qt::Key_Home);
    for (int i = 0; i < unit; ++i)
        QTest::keyClick(f.cmbVolumeGrads, Qt::Key_Down);
}

// Parks the focus on the page selector, so no input of the page is highlighted.
inline void leaveFocus(Form1& f) {
    f.cmbFuelType->setFocus(Qt::TabFocusReason);
}

inline void toggleAdditiveIsOil(Form1& f) {
    f.chkAddIsOil->setFocus(Qt::TabFocusReason);
    QTest::keyClick(f.chkAddIsOil, Qt::Key_Space);
}

// Every caption, colour and Enabled state the page shows, one line per control.
inline QStringList pageState(const Form1& f) {
    QStringList state;
    const auto add = [&state](const Label* label) {
        state << QStringLiteral("%1 '%2' back %3 fore %4")
                     .arg(label->objectName(), label->caption())
                     .arg(label->backColor().value(), 0, 16)
                     .arg(label->foreColor().value(), 0, 16);
    };
    for (const Label* label : {f.lblTotalVol, f.lblIndicate, f.lblOilTotal, f.lblOut1[0], f.lblOut1[1]})
        add(label);
    for (int row = 0; row < 5; ++row) {
        add(f.lblPercentIn[row]);
        add(f.lblVolumeOut[row]);
        add(f.lblVolumeOut2[row]);
    }
    state << QStringLiteral("txtOther enabled %1 back %2")
                 .arg(f.txtOther->isEnabled())
                 .arg(f.txtOther->backColor().value(), 0, 16)
          << QStringLiteral("chkAddIsOil enabled %1").arg(f.chkAddIsOil->isEnabled())
          << QStringLiteral("copy %1 print %2").arg(f.cmdCopy->isEnabled()).arg(f.cmdPrint->isEnabled());
    return state;
}
