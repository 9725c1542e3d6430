// The fuel pages as a person sets them: on the glow fuel page a mix, read as volumes, their looks and
// the oil share; on the pre-mix page the unit, petrol and ratio, read as the oil in two units and the
// total.
#include "window.h"

static QString preMixPage(const Window& w) {
    return joined(
        {w->lblPreGasVol, w->lblPreRatio, w->lblPreVolumeOut2[0], w->lblPreVolumeOut2[1], w->lblTotPreVol});
}

class TestFuelPages : public QObject {
    Q_OBJECT
private slots:
    void volumes_data() {
        // Litres, US fluid ounces, US gallons.
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("total");
        QTest::addColumn<QList<int>>("mix");
        // Each row's volume in the two columns.
        QTest::addColumn<QString>("shown");
        const QList<int> classic{70, 10, 10, 8, 2}, pure{100};
        QTest::newRow("l") << 0 << 10 << classic << "7.00|1.00|1.00|0.80|0.20 7,000|1,000|1,000|800|200";
        QTest::newRow("gal") << 2 << 10 << classic
                             << "7.00|1.00|1.00|0.80|0.20 896.00|128.00|128.00|102.40|25.60";
        QTest::newRow("1 of 1 oz") << 1 << 1 << QList{1} << "00.00|||| 0.0||||";
        QTest::newRow("16 oz") << 1 << 16 << pure << "00.12|||| 16.0||||";
        QTest::newRow("200 gal") << 2 << 200 << pure << "200.00|||| 25,600.00||||";
    }
    void volumes() {
        QFETCH(int, total);
        QFETCH(QList<int>, mix);
        Window w;
        QFETCH(int, unit);
        pick(w->cmbVolumeGrads, unit);
        spinTo(w->vscrTotVol, w->lblTotalVol, total);
        setMix(w, mix);
        QTEST(joined(w->lblVolumeOut) + ' ' + joined(w->lblVolumeOut2), "shown");
    }

    void mix_data() {
        QTest::addColumn<QList<int>>("mix");
        QTest::addColumn<bool>("additiveIsOil");
        // The indicator, the oil share and its colour.
        QTest::addColumn<QString>("shown");
        const QList<int> classic{70, 10, 10, 8, 2}, edge{75, 10, 0, 14, 1};
        QTest::newRow("100 %") << classic << true << "Correct weight|20 %|blue";
        QTest::newRow("101 %") << QList{70, 10, 10, 8, 3} << true << "Reduce any % ratio by 1 %|21 %|blue";
        QTest::newRow("99 %") << QList{70, 10, 10, 8, 1} << false << "Add to any % ratio by 1 %|18 %|blue";
        QTest::newRow("oil 15 %") << edge << true << "Correct weight|15 %|blue";
        QTest::newRow("oil 14 %") << edge << false << "Correct weight|14 %|red";
    }
    void mix() {
        QFETCH(QList<int>, mix);
        QFETCH(bool, additiveIsOil);
        Window w;
        setMix(w, mix);
        if (!additiveIsOil)
            click(w->chkAddIsOil);
        const QString indicator = shown(w->lblIndicate);
        QTEST(indicator + '|' + shown(w->lblOilTotal).remove("Total Oil mix is ") + '|' +
                  fore(w->lblOilTotal),
              "shown");
        // Only a mix that adds up is blue, keeps its figures black, and can be copied and printed.
        const bool correct = indicator == "Correct weight";
        QCOMPARE(fore(w->lblIndicate), correct ? "blue" : "red");
        for (const auto& row : {w->lblPercentIn, w->lblVolumeOut, w->lblVolumeOut2})
            QCOMPARE(joined(row, fore), QStringList(5, correct ? "text" : "red").join(u'|'));
        QCOMPARE(w->cmdCopy->isEnabled() + w->cmdPrint->isEnabled(), 2 * correct);
    }

    // A value is yellow while its spin button has the focus, and a row brought to 0 % is blank; the
    // additive's name and check box are in use only while it has a share.
    void focusLooksAndTheAdditive() {
        Window w;
        const Controls row{w->lblPercentIn[4], w->lblVolumeOut[4], w->lblVolumeOut2[4], w->txtOther};
        arrow(w->vscrTotVol);
        QCOMPARE(back(w->lblTotalVol), "yellow");
        arrow(w->vscrInPercent[4]);
        QCOMPARE(joined(row) + ' ' + joined(row, back), "1 %|0.11|110|EDL yellow|window|window|window");
        QVERIFY(w->txtOther->isEnabled() && w->chkAddIsOil->isEnabled());
        QCOMPARE(back(w->lblTotalVol), "window");
        // Back through a row at 0 %.
        press("Shift+Tab");
        QCOMPARE(back(w->lblPercentIn[3]) + back(w->lblPercentIn[4]), "yellowwindow");
        press("Shift+Tab");
        QCOMPARE(back(w->lblPercentIn[3]), "face");
        arrow(w->vscrInPercent[4], -1);
        QCOMPARE(joined(row) + ' ' + joined(row, back), "0 %|||EDL face|face|face|face");
        QVERIFY(!w->txtOther->isEnabled() && !w->chkAddIsOil->isEnabled());
    }

    void preMix_data() {
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("petrol");
        QTest::addColumn<int>("ratio");
        QTest::addColumn<QString>("shown");
        QTest::newRow("7 l")
            << 0 << 7 << 3 << "7 Litres|3 : 1|2,333.33 CC / ml|78.90 US Fluid Oz|Total volume = 9.333 Litres";
        QTest::newRow("200 l")
            << 0 << 200 << 1
            << "200 Litres|1 : 1|200,000.00 CC / ml|6,762.80 US Fluid Oz|Total volume = 400.000 Litres";
        QTest::newRow("1 oz")
            << 1 << 1 << 100
            << "1 US Fluid Oz|100 : 1|0.01 US Fluid Oz|0.30 CC / ml|Total volume = 1.010 US Fluid Oz's";
        QTest::newRow("200 gal") << 2 << 200 << 1
                                 << "200 US Gallons|1 : 1|25,600.00 US Fluid Oz|757,082.37 CC / ml|Total "
                                    "volume = 400.000 US Gallons";
    }
    void preMix() {
        QFETCH(int, petrol);
        QFETCH(int, ratio);
        Window w;
        pick(w->cmbFuelType, 1);
        QFETCH(int, unit);
        pick(w->cmbVolumeGrads, unit);
        spinTo(w->vscrPreInGas, w->lblPreGasVol, petrol);
        spinTo(w->vscrPreInRatio, w->lblPreRatio, ratio);
        QTEST(preMixPage(w), "shown");
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
        QCOMPARE(preMixPage(w),
                 "10 Litres|25 : 1|400.00 CC / ml|13.53 US Fluid Oz|Total volume = 10.400 Litres");
        arrow(w->vscrPreInRatio);
        QCOMPARE(preMixPage(w) + joined({w->lblPreGasVol, w->lblPreRatio}, back),
                 "10 US Gallons|26 : 1|49.23 US Fluid Oz|1,455.93 CC / ml|Total volume = 10.385 US "
                 "Gallonswindow|yellow");
        press("Shift+Tab");
        QCOMPARE(joined({w->lblPreGasVol, w->lblPreRatio}, back), "yellow|window");
    }
};

QTEST_MAIN(TestFuelPages)
#include "tst_fuelpages.moc"
