// Every value of every input of the drive page, in both directions, with every charge rate at
// every capacity: nothing leaves its range and every caption stays one the window may show, whole
// within its box.
#include "drive/drivegestures.h"

#include <QRegularExpression>
#include <cmath>
#include <functional>
#include <vector>

namespace {

// The number in a caption of the given form, or -1 when the caption does not have that form.
int numberIn(const QString& caption, const QRegularExpression& form) {
    const QRegularExpressionMatch match = form.match(caption);
    return match.hasMatch() ? match.captured(1).remove(u',').toInt() : -1;
}

// The minutes of a charge time caption, or -1 when it is not one the window may show.
int minutesIn(const QString& caption) {
    static const QRegularExpression form(QStringLiteral(
        "^(?:(?:(1) Hour|([2-9]|[1-9]\\d+) Hours)( and )?)?(?:(01) Minute|(0[02-9]|[1-5]\\d) Minutes)?$"));
    const QRegularExpressionMatch match = form.match(caption);
    if (!match.hasMatch())
        return -1;
    const QString hours = match.captured(1) + match.captured(2);
    const QString minutes = match.captured(4) + match.captured(5);
    const bool joined = !match.captured(3).isEmpty();
    if (hours.isEmpty() && minutes.isEmpty())
        return -1;
    if (joined != (!hours.isEmpty() && !minutes.isEmpty()))
        return -1;
    return hours.toInt() * 60 + minutes.toInt();
}

bool fits(const Label* label) {
    return label->fontMetrics().horizontalAdvance(label->caption()) <= label->contentsRect().width();
}

void stepAcross(QScrollBar* spin, const std::function<void()>& check) {
    // The first failure ends the sweep rather than repeating itself at every later value.
    if (QTest::currentTestFailed())
        return;
    spin->setValue(spin->minimum());
    check();
    while (spin->value() < spin->maximum() && !QTest::currentTestFailed()) {
        spin->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        check();
    }
    while (spin->value() > spin->minimum() && !QTest::currentTestFailed()) {
        spin->triggerAction(QAbstractSlider::SliderSingleStepSub);
        check();
    }
}

} // namespace

class TestDriveSweep : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void gear_data();
    void gear();
    void battery();

private:
    void checkGear();
    void checkBattery();

    FakeDesktop desktop;
    std::unique_ptr<Form1> form;
};

void TestDriveSweep::init() {
    form = showWindow(desktop);
    QVERIFY(openDrivePage(*form));
}

void TestDriveSweep::cleanup() {
    form.reset();
}

void TestDriveSweep::checkGear() {
    static const QRegularExpression teeth(QStringLiteral("^(\\d+) teeth$"));
    static const QRegularExpression ratio(QStringLiteral("^(\\d{1,2}\\.\\d\\d) : 1$"));
    static const QRegularExpression engine(QStringLiteral("^(\\d{1,2},\\d{3}) RPM$"));
    static const QRegularExpression head(QStringLiteral("^((?:\\d{1,3},)?\\d{3}) RPM$"));
    const Form1& f = *form;
    const int engineTeeth = numberIn(f.lblConvGRatio[0]->caption(), teeth);
    const int mastTeeth = numberIn(f.lblConvGRatio[1]->caption(), teeth);
    QVERIFY2(engineTeeth >= 5 && engineTeeth <= 15, qPrintable(f.lblConvGRatio[0]->caption()));
    QVERIFY2(mastTeeth >= 40 && mastTeeth <= 140, qPrintable(f.lblConvGRatio[1]->caption()));
    const QRegularExpressionMatch shownRatio = ratio.match(f.lblConvGRatioOut->caption());
    QVERIFY2(shownRatio.hasMatch(), qPrintable(f.lblConvGRatioOut->caption()));
    QCOMPARE(shownRatio.captured(1).toDouble(), std::round(100.0 * mastTeeth / engineTeeth) / 100.0);
    // The slowest and fastest speeds that 10,000 to 22,000 or 1,000 to 2,200 RPM give through
    // ratios from 40:15 to 140:5.
    const int engineRpm = numberIn(f.lblConvGRpm[0]->caption(), engine);
    const int headRpm = numberIn(f.lblConvGRpm[1]->caption(), head);
    QVERIFY2(engineRpm >= 2667 && engineRpm <= 61600, qPrintable(f.lblConvGRpm[0]->caption()));
    QVERIFY2(headRpm >= 357 && headRpm <= 8250, qPrintable(f.lblConvGRpm[1]->caption()));
    for (const Label* label :
         {f.lblConvGRatio[0], f.lblConvGRatio[1], f.lblConvGRatioOut, f.lblConvGRpm[0], f.lblConvGRpm[1]})
        QVERIFY2(fits(label), qPrintable(label->caption()));
}

void TestDriveSweep::gear_data() {
    QTest::addColumn<int>("input");
    QTest::newRow("engine speed in") << 0;
    QTest::newRow("head speed in") << 1;
}

void TestDriveSweep::gear() {
    QFETCH(int, input);
    Form1& f = *form;
    clickUp(f.vscrConvGRpm[input]);
    QCOMPARE(f.speedInputIndex, input);
    const auto check = [this] { checkGear(); };

    for (SpinButton* speed : f.vscrConvGRpm) {
        for (const int engineTeeth : {f.vscrConvGRatio[0]->minimum(), f.vscrConvGRatio[0]->maximum()}) {
            f.vscrConvGRatio[0]->setValue(engineTeeth);
            for (const int mastTeeth : {f.vscrConvGRatio[1]->minimum(), f.vscrConvGRatio[1]->maximum()}) {
                f.vscrConvGRatio[1]->setValue(mastTeeth);
                stepAcross(speed, check);
            }
        }
    }
    stepAcross(f.vscrConvGRatio[0], [&] { stepAcross(f.vscrConvGRatio[1], check); });
    QCOMPARE(f.speedInputIndex, input);
}

void TestDriveSweep::checkBattery() {
    static const QRegularExpression capacity(QStringLiteral("^(\\d+) mAh$"));
    static const QRegularExpression current(QStringLiteral("^(\\d+) mA$"));
    const Form1& f = *form;
    const int capacityMah = numberIn(f.lblBatt[0]->caption(), capacity);
    const int currentMa = numberIn(f.lblBatt[1]->caption(), current);
    QCOMPARE(capacityMah, 2500 - f.vscrBattRating->value());
    QCOMPARE(currentMa, 5000 - f.vscrBattAmpRate->value());
    QVERIFY2(currentMa * 10 >= capacityMah && currentMa <= 2 * capacityMah,
             qPrintable(f.lblBatt[1]->caption()));
    const int minutes = minutesIn(f.lblBatt[2]->caption());
    QVERIFY2(minutes >= 45 && minutes <= 900, qPrintable(f.lblBatt[2]->caption()));
    for (const Label* label : f.lblBatt)
        QVERIFY2(fits(label), qPrintable(label->caption()));
}

void TestDriveSweep::battery() {
    Form1& f = *form;
    SpinButton* rating = f.vscrBattRating;
    SpinButton* current = f.vscrBattAmpRate;
    std::vector<int> currentsPassed;
    const QObject recorder;
    connect(current, &SpinButton::change, &recorder,
            [&] { currentsPassed.push_back(5000 - current->value()); });
    const auto check = [this] { checkBattery(); };

    const auto stepCapacity = [&](QAbstractSlider::SliderAction action) {
        const int oldLargest = 5000 - current->minimum();
        currentsPassed.clear();
        rating->triggerAction(action);
        const int capacity = 2500 - rating->value();
        QCOMPARE(current->minimum(), 5000 - 2 * capacity);
        QCOMPARE(current->maximum(), 5000 - capacity / 10);
        QCOMPARE(currentsPassed.back(), capacity / 10);
        QVERIFY(currentsPassed.size() == 1 ||
                (currentsPassed.size() == 2 && currentsPassed.front() == oldLargest));
        QCOMPARE(f.cmbBattRate->listIndex(), 0);
        check();
    };

    const int blank = f.cmbBattRate->listCount() - 1;
    for (;;) {
        for (int item = 0; item < blank; ++item) {
            f.cmbBattRate->setListIndex(item);
            check();
            const int rateCurrent = current->value();
            f.cmbBattRate->setListIndex(blank);
            QCOMPARE(current->value(), rateCurrent);
        }
        stepAcross(current, check);
        if (rating->value() == rating->maximum() || QTest::currentTestFailed())
            break;
        stepCapacity(QAbstractSlider::SliderSingleStepAdd);
    }
    while (rating->value() > rating->minimum() && !QTest::currentTestFailed())
        stepCapacity(QAbstractSlider::SliderSingleStepSub);
}

QTEST_MAIN(TestDriveSweep)
#include "tst_drivesweep.moc"
