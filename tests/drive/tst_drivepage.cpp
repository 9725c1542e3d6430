// The gear ratio and battery page: teeth and speeds, capacity, C-rate and current, and their looks.
#include "drive/chargerate.h"
#include "drive/chargetime.h"
#include "window.h"

class TestDrivePage : public QObject {
    Q_OBJECT
private slots:
    void gears_data() { // keys on the engine's teeth, the mast's, and the engine (0) or head (1) speed
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("mast");
        QTest::addColumn<int>("speed");
        QTest::addColumn<QString>("speedKey");
        QTest::addColumn<QString>("shown"); // teeth, ratio, engine and head speed
        const QString nothing;
        QTest::newRow("9 teeth") << "Up" << nothing << 0 << nothing
                                 << "9 teeth|86 teeth|9.56 : 1|18,000 RPM|1,884 RPM";
        QTest::newRow("fastest") << "Home"
                                 << "End" << 0 << "Home"
                                 << "15 teeth|40 teeth|2.67 : 1|22,000 RPM|8,250 RPM";
        QTest::newRow("slowest") << "End"
                                 << "Home" << 0 << "End"
                                 << "5 teeth|140 teeth|28.00 : 1|10,000 RPM|357 RPM";
        QTest::newRow("head") << nothing << nothing << 1 << "Up"
                              << "8 teeth|86 teeth|10.75 : 1|23,220 RPM|2,160 RPM";
        QTest::newRow("slowest head") << "Home"
                                      << "End" << 1 << "End"
                                      << "15 teeth|40 teeth|2.67 : 1|2,667 RPM|1,000 RPM";
    }
    void gears() {
        QFETCH(QString, engine);
        QFETCH(QString, mast);
        QFETCH(int, speed);
        QFETCH(QString, speedKey);
        Window w;
        pick(w->cmbFuelType, 2);
        key(w->vscrConvGRatio[0], QKeySequence(engine));
        key(w->vscrConvGRatio[1], QKeySequence(mast));
        w->vscrConvGRpm[speed]->setFocus(Qt::TabFocusReason);
        key(nullptr, QKeySequence(speedKey));
        QTEST(joined({w->lblConvGRatio[0], w->lblConvGRatio[1], w->lblConvGRatioOut, w->lblConvGRpm[0],
                      w->lblConvGRpm[1]}),
              "shown");
        // The speed put in is yellow, the one worked out blue; on the other, only its next step recomputes.
        QCOMPARE(back(w->lblConvGRpm[speed]) + fore(w->lblConvGRpm[1 - speed]), "yellowblue");
        const QString speeds = joined(w->lblConvGRpm);
        w->vscrConvGRpm[1 - speed]->setFocus(Qt::TabFocusReason);
        QCOMPARE(joined(w->lblConvGRpm) + back(w->lblConvGRpm[speed]), speeds + "grey");
    }

    void rates_data() {
        QTest::addColumn<int>("capacity");
        QTest::addColumn<int>("rate"); // the list's item: C/10 to C/2, 1C, 2C
        QTest::addColumn<QString>("shown");
        QTest::newRow("C/10") << 2500 << 0 << "2500 mAh|250 mA|15 Hours";
        QTest::newRow("2C") << 2500 << 10 << "2500 mAh|5000 mA|45 Minutes";
        QTest::newRow("C/7, minutes cut off") << 2400 << 3 << "2400 mAh|343 mA|10 Hours and 29 Minutes";
        QTest::newRow("C/4, half up to even") << 2350 << 6 << "2350 mAh|588 mA|5 Hours and 59 Minutes";
        QTest::newRow("C/10 of 500") << 500 << 0 << "500 mAh|50 mA|15 Hours";
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

    void currentByHand() { // the blank rate changes nothing; a current set by hand blanks the list
        Window w;
        pick(w->cmbFuelType, 2);
        arrow(w->vscrBattRating, -1);
        pick(w->cmbBattRate, 6);
        key(nullptr, QKeySequence("End"));
        QCOMPARE(joined(w->lblBatt), "2450 mAh|612 mA|6 Hours"); // 612.5 to the even neighbour
        key(nullptr, QKeySequence("Up, Shift+Tab"));
        QCOMPARE(joined({w->cmbBattRate, w->lblBatt[1], w->lblBatt[2]}) + back(w->cmbBattRate),
                 " |4900 mA|45 Minutesgrey");
        key(nullptr, Qt::Key_End); // the current's range starts at C/10
        QCOMPARE(shown(w->lblBatt[1]), "245 mA");
        arrow(w->vscrBattRating); // a capacity step goes back to C/10
        QCOMPARE(joined({w->cmbBattRate, w->lblBatt[0], w->lblBatt[1]}) + back(w->cmbBattRate),
                 " C/10|2500 mAh|250 mAwindow");
    }

    void chargeTime_data() { // currents the window's 5 mA steps do not reach
        QTest::addColumn<int>("capacity");
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("shown");
        QTest::newRow("one minute") << 2000 << 2941 << "1 Hour and 01 Minute";
        QTest::newRow("C/10 of 2465") << 2465 << 246 << "15 Hours and 01 Minute";
    }
    void chargeTime() {
        QFETCH(int, capacity);
        QFETCH(int, current);
        QTEST(chargeTimeText(hoursAndMinutes(chargeHours(capacity, current)), NumberFormat{}), "shown");
    }

    void smallestCurrent() { // C/10, to the even milliamp on a half: 244.5 mA of 2445 mAh, 245.5 of 2455
        QCOMPARE(currentMa(currentRangeFor(2500 - 2445).max), 244);
        QCOMPARE(currentMa(currentRangeFor(2500 - 2455).max), 246);
    }

    void focusLooks() { // Tab by Tab from the page selector: the input in focus is yellow, the speed worked
                        // out grey
        Window w;
        pick(w->cmbFuelType, 2);
        QStringList seen;
        for (int i = 0; i < 7; ++i) {
            key(nullptr, Qt::Key_Tab);
            seen << joined({w->lblConvGRatio[0], w->lblConvGRatio[1], w->lblConvGRpm[0], w->lblConvGRpm[1],
                            w->lblBatt[0], w->lblBatt[1], w->cmbBattRate},
                           back)
                        .replace("window", "-");
        }
        QCOMPARE(seen.join(' '), "yellow|-|-|grey|-|-|- -|yellow|-|grey|-|-|- -|-|yellow|grey|-|-|- "
                                 "-|-|grey|yellow|-|-|- -|-|grey|-|yellow|-|- -|-|grey|-|-|yellow|grey "
                                 "-|-|grey|-|-|-|-");
        QCOMPARE(fore(w->lblConvGRpm[1]), "text");
    }
};

QTEST_MAIN(TestDrivePage)
#include "tst_drivepage.moc"
