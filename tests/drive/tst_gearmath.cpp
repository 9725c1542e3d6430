// The gear ratio and the speed through it, shown as the window shows them.
#include "app/numberformat.h"
#include "drive/gearmath.h"

#include <QTest>

class TestGearMath : public QObject {
    Q_OBJECT

private slots:
    void speeds_data();
    void speeds();
};

void TestGearMath::speeds_data() {
    QTest::addColumn<int>("engineTeeth");
    QTest::addColumn<int>("mastTeeth");
    QTest::addColumn<bool>("headIsInput");
    QTest::addColumn<int>("inputRpm");
    QTest::addColumn<qint64>("ratioTenThousandths");
    QTest::addColumn<QString>("ratioText");
    QTest::addColumn<QString>("outputText");

    QTest::newRow("86:8 from engine") << 8 << 86 << false << 18000 << 107500LL << "10.75"
                                      << "1,674";
    QTest::newRow("86:9 from engine") << 9 << 86 << false << 18000 << 95556LL << "9.56"
                                      << "1,884";
    QTest::newRow("40:15 from engine") << 15 << 40 << false << 22000 << 26667LL << "2.67"
                                       << "8,250";
    QTest::newRow("140:5 from engine") << 5 << 140 << false << 10000 << 280000LL << "28.00"
                                       << "357";
    QTest::newRow("86:8 from head") << 8 << 86 << true << 1800 << 107500LL << "10.75"
                                    << "19,350";
    QTest::newRow("86:8 from 2160 head") << 8 << 86 << true << 2160 << 107500LL << "10.75"
                                         << "23,220";
    QTest::newRow("40:15 from head, four digits") << 15 << 40 << true << 1000 << 26667LL << "2.67"
                                                  << "2,667";
    QTest::newRow("140:5 from top head") << 5 << 140 << true << 2200 << 280000LL << "28.00"
                                         << "61,600";
}

void TestGearMath::speeds() {
    QFETCH(int, engineTeeth);
    QFETCH(int, mastTeeth);
    QFETCH(bool, headIsInput);
    QFETCH(int, inputRpm);
    QFETCH(qint64, ratioTenThousandths);
    QFETCH(QString, ratioText);
    QFETCH(QString, outputText);
    const NumberFormat numbers;

    const Amount ratio = gearRatio(engineTeeth, mastTeeth);
    QCOMPARE(ratio.raw(), ratioTenThousandths);
    QCOMPARE(numbers.Format(ratio, u"#0.00"), ratioText);
    const QString output = headIsInput ? numbers.Format(engineRpmFromHead(inputRpm, ratio), u"0,000")
                                       : numbers.Format(headRpmFromEngine(inputRpm, ratio), u"#,000");
    QCOMPARE(output, outputText);
}

QTEST_APPLESS_MAIN(TestGearMath)
#include "tst_gearmath.moc"
