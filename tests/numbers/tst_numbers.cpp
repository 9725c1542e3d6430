// Number text, fixed-point amounts and the reading of typed numbers: what goes in, and what comes out.
#include "convert/texttonumber.h"
#include "numbers/numberformat.h"
#include "numbers/rounding.h"

#include <QTest>

using Raw = std::int64_t;
constexpr Raw most = std::numeric_limits<Raw>::max(), least = std::numeric_limits<Raw>::min();

class TestNumbers : public QObject {
    Q_OBJECT
private slots:
    // Decimals carried, minus zero, padding and the locale's separators; ten-thousandths, ties to even,
    // saturating rather than wrapping; a partner's text past a double's digits.
    void amounts() {
        for (const auto& [x, pattern, shown] : {std::tuple{999.995, u"#,##0.00", "1,000.00"},
                                                {1.005, u"0.00", "1.01"},
                                                {-0.001, u"0.00", "0.00"},
                                                {45.0, u"0,000", "0,045"}})
            QCOMPARE(NumberFormat().Format(x, pattern), shown);
        QCOMPARE(NumberFormat().Format(Amount::fromRaw(-27500), u"#0"), "-3");
        for (const auto& [x, raw] :
             {std::pair{1.03125, Raw(10312)}, {1.09375, 10938}, {1e300, most}, {NAN, 0}})
            QCOMPARE(Amount::fromDouble(x).raw(), raw);
        for (const auto& [x, even] : {std::pair{0.5, 0}, {2.5001, 3}, {-2.5, -2}, {1e12, INT_MAX}})
            QCOMPARE(toScrollValue(x), even);
        const Amount a = Amount::fromRaw(most), b = Amount::fromRaw(least);
        QCOMPARE(QList<Raw>({(a + Amount::fromRaw(1)).raw(), (b - Amount::fromRaw(1)).raw(), (a * -2).raw(),
                             (b * -1).raw(), (Amount::fromRaw(least / 2 - 1) * 2).raw(), (b + a).raw()}),
                 QList<Raw>({most, least, least, most, least, -1}));
    }

    // Blanks are skipped; reading stops at the first character that does not fit.
    void typed_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("number");
        const std::pair<QString, double> rows[] = {
            {"abc", 0},   {"\t-1\n2 . 5", -12.5}, {"1e 2", 100}, {u"5\u0663"_qs, 5}, {"+-5", 0},
            {"5-3", 5},   {"0.001", 0.001},       {"+.5", 0.5},  {"1.2.3", 1.2},     {"1,5", 1},
            {"e5", 0},    {"2.5E-2", 0.025},      {"1e-", 1},    {"1e2-3", 100},     {"1e400", INFINITY},
            {"1e-400", 0}};
        for (const auto& [text, number] : rows)
            QTest::newRow(qPrintable(text)) << text << number;
        QTest::newRow("long exponent") << "1e" + QString(100000, u'9') << double(INFINITY);
        QTest::newRow("long mantissa") << "1" + QString(100000, u'0') + "e-100000" << 1.0;
        // Correctly rounded however long: digits past the 800th still break a tie.
        const QString tie = "9007199254740993" + QString(900, u'0');
        QTest::newRow("tie") << tie + "e-900" << 9007199254740992.0;
        QTest::newRow("tie broken") << tie + "1e-901" << 9007199254740994.0;
    }
    void typed() {
        QFETCH(QString, text);
        QFETCH(double, number);
        QCOMPARE(QString::number(textToNumber(text), 'g', 17), QString::number(number, 'g', 17));
    }
};

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
