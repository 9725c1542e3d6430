// The glow fuel page as a person sets a mix and reads the volumes, their looks and the oil share.
#include "window.h"

class TestGlowFuelPage : public QObject {
    Q_OBJECT
private slots:
    void volumes_data() {
        // Litres, US fluid ounces, US gallons.
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("total");
        QTest::addColumn<QList<int>>("mix");
        // The total, then each row's volume in the two columns.
        QTest::addColumn<QString>("shown");
        const QList<int> classic{70, 10, 10, 8, 2}, pure{100};
        QTest::newRow("l") << 0 << 10 << classic
                           << "10 Litres 7.00|1.00|1.00|0.80|0.20 7,000|1,000|1,000|800|200";
        QTest::newRow("oz") << 1 << 10 << classic
                            << "10 US Fluid Oz's 00.05|00.01|00.01|00.01|00.00 7.0|1.0|1.0|0.8|0.2";
        QTest::newRow("gal") << 2 << 10 << classic
                             << "10 US Gallons 7.00|1.00|1.00|0.80|0.20 896.00|128.00|128.00|102.40|25.60";
        QTest::newRow("1 of 1 oz") << 1 << 1 << QList{1} << "1 US Fluid Oz 00.00|||| 0.0||||";
        QTest::newRow("16 oz") << 1 << 16 << pure << "16 US Fluid Oz's 00.12|||| 16.0||||";
        QTest::newRow("200 gal") << 2 << 200 << pure << "200 US Gallons 200.00|||| 25,600.00||||";
    }
    void volumes() {
        QFETCH(int, total);
        QFETCH(QList<int>, mix);
        Window w;
        QFETCH(int, unit);
        pick(w->cmbVolumeGrads, unit);
        spinTo(w->vscrTotVol, w->lblTotalVol, total);
        setMix(w, mix);
        QTEST(shown(w->lblTotalVol) + ' ' + joined(w->lblVolumeOut) + ' ' + joined(w->lblVolumeOut2),
              "shown");
    }

    void mix_data() {
        QTest::addColumn<QList<int>>("mix");
        QTest::addColumn<bool>("additiveIsOil");
        // The indicator, the oil share and its colour.
        QTest::addColumn<QString>("shown");
        const QList<int> classic{70, 10, 10, 8, 2}, edge{75, 10, 0, 14, 1};
        QTest::newRow("100 %") << classic << true << "Correct weight|20 %|blue";
        QTest::newRow("the additive no oil") << classic << false << "Correct weight|18 %|blue";
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
};

QTEST_MAIN(TestGlowFuelPage)
#include "tst_glowfuelpage.moc"
