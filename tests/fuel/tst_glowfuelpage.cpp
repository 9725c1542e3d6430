#include "fuel/glowgestures.h"

#include <QRegularExpression>
#include <QSignalSpy>

class TestGlowFuelPage : public QObject {
    Q_OBJECT

private slots:
    void showsMixInEachUnit_data();
    void showsMixInEachUnit();
    void sharesOil_data();
    void sharesOil();
    void fifthRowEnablesItsControls();
    void ignoresAdditiveName_data();
    void ignoresAdditiveName();
    void namesTotalVolume_data();
    void namesTotalVolume();
    void unitPickedOnPremixPageLeavesVolumes();
    void opensEmpty_data();
    void opensEmpty();
};

// "70 10 10 8 2" as numbers, or "7.00 - 1.00" as captions with "-" for an empty one.
static QList<int> numbers(const QString& row) {
    QList<int> values;
    for (const QString& cell : row.split(u' '))
        values << cell.toInt();
    return values;
}

static QStringList captions(const QString& row) {
    return row.split(u' ').replaceInStrings(QRegularExpression(QStringLiteral("^-$")), QString());
}

void TestGlowFuelPage::showsMixInEachUnit_data() {
    QTest::addColumn<QString>("mix");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("indicator");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    const QString classic = QStringLiteral("70 10 10 8 2");
    const QString correct = QStringLiteral("Correct weight");
    const QString short99 = QStringLiteral("Add to any % ratio by 99 %");
    const QString methanolOnly = QStringLiteral("100 0 0 0 0");
    QTest::newRow("classic, 10 litres") << classic << 10 << 0 << correct << "7.00 1.00 1.00 0.80 0.20"
                                        << "7,000 1,000 1,000 800 200";
    QTest::newRow("classic, 10 ounces") << classic << 10 << 1 << correct << "00.05 00.01 00.01 00.01 00.00"
                                        << "7.0 1.0 1.0 0.8 0.2";
    QTest::newRow("classic, 10 gallons") << classic << 10 << 2 << correct << "7.00 1.00 1.00 0.80 0.20"
                                         << "896.00 128.00 128.00 102.40 25.60";
    QTest::newRow("105 %, 3 litres") << "67 15 9 9 5" << 3 << 0 << "Reduce any % ratio by 5 %"
                                     << "2.01 0.45 0.27 0.27 0.15"
                                     << "2,010 450 270 270 150";
    QTest::newRow("1 %, 1 litre") << "1 0 0 0 0" << 1 << 0 << short99 << "0.01 - - - -"
                                  << "10 - - - -";
    QTest::newRow("1 %, 1 ounce") << "1 0 0 0 0" << 1 << 1 << short99 << "00.00 - - - -"
                                  << "0.0 - - - -";
    QTest::newRow("1 %, 1 gallon") << "1 0 0 0 0" << 1 << 2 << short99 << "0.01 - - - -"
                                   << "1.28 - - - -";
    QTest::newRow("100 %, 200 litres") << methanolOnly << 200 << 0 << correct << "200.00 - - - -"
                                       << "200,000 - - - -";
    QTest::newRow("100 %, 200 ounces") << methanolOnly << 200 << 1 << correct << "01.56 - - - -"
                                       << "200.0 - - - -";
    QTest::newRow("100 %, 200 gallons") << methanolOnly << 200 << 2 << correct << "200.00 - - - -"
                                        << "25,600.00 - - - -";
    QTest::newRow("500 %") << "100 100 100 100 100" << 1 << 0 << "Reduce any % ratio by 400 %"
                           << "1.00 1.00 1.00 1.00 1.00"
                           << "1,000 1,000 1,000 1,000 1,000";
}

void TestGlowFuelPage::showsMixInEachUnit() {
    QFETCH(QString, mix);
    QFETCH(int, total);
    QFETCH(int, unit);
    QFETCH(QString, indicator);
    QFETCH(QString, first);
    QFETCH(QString, second);
    FakeDesktop desktop;
    const auto form = showWindow(desktop);
    Form1& f = *form;
    const QList<int> percents = numbers(mix);
    setMix(f, percents);
    setTotal(f, total);
    pickUnit(f, unit);
    leaveFocus(f);

    const bool adds = indicator == "Correct weight";
    QCOMPARE(f.lblIndicate->caption(), indicator);
    QCOMPARE(f.lblIndicate->foreColor(), adds ? colours::blue : colours::red);
    QCOMPARE(f.cmdCopy->isEnabled(), adds);
    QCOMPARE(f.cmdPrint->isEnabled(), adds);
    const Colour text = adds ? f.cmbVolumeGrads->foreColor() : colours::red;
    for (int row = 0; row < 5; ++row) {
        QCOMPARE(f.lblPercentIn[row]->caption(), QStringLiteral("%1 %").arg(percents[row]));
        QCOMPARE(f.lblVolumeOut[row]->caption(), captions(first)[row]);
        QCOMPARE(f.lblVolumeOut2[row]->caption(), captions(second)[row]);
        const Colour back = percents[row] > 0 ? f.cmbVolumeGrads->backColor() : f.backColor();
        for (const Label* label : {f.lblPercentIn[row], f.lblVolumeOut[row], f.lblVolumeOut2[row]}) {
            QCOMPARE(label->foreColor(), text);
            QCOMPARE(label->backColor(), back);
        }
    }
}

void TestGlowFuelPage::sharesOil_data() {
    QTest::addColumn<QString>("mix");
    QTest::addColumn<bool>("untick");
    QTest::addColumn<QString>("share");
    QTest::addColumn<bool>("inBounds");
    const QString classic = QStringLiteral("70 10 10 8 2");
    const QString lowOil = QStringLiteral("75 10 0 14 1");
    QTest::newRow("additive counted") << classic << false << "Total Oil mix is 20 %" << true;
    QTest::newRow("additive not counted") << classic << true << "Total Oil mix is 18 %" << true;
    QTest::newRow("14 % is too little") << lowOil << true << "Total Oil mix is 14 %" << false;
    QTest::newRow("15 % is enough") << lowOil << false << "Total Oil mix is 15 %" << true;
    QTest::newRow("no oil at all") << "100 0 0 0 0" << false << "Total Oil mix is 0 %" << false;
}

void TestGlowFuelPage::sharesOil() {
    QFETCH(QString, mix);
    QFETCH(bool, untick);
    QFETCH(QString, share);
    QFETCH(bool, inBounds);
    FakeDesktop desktop;
    const auto form = showWindow(desktop);
    Form1& f = *form;
    setMix(f, numbers(mix));
    leaveFocus(f);
    const auto withoutOilShare = [&f] {
        QStringList state = pageState(f);
        state.removeIf([](const QString& line) { return line.startsWith("lblOilTotal"); });
        return state;
    };
    const QStringList before = withoutOilShare();
    if (untick) {
        toggleAdditiveIsOil(f);
        QCOMPARE(f.chkAddIsOil->value(), 0);
        leaveFocus(f);
    }
    QCOMPARE(f.lblOilTotal->caption(), share);
    QCOMPARE(f.lblOilTotal->foreColor(), inBounds ? colours::blue : colours::red);
    QCOMPARE(withoutOilShare(), before);
}

void TestGlowFuelPage::fifthRowEnablesItsControls() {
    FakeDesktop desktop;
    const auto form = showWindow(desktop);
    Form1& f = *form;
    setMix(f, {0, 0, 0, 10, 1});
    QVERIFY(f.txtOther->isEnabled());
    QVERIFY(f.chkAddIsOil->isEnabled());
    QCOMPARE(f.txtOther->backColor(), f.cmbVolumeGrads->backColor());
    QCOMPARE(f.lblOilTotal->caption(), "Total Oil mix is 11 %");
    toggleAdditiveIsOil(f);

    stepTo(f.vscrInPercent[4], 100, 0);
    QVERIFY(!f.txtOther->isEnabled());
    QVERIFY(!f.chkAddIsOil->isEnabled());
    QCOMPARE(f.txtOther->backColor(), f.backColor());
    QCOMPARE(f.chkAddIsOil->value(), 0);
    QCOMPARE(f.lblVolumeOut[4]->caption(), "");
    QCOMPARE(f.lblVolumeOut2[4]->caption(), "");
    QCOMPARE(f.lblOilTotal->caption(), "Total Oil mix is 10 %");
}

// One key event per character, as a keyboard or input method delivers text beyond Latin-1.
static void typeText(QWidget* widget, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text.at(i).isHighSurrogate() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(i, length), Qt::NoModifier);
        i += length - 1;
    }
}

void TestGlowFuelPage::ignoresAdditiveName_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("emptied") << QString();
    QTest::newRow("long") << QString(2000, u'x');
    QTest::newRow("any script") << QStringLiteral(u"Öl-Zusatz 添加剂 زيت 🚁");
}

void TestGlowFuelPage::ignoresAdditiveName() {
    QFETCH(QString, name);
    FakeDesktop desktop;
    const auto form = showWindow(desktop);
    Form1& f = *form;
    setMix(f, {70, 10, 10, 8, 2});
    leaveFocus(f);
    const QStringList before = pageState(f);
    f.txtOther->setFocus(Qt::TabFocusReason);
    QTest::keyClick(f.txtOther, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(f.txtOther, Qt::Key_Backspace);
    typeText(f.txtOther, name);
    leaveFocus(f);
    QCOMPARE(f.txtOther->text(), name);
    QCOMPARE(pageState(f), before);
}

void TestGlowFuelPage::namesTotalVolume_data() {
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("total");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("headings");
    QTest::newRow("10 litres") << 0 << 10 << "10 Litres" << QStringList{"Litre", "CC"};
    QTest::newRow("1 litre") << 0 << 1 << "1 Litre" << QStringList{"Litre", "CC"};
    QTest::newRow("2 litres") << 0 << 2 << "2 Litres" << QStringList{"Litre", "CC"};
    QTest::newRow("200 litres") << 0 << 200 << "200 Litres" << QStringList{"Litre", "CC"};
    QTest::newRow("1 ounce") << 1 << 1 << "1 US Fluid Oz" << QStringList{"US Gallon", "US Fluid Oz"};
    QTest::newRow("2 ounces") << 1 << 2 << "2 US Fluid Oz's" << QStringList{"US Gallon", "US Fluid Oz"};
    QTest::newRow("1 gallon") << 2 << 1 << "1 US Gallon" << QStringList{"US Gallon", "US Fluid Oz"};
    QTest::newRow("10 gallons") << 2 << 10 << "10 US Gallons" << QStringList{"US Gallon", "US Fluid Oz"};
}

void TestGlowFuelPage::namesTotalVolume() {
    QFETCH(int, unit);
    QFETCH(int, total);
    QFETCH(QString, caption);
    QFETCH(QStringList, headings);
    FakeDesktop desktop;
    const auto form = showWindow(desktop);
    Form1& f = *form;
    setTotal(f, total);
    pickUnit(f, unit);
    QCOMPARE(f.lblTotalVol->caption(), caption);
    // Once more by the spin button alone, coming from a single unit.
    setTotal(f, 1);
    setTotal(f, total);
    QCOMPARE(f.lblTotalVol->caption(), caption);
    QCOMPARE(QStringList({f.lblOut1[0]->caption(), f.lblOut1[1]->caption()}), headings);
}

void TestGlowFuelPage::unitPickedOnPremixPageLeavesVolumes() {
    FakeDesktop desktop;
    const auto form = showWindow(desktop);
    Form1& f = *form;
    QSignalSpy premixRefreshes(f.vscrPreInGas, &SpinButton::change);
    setMix(f, {70, 10, 10, 8, 2});
    pickUnit(f, 2);
    QCOMPARE(premixRefreshes.count(), 0);

    f.cmbFuelType->setFocus(Qt::TabFocusReason);
    QTest::keyClick(f.cmbFuelType, Qt::Key_Down);
    pickUnit(f, 0);
    QCOMPARE(premixRefreshes.count(), 1);
    QCOMPARE(f.lblTotalVol->caption(), "10 Litres");
    QCOMPARE(f.lblOut1[0]->caption(), "Litre");
    QCOMPARE(f.lblOut1[1]->caption(), "CC");
    QCOMPARE(f.lblVolumeOut[0]->caption(), "7.00");
    QCOMPARE(f.lblVolumeOut2[0]->caption(), "896.00");
}

void TestGlowFuelPage::opensEmpty_data() {
    QTest::addColumn<QLocale::MeasurementSystem>("measurement");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QStringList>("headings");
    QTest::newRow("metric") << QLocale::MetricSystem << "10 Litres" << QStringList{"Litre", "CC"};
    QTest::newRow("US") << QLocale::ImperialUSSystem << "10 US Gallons"
                        << QStringList{"US Gallon", "US Fluid Oz"};
}

void TestGlowFuelPage::opensEmpty() {
    QFETCH(QLocale::MeasurementSystem, measurement);
    QFETCH(QString, total);
    QFETCH(QStringList, headings);
    FakeDesktop desktop;
    desktop.measurement = measurement;
    const auto form = showWindow(desktop);
    const Form1& f = *form;
    QCOMPARE(f.lblTotalVol->caption(), total);
    QCOMPARE(QStringList({f.lblOut1[0]->caption(), f.lblOut1[1]->caption()}), headings);
    for (int row = 0; row < 5; ++row) {
        QCOMPARE(f.lblPercentIn[row]->caption(), "0 %");
        for (const Label* label : {f.lblPercentIn[row], f.lblVolumeOut[row], f.lblVolumeOut2[row]}) {
            QCOMPARE(label->backColor(), f.backColor());
            QCOMPARE(label->foreColor(), colours::red);
        }
        QCOMPARE(f.lblVolumeOut[row]->caption(), "");
        QCOMPARE(f.lblVolumeOut2[row]->caption(), "");
    }
    QCOMPARE(f.lblIndicate->caption(), "Add to any % ratio by 100 %");
    QCOMPARE(f.lblIndicate->foreColor(), colours::red);
    QCOMPARE(f.lblOilTotal->caption(), "Total Oil mix is 0 %");
    QCOMPARE(f.lblOilTotal->foreColor(), colours::red);
    QCOMPARE(f.txtOther->text(), "EDL");
    QVERIFY(!f.txtOther->isEnabled());
    QCOMPARE(f.chkAddIsOil->value(), 1);
    QVERIFY(!f.chkAddIsOil->isEnabled());
    QVERIFY(!f.cmdCopy->isEnabled());
    QVERIFY(!f.cmdPrint->isEnabled());
    QCOMPARE(f.percentFocusIndex, -1);
}

QTEST_MAIN(TestGlowFuelPage)
#include "tst_glowfuelpage.moc"
