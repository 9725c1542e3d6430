// The drive page in the window: load, the speed input and the rate list.
#include "support/window.h"

namespace {

// The page's captions as a person reads them, one that its box cuts off marked so.
QString page(const Form1& f) {
    QStringList shown;
    for (const Label* label : {f.lblConvGRatio[0], f.lblConvGRatio[1], f.lblConvGRatioOut, f.lblConvGRpm[0],
                               f.lblConvGRpm[1], f.lblBatt[0], f.lblBatt[1], f.lblBatt[2]})
        shown << label->caption() + (label->sizeHint().width() > label->width() ? " (cut off)" : "");
    return shown.join(u" | ");
}

} // namespace

class TestDrivePage : public QObject {
    Q_OBJECT
    FakeDesktop desktop;
    std::unique_ptr<Form1> f;
private slots:
    void init() {
        f = showWindow(desktop);
        f->cmbFuelType->setListIndex(2);
    }
    void cleanup() { f.reset(); }
    void speedInput() {
        const auto speeds = [&] { return page(*f).section(" | ", 3, 4); };
        QCOMPARE(page(*f),
                 "8 teeth | 86 teeth | 10.75 : 1 | 18,000 RPM | 1,674 RPM | 2500 mAh | 250 mA | 15 Hours");
        QCOMPARE(f->cmbBattRate->currentText(), " C/10");
        clickUp(f->vscrConvGRpm[1]);
        QCOMPARE(speeds(), "23,220 RPM | 2,160 RPM");
        QCOMPARE(f->lblConvGRpm[1]->backColor(), colours::yellow);
        QCOMPARE(f->lblConvGRpm[0]->foreColor(), colours::blue);
        // Back on the engine speed the looks turn round; only its next step recomputes, from its own 18,000.
        QTest::keyClick(f->vscrConvGRpm[1], Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(speeds(), "23,220 RPM | 2,160 RPM");
        QCOMPARE(f->lblConvGRpm[0]->backColor(), colours::yellow);
        QCOMPARE(f->lblConvGRpm[1]->foreColor(), colours::blue);
        QTest::keyClick(f->vscrConvGRpm[0], Qt::Key_Up);
        QCOMPARE(speeds(), "18,100 RPM | 1,684 RPM");
    }
    void chargeRate() {
        DropDownList* rates = f->cmbBattRate;
        const auto charge = [&] { return page(*f).section(" | ", 5, 7); };
        clickDown(f->vscrBattRating);
        rates->setFocus(Qt::TabFocusReason);
        QTest::keySequence(rates, QKeySequence(Qt::Key_End, Qt::Key_Up)); // 2C, just above the blank item
        QCOMPARE(charge(), "2450 mAh | 4900 mA | 45 Minutes");
        QTest::keyClick(rates, Qt::Key_Down); // the blank item
        QCOMPARE(charge(), "2450 mAh | 4900 mA | 45 Minutes");
        QTest::keyClick(rates, Qt::Key_Up);
        QTest::keyClick(rates, Qt::Key_Backtab, Qt::ShiftModifier); // to the current, set by hand from now on
        QCOMPARE(rates->currentText(), " ");
        QCOMPARE(rates->backColor(), colours::lightGrey);
        QCOMPARE(charge(), "2450 mAh | 4900 mA | 45 Minutes");
        // 250 mA, C/10 of the step up to 2500 mAh: the current is at once in place, yet the time follows.
        QTest::keySequence(f->vscrBattAmpRate, QKeySequence(Qt::Key_End, Qt::Key_Up));
        clickUp(f->vscrBattRating);
        QCOMPARE(rates->currentText(), " C/10");
        QCOMPARE(rates->backColor(), f->cmbFuelType->backColor());
        QCOMPARE(charge(), "2500 mAh | 250 mA | 15 Hours");
    }
};

QTEST_MAIN(TestDrivePage)
#include "tst_drivepage.moc"
