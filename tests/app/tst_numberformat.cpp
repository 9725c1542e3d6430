#include "app/numberformat.h"

#include <QTest>

#include <limits>

class TestNumberFormat : public QObject {
    Q_OBJECT

private slots:
    void formatsDoubles_data();
    void formatsDoubles();
    void formatsAmounts_data();
    void formatsAmounts();
    void usesLocaleSeparators();
    void namesNonFiniteValues_data();
    void namesNonFiniteValues();
};

void TestNumberFormat::formatsDoubles_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char* name, const char* pattern, double value, const QString& expected) {
        QTest::newRow(name) << QString::fromLatin1(pattern) << value << expected;
    };
    row("#,### zero is empty", "#,###", 0, "");
    row("#,### below half is empty", "#,###", 0.4, "");
    row("#,### half shows 1", "#,###", 0.5, "1");
    row("#,### groups", "#,###", 4950, "4,950");
    row("#,### groups millions", "#,###", 1234567, "1,234,567");
    row("#,##0.0 zero", "#,##0.0", 0, "0.0");
    row("#,##0.0 groups", "#,##0.0", 4950, "4,950.0");
    row("#,##0.00 carry into grouping", "#,##0.00", 999.995, "1,000.00");
    row("0.00 pads fraction", "0.00", 0.5, "0.50");
    row("0.00 decimal half", "0.00", 1.005, "1.01");
    row("00.00 leading zero", "00.00", 3.14159, "03.14");
    row("#0 plain", "#0", 7, "7");
    row("#0 half 2.5 away", "#0", 2.5, "3");
    row("#0 half 3.5 away", "#0", 3.5, "4");
    row("#0 below half", "#0", 0.49, "0");
    row("00 pads", "00", 7, "07");
    row("00 never cuts", "00", 123, "123");
    row("#0.00 small", "#0.00", 0.004, "0.00");
    row("#0.000 half", "#0.000", 0.0625, "0.063");
    row("#0.0000 whole", "#0.0000", 1, "1.0000");
    row("#0.0000 third", "#0.0000", 1.0 / 3.0, "0.3333");
    row("#,000 pads to three", "#,000", 45, "045");
    row("#,000 950", "#,000", 950, "950");
    row("#,000 5000", "#,000", 5000, "5,000");
    row("0,000 pads to four", "0,000", 45, "0,045");
    row("0,000 950", "0,000", 950, "0,950");
    row("0,000 5000", "0,000", 5000, "5,000");
    row("negative", "#0.00", -12.345, "-12.35");
    row("negative half away", "#0", -2.5, "-3");
    row("negative grouped", "#,##0.0", -4950, "-4,950.0");
    row("negative rounding to zero", "0.00", -0.001, "0.00");
    row("negative zero", "#0", -0.0, "0");
    row("tiny", "#0.0000", 5e-324, "0.0000");
    row("huge", "#0", 1e300, "1" + QString(300, u'0'));
    row("huge grouped", "#,###", 1.5e21, "1,500,000,000,000,000,000,000");
    row("largest", "#0", std::numeric_limits<double>::max(), "179769313486232" + QString(294, u'0'));
}

void TestNumberFormat::formatsDoubles() {
    QFETCH(QString, pattern);
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(NumberFormat().Format(value, pattern), expected);
}

void TestNumberFormat::formatsAmounts_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<qint64>("raw");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char* name, const char* pattern, qint64 raw, const char* expected) {
        QTest::newRow(name) << QString::fromLatin1(pattern) << raw << QString::fromLatin1(expected);
    };
    row("zero", "#,##0.00", 0, "0.00");
    row("grouped", "#,##0.00", 232200000, "23,220.00");
    row("half away up", "#0.000", 10005, "1.001");
    row("below half", "#0.000", 10004, "1.000");
    row("half to whole", "#,###", 5000, "1");
    row("below half is empty", "#,###", 4999, "");
    row("full precision", "#0.0000", 12345, "1.2345");
    row("carry", "0.00", 99950, "10.00");
    row("negative half away", "#0.0", -25500, "-2.6");
    row("negative rounding to zero", "0.00", -49, "0.00");
    row("most negative", "#0", std::numeric_limits<qint64>::min(), "-922337203685478");
    row("largest", "#,##0.0000", std::numeric_limits<qint64>::max(), "922,337,203,685,477.5807");
}

void TestNumberFormat::formatsAmounts() {
    QFETCH(QString, pattern);
    QFETCH(qint64, raw);
    QFETCH(QString, expected);
    QCOMPARE(NumberFormat().Format(Amount::fromRaw(raw), pattern), expected);
}

void TestNumberFormat::usesLocaleSeparators() {
    const NumberFormat german = NumberFormat::fromLocale(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(german.Format(4950.0, u"#,##0.0"), QStringLiteral("4.950,0"));
    QCOMPARE(german.Format(Amount::fromRaw(12345), u"#0.00"), QStringLiteral("1,23"));
    QCOMPARE(german.Format(45.0, u"0,000"), QStringLiteral("0.045"));
}

void TestNumberFormat::namesNonFiniteValues_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << QStringLiteral("Infinity");
    QTest::newRow("minus infinity") << -std::numeric_limits<double>::infinity()
                                    << QStringLiteral("-Infinity");
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << QStringLiteral("Not a number");
}

void TestNumberFormat::namesNonFiniteValues() {
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(NumberFormat().Format(value, u"#,##0.00"), expected);
}

QTEST_APPLESS_MAIN(TestNumberFormat)
#include "tst_numberformat.moc"
