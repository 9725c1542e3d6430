// The charge current's scales and the charge time with its wording.
#include "app/numberformat.h"
#include "drive/chargerate.h"
#include "drive/chargetime.h"

#include <QTest>

class TestChargeTime : public QObject {
    Q_OBJECT

private slots:
    void currentRange_data();
    void currentRange();
    void rateCurrent_data();
    void rateCurrent();
    void chargeTime_data();
    void chargeTime();
    void minutesCutOff_data();
    void minutesCutOff();
    void wording_data();
    void wording();
};

namespace {

QString text(HoursAndMinutes time) {
    return chargeTimeText(
        time, [](double value, QStringView pattern) { return NumberFormat{}.Format(value, pattern); });
}

} // namespace

void TestChargeTime::currentRange_data() {
    QTest::addColumn<int>("rating");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::newRow("2500 mAh") << 0 << 0 << 4750;
    QTest::newRow("500 mAh") << 2000 << 4000 << 4950;
    QTest::newRow("550 mAh") << 1950 << 3900 << 4945;
    QTest::newRow("2465 mAh, 4753.5 to even") << 35 << 70 << 4754;
    QTest::newRow("2455 mAh, 4754.5 to even") << 45 << 90 << 4754;
}

void TestChargeTime::currentRange() {
    QFETCH(int, rating);
    QFETCH(int, min);
    QFETCH(int, max);
    const CurrentRange range = currentRangeFor(rating);
    QCOMPARE(range.min, min);
    QCOMPARE(range.max, max);
}

void TestChargeTime::rateCurrent_data() {
    QTest::addColumn<int>("rating");
    QTest::addColumn<int>("itemData");
    QTest::addColumn<int>("scrollValue"); // -1: the current stays
    QTest::newRow("C/10 of 2500") << 0 << 100 << 4750;
    QTest::newRow("1C of 2500") << 0 << 10 << 2500;
    QTest::newRow("2C of 2500") << 0 << 5 << 0;
    QTest::newRow("2C of 500") << 2000 << 5 << 4000;
    QTest::newRow("C/3 of 2500") << 0 << 30 << 4167;
    QTest::newRow("C/7 of 2400") << 100 << 70 << 4657;
    QTest::newRow("C/4 of 1000") << 1500 << 40 << 4750;
    QTest::newRow("C/10 of 2465, half to even") << 35 << 100 << 4754;
    QTest::newRow("C/10 of 2455, half to even") << 45 << 100 << 4754;
    QTest::newRow("blank item") << 0 << 0 << -1;
}

void TestChargeTime::rateCurrent() {
    QFETCH(int, rating);
    QFETCH(int, itemData);
    QFETCH(int, scrollValue);
    QCOMPARE(currentScrollForRate(rating, itemData).value_or(-1), scrollValue);
}

void TestChargeTime::chargeTime_data() {
    QTest::addColumn<int>("capacity");
    QTest::addColumn<int>("current");
    QTest::addColumn<qint64>("tenThousandthHours");
    QTest::addColumn<QString>("caption");
    QTest::newRow("C/10") << 2500 << 250 << 150000LL << "15 Hours";
    QTest::newRow("1C") << 2500 << 2500 << 15000LL << "1 Hour and 30 Minutes";
    QTest::newRow("2C") << 2500 << 5000 << 7500LL << "45 Minutes";
    QTest::newRow("C/3") << 2500 << 833 << 45018LL << "4 Hours and 30 Minutes";
    QTest::newRow("C/4") << 1000 << 250 << 60000LL << "6 Hours";
    QTest::newRow("C/7") << 2400 << 343 << 104956LL << "10 Hours and 29 Minutes";
    QTest::newRow("C/10 of 2465") << 2465 << 246 << 150305LL << "15 Hours and 01 Minute";
    QTest::newRow("C/10 of 2455") << 2455 << 246 << 149695LL << "14 Hours and 58 Minutes";
    QTest::newRow("2941 of 2000") << 2000 << 2941 << 10201LL << "1 Hour and 01 Minute";
    QTest::newRow("3500 of 2500") << 2500 << 3500 << 10714LL << "1 Hour and 04 Minutes";
    QTest::newRow("1000 of 600") << 600 << 1000 << 9000LL << "54 Minutes";
    QTest::newRow("C/10 of 500") << 500 << 50 << 150000LL << "15 Hours";
}

void TestChargeTime::chargeTime() {
    QFETCH(int, capacity);
    QFETCH(int, current);
    QFETCH(qint64, tenThousandthHours);
    QFETCH(QString, caption);
    const Amount hours = chargeHours(capacity, current);
    QCOMPARE(hours.raw(), tenThousandthHours);
    QCOMPARE(text(hoursAndMinutes(hours)), caption);
}

void TestChargeTime::minutesCutOff_data() {
    QTest::addColumn<qint64>("tenThousandthHours");
    QTest::addColumn<qint64>("hours");
    QTest::addColumn<qint64>("minutes");
    QTest::newRow("2.9999") << 29999LL << 2LL << 59LL;
    QTest::newRow("0.9999") << 9999LL << 0LL << 59LL;
    QTest::newRow("1") << 10000LL << 1LL << 0LL;
    QTest::newRow("just under a minute") << 166LL << 0LL << 0LL;
}

void TestChargeTime::minutesCutOff() {
    QFETCH(qint64, tenThousandthHours);
    QFETCH(qint64, hours);
    QFETCH(qint64, minutes);
    const HoursAndMinutes time = hoursAndMinutes(Amount::fromRaw(tenThousandthHours));
    QCOMPARE(time.hours, hours);
    QCOMPARE(time.minutes, minutes);
}

void TestChargeTime::wording_data() {
    QTest::addColumn<qint64>("hours");
    QTest::addColumn<qint64>("minutes");
    QTest::addColumn<QString>("caption");
    QTest::newRow("nothing") << 0LL << 0LL << "";
    QTest::newRow("one hour") << 1LL << 0LL << "1 Hour";
    QTest::newRow("two hours") << 2LL << 0LL << "2 Hours";
    QTest::newRow("one minute") << 0LL << 1LL << "01 Minute";
    QTest::newRow("two minutes") << 0LL << 2LL << "02 Minutes";
    QTest::newRow("one and one") << 1LL << 1LL << "1 Hour and 01 Minute";
    QTest::newRow("two and two") << 2LL << 2LL << "2 Hours and 02 Minutes";
    QTest::newRow("two digits each") << 12LL << 59LL << "12 Hours and 59 Minutes";
}

void TestChargeTime::wording() {
    QFETCH(qint64, hours);
    QFETCH(qint64, minutes);
    QFETCH(QString, caption);
    QCOMPARE(text({hours, minutes}), caption);
}

QTEST_APPLESS_MAIN(TestChargeTime)
#include "tst_chargetime.moc"
