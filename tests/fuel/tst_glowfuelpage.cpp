// The glow fuel page: a component's volume and captions alone, then in the window the mixes, the
// additive's row, the focus looks and the empty page.
#include "fuel/glowmix.h"
#include "numbers/numberformat.h"
#include "support/window.h"

static void setMix(Form1& f, const QString& mix) {
    for (int row = 0; const QString& percent : mix.split(u' '))
        f.vscrInPercent[row++]->setValue(100 - percent.toInt());
}

// The page as a person reads it: total | headings | 100 % check | both volume columns | oil share.
static QString page(const Form1& f) {
    QString shown = f.lblTotalVol->caption() + " | " + f.lblOut1[0]->caption() + u'/' +
                    f.lblOut1[1]->caption() + " | " + f.lblIndicate->caption();
    for (int i = 0; i < 10; ++i) {
        const QString caption = (i < 5 ? f.lblVolumeOut[i] : f.lblVolumeOut2[i - 5])->caption();
        shown += (i % 5 ? " " : " | ") + (caption.isEmpty() ? u"-"_qs : caption);
    }
    return shown + " | " + f.lblOilTotal->caption();
}

class TestGlowFuelPage : public QObject {
    Q_OBJECT
    FakeDesktop desktop;
    std::unique_ptr<Form1> f;

private slots:
    void init() { f = showWindow(desktop); }
    void cleanup() { f.reset(); }
    void volumesLandOnExactHundredths() {
        for (int total = 1; total <= 200; ++total)
            for (int percent = 1; percent <= 100; ++percent)
                QCOMPARE(componentVolume(Amount::fromWhole(total), percent).raw(),
                         qint64(total) * percent * 100);
    }
    void captions_data() {
        QTest::addColumn<NumberFormat>("numbers");
        QTest::addColumn<VolumeUnit>("unit");
        QTest::addColumn<QString>("shown"); // 16 of the unit in both columns
        QTest::newRow("ounces by 0.0078") << NumberFormat{} << VolumeUnit::UsFluidOunce << "00.12 16.0";
        QTest::newRow("decimal comma") << NumberFormat{",", "."} << VolumeUnit::UsGallon << "16,00 2.048,00";
    }
    void captions() {
        QFETCH(NumberFormat, numbers);
        QFETCH(VolumeUnit, unit);
        const ComponentCaptions shown = componentCaptions(numbers, Amount::fromWhole(16), unit);
        QTEST(shown.first + u' ' + shown.second, "shown");
    }
    void mix_data() {
        QTest::addColumn<QString>("mix");
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("shown"); // the 100 % check | first column | second column
        const QString classic = "70 10 10 8 2", ok = "Correct weight | ";
        QTest::newRow("ounces") << classic << 10 << 1
                                << ok + "00.05 00.01 00.01 00.01 00.00 | 7.0 1.0 1.0 0.8 0.2";
        QTest::newRow("gallons") << classic << 10 << 2
                                 << ok + "7.00 1.00 1.00 0.80 0.20 | 896.00 128.00 128.00 102.40 25.60";
        QTest::newRow("105 %")
            << "67 15 9 9 5" << 3 << 0
            << "Reduce any % ratio by 5 % | 2.01 0.45 0.27 0.27 0.15 | 2,010 450 270 270 150";
        QTest::newRow("1 %") << "1" << 1 << 0 << "Add to any % ratio by 99 % | 0.01 - - - - | 10 - - - -";
        QTest::newRow("100 % of 200") << "100" << 200 << 2 << ok + "200.00 - - - - | 25,600.00 - - - -";
    }
    void mix() {
        QFETCH(QString, mix);
        QFETCH(int, total);
        QFETCH(int, unit);
        setMix(*f, mix);
        f->vscrTotVol->setValue(201 - total);
        f->cmbVolumeGrads->setListIndex(unit);
        QTEST(page(*f).section(" | ", 2, 4), "shown");
        const bool correct = f->lblIndicate->caption() == "Correct weight";
        QCOMPARE(f->lblIndicate->foreColor(), correct ? colours::blue : colours::red);
        QCOMPARE(f->lblVolumeOut2[0]->foreColor(), correct ? f->cmbVolumeGrads->foreColor() : colours::red);
        QCOMPARE(f->lblVolumeOut[0]->backColor(), f->cmbVolumeGrads->backColor());
        QCOMPARE(QList<bool>({f->cmdCopy->isEnabled(), f->cmdPrint->isEnabled()}), QList<bool>(2, correct));
    }
    void additiveRow() {
        setMix(*f, "75 10 0 14 1");
        QCOMPARE(f->lblOilTotal->caption(), "Total Oil mix is 15 %");
        QCOMPARE(f->lblOilTotal->foreColor(), colours::blue);
        f->chkAddIsOil->setFocus(Qt::TabFocusReason);
        QTest::keyClick(f->chkAddIsOil, Qt::Key_Space);
        QCOMPARE(f->lblOilTotal->caption(), "Total Oil mix is 14 %");
        QCOMPARE(f->lblOilTotal->foreColor(), colours::red);
        f->vscrInPercent[4]->setValue(100);
        QVERIFY(!f->txtOther->isEnabled() && !f->chkAddIsOil->isEnabled());
        QCOMPARE(f->txtOther->backColor(), f->backColor());
        f->vscrInPercent[4]->setValue(99);
        QVERIFY(f->txtOther->isEnabled() && f->chkAddIsOil->isEnabled());
        QCOMPARE(f->chkAddIsOil->value(), 0);
        const QString before = page(*f), name = QString(300, u'x') + u" Öl-Zusatz 添加剂 زيت 🚁"_qs;
        f->txtOther->setFocus(Qt::TabFocusReason);
        QTest::sendKeyEvent(QTest::Click, f->txtOther, Qt::Key_unknown, name, Qt::NoModifier);
        QCOMPARE(f->txtOther->text(), name);
        QCOMPARE(page(*f), before);
    }
    void focusLooks() {
        const Colour normal = f->cmbVolumeGrads->backColor(), blank = f->backColor();
        f->vscrTotVol->setFocus(Qt::TabFocusReason);
        QCOMPARE(f->lblTotalVol->backColor(), colours::yellow);
        QTest::keyClick(f->vscrTotVol, Qt::Key_Tab);
        QCOMPARE(f->lblTotalVol->backColor(), normal);
        QCOMPARE(f->lblPercentIn[1]->backColor(), colours::yellow); // on arrival, even at 0 %
        clickUp(f->vscrInPercent[1]);
        QCOMPARE(f->lblPercentIn[1]->caption(), "1 %");
        QCOMPARE(f->lblPercentIn[1]->backColor(), colours::yellow);
        clickDown(f->vscrInPercent[1]);
        QCOMPARE(f->lblPercentIn[1]->backColor(), blank);
        QTest::keyClick(f->vscrInPercent[1], Qt::Key_Tab);
        QCOMPARE(f->lblPercentIn[1]->backColor(), blank);
        clickUp(f->vscrInPercent[1]);
        QTest::keyClick(f->vscrInPercent[1], Qt::Key_Backtab);
        QCOMPARE(f->lblPercentIn[1]->backColor(), normal);
        QTest::keyClick(f->vscrTotVol, Qt::Key_Up); // recalculates with the focus off the row
        QCOMPARE(f->lblPercentIn[1]->backColor(), normal);
    }
    // The desktop picks litres or gallons at load; ounces only by hand.
    void emptyPage_data() {
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("shown");
        const QString empty = " | Add to any % ratio by 100 % | - - - - - | - - - - - | Total Oil mix is 0 %";
        const QString metric = " | Litre/CC" + empty, us = " | US Gallon/US Fluid Oz" + empty;
        QTest::newRow("loaded metric") << 0 << 10 << "10 Litres" + metric;
        QTest::newRow("loaded US") << 2 << 10 << "10 US Gallons" + us;
        QTest::newRow("1 litre") << 0 << 1 << "1 Litre" + metric;
        QTest::newRow("2 ounces") << 1 << 2 << "2 US Fluid Oz's" + us;
    }
    void emptyPage() {
        QFETCH(int, unit);
        QFETCH(int, total);
        FakeDesktop own;
        own.measurement = unit == 0 ? QLocale::MetricSystem : QLocale::ImperialUSSystem;
        const auto w = showWindow(own);
        if (unit == 1)
            w->cmbVolumeGrads->setListIndex(unit);
        w->vscrTotVol->setValue(201 - total);
        QTEST(page(*w), "shown");
        QVERIFY(!w->txtOther->isEnabled() && !w->chkAddIsOil->isEnabled() && !w->cmdCopy->isEnabled());
    }
};

QTEST_MAIN(TestGlowFuelPage)
#include "tst_glowfuelpage.moc"
