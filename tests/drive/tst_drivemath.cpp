// The charge's arithmetic, for capacities and currents the window's steps do not all reach, with
// the time worded as the window shows it.
#include "drive/chargerate.h"
#include "drive/chargetime.h"
#include "numbers/numberformat.h"

#include <QTest>

class TestDriveMath : public QObject {
    Q_OBJECT
private slots:
    void charge_data() {
        QTest::addColumn<int>("capacity");
        QTest::addColumn<int>("itemData"); // ten times C's divisor; 0 for the blank item
        QTest::addColumn<int>("current");  // in mA, the rate's or else set by hand
        QTest::addColumn<QString>("caption");
        QTest::newRow("C/10") << 2500 << 100 << 250 << "15 Hours";
        QTest::newRow("1C") << 2500 << 10 << 2500 << "1 Hour and 30 Minutes";
        QTest::newRow("2C") << 2500 << 5 << 5000 << "45 Minutes";
        QTest::newRow("C/7 of 2400, minutes cut off") << 2400 << 70 << 343 << "10 Hours and 29 Minutes";
        QTest::newRow("C/10 of 2465, 246.5 to even") << 2465 << 100 << 246 << "15 Hours and 01 Minute";
        QTest::newRow("C/10 of 2455, 245.5 to even") << 2455 << 100 << 246 << "14 Hours and 58 Minutes";
        QTest::newRow("3000 of 2000") << 2000 << 0 << 3000 << "1 Hour";
        QTest::newRow("1000 of 600") << 600 << 0 << 1000 << "54 Minutes";
        QTest::newRow("C/10 of 500") << 500 << 100 << 50 << "15 Hours";
        QTest::newRow("C/3, 833.33 mA") << 2500 << 30 << 833 << "4 Hours and 30 Minutes";
        QTest::newRow("C/4 of 1000") << 1000 << 40 << 250 << "6 Hours";
        QTest::newRow("2941 of 2000") << 2000 << 0 << 2941 << "1 Hour and 01 Minute";
        QTest::newRow("3500 of 2500") << 2500 << 0 << 3500 << "1 Hour and 04 Minutes";
        QTest::newRow("1500 of 2000") << 2000 << 0 << 1500 << "2 Hours";
        QTest::newRow("2903 of 2000") << 2000 << 0 << 2903 << "1 Hour and 02 Minutes";
    }
    void charge() {
        QFETCH(int, capacity);
        QFETCH(int, itemData);
        QFETCH(int, current);
        const int rating = 2500 - capacity;
        QCOMPARE(currentScrollForRate(rating, itemData).value_or(-1), itemData ? 5000 - current : -1);
        // The current's range runs from the C/10 rate's current to the 2C rate's.
        QCOMPARE(currentRangeFor(rating).max, *currentScrollForRate(rating, 100));
        QCOMPARE(currentRangeFor(rating).min, *currentScrollForRate(rating, 5));
        QTEST(chargeTimeText(hoursAndMinutes(chargeHours(capacity, current)), NumberFormat{}), "caption");
    }
};

QTEST_APPLESS_MAIN(TestDriveMath)
#include "tst_drivemath.moc"
