// The drive page in the window: load, the speed input, the rate list, and every input swept.
#include "support/window.h"

#include <QRegularExpression>

namespace {

// The page's captions as a person reads them, one that its box cuts off marked so.
QString page(const Form1& f) {
    QStringList shown;
    for (const Label* label : {f.lblConvGRatio[0], f.lblConvGRatio[1], f.lblConvGRatioOut, f.lblConvGRpm[0],
                               f.lblConvGRpm[1], f.lblBatt[0], f.lblBatt[1], f.lblBatt[2]})
        shown << label->caption() + (label->sizeHint().width() > label->width() ? " (cut off)" : "");
    return shown.join(u" | ");
}

void checkPage(const Form1& f) {
    static const QRegularExpression form(
        uR"(^(\d+) teeth \| (\d+) teeth \| ([1-9]\d?\.\d\d) : 1 \| ([1-9]\d?,\d{3}) RPM \| )"
        uR"(([1-9](?:,\d{3}|\d\d)) RPM \| (\d+) mAh \| (\d+) mA \| (?:%1 and %2|%1|%2)$)"_qs.arg(
            u"(?:1 Hour|(?:[2-9]|1[0-5]) Hours)"_qs, uR"((?:01 Minute|(?:0[02-9]|[1-5]\d) Minutes))"_qs));
    const QString shown = page(f);
    const QRegularExpressionMatch match = form.match(shown);
    const auto number = [&](int i) { return match.captured(i).remove(u',').remove(u'.').toInt(); };
    const auto in = [&](int i, int min, int max) { return number(i) >= min && number(i) <= max; };
    // Speeds from 10,000 to 22,000 or 1,000 to 2,200 RPM through ratios from 40:15 to 140:5.
    QVERIFY2(match.hasMatch() && in(1, 5, 15) && in(2, 40, 140) && in(3, 267, 2800) && in(4, 2667, 61600) &&
                 in(5, 357, 8250) && in(6, 500, 2500) && in(7, number(6) / 10, 2 * number(6)),
             qPrintable(shown));
}

// Min to Max and back, checking at every step; the first failure ends it.
template <typename Check> void sweep(QScrollBar* spin, const Check& check) {
    const int min = spin->minimum(), steps = (spin->maximum() - min) / spin->singleStep();
    for (int step = 0; step <= 2 * steps && !QTest::currentTestFailed(); ++step) {
        spin->setValue(min + (steps - std::abs(steps - step)) * spin->singleStep());
        check();
    }
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
    void everyValue() {
        const auto check = [&] { checkPage(*f); };
        for (const int input : {1, 0}) {
            clickUp(f->vscrConvGRpm[input]);
            sweep(f->vscrConvGRatio[0], [&] { sweep(f->vscrConvGRatio[1], check); });
            for (const auto& [engineTeeth, mastTeeth] : {std::pair{0, 100}, std::pair{10, 0}}) {
                f->vscrConvGRatio[0]->setValue(engineTeeth);
                f->vscrConvGRatio[1]->setValue(mastTeeth);
                sweep(f->vscrConvGRpm[input], check);
            }
        }
        sweep(f->vscrBattRating, [&] {
            // Each capacity step sets the rate back to C/10, a charge of 15 hours.
            QCOMPARE(f->cmbBattRate->currentText() + " / " + f->lblBatt[2]->caption(), " C/10 / 15 Hours");
            for (int item = 0; item < f->cmbBattRate->listCount(); ++item) {
                f->cmbBattRate->setListIndex(item);
                check();
            }
            sweep(f->vscrBattAmpRate, check);
        });
    }
};

QTEST_MAIN(TestDrivePage)
#include "tst_drivepage.moc"
