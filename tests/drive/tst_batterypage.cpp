// The battery half of the drive page, driven with the mouse and keyboard.
#include "drive/drivegestures.h"

#include <vector>

class TestBatteryPage : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void afterLoad();
    void chargeTimes_data();
    void chargeTimes();
    void blankItemChangesNothing();
    void focusLooks();
    void capacityResetsRate();

private:
    FakeDesktop desktop;
    std::unique_ptr<Form1> form;
};

void TestBatteryPage::init() {
    form = showWindow(desktop);
    QVERIFY(openDrivePage(*form));
}

void TestBatteryPage::cleanup() {
    form.reset();
}

void TestBatteryPage::afterLoad() {
    const Form1& f = *form;
    QCOMPARE(f.lblBatt[0]->caption(), "2500 mAh");
    QCOMPARE(f.cmbBattRate->currentText(), " C/10");
    QCOMPARE(f.lblBatt[1]->caption(), "250 mA");
    QCOMPARE(f.lblBatt[2]->caption(), "15 Hours");
    // Scroll values of 5000 mA and 250 mA.
    QCOMPARE(f.vscrBattAmpRate->minimum(), 0);
    QCOMPARE(f.vscrBattAmpRate->maximum(), 4750);
    QCOMPARE(f.cmbBattRate->backColor(), f.cmbFuelType->backColor());
}

void TestBatteryPage::chargeTimes_data() {
    QTest::addColumn<int>("rating");    // the capacity's scroll value
    QTest::addColumn<bool>("fromCode"); // for capacities off the 50 mAh steps
    QTest::addColumn<int>("rate");      // the list item picked, -1 for none
    QTest::addColumn<int>("current");   // in mA, set with the current's spin button; 0 for none
    QTest::addColumn<QString>("capacityText");
    QTest::addColumn<QString>("currentText");
    QTest::addColumn<QString>("time");

    QTest::newRow("1C") << 0 << false << 9 << 0 << "2500 mAh"
                        << "2500 mA"
                        << "1 Hour and 30 Minutes";
    QTest::newRow("2C") << 0 << false << 10 << 0 << "2500 mAh"
                        << "5000 mA"
                        << "45 Minutes";
    QTest::newRow("C/3") << 0 << false << 7 << 0 << "2500 mAh"
                         << "833 mA"
                         << "4 Hours and 30 Minutes";
    QTest::newRow("C/4 of 1000") << 1500 << false << 6 << 0 << "1000 mAh"
                                 << "250 mA"
                                 << "6 Hours";
    QTest::newRow("C/7 of 2400") << 100 << false << 3 << 0 << "2400 mAh"
                                 << "343 mA"
                                 << "10 Hours and 29 Minutes";
    QTest::newRow("C/10 of 2465") << 35 << true << -1 << 0 << "2465 mAh"
                                  << "246 mA"
                                  << "15 Hours and 01 Minute";
    QTest::newRow("C/10 of 2455") << 45 << true << -1 << 0 << "2455 mAh"
                                  << "246 mA"
                                  << "14 Hours and 58 Minutes";
    QTest::newRow("2941 of 2000 from C/7") << 500 << false << 3 << 2941 << "2000 mAh"
                                           << "2941 mA"
                                           << "1 Hour and 01 Minute";
    QTest::newRow("3500 of 2500") << 0 << false << -1 << 3500 << "2500 mAh"
                                  << "3500 mA"
                                  << "1 Hour and 04 Minutes";
    QTest::newRow("1000 of 600") << 1900 << false << -1 << 1000 << "600 mAh"
                                 << "1000 mA"
                                 << "54 Minutes";
    QTest::newRow("C/10 of 500") << 2000 << false << -1 << 0 << "500 mAh"
                                 << "50 mA"
                                 << "15 Hours";
}

void TestBatteryPage::chargeTimes() {
    QFETCH(int, rating);
    QFETCH(bool, fromCode);
    QFETCH(int, rate);
    QFETCH(int, current);
    QFETCH(QString, capacityText);
    QFETCH(QString, currentText);
    QFETCH(QString, time);
    Form1& f = *form;

    if (fromCode)
        f.vscrBattRating->setValue(rating);
    else
        QVERIFY(stepTo(f.vscrBattRating, rating));
    if (rate >= 0)
        QVERIFY(pickRate(f.cmbBattRate, rate));
    if (current > 0)
        QVERIFY(stepTo(f.vscrBattAmpRate, 5000 - current));

    QCOMPARE(f.lblBatt[0]->caption(), capacityText);
    QCOMPARE(f.lblBatt[1]->caption(), currentText);
    QCOMPARE(f.lblBatt[2]->caption(), time);
    const bool setDirectly = current > 0;
    QCOMPARE(f.cmbBattRate->listIndex(), setDirectly ? 11 : std::max(rate, 0));
    QCOMPARE(f.cmbBattRate->backColor(),
             setDirectly ? f.lblConvGRatioOut->backColor() : f.cmbFuelType->backColor());
}

void TestBatteryPage::blankItemChangesNothing() {
    Form1& f = *form;
    QVERIFY(pickRate(f.cmbBattRate, 9));
    QTest::keyClick(f.cmbBattRate, Qt::Key_End);
    QCOMPARE(f.cmbBattRate->currentText(), " ");
    QCOMPARE(f.lblBatt[1]->caption(), "2500 mA");
    QCOMPARE(f.lblBatt[2]->caption(), "1 Hour and 30 Minutes");
    QCOMPARE(f.cmbBattRate->backColor(), f.cmbFuelType->backColor());
}

void TestBatteryPage::focusLooks() {
    Form1& f = *form;
    QVERIFY(stepTo(f.vscrBattRating, 0));
    QCOMPARE(f.lblBatt[0]->backColor(), colours::yellow);

    // Taking up the current spin button blanks the rate and greys the list, changing no current.
    QVERIFY(tabTo(f.vscrBattAmpRate));
    QCOMPARE(f.lblBatt[0]->backColor(), f.cmbFuelType->backColor());
    QCOMPARE(f.lblBatt[1]->backColor(), colours::yellow);
    QCOMPARE(f.cmbBattRate->listIndex(), f.cmbBattRate->listCount() - 1);
    QCOMPARE(f.cmbBattRate->backColor(), f.lblConvGRatioOut->backColor());
    QCOMPARE(f.lblBatt[1]->caption(), "250 mA");

    // The list loses its grey on taking the focus, but stays blank.
    QVERIFY(tabTo(f.cmbBattRate));
    QCOMPARE(f.lblBatt[1]->backColor(), f.cmbFuelType->backColor());
    QCOMPARE(f.cmbBattRate->backColor(), f.cmbFuelType->backColor());
    QCOMPARE(f.cmbBattRate->listIndex(), f.cmbBattRate->listCount() - 1);
}

void TestBatteryPage::capacityResetsRate() {
    Form1& f = *form;
    QVERIFY(pickRate(f.cmbBattRate, 9));
    QVERIFY(stepTo(f.vscrBattAmpRate, 2400)); // 2600 mA, set by hand
    std::vector<QString> currentsShown;
    const QObject recorder;
    connect(f.vscrBattAmpRate, &SpinButton::change, &recorder,
            [&] { currentsShown.push_back(f.lblBatt[1]->caption()); });

    clickDown(f.vscrBattRating);

    // On its way to C/10 the current passes the largest current of the old range.
    QCOMPARE(currentsShown, (std::vector<QString>{"5000 mA", "245 mA"}));
    QCOMPARE(f.lblBatt[0]->caption(), "2450 mAh");
    QCOMPARE(f.lblBatt[2]->caption(), "15 Hours");
    QCOMPARE(f.cmbBattRate->listIndex(), 0);
    QCOMPARE(f.cmbBattRate->backColor(), f.cmbFuelType->backColor());
    QCOMPARE(f.vscrBattAmpRate->minimum(), 100); // 4900 mA
    QCOMPARE(f.vscrBattAmpRate->maximum(), 4755);

    QVERIFY(stepTo(f.vscrBattRating, 2000));
    QCOMPARE(f.vscrBattAmpRate->minimum(), 4000); // 1000 mA
    QCOMPARE(f.vscrBattAmpRate->maximum(), 4950); // 50 mA
}

QTEST_MAIN(TestBatteryPage)
#include "tst_batterypage.moc"
