#include "app/amount.h"
#include "app/rounding.h"

#include <QTest>

#include <limits>

class TestAmount : public QObject {
    Q_OBJECT

private slots:
    void roundsHalfToEven_data();
    void roundsHalfToEven();
    void clampsScrollValues();
    void storesNearestTenThousandth_data();
    void storesNearestTenThousandth();
    void computesExactly();
    void takesWholePartDownward_data();
    void takesWholePartDownward();
};

void TestAmount::roundsHalfToEven_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");
    QTest::newRow("0.5") << 0.5 << 0.0;
    QTest::newRow("1.5") << 1.5 << 2.0;
    QTest::newRow("2.5") << 2.5 << 2.0;
    QTest::newRow("2.4999") << 2.4999 << 2.0;
    QTest::newRow("2.5001") << 2.5001 << 3.0;
    QTest::newRow("4753.5") << 4753.5 << 4754.0;
    QTest::newRow("4754.5") << 4754.5 << 4754.0;
    QTest::newRow("-2.5") << -2.5 << -2.0;
    QTest::newRow("-3.5") << -3.5 << -4.0;
    QTest::newRow("-0.7") << -0.7 << -1.0;
    QTest::newRow("beyond 2^53") << 1e17 << 1e17;
}

void TestAmount::roundsHalfToEven() {
    QFETCH(double, value);
    QFETCH(double, expected);
    QCOMPARE(roundHalfEven(value), expected);
}

void TestAmount::clampsScrollValues() {
    QCOMPARE(toScrollValue(4754.5), 4754);
    QCOMPARE(toScrollValue(-7.5), -8);
    QCOMPARE(toScrollValue(1e12), std::numeric_limits<int>::max());
    QCOMPARE(toScrollValue(-1e12), std::numeric_limits<int>::min());
    QCOMPARE(toScrollValue(std::numeric_limits<double>::quiet_NaN()), 0);
}

void TestAmount::storesNearestTenThousandth_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("raw");
    QTest::newRow("half to even down") << 1.03125 << qint64(10312);
    QTest::newRow("half to even up") << 1.09375 << qint64(10938);
    QTest::newRow("nearest") << 2.6666666 << qint64(26667);
    QTest::newRow("negative half") << -1.03125 << qint64(-10312);
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << qint64(0);
    QTest::newRow("too large") << 1e300 << std::numeric_limits<qint64>::max();
    QTest::newRow("too small") << -std::numeric_limits<double>::infinity()
                               << std::numeric_limits<qint64>::min();
}

void TestAmount::storesNearestTenThousandth() {
    QFETCH(double, value);
    QFETCH(qint64, raw);
    QCOMPARE(Amount::fromDouble(value).raw(), raw);
}

void TestAmount::computesExactly() {
    const Amount price = Amount::fromDouble(10.75);
    QCOMPARE(price * 2160, Amount::fromWhole(23220));
    QCOMPARE(3 * price, Amount::fromRaw(322500));
    QCOMPARE(Amount::fromDouble(0.1) + Amount::fromDouble(0.2), Amount::fromDouble(0.3));
    QCOMPARE(Amount::fromWhole(1) - Amount::fromRaw(1), Amount::fromRaw(9999));
    QVERIFY(Amount::fromRaw(-1) < Amount::fromWhole(0));
    QCOMPARE(Amount::fromRaw(26667).toDouble(), 2.6667);
}

void TestAmount::takesWholePartDownward_data() {
    QTest::addColumn<qint64>("raw");
    QTest::addColumn<qint64>("whole");
    QTest::newRow("positive") << qint64(27500) << qint64(2);
    QTest::newRow("exact") << qint64(30000) << qint64(3);
    QTest::newRow("negative") << qint64(-27500) << qint64(-3);
    QTest::newRow("negative exact") << qint64(-30000) << qint64(-3);
    QTest::newRow("just below zero") << qint64(-1) << qint64(-1);
}

void TestAmount::takesWholePartDownward() {
    QFETCH(qint64, raw);
    QFETCH(qint64, whole);
    QCOMPARE(Amount::fromRaw(raw).wholePart(), whole);
}

QTEST_APPLESS_MAIN(TestAmount)
#include "tst_amount.moc"
