// Every converter in both directions, and what a partner shows for values too large to write out.
#include "convert/conversions.h"
#include "convert/texttonumber.h"

#include <QTest>
#include <limits>

Q_DECLARE_METATYPE(Converter)

class TestConversions : public QObject {
    Q_OBJECT
private slots:
    void converts_data() {
        QTest::addColumn<Converter>("converter");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("partner");
        const auto row = [](const char* name, Converter converter, int index, const char* typed,
                            const char* partner) {
            QTest::newRow(name) << converter << index << QString(typed) << QString(partner);
        };
        using enum Converter;
        row("mm to inches", length, 0, "25.4", "1.000");
        row("inches to mm", length, 1, "1", "25.400");
        row("metres to feet", length, 2, "1", "3.281");
        row("feet to metres", length, 3, "1", "0.305");
        row("cc to cubic inches", volume, 0, "1000", "61.0240");
        row("cubic inches to cc", volume, 1, "1", "16.3871");
        row("ml to fluid ounces", volume, 2, "100", "3.38");
        row("fluid ounces to ml", volume, 3, "1", "29.57");
        row("litres to gallons", volume, 4, "1", "0.26");
        row("gallons to litres", volume, 5, "1", "3.785");
        row("oz-in to kg-cm", torque, 0, "1", "0.0720");
        row("kg-cm to oz-in", torque, 1, "1", "13.8874");
        row("boiling C to F", temperature, 0, "100", "212.00");
        row("boiling F to C", temperature, 1, "212", "100.00");
        row("empty Fahrenheit", temperature, 1, "", "-17.78");
        row("-40 C", temperature, 0, "-40", "-40.00");
        row("empty Celsius", temperature, 0, "", "32.00");
        row("Celsius not a number", temperature, 0, "abc", "32.00");
        row("empty mm", length, 0, "", "0.000");
        row("a sign alone", length, 0, "-", "0.000");
        row("a sign and a point", length, 1, "-.", "0.000");
        row("empty oz-in", torque, 0, "", "0.0000");
        row("empty cc", volume, 0, "", "0.0000");
        row("empty ml", volume, 2, "", "0.00");
        row("empty gallons", volume, 5, "", "0.000");
        row("1e300 inches", length, 1, "1e300", "2.540E+301");
        row("exponent 400", length, 0, "1e400", "Overflow");
        row("negative exponent 400", temperature, 1, "-1e400", "Overflow");
    }
    void converts() {
        QFETCH(Converter, converter);
        QFETCH(int, index);
        QFETCH(QString, typed);
        const Conversion& conversion = conversionsOf(converter)[index];
        QTEST(partnerText(NumberFormat{}, conversion, textToNumber(typed)), "partner");
        // Every box's partner has it as its partner in turn.
        QCOMPARE(conversionsOf(converter)[conversion.partner].partner, index);
    }

    void boundsHugeValues_data() {
        QTest::addColumn<NumberFormat>("numbers");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("shown");
        const NumberFormat comma = NumberFormat::fromLocale(QLocale(QLocale::German, QLocale::Germany));
        QTest::newRow("largest in full") << NumberFormat{} << 999'999'999'999'999.0 << "999999999999999.00";
        QTest::newRow("1e15") << NumberFormat{} << 1e15 << "1.00E+15";
        QTest::newRow("not a number") << NumberFormat{} << qQNaN() << "Overflow";
        QTest::newRow("decimal comma") << comma << 1e15 << "1,00E+15";
    }
    void boundsHugeValues() {
        QFETCH(NumberFormat, numbers);
        QFETCH(double, value);
        QTEST(partnerText(numbers, Conversion{0, Conversion::times, 1, u"#0.00"}, value), "shown");
    }
};

QTEST_APPLESS_MAIN(TestConversions)
#include "tst_conversions.moc"
