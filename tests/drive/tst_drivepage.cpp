// The gear ratio and battery page: teeth and speeds, capacity, C-rate and current, and their looks.
#include "drive/chargerate.h"
#include "drive/chargetime.h"
#include "window.h"

using namespace Qt::StringLiterals;

class TestDrivePage : public QObject {
    Q_OBJECT
private slots:
    // Keys from the engine's teeth, Tab leading on to the mast's, the engine speed and the head speed.
    void gears_data() {
        QTest::addColumn<QString>("keys");
        // Teeth, ratio, engine and head speed.
        QTest::addColumn<QString>("shown");
        QTest::newRow("9 teeth") << u"Up, Tab, Tab"_s << "9 teeth|86 teeth|9.56 : 1|18,000 RPM|1,884 RPM";
        QTest::newRow("fastest") << u"Home, Tab, End, Tab, Home"_s
                                 << "15 teeth|40 teeth|2.67 : 1|22,000 RPM|8,250 RPM";
        QTest::newRow("slowest") << u"End, Tab, Home, Tab, End"_s
                                 << "5 teeth|140 teeth|28.00 : 1|10,000 RPM|357 RPM";
        QTest::newRow("slowest head")
            << u"Home, Tab, End, Tab, Tab, End"_s << "15 teeth|40 teeth|2.67 : 1|2,667 RPM|1,000 RPM";
    }
    void gears() {
        QFETCH(QString, keys);
        Window w;
        pick(w->cmbFuelType, 2);
        w->vscrConvGRatio[0]->setFocus(Qt::TabFocusReason);
        QCOMPARE(back(w->lblConvGRatio[0]), "yellow");
        press(keys);
        QTEST(joined({w->lblConvGRatio[0], w->lblConvGRatio[1], w->lblConvGRatioOut, w->lblConvGRpm[0],
                      w->lblConvGRpm[1]}),
              "shown");
        // The speed put in is yellow, the one worked out blue; on the other, only its next step recomputes.
        const int in = focused() == w->vscrConvGRpm[1];
        QCOMPARE(back(w->lblConvGRpm[in]) + fore(w->lblConvGRpm[1 - in]), "yellowblue");
        const QString speeds = joined(w->lblConvGRpm);
        press(in ? "Shift+Tab" : "Tab");
        QCOMPARE(joined(w->lblConvGRpm) + back(w->lblConvGRpm[in]), speeds + "grey");
        // Off the speeds altogether, the one just left is no longer highlighted.
        press(in ? "Shift+Tab" : "Tab");
        QCOMPARE(back(w->lblConvGRpm[1 - in]), "window");
    }

    void rates_data() {
        QTest::addColumn<int>("capacity");
        // The list's item: C/10 to C/2, 1C, 2C.
        QTest::addColumn<int>("rate");
        QTest::addColumn<QString>("shown");
        QTest::newRow("C/10") << 2500 << 0 << "2500 mAh|250 mA|15 Hours";
        QTest::newRow("2C") << 2500 << 10 << "2500 mAh|5000 mA|45 Minutes";
        QTest::newRow("C/7, minutes cut off") << 2400 << 3 << "2400 mAh|343 mA|10 Hours and 29 Minutes";
        QTest::newRow("C/4, half up to even") << 2350 << 6 << "2350 mAh|588 mA|5 Hours and 59 Minutes";
    }
    void rates() {
        QFETCH(int, capacity);
        QFETCH(int, rate);
        Window w;
        pick(w->cmbFuelType, 2);
        spinTo(w->vscrBattRating, w->lblBatt[0], capacity);
        pick(w->cmbBattRate, rate);
        QTEST(joined(w->lblBatt), "shown");
    }

    // The blank rate changes nothing; a current set by hand blanks the list.
    void currentByHand() {
        Window w;
        pick(w->cmbFuelType, 2);
        arrow(w->vscrBattRating, -1);
        pick(w->cmbBattRate, 6);
        press("End");
        // 612.5 mA to the even neighbour.
        QCOMPARE(joined(w->lblBatt), "2450 mAh|612 mA|6 Hours");
        press("Up, Shift+Tab");
        QCOMPARE(joined({w->cmbBattRate, w->lblBatt[1], w->lblBatt[2]}) +
                     joined({w->cmbBattRate, w->lblBatt[1]}, back),
                 " |4900 mA|45 Minutesgrey|yellow");
        // The current's range starts at C/10.
        press("End");
        QCOMPARE(shown(w->lblBatt[1]), "245 mA");
        // A capacity step goes back to C/10.
        arrow(w->vscrBattRating);
        QCOMPARE(joined({w->cmbBattRate, w->lblBatt[0], w->lblBatt[1]}) +
                     joined({w->cmbBattRate, w->lblBatt[0]}, back),
                 " C/10|2500 mAh|250 mAwindow|yellow");
    }

    // What the window's steps do not reach: currents between its 5 mA steps, and C/10 of capacities
    // between its 50 mAh steps, to the even milliamp on a half (244.5 mA of 2445 mAh, 245.5 of 2455).
    void betweenSteps() {
        QCOMPARE(chargeTimeText(hoursAndMinutes(chargeHours(2000, 2941)), {}), "1 Hour and 01 Minute");
        QCOMPARE(chargeTimeText(hoursAndMinutes(chargeHours(2465, 246)), {}), "15 Hours and 01 Minute");
        QCOMPARE(currentMa(currentRangeFor(2500 - 2445).max), 244);
        QCOMPARE(currentMa(currentRangeFor(2500 - 2455).max), 246);
    }
};

QTEST_MAIN(TestDrivePage)
#include "tst_drivepage.moc"
