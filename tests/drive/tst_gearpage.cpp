// The gear ratio half of the drive page, driven with the mouse and keyboard.
#include "drive/drivegestures.h"

class TestGearPage : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void afterLoad();
    void speeds_data();
    void speeds();
    void directionFollowsFocus();

private:
    FakeDesktop desktop;
    std::unique_ptr<Form1> form;
};

void TestGearPage::init() {
    form = showWindow(desktop);
    QVERIFY(openDrivePage(*form));
}

void TestGearPage::cleanup() {
    form.reset();
}

void TestGearPage::afterLoad() {
    const Form1& f = *form;
    QCOMPARE(f.lblConvGRatio[0]->caption(), "8 teeth");
    QCOMPARE(f.lblConvGRatio[1]->caption(), "86 teeth");
    QCOMPARE(f.lblConvGRatioOut->caption(), "10.75 : 1");
    QCOMPARE(f.lblConvGRpm[0]->caption(), "18,000 RPM");
    QCOMPARE(f.lblConvGRpm[1]->caption(), "1,674 RPM");
    QCOMPARE(f.speedInputIndex, 0);
    // The computed head speed is never written back into its own spin button.
    QCOMPARE(f.vscrConvGRpm[1]->value(), 5);
    QCOMPARE(f.lblConvGRpm[1]->backColor(), colours::lightGrey);
    QCOMPARE(f.lblConvGRpm[1]->foreColor(), colours::windowText);
}

void TestGearPage::speeds_data() {
    QTest::addColumn<int>("engineTeeth");
    QTest::addColumn<int>("mastTeeth");
    QTest::addColumn<int>("input");
    QTest::addColumn<int>("inputRpm");
    QTest::addColumn<QString>("ratio");
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QString>("head");

    QTest::newRow("86:8, engine") << 8 << 86 << 0 << 18000 << "10.75 : 1"
                                  << "18,000 RPM"
                                  << "1,674 RPM";
    QTest::newRow("86:9, engine") << 9 << 86 << 0 << 18000 << "9.56 : 1"
                                  << "18,000 RPM"
                                  << "1,884 RPM";
    QTest::newRow("40:15, top engine") << 15 << 40 << 0 << 22000 << "2.67 : 1"
                                       << "22,000 RPM"
                                       << "8,250 RPM";
    QTest::newRow("140:5, low engine") << 5 << 140 << 0 << 10000 << "28.00 : 1"
                                       << "10,000 RPM"
                                       << "357 RPM";
    QTest::newRow("86:8, head") << 8 << 86 << 1 << 1800 << "10.75 : 1"
                                << "19,350 RPM"
                                << "1,800 RPM";
    QTest::newRow("40:15, low head") << 15 << 40 << 1 << 1000 << "2.67 : 1"
                                     << "2,667 RPM"
                                     << "1,000 RPM";
}

// The speed is set first and the teeth after it, so the last Change comes from a tooth count and
// the focus has left the speed spin button.
void TestGearPage::speeds() {
    QFETCH(int, engineTeeth);
    QFETCH(int, mastTeeth);
    QFETCH(int, input);
    QFETCH(int, inputRpm);
    QFETCH(QString, ratio);
    QFETCH(QString, engine);
    QFETCH(QString, head);
    Form1& f = *form;
    const int output = 1 - input;
    const int outputSpinValue = f.vscrConvGRpm[output]->value();

    QVERIFY(stepTo(f.vscrConvGRpm[input], 220 - inputRpm / (input == 0 ? 100 : 10)));
    QVERIFY(stepTo(f.vscrConvGRatio[0], 15 - engineTeeth));
    QVERIFY(stepTo(f.vscrConvGRatio[1], 140 - mastTeeth));

    QCOMPARE(f.lblConvGRatio[0]->caption(), QStringLiteral("%1 teeth").arg(engineTeeth));
    QCOMPARE(f.lblConvGRatio[1]->caption(), QStringLiteral("%1 teeth").arg(mastTeeth));
    QCOMPARE(f.lblConvGRatioOut->caption(), ratio);
    QCOMPARE(f.lblConvGRpm[0]->caption(), engine);
    QCOMPARE(f.lblConvGRpm[1]->caption(), head);
    QCOMPARE(f.speedInputIndex, input);
    QCOMPARE(f.vscrConvGRpm[output]->value(), outputSpinValue);

    QCOMPARE(f.lblConvGRpm[input]->backColor(), f.cmbFuelType->backColor());
    QCOMPARE(f.lblConvGRpm[input]->foreColor(), f.cmbFuelType->foreColor());
    QCOMPARE(f.lblConvGRpm[output]->backColor(), f.lblConvGRatioOut->backColor());
    QCOMPARE(f.lblConvGRpm[output]->foreColor(), f.lblConvGRatioOut->foreColor());
    QCOMPARE(f.lblConvGRatio[0]->backColor(), f.cmbFuelType->backColor());
    QCOMPARE(f.lblConvGRatio[1]->backColor(), colours::yellow);
}

void TestGearPage::directionFollowsFocus() {
    Form1& f = *form;
    clickUp(f.vscrConvGRpm[1]);
    QCOMPARE(f.speedInputIndex, 1);
    QCOMPARE(f.lblConvGRpm[1]->caption(), "2,160 RPM");
    QCOMPARE(f.lblConvGRpm[0]->caption(), "23,220 RPM");
    QCOMPARE(f.vscrConvGRpm[0]->value(), 40);
    QCOMPARE(f.lblConvGRpm[1]->backColor(), colours::yellow);
    QCOMPARE(f.lblConvGRpm[1]->foreColor(), f.cmbFuelType->foreColor());
    QCOMPARE(f.lblConvGRpm[0]->backColor(), colours::lightGrey);
    QCOMPARE(f.lblConvGRpm[0]->foreColor(), colours::blue);

    // Taking the focus turns the looks round but recomputes nothing until the next step.
    QTest::keyClick(f.vscrConvGRpm[1], Qt::Key_Backtab, Qt::ShiftModifier);
    QVERIFY(f.vscrConvGRpm[0]->hasFocus());
    QCOMPARE(f.speedInputIndex, 0);
    QCOMPARE(f.lblConvGRpm[0]->caption(), "23,220 RPM");
    QCOMPARE(f.lblConvGRpm[1]->caption(), "2,160 RPM");
    QCOMPARE(f.lblConvGRpm[0]->backColor(), colours::yellow);
    QCOMPARE(f.lblConvGRpm[1]->backColor(), colours::lightGrey);
    QCOMPARE(f.lblConvGRpm[1]->foreColor(), colours::blue);

    // The engine speed steps on from its own spin button's 18,000, not from the 23,220 shown.
    QTest::keyClick(f.vscrConvGRpm[0], Qt::Key_Up);
    QCOMPARE(f.lblConvGRpm[0]->caption(), "18,100 RPM");
    QCOMPARE(f.lblConvGRpm[1]->caption(), "1,684 RPM");

    // Moving to a tooth count keeps the direction.
    QTest::keyClick(f.vscrConvGRpm[0], Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyClick(f.vscrConvGRatio[1], Qt::Key_Down);
    QCOMPARE(f.speedInputIndex, 0);
    QCOMPARE(f.lblConvGRpm[0]->backColor(), f.cmbFuelType->backColor());
    QCOMPARE(f.lblConvGRatioOut->caption(), "10.63 : 1");
    QCOMPARE(f.lblConvGRpm[0]->caption(), "18,100 RPM");
    QCOMPARE(f.lblConvGRpm[1]->caption(), "1,704 RPM");
}

QTEST_MAIN(TestGearPage)
#include "tst_gearpage.moc"
