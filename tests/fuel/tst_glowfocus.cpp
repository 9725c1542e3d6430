#include "fuel/glowgestures.h"

class TestGlowFocus : public QObject {
    Q_OBJECT

private slots:
    void arrowsOnUnusedRow();
    void tabbingOverRow_data();
    void tabbingOverRow();
    void totalVolumeHighlight();
};

void TestGlowFocus::arrowsOnUnusedRow() {
    FakeDesktop desktop;
    const auto form = showWindow(desktop);
    Form1& f = *form;
    SpinButton* nitro = f.vscrInPercent[1];
    const Label* percent = f.lblPercentIn[1];

    clickUp(nitro);
    QCOMPARE(f.percentFocusIndex, 1);
    QCOMPARE(percent->caption(), "1 %");
    QCOMPARE(percent->backColor(), colours::yellow);
    QCOMPARE(f.lblVolumeOut[1]->caption(), "0.10");
    QCOMPARE(f.lblVolumeOut2[1]->caption(), "100");

    clickDown(nitro);
    QVERIFY(nitro->hasFocus());
    QCOMPARE(percent->caption(), "0 %");
    QCOMPARE(percent->backColor(), f.backColor());
    QCOMPARE(f.lblVolumeOut[1]->caption(), "");
    QCOMPARE(f.lblVolumeOut[1]->backColor(), f.backColor());

    clickUp(nitro);
    QCOMPARE(percent->backColor(), colours::yellow);
}

void TestGlowFocus::tabbingOverRow_data() {
    QTest::addColumn<int>("nitro");
    QTest::addColumn<bool>("blankAfter");
    QTest::newRow("row at 0 %") << 0 << true;
    QTest::newRow("row at 5 %") << 5 << false;
}

void TestGlowFocus::tabbingOverRow() {
    QFETCH(int, nitro);
    QFETCH(bool, blankAfter);
    FakeDesktop desktop;
    const auto form = showWindow(desktop);
    Form1& f = *form;
    setMix(f, {0, nitro});
    const Label* percent = f.lblPercentIn[1];
    const Colour after = blankAfter ? f.backColor() : f.cmbVolumeGrads->backColor();

    f.vscrTotVol->setFocus(Qt::TabFocusReason);
    QCOMPARE(percent->backColor(), after);
    QCOMPARE(f.percentFocusIndex, -1);

    QTest::keyClick(f.vscrTotVol, Qt::Key_Tab);
    QVERIFY(f.vscrInPercent[1]->hasFocus());
    QCOMPARE(f.percentFocusIndex, 1);
    QCOMPARE(percent->backColor(), colours::yellow);

    QTest::keyClick(f.vscrInPercent[1], Qt::Key_Tab);
    QCOMPARE(f.percentFocusIndex, 2);
    QCOMPARE(percent->backColor(), after);
    QCOMPARE(f.lblPercentIn[2]->backColor(), colours::yellow);

    QTest::keyClick(f.vscrInPercent[2], Qt::Key_Backtab);
    QTest::keyClick(f.vscrInPercent[1], Qt::Key_Backtab);
    QVERIFY(f.vscrTotVol->hasFocus());
    QCOMPARE(f.percentFocusIndex, -1);
    QCOMPARE(percent->backColor(), after);
    QCOMPARE(f.lblPercentIn[2]->backColor(), f.backColor());
}

void TestGlowFocus::totalVolumeHighlight() {
    FakeDesktop desktop;
    const auto form = showWindow(desktop);
    Form1& f = *form;
    f.cmbVolumeGrads->setFocus(Qt::TabFocusReason);
    QTest::keyClick(f.cmbVolumeGrads, Qt::Key_Tab);
    QVERIFY(f.vscrTotVol->hasFocus());
    QCOMPARE(f.lblTotalVol->backColor(), colours::yellow);
    QTest::keyClick(f.vscrTotVol, Qt::Key_Up);
    QCOMPARE(f.lblTotalVol->backColor(), colours::yellow);
    QTest::keyClick(f.vscrTotVol, Qt::Key_Tab);
    QCOMPARE(f.lblTotalVol->backColor(), f.cmbVolumeGrads->backColor());
}

QTEST_MAIN(TestGlowFocus)
#include "tst_glowfocus.moc"
