// The pre-mix page: unit, petrol and ratio give the oil in two units and the total.
#include "window.h"

static QString page(const Window& w) {
    return joined(
        {w->lblPreGasVol, w->lblPreRatio, w->lblPreVolumeOut2[0], w->lblPreVolumeOut2[1], w->lblTotPreVol});
}

class TestPreMixPage : public QObject {
    Q_OBJECT
private slots:
    void mix_data() {
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("petrol");
        QTest::addColumn<int>("ratio");
        QTest::addColumn<QString>("shown");
        QTest::newRow("7 l")
            << 0 << 7 << 3 << "7 Litres|3 : 1|2,333.33 CC / ml|78.90 US Fluid Oz|Total volume = 9.333 Litres";
        QTest::newRow("200 l")
            << 0 << 200 << 1
            << "200 Litres|1 : 1|200,000.00 CC / ml|6,762.80 US Fluid Oz|Total volume = 400.000 Litres";
        QTest::newRow("10 oz")
            << 1 << 10 << 25
            << "10 US Fluid Oz's|25 : 1|0.40 US Fluid Oz|11.83 CC / ml|Total volume = 10.400 US Fluid Oz's";
        QTest::newRow("1 oz")
            << 1 << 1 << 100
            << "1 US Fluid Oz|100 : 1|0.01 US Fluid Oz|0.30 CC / ml|Total volume = 1.010 US Fluid Oz's";
        QTest::newRow("200 gal") << 2 << 200 << 1
                                 << "200 US Gallons|1 : 1|25,600.00 US Fluid Oz|757,082.37 CC / ml|Total "
                                    "volume = 400.000 US Gallons";
    }
    void mix() {
        QFETCH(int, petrol);
        QFETCH(int, ratio);
        Window w;
        pick(w->cmbFuelType, 1);
        QFETCH(int, unit);
        pick(w->cmbVolumeGrads, unit);
        spinTo(w->vscrPreInGas, w->lblPreGasVol, petrol);
        spinTo(w->vscrPreInRatio, w->lblPreRatio, ratio);
        QTEST(page(w), "shown");
    }

    // The unit list serves both fuel pages: the page behind it only renames its total, and recomputes
    // at its next step; the value stepped is yellow.
    void unitPickedBehindTheOtherPage() {
        Window w;
        setMix(w, {70, 10, 10, 8, 2});
        pick(w->cmbFuelType, 1);
        pick(w->cmbVolumeGrads, 2);
        QCOMPARE(
            joined({w->lblTotalVol, w->lblOut1[0], w->lblOut1[1], w->lblVolumeOut[0], w->lblVolumeOut2[0]}),
            "10 US Gallons|US Gallon|US Fluid Oz|7.00|7,000");
        pick(w->cmbVolumeGrads, 0);
        pick(w->cmbFuelType, 0);
        pick(w->cmbVolumeGrads, 2);
        pick(w->cmbFuelType, 1);
        QCOMPARE(page(w), "10 Litres|25 : 1|400.00 CC / ml|13.53 US Fluid Oz|Total volume = 10.400 Litres");
        arrow(w->vscrPreInRatio);
        QCOMPARE(page(w) + joined({w->lblPreGasVol, w->lblPreRatio}, back),
                 "10 US Gallons|26 : 1|49.23 US Fluid Oz|1,455.93 CC / ml|Total volume = 10.385 US "
                 "Gallonswindow|yellow");
        press("Shift+Tab");
        QCOMPARE(joined({w->lblPreGasVol, w->lblPreRatio}, back), "yellow|window");
    }
};

QTEST_MAIN(TestPreMixPage)
#include "tst_premixpage.moc"
