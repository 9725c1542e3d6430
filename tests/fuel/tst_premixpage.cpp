// The pre-mix page as a person uses it: every row reached by clicking the arrows and picking the
// unit with the keyboard, each caption fitting its box; the focus looks and the shared unit list.
#include "support/window.h"

static QString page(const Form1& f) {
    return QStringList{f.lblPreGasVol->caption(), f.lblPreRatio->caption(), f.lblPreVolumeOut2[0]->caption(),
                       f.lblPreVolumeOut2[1]->caption(), f.lblTotPreVol->caption()}
        .join(" | ");
}

// Steps a spin button with its arrows until its quantity (base − Value) is the wanted one.
static void clickTo(SpinButton* spin, int base, int wanted) {
    while (base - spin->value() < wanted)
        clickUp(spin);
    while (base - spin->value() > wanted)
        clickDown(spin);
}

static void pickUnit(Form1& f, int unit) {
    f.cmbVolumeGrads->setFocus(Qt::TabFocusReason);
    QTest::keyClick(f.cmbVolumeGrads, Qt::Key_Home);
    for (int i = 0; i < unit; ++i)
        QTest::keyClick(f.cmbVolumeGrads, Qt::Key_Down);
}

class TestPreMixPage : public QObject {
    Q_OBJECT

private slots:
    void rows_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("us");
        QTest::addColumn<int>("unit"); // -1 keeps what loading chose
        QTest::addColumn<int>("gas");
        QTest::addColumn<int>("ratio");
        QTest::addColumn<QString>("shown");
        QTest::newRow("loaded metric") << "en_GB" << false << -1 << 10 << 25
                                       << "10 Litres | 25 : 1 | 400.00 CC / ml | 13.53 US Fluid Oz | "
                                          "Total volume = 10.400 Litres";
        QTest::newRow("loaded US") << "en_US" << true << -1 << 10 << 25
                                   << "10 US Gallons | 25 : 1 | 51.20 US Fluid Oz | 1,514.16 CC / ml | "
                                      "Total volume = 10.400 US Gallons";
        QTest::newRow("1 litre 100:1") << "en_US" << false << 0 << 1 << 100
                                       << "1 Litre | 100 : 1 | 10.00 CC / ml | 0.34 US Fluid Oz | "
                                          "Total volume = 1.010 Litres";
        QTest::newRow("200 litres 1:1") << "en_US" << false << 0 << 200 << 1
                                        << "200 Litres | 1 : 1 | 200,000.00 CC / ml | 6,762.80 US Fluid Oz | "
                                           "Total volume = 400.000 Litres";
        QTest::newRow("10 ounces 25:1") << "en_US" << false << 1 << 10 << 25
                                        << "10 US Fluid Oz's | 25 : 1 | 0.40 US Fluid Oz | 11.83 CC / ml | "
                                           "Total volume = 10.400 US Fluid Oz's";
        QTest::newRow("1 gallon 3:1") << "en_US" << true << 2 << 1 << 3
                                      << "1 US Gallon | 3 : 1 | 42.67 US Fluid Oz | 1,261.80 CC / ml | "
                                         "Total volume = 1.333 US Gallons";
        QTest::newRow("200 gallons 1:1")
            << "en_US" << true << 2 << 200 << 1
            << "200 US Gallons | 1 : 1 | 25,600.00 US Fluid Oz | 757,082.37 CC / ml | "
               "Total volume = 400.000 US Gallons";
        QTest::newRow("decimal comma") << "de_DE" << false << -1 << 200 << 1
                                       << "200 Litres | 1 : 1 | 200.000,00 CC / ml | 6.762,80 US Fluid Oz | "
                                          "Total volume = 400,000 Litres";
    }
    void rows() {
        QFETCH(QString, locale);
        QFETCH(bool, us);
        QFETCH(int, unit);
        QFETCH(int, gas);
        QFETCH(int, ratio);
        FakeDesktop desktop;
        desktop.locale = QLocale(locale);
        desktop.measurement = us ? QLocale::ImperialUSSystem : QLocale::MetricSystem;
        const auto f = showWindow(desktop);
        QTest::keyClick(f->cmbFuelType, Qt::Key_Down);
        if (unit >= 0)
            pickUnit(*f, unit);
        clickTo(f->vscrPreInGas, 201, gas);
        clickTo(f->vscrPreInRatio, 100, ratio);
        QTEST(page(*f), "shown");
        for (const Label* label : {f->lblPreGasVol, f->lblPreRatio, f->lblPreVolumeOut2[0],
                                   f->lblPreVolumeOut2[1], f->lblTotPreVol})
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->caption()) <=
                         label->contentsRect().width(),
                     qPrintable(label->caption() + " does not fit"));
    }
    void focusLooks() {
        FakeDesktop desktop;
        const auto f = showWindow(desktop);
        QTest::keyClick(f->cmbFuelType, Qt::Key_Down);
        const Colour normal = f->cmbFuelType->backColor();
        QTest::keyClick(f->cmbFuelType, Qt::Key_Tab); // the unit list
        QTest::keyClick(f->cmbVolumeGrads, Qt::Key_Tab);
        QCOMPARE(f->lblPreGasVol->backColor(), colours::yellow);
        QCOMPARE(f->lblPreRatio->backColor(), normal);
        QTest::keyClick(f->vscrPreInGas, Qt::Key_Tab);
        QCOMPARE(f->lblPreGasVol->backColor(), normal);
        QCOMPARE(f->lblPreRatio->backColor(), colours::yellow);
        QTest::keyClick(f->vscrPreInRatio, Qt::Key_Up);
        QCOMPARE(f->lblPreRatio->caption(), "26 : 1");
        QTest::keyClick(f->vscrPreInRatio, Qt::Key_Tab);
        QCOMPARE(f->lblPreRatio->backColor(), normal);
    }
    void unitListRefreshesOnlyThePageShown() {
        FakeDesktop desktop;
        const auto f = showWindow(desktop);
        const QString loaded = page(*f);
        pickUnit(*f, 2); // behind the glow fuel page
        QCOMPARE(page(*f), loaded);
        QTest::keyClick(f->cmbFuelType, Qt::Key_Down);
        QCOMPARE(page(*f), loaded);
        clickUp(f->vscrPreInRatio); // the oil is worked in gallons now, and the petrol says so
        QCOMPARE(page(*f), "10 US Gallons | 26 : 1 | 49.23 US Fluid Oz | 1,455.93 CC / ml | "
                           "Total volume = 10.385 US Gallons");
        clickDown(f->vscrPreInRatio);
        pickUnit(*f, 1);
        QCOMPARE(page(*f), "10 US Fluid Oz's | 25 : 1 | 0.40 US Fluid Oz | 11.83 CC / ml | "
                           "Total volume = 10.400 US Fluid Oz's");
        QCOMPARE(f->lblTotalVol->caption(), "10 US Fluid Oz's");
    }
};

QTEST_MAIN(TestPreMixPage)
#include "tst_premixpage.moc"
