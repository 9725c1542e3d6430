// The window as a whole: its controls, loading, the page selector, the tab cycle of each page,
// the keyboard, Close and Calculator.
#include "platform/qtdesktop.h"
#include "support/window.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QSet>
#include <QSignalSpy>

using MeasurementSystem = std::optional<QLocale::MeasurementSystem>;

namespace {

QWidget* control(const Form1& form, const QString& name) {
    for (const auto& entry : form.controls()) {
        if (entry.control->objectName() == name)
            return entry.control;
    }
    qFatal("no control named %s", qPrintable(name));
}

// The width a button leaves its caption: a push button loses its bevel, a check box its box.
int captionRoom(const QAbstractButton* button) {
    const QStyle* style = button->style();
    if (qobject_cast<const QCheckBox*>(button))
        return button->width() - style->pixelMetric(QStyle::PM_IndicatorWidth) -
               style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    return button->width() - 2 * style->pixelMetric(QStyle::PM_ButtonMargin);
}

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT

private slots:
    void catalogueHoldsEveryControlOnceInsideItsParent() {
        FakeDesktop desktop;
        auto form = showWindow(desktop);
        QCOMPARE(form->size(), QSize(314, 479));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QVERIFY(!(form->windowFlags() & Qt::WindowMaximizeButtonHint));
        // Every size of the artwork, read whole: a picture that fails to read leaves its size out.
        // The icon follows the first frame.
        QTRY_COMPARE(form->windowIcon().availableSizes(),
                     QList<QSize>({{16, 16}, {32, 32}, {48, 48}, {128, 128}, {256, 256}}));
        QCOMPARE(form->controls().size(), std::size_t(124));
        QSet<QString> names;
        QSet<int> tabIndexes;
        for (const auto& [control, tabIndex] : form->controls()) {
            QVERIFY2(!names.contains(control->objectName()) && !tabIndexes.contains(tabIndex),
                     qPrintable(control->objectName()));
            names << control->objectName();
            tabIndexes << tabIndex;
            QVERIFY2(control->parentWidget()->rect().contains(control->geometry()),
                     qPrintable(control->objectName()));
        }
    }

    void fixedTextsFitAndStayUncovered() {
        FakeDesktop desktop;
        auto form = showWindow(desktop);
        for (const auto& [control, tabIndex] : form->controls()) {
            const auto* label = qobject_cast<Label*>(control);
            const auto* button = qobject_cast<QAbstractButton*>(control);
            if (!label && !button)
                continue;
            const QString text = label ? label->caption() : button->text().remove(u'&');
            const int needed = control->fontMetrics().horizontalAdvance(text);
            QVERIFY2(needed <= (label ? label->contentsRect().width() : captionRoom(button)),
                     qPrintable(control->objectName()));
            if (!label)
                continue;
            // No input may stand over the part of a label its text takes up.
            const QRect textArea =
                QStyle::alignedRect(Qt::LeftToRight, label->alignment(),
                                    QSize(needed, label->fontMetrics().height()), label->contentsRect())
                    .translated(label->pos());
            for (const QWidget* input :
                 label->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (input->focusPolicy() & Qt::TabFocus)
                    QVERIFY2(!textArea.intersects(input->geometry()),
                             qPrintable(label->objectName() + " is covered by " + input->objectName()));
            }
        }
    }

    void loadsCaptionListsAndInputsInOrder() {
        // Each page's handlers run from these assignments, so their order is the pages' contract.
        FakeDesktop desktop;
        auto form = createMainWindow(desktop);
        QStringList log;
        const auto watch = [&](auto* input, auto event, auto read) {
            connect(input, event, this,
                    [&log, input, read] { log << input->objectName() + '=' + read(input); });
        };
        for (DropDownList* list : {form->cmbBattRate, form->cmbFuelType, form->cmbVolumeGrads})
            watch(list, &DropDownList::click,
                  [](DropDownList* l) { return QString::number(l->listIndex()); });
        for (SpinButton* spin :
             {form->vscrTotVol, form->vscrPreInGas, form->vscrPreInRatio, form->vscrInPercent[0],
              form->vscrInPercent[1], form->vscrInPercent[2], form->vscrInPercent[3], form->vscrInPercent[4],
              form->vscrConvGRatio[0], form->vscrConvGRatio[1], form->vscrBattRating, form->vscrConvGRpm[0],
              form->vscrConvGRpm[1]})
            watch(spin, &SpinButton::change, [](SpinButton* s) { return QString::number(s->value()); });
        form->Show();
        QCOMPARE(log, QStringList({"cmbBattRate=0", "cmbFuelType=0", "cmbVolumeGrads=0", "vscrTotVol=191",
                                   "vscrPreInGas=191", "vscrPreInRatio=75", "vscrInPercent(0)=0",
                                   "vscrInPercent(0)=100", "vscrInPercent(1)=100", "vscrInPercent(2)=100",
                                   "vscrInPercent(3)=100", "vscrInPercent(4)=100", "vscrConvGRatio(0)=7",
                                   "vscrConvGRatio(1)=54", "vscrBattRating=0", "vscrConvGRpm(0)=40"}));
        QCOMPARE(form->windowTitle(), QStringLiteral("Rotorix (v" ROTORIX_VERSION ")"));
        QStringList rates;
        for (int i = 0; i < form->cmbBattRate->listCount(); ++i)
            rates << form->cmbBattRate->itemText(i) + '=' + QString::number(form->cmbBattRate->itemData(i));
        QCOMPARE(rates.join(','),
                 QStringLiteral(" C/10=100, C/9=90, C/8=80, C/7=70, C/6=60, C/5=50, C/4=40, C/3=30,"
                                " C/2=20, 1C=10, 2C=5, =0"));
        QCOMPARE(form->cmbFuelType->itemText(3), QStringLiteral("Metric <> US converter"));
        QCOMPARE(form->txtOther->text(), QStringLiteral("EDL"));
    }

    void unitListFollowsMeasurementSystem_data() {
        QTest::addColumn<MeasurementSystem>("system");
        QTest::addColumn<QString>("unit");
        QTest::newRow("US") << MeasurementSystem(QLocale::ImperialUSSystem) << "US Gallon";
        QTest::newRow("metric") << MeasurementSystem(QLocale::MetricSystem) << "Metric Litre";
        QTest::newRow("UK imperial") << MeasurementSystem(QLocale::ImperialUKSystem) << "Metric Litre";
        QTest::newRow("unreadable") << MeasurementSystem() << "Metric Litre";
        // What the desktop reports for real locales.
        QTest::newRow("en_US") << measurementSystemOf(QLocale("en_US")) << "US Gallon";
        QTest::newRow("de_DE") << measurementSystemOf(QLocale("de_DE")) << "Metric Litre";
    }

    void unitListFollowsMeasurementSystem() {
        QFETCH(MeasurementSystem, system);
        QFETCH(QString, unit);
        FakeDesktop desktop;
        desktop.measurement = system;
        auto form = showWindow(desktop);
        QCOMPARE(form->cmbVolumeGrads->currentText(), unit);
    }

    void pageSelectorShowsOnePage_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("copyAndPrint");
        QTest::addColumn<bool>("unitList");
        QTest::newRow("glow fuel") << 0 << false << true;
        QTest::newRow("pre-mix") << 1 << true << true;
        QTest::newRow("drive and battery") << 2 << false << false;
        QTest::newRow("converters") << 3 << false << false;
    }

    void pageSelectorShowsOnePage() {
        QFETCH(int, page);
        QFETCH(bool, copyAndPrint);
        QFETCH(bool, unitList);
        FakeDesktop desktop;
        auto form = showWindow(desktop);
        // Walk to the last page with the keyboard and back, so every switch on the way runs too.
        for (int k = 0; k < 3; ++k)
            QTest::keyClick(form->cmbFuelType, Qt::Key_Down);
        for (int k = 3; k > page; --k)
            QTest::keyClick(form->cmbFuelType, Qt::Key_Up);
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(form->Frame1[k]->isVisible(), k == page);
            QCOMPARE(form->Frame1[k]->isEnabled(), k == page);
        }
        QCOMPARE(form->cmdCopy->isEnabled(), copyAndPrint);
        QCOMPARE(form->cmdPrint->isEnabled(), copyAndPrint);
        QCOMPARE(form->cmbVolumeGrads->isEnabled(), unitList);
        QCOMPARE(QApplication::focusWidget(), form->cmbFuelType);
    }

    void tabCycleVisitsThePageInputs_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("inputs");
        QTest::newRow("glow fuel")
            << 0
            << "vscrTotVol vscrInPercent(1) vscrInPercent(2) vscrInPercent(3) vscrInPercent(4) "
               "txtOther chkAddIsOil vscrInPercent(0)";
        QTest::newRow("pre-mix") << 1 << "vscrPreInGas vscrPreInRatio";
        QTest::newRow("drive")
            << 2
            << "vscrConvGRatio(0) vscrConvGRatio(1) vscrConvGRpm(0) vscrConvGRpm(1) vscrBattRating "
               "vscrBattAmpRate cmbBattRate";
        QTest::newRow("converters")
            << 3
            << "txtConvLen(0) txtConvLen(1) txtConvLen(2) txtConvLen(3) txtConvVol(0) "
               "txtConvVol(1) txtConvVol(2) txtConvVol(3) txtConvVol(4) txtConvVol(5) "
               "txtConvTorq(0) txtConvTorq(1) txtConvTemp(0) txtConvTemp(1)";
    }

    void tabCycleVisitsThePageInputs() {
        QFETCH(int, page);
        QFETCH(QString, inputs);
        FakeDesktop desktop;
        auto form = showWindow(desktop);
        form->cmbFuelType->setListIndex(page);
        // Selector, unit list, the page's inputs and the buttons in TabIndex order, less what is disabled.
        QStringList expected;
        const QString all = "cmbFuelType cmbVolumeGrads " + inputs + " cmdPrint cmdCopy cmdCalc cmdClose";
        for (const QString& name : all.split(u' '))
            if (control(*form, name)->isEnabled())
                expected << name;
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (qsizetype i = 0; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, expected << "cmbFuelType");
    }

    void calculatorStartsOrSaysItCannot() {
        FakeDesktop desktop;
        auto form = showWindow(desktop);
        QTest::mouseClick(form->cmdCalc, Qt::LeftButton);
        QCOMPARE(desktop.startedPrograms, QStringList{"Calc.exe"});
        QCOMPARE(desktop.startedStyles, QList{WindowStyle::MinimizedWithFocus});
        desktop.programsStart = false;
        QTest::mouseClick(form->cmdCalc, Qt::LeftButton);
        QTest::mouseClick(form->cmdCalc, Qt::LeftButton);
        QCOMPARE(desktop.messages, QStringList(2, "Rotorix: Cant open Windows Calculator"));
        QVERIFY(form->isVisible());
#ifndef Q_OS_WIN
        // Elsewhere the desktop's own calculator stands in, however the name is written.
        QVERIFY(standInsFor("calc.EXE").contains("gnome-calculator"));
        QCOMPARE(standInsFor("other.exe"), QStringList{"other.exe"});
#endif
    }

    void keysPressTheirButtons() {
        FakeDesktop desktop;
        auto form = showWindow(desktop);
        QTest::keyClick(form->cmbFuelType, Qt::Key_Down); // the pre-mix page enables Copy and Print
        QSignalSpy copy(form->cmdCopy, &QPushButton::clicked);
        QSignalSpy print(form->cmdPrint, &QPushButton::clicked);
        QTest::keyClick(form.get(), Qt::Key_O, Qt::AltModifier);
        QTest::keyClick(form.get(), Qt::Key_P, Qt::AltModifier);
        QTest::keyClick(form.get(), Qt::Key_A, Qt::AltModifier);
        // A button pressed by its access key shows itself pressed before it acts.
        QTRY_COMPARE(copy.count() + print.count() + desktop.startedPrograms.size(), 3);
        QTest::keyClick(form.get(), Qt::Key_Escape);
        QTRY_VERIFY(!form->isVisible());
        form->Show();
        QApplication::setActiveWindow(form.get());
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTest::keyClick(form.get(), Qt::Key_C, Qt::AltModifier);
        QTRY_VERIFY(!form->isVisible());
    }

    void escapeClosesAnOpenListFirst_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("listOpen");
        QTest::newRow("page selector, open") << 0 << "cmbFuelType" << true;
        QTest::newRow("unit list, open") << 0 << "cmbVolumeGrads" << true;
        QTest::newRow("charge rates, open") << 2 << "cmbBattRate" << true;
        QTest::newRow("charge rates, closed") << 2 << "cmbBattRate" << false;
        QTest::newRow("spin button") << 0 << "vscrTotVol" << false;
        QTest::newRow("text box") << 3 << "txtConvLen(0)" << false;
        QTest::newRow("button") << 0 << "cmdCalc" << false;
    }

    void escapeClosesAnOpenListFirst() {
        QFETCH(int, page);
        QFETCH(QString, input);
        QFETCH(bool, listOpen);
        FakeDesktop desktop;
        auto form = showWindow(desktop);
        form->cmbFuelType->setListIndex(page);
        QWidget* focused = control(*form, input);
        focused->setFocus();
        if (listOpen) {
            auto* combo = static_cast<DropDownList*>(focused);
            const int before = combo->listIndex();
            QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
            QTRY_VERIFY(QApplication::activePopupWidget());
            // The highlight moves, but only Enter or a click would pick the item.
            QTest::keyClick(combo->view(), Qt::Key_Down);
            QTest::keyClick(combo->view(), Qt::Key_Escape);
            QTRY_VERIFY(!QApplication::activePopupWidget());
            QVERIFY(form->isVisible());
            QCOMPARE(combo->listIndex(), before);
            QCOMPARE(QApplication::focusWidget(), combo);
        }
        // With no list open, Escape is Close from any input.
        QTest::keyClick(focused, Qt::Key_Escape);
        QTRY_VERIFY(!form->isVisible());
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
