// Number text, converters' partner texts, rounding, fixed-point amounts and the reading of typed
// numbers, from two tables: each row what goes in and, written out, what must come out.
#include "convert/conversions.h"
#include "convert/texttonumber.h"
#include "numbers/numberformat.h"
#include "numbers/rounding.h"
#include "support/window.h"

#include <QFile>
#include <QTest>

namespace {

// Exact, so a reading one unit in the last place off fails.
QString exactly(double value) {
    return QString::number(value, 'g', 17);
}

// double and comma (a comma-decimal locale) format a double, amount so many ten-thousandths, partner
// is a converter's text; even rounds ties to even, scroll saturates to an int; fixed and whole give the
// ten-thousandths kept of a double or a whole number, + - * those of a sum, difference or product.
QString shown(const QString& kind, const QString& input, const QString& pattern) {
    const double x = input.toDouble();
    if (kind == u"double")
        return NumberFormat().Format(x, pattern);
    if (kind == u"comma")
        return NumberFormat::fromLocale(QLocale(QLocale::German, QLocale::Germany)).Format(x, pattern);
    if (kind == u"partner")
        return partnerText(NumberFormat(), Conversion{0, Conversion::times, 1, pattern}, x);
    if (kind == u"amount")
        return NumberFormat().Format(Amount::fromRaw(input.toLongLong()), pattern);
    if (kind == u"even")
        return QString::number(roundHalfEven(x));
    if (kind == u"scroll")
        return QString::number(toScrollValue(x));
    if (kind == u"whole")
        return QString::number(Amount::fromWhole(input.toLongLong()).raw());
    if (const QStringList terms = input.split(u' '); kind.size() == 1) {
        const Amount a = Amount::fromRaw(terms[0].toLongLong()), b = Amount::fromRaw(terms[1].toLongLong());
        return QString::number((kind == u"+"   ? a + b
                                : kind == u"-" ? a - b
                                               : a * b.raw()).raw());
    }
    if (kind == u"fixed")
        return QString::number(Amount::fromDouble(x).raw());
    return exactly(textToNumber(unescaped(input)));
}

} // namespace

class TestNumbers : public QObject {
    Q_OBJECT
private slots:
    void table_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("expected");
        for (const char* name : {"numbers/numbers.tsv", "convert/typedtext.tsv"}) {
            QFile file(QStringLiteral(ROTORIX_TESTS "/") + name);
            QVERIFY2(file.open(QIODevice::ReadOnly), name);
            for (int line = 1; !file.atEnd(); ++line) {
                QStringList cells = QString::fromUtf8(file.readLine()).remove(u'\n').split(u'\t');
                if (cells[0].startsWith(u'#'))
                    continue;
                if (cells.size() == 2) // a typed text and the number it reads as
                    cells = {QStringLiteral("typed"), cells[0], {}, exactly(cells[1].toDouble())};
                if (cells.size() == 4)
                    QTest::addRow("%s:%d", name, line) << cells[0] << cells[1] << cells[2] << cells[3];
            }
        }
    }
    void table() {
        QFETCH(QString, kind);
        QFETCH(QString, input);
        QFETCH(QString, pattern);
        QTEST(shown(kind, input, pattern), "expected");
    }
};

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
