#include "app/numberformat.h"
#include "fuel/glowmix.h"

#include <QTest>

class TestGlowMix : public QObject {
    Q_OBJECT

private slots:
    void volumesLandOnExactHundredths();
    void writesVolumeInBothColumns_data();
    void writesVolumeInBothColumns();
    void knowsOnlyTheListsUnits();
};

void TestGlowMix::volumesLandOnExactHundredths() {
    for (int total = 1; total <= 200; ++total) {
        for (int percent = 1; percent <= 100; ++percent) {
            const Amount volume = componentVolume(Amount::fromWhole(total), percent);
            if (volume != Amount::fromRaw(qint64(total) * percent * 100))
                QFAIL(qPrintable(QStringLiteral("%1 % of %2 gave %3 ten-thousandths")
                                     .arg(percent)
                                     .arg(total)
                                     .arg(volume.raw())));
        }
    }
}

void TestGlowMix::writesVolumeInBothColumns_data() {
    QTest::addColumn<qint64>("hundredths");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("decimalSeparator");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    const QString point = QStringLiteral(".");
    QTest::newRow("0.01 litre") << qint64(1) << 0 << point << "0.01"
                                << "10";
    QTest::newRow("200 litres") << qint64(20000) << 0 << point << "200.00"
                                << "200,000";
    QTest::newRow("16 ounces by 0.0078") << qint64(1600) << 1 << point << "00.12"
                                         << "16.0";
    QTest::newRow("200 ounces") << qint64(20000) << 1 << point << "01.56"
                                << "200.0";
    QTest::newRow("0.01 gallon") << qint64(1) << 2 << point << "0.01"
                                 << "1.28";
    QTest::newRow("200 gallons") << qint64(20000) << 2 << point << "200.00"
                                 << "25,600.00";
    QTest::newRow("200 gallons, decimal comma") << qint64(20000) << 2 << ","
                                                << "200,00"
                                                << "25.600,00";
}

void TestGlowMix::writesVolumeInBothColumns() {
    QFETCH(qint64, hundredths);
    QFETCH(int, unit);
    QFETCH(QString, decimalSeparator);
    QFETCH(QString, first);
    QFETCH(QString, second);
    const NumberFormat numbers{decimalSeparator, decimalSeparator == "," ? "." : ","};
    const ComponentCaptions captions =
        componentCaptions(numbers, Amount::fromRaw(hundredths * 100), *volumeUnitAt(unit));
    QCOMPARE(captions.first, first);
    QCOMPARE(captions.second, second);
}

void TestGlowMix::knowsOnlyTheListsUnits() {
    QVERIFY(!volumeUnitAt(-1));
    QVERIFY(!volumeUnitAt(3));
    QCOMPARE(volumeUnitNames(*volumeUnitAt(1)).plural, "US Fluid Oz's");
}

QTEST_APPLESS_MAIN(TestGlowMix)
#include "tst_glowmix.moc"
