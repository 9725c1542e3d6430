// The window as a whole: its controls, loading, the page selector, the tab cycle of each page,
// the keyboard, Close and Calculator.
#include "app/form1.h"
#include "platform/qtdesktop.h"
#include "support/window.h"

#include <QCheckBox>
#include <QSet>
#include <QSignalSpy>

class TestForm1 : public QObject {
    Q_OBJECT

private slots:
    void catalogueHoldsEveryControlOnce();
    void windowIsFixedAtItsClientSize();
    void fixedTextsFitAndStayUncovered();
    void loadingFillsTheListsAndCaption();
    void loadingAssignsInputsInOrder();
    void unitListFollowsMeasurementSystem_data();
    void unitListFollowsMeasurementSystem();
    void localeMeasurementSystems_data();
    void localeMeasurementSystems();
    void pageSelectorShowsOnePage_data();
    void pageSelectorShowsOnePage();
    void repickingThePageChangesNothing();
    void tabCycleVisitsThePageInputs_data();
    void tabCycleVisitsThePageInputs();
    void calculatorStartsDetached();
    void missingCalculatorSaysSoOncePerPress();
    void accessKeysPressTheirButtons();
    void escapeAndCloseEndTheWindow_data();
    void escapeAndCloseEndTheWindow();
};

namespace {

QStringList names(const std::vector<QWidget*>& widgets)
{
    QStringList result;
    for (const QWidget* widget : widgets)
        result << widget->objectName();
    return result;
}

// The width a button leaves its caption: a push button loses its bevel, a check box its box.
int captionRoom(const QAbstractButton* button)
{
    const QStyle* style = button->style();
    if (qobject_cast<const QCheckBox*>(button))
        return button->width() - style->pixelMetric(QStyle::PM_IndicatorWidth) -
               style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    return button->width() - 2 * style->pixelMetric(QStyle::PM_ButtonMargin);
}

QWidget* control(const Form1& form, const QString& name)
{
    for (const auto& entry : form.controls()) {
        if (entry.control->objectName() == name)
            return entry.control;
    }
    qFatal("no control named %s", qPrintable(name));
}

} // namespace

void TestForm1::catalogueHoldsEveryControlOnce()
{
    FakeDesktop desktop;
    Form1 form(desktop);
    QCOMPARE(form.controls().size(), std::size_t(124));
    QSet<QString> seenNames;
    QSet<int> seenTabIndexes;
    for (const auto& [control, tabIndex] : form.controls()) {
        QVERIFY2(!seenNames.contains(control->objectName()), qPrintable(control->objectName()));
        QVERIFY2(!seenTabIndexes.contains(tabIndex), qPrintable(control->objectName()));
        seenNames << control->objectName();
        seenTabIndexes << tabIndex;
        // Every control lies inside its page or the window, so nothing is cut off by an edge.
        const QRect inside = control->parentWidget()->rect();
        QVERIFY2(inside.contains(control->geometry()), qPrintable(control->objectName()));
    }
}

void TestForm1::windowIsFixedAtItsClientSize()
{
    FakeDesktop desktop;
    auto form = showWindow(desktop);
    QCOMPARE(form->size(), QSize(314, 479));
    QCOMPARE(form->minimumSize(), form->maximumSize());
    QVERIFY(!(form->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(form->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!form->windowIcon().availableSizes().isEmpty());
    QCOMPARE(QApplication::focusWidget(), form->cmbFuelType);
}

void TestForm1::fixedTextsFitAndStayUncovered()
{
    FakeDesktop desktop;
    auto form = showWindow(desktop);
    for (const auto& [control, tabIndex] : form->controls()) {
        const auto* label = qobject_cast<Label*>(control);
        const auto* button = qobject_cast<QAbstractButton*>(control);
        if (!label && !button)
            continue;
        const QString text = label ? label->caption() : button->text().remove(u'&');
        const int needed = control->fontMetrics().horizontalAdvance(text);
        const int room = label ? label->contentsRect().width() : captionRoom(button);
        QVERIFY2(needed <= room, qPrintable(control->objectName() + " needs " + QString::number(needed)));
        if (!label)
            continue;
        // No input may stand over the part of a label its text takes up.
        QRect textArea = QStyle::alignedRect(Qt::LeftToRight, label->alignment(),
                                             QSize(needed, label->fontMetrics().height()), label->contentsRect());
        textArea.translate(label->pos());
        for (const QObject* sibling : label->parentWidget()->children()) {
            const auto* input = qobject_cast<const QWidget*>(sibling);
            if (!input || input == label || qobject_cast<const Label*>(input) || !(input->focusPolicy() & Qt::TabFocus))
                continue;
            QVERIFY2(!textArea.intersects(input->geometry()),
                     qPrintable(label->objectName() + " is covered by " + input->objectName()));
        }
    }
}

void TestForm1::loadingFillsTheListsAndCaption()
{
    FakeDesktop desktop;
    auto form = showWindow(desktop);
    QCOMPARE(form->windowTitle(), QStringLiteral("Rotorix (v1.2.0)"));

    const QStringList units{"Metric Litre", "US Fluid Ounce", "US Gallon"};
    const QStringList pages{"Glow plug fuel percentage", "Gasser / Petrol (2 stroke) ratio",
                            "Gear ratio / Battery Charge", "Metric <> US converter"};
    const QStringList rates{" C/10", " C/9", " C/8", " C/7", " C/6", " C/5",
                            " C/4",  " C/3", " C/2", " 1C",  " 2C",  " "};
    const QList<int> itemData{100, 90, 80, 70, 60, 50, 40, 30, 20, 10, 5, 0};
    const auto items = [](DropDownList* list) {
        QStringList texts;
        for (int i = 0; i < list->listCount(); ++i)
            texts << list->itemText(i);
        return texts;
    };
    QCOMPARE(items(form->cmbVolumeGrads), units);
    QCOMPARE(items(form->cmbFuelType), pages);
    QCOMPARE(items(form->cmbBattRate), rates);
    for (int i = 0; i < itemData.size(); ++i)
        QCOMPARE(form->cmbBattRate->itemData(i), itemData[i]);
    QCOMPARE(form->cmbFuelType->listIndex(), 0);
    QCOMPARE(form->percentFocusIndex, std::int16_t(-1));
    QCOMPARE(form->txtOther->text(), QStringLiteral("EDL"));
    QCOMPARE(form->chkAddIsOil->value(), 1);
    for (const TextBox* box : form->txtConvVol)
        QVERIFY(box->text().isEmpty());
}

void TestForm1::loadingAssignsInputsInOrder()
{
    // Each page's handlers run from these assignments, so their order is the page's contract.
    FakeDesktop desktop;
    auto form = createMainWindow(desktop);
    QStringList log;
    const auto watch = [&](SpinButton* spin) {
        connect(spin, &SpinButton::change, this,
                [&log, spin] { log << spin->objectName() + '=' + QString::number(spin->value()); });
    };
    const auto watchList = [&](DropDownList* list) {
        connect(list, &DropDownList::click, this,
                [&log, list] { log << list->objectName() + '=' + QString::number(list->listIndex()); });
    };
    watchList(form->cmbBattRate);
    watchList(form->cmbFuelType);
    watchList(form->cmbVolumeGrads);
    for (SpinButton* spin : {form->vscrTotVol, form->vscrPreInGas, form->vscrPreInRatio, form->vscrInPercent[0],
                             form->vscrInPercent[1], form->vscrInPercent[2], form->vscrInPercent[3],
                             form->vscrInPercent[4], form->vscrConvGRatio[0], form->vscrConvGRatio[1],
                             form->vscrBattRating, form->vscrConvGRpm[0], form->vscrConvGRpm[1]})
        watch(spin);
    form->Show();
    const QStringList expected{
        "cmbBattRate=0",        "cmbFuelType=0",        "cmbVolumeGrads=0",     "vscrTotVol=191",
        "vscrPreInGas=191",     "vscrPreInRatio=75",    "vscrInPercent(0)=0",   "vscrInPercent(0)=100",
        "vscrInPercent(1)=100", "vscrInPercent(2)=100", "vscrInPercent(3)=100", "vscrInPercent(4)=100",
        "vscrConvGRatio(0)=7",  "vscrConvGRatio(1)=54", "vscrBattRating=0",     "vscrConvGRpm(0)=40",
    };
    QCOMPARE(log, expected);
}

void TestForm1::unitListFollowsMeasurementSystem_data()
{
    QTest::addColumn<std::optional<QLocale::MeasurementSystem>>("system");
    QTest::addColumn<QString>("unit");
    QTest::newRow("US") << std::optional(QLocale::ImperialUSSystem) << "US Gallon";
    QTest::newRow("metric") << std::optional(QLocale::MetricSystem) << "Metric Litre";
    QTest::newRow("UK imperial") << std::optional(QLocale::ImperialUKSystem) << "Metric Litre";
    QTest::newRow("unreadable") << std::optional<QLocale::MeasurementSystem>() << "Metric Litre";
}

void TestForm1::unitListFollowsMeasurementSystem()
{
    QFETCH(std::optional<QLocale::MeasurementSystem>, system);
    QFETCH(QString, unit);
    FakeDesktop desktop;
    desktop.measurement = system;
    auto form = showWindow(desktop);
    QCOMPARE(form->cmbVolumeGrads->currentText(), unit);
}

void TestForm1::localeMeasurementSystems_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<bool>("us");
    QTest::newRow("en_US") << QLocale("en_US") << true << true;
    QTest::newRow("en_GB") << QLocale("en_GB") << true << false;
    QTest::newRow("de_DE") << QLocale("de_DE") << true << false;
    QTest::newRow("C") << QLocale::c() << false << false;
}

void TestForm1::localeMeasurementSystems()
{
    QFETCH(QLocale, locale);
    QFETCH(bool, readable);
    QFETCH(bool, us);
    const auto system = measurementSystemOf(locale);
    QCOMPARE(system.has_value(), readable);
    QCOMPARE(system == QLocale::ImperialUSSystem, us);
}

void TestForm1::pageSelectorShowsOnePage_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("copyAndPrint");
    QTest::addColumn<bool>("unitList");
    QTest::newRow("glow fuel") << 0 << false << true;
    QTest::newRow("pre-mix") << 1 << true << true;
    QTest::newRow("drive and battery") << 2 << false << false;
    QTest::newRow("converters") << 3 << false << false;
}

void TestForm1::pageSelectorShowsOnePage()
{
    QFETCH(int, page);
    QFETCH(bool, copyAndPrint);
    QFETCH(bool, unitList);
    FakeDesktop desktop;
    auto form = showWindow(desktop);
    // Walk there with the keyboard and back, so every switch on the way runs too.
    for (int k = 0; k < 3; ++k)
        QTest::keyClick(form->cmbFuelType, Qt::Key_Down);
    for (int k = 3; k > page; --k)
        QTest::keyClick(form->cmbFuelType, Qt::Key_Up);
    QCOMPARE(form->cmbFuelType->listIndex(), page);
    for (int k = 0; k < 4; ++k) {
        QCOMPARE(form->Frame1[k]->isVisible(), k == page);
        QCOMPARE(form->Frame1[k]->isEnabled(), k == page);
    }
    QCOMPARE(form->cmdCopy->isEnabled(), copyAndPrint);
    QCOMPARE(form->cmdPrint->isEnabled(), copyAndPrint);
    QCOMPARE(form->cmbVolumeGrads->isEnabled(), unitList);
    QVERIFY(form->cmdCalc->isEnabled());
    QVERIFY(form->cmdClose->isEnabled());
    QCOMPARE(QApplication::focusWidget(), form->cmbFuelType);
}

void TestForm1::repickingThePageChangesNothing()
{
    FakeDesktop desktop;
    auto form = showWindow(desktop);
    QTest::keyClick(form->cmbFuelType, Qt::Key_Down);
    QVERIFY(form->cmdCopy->isEnabled());
    QSignalSpy clicks(form->cmbFuelType, &DropDownList::click);
    form->cmbFuelType->setListIndex(1);
    QCOMPARE(clicks.count(), 0);
    QVERIFY(form->cmdCopy->isEnabled());
}

void TestForm1::tabCycleVisitsThePageInputs_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("inputs");
    QTest::newRow("glow fuel") << 0
                               << QStringList{"vscrTotVol",       "vscrInPercent(1)", "vscrInPercent(2)",
                                              "vscrInPercent(3)", "vscrInPercent(4)", "txtOther",
                                              "chkAddIsOil",      "vscrInPercent(0)"};
    QTest::newRow("pre-mix") << 1 << QStringList{"vscrPreInGas", "vscrPreInRatio"};
    QTest::newRow("drive and battery")
        << 2
        << QStringList{"vscrConvGRatio(0)", "vscrConvGRatio(1)", "vscrConvGRpm(0)", "vscrConvGRpm(1)",
                       "vscrBattRating",    "vscrBattAmpRate",   "cmbBattRate"};
    QTest::newRow("converters") << 3
                                << QStringList{"txtConvLen(0)", "txtConvLen(1)",  "txtConvLen(2)",  "txtConvLen(3)",
                                               "txtConvVol(0)", "txtConvVol(1)",  "txtConvVol(2)",  "txtConvVol(3)",
                                               "txtConvVol(4)", "txtConvVol(5)",  "txtConvTorq(0)", "txtConvTorq(1)",
                                               "txtConvTemp(0)", "txtConvTemp(1)"};
}

void TestForm1::tabCycleVisitsThePageInputs()
{
    QFETCH(int, page);
    QFETCH(QStringList, inputs);
    FakeDesktop desktop;
    auto form = showWindow(desktop);
    form->cmbFuelType->setListIndex(page);

    // The cycle holds the selector, the unit list and the page's inputs and buttons in TabIndex
    // order, less whatever is disabled at the moment.
    std::vector<QWidget*> expected{form->cmbFuelType, form->cmbVolumeGrads};
    for (const QString& name : inputs)
        expected.push_back(control(*form, name));
    for (QWidget* button : {form->cmdPrint, form->cmdCopy, form->cmdCalc, form->cmdClose})
        expected.push_back(button);
    std::erase_if(expected, [](QWidget* widget) { return !widget->isEnabled(); });

    std::vector<QWidget*> visited{QApplication::focusWidget()};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget());
    }
    expected.push_back(form->cmbFuelType); // and round again
    QCOMPARE(names(visited), names(expected));
}

void TestForm1::calculatorStartsDetached()
{
    FakeDesktop desktop;
    auto form = showWindow(desktop);
    QTest::mouseClick(form->cmdCalc, Qt::LeftButton);
    QTest::mouseClick(form->cmdCalc, Qt::LeftButton);
    QCOMPARE(desktop.startedPrograms, QStringList({"Calc.exe", "Calc.exe"}));
    QCOMPARE(desktop.startedStyles.first(), WindowStyle::MinimizedWithFocus);
    QVERIFY(desktop.messages.isEmpty());
}

void TestForm1::missingCalculatorSaysSoOncePerPress()
{
    FakeDesktop desktop;
    desktop.programsStart = false;
    auto form = showWindow(desktop);
    QTest::mouseClick(form->cmdCalc, Qt::LeftButton);
    QCOMPARE(desktop.messages, QStringList{"Rotorix: Cant open Windows Calculator"});
    QTest::mouseClick(form->cmdCalc, Qt::LeftButton);
    QCOMPARE(desktop.messages.size(), 2);
    QVERIFY(form->isVisible());
    QCOMPARE(form->cmbFuelType->listIndex(), 0);
}

void TestForm1::accessKeysPressTheirButtons()
{
    FakeDesktop desktop;
    auto form = showWindow(desktop);
    QTest::keyClick(form->cmbFuelType, Qt::Key_Down); // the pre-mix page enables Copy and Print
    QSignalSpy copy(form->cmdCopy, &QPushButton::clicked);
    QSignalSpy print(form->cmdPrint, &QPushButton::clicked);
    QTest::keyClick(form.get(), Qt::Key_O, Qt::AltModifier);
    QTest::keyClick(form.get(), Qt::Key_P, Qt::AltModifier);
    QTest::keyClick(form.get(), Qt::Key_A, Qt::AltModifier);
    // A button pressed by its access key shows itself pressed before it acts.
    QTRY_COMPARE(copy.count(), 1);
    QTRY_COMPARE(print.count(), 1);
    QTRY_COMPARE(desktop.startedPrograms, QStringList{"Calc.exe"});
}

void TestForm1::escapeAndCloseEndTheWindow_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifier");
    QTest::newRow("Esc") << int(Qt::Key_Escape) << int(Qt::NoModifier);
    QTest::newRow("Alt+C") << int(Qt::Key_C) << int(Qt::AltModifier);
}

void TestForm1::escapeAndCloseEndTheWindow()
{
    QFETCH(int, key);
    QFETCH(int, modifier);
    FakeDesktop desktop;
    auto form = showWindow(desktop);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifier));
    QTRY_VERIFY(!form->isVisible());
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
