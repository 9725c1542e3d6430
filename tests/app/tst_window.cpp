// The window as loaded, its layout, its pages and the names a screen reader speaks.
#include "window.h"

#include <QCheckBox>

// Whether a caption fits the room its control leaves it: a button loses its bevel, a check box its box.
static bool fits(const QWidget* c) {
    const QStyle* style = c->style();
    if (const auto* label = qobject_cast<const Label*>(c))
        return label->fontMetrics().horizontalAdvance(label->caption()) <= label->contentsRect().width();
    const int room = qobject_cast<const QCheckBox*>(c)
                         ? c->width() - style->pixelMetric(QStyle::PM_IndicatorWidth) -
                               style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing)
                         : c->width() - 2 * style->pixelMetric(QStyle::PM_ButtonMargin);
    return c->fontMetrics().horizontalAdvance(static_cast<const QAbstractButton*>(c)->text().remove(u'&')) <=
           room;
}

class TestWindow : public QObject {
    Q_OBJECT
    const QFont desktopFont = QApplication::font(); // message boxes and tips keep it

private slots:
    void loaded() {
        Window w;
        QCOMPARE(w->windowTitle(), "Rotorix (v" ROTORIX_VERSION ")");
        QCOMPARE(w->size(), QSize(314, 479));
        QTRY_VERIFY(!w->windowIcon().isNull()); // handed over after the first frame
        QCOMPARE(focused(), w->cmbFuelType);
        QCOMPARE(joined({w->lblIndicate, w->lblOilTotal, w->txtOther, w->lblPercentIn[0]}),
                 "Add to any % ratio by 100 %|Total Oil mix is 0 %|EDL|0 %");
    }

    void measurementSystem() { // only a US desktop starts in US gallons; one that does not say, in litres
        using System = std::optional<QLocale::MeasurementSystem>;
        for (const System system :
             {System(QLocale::ImperialUKSystem), System(), System(QLocale::ImperialUSSystem)}) {
            Window w(system);
            QCOMPARE(
                joined({w->cmbVolumeGrads, w->lblTotalVol, w->lblOut1[0], w->lblOut1[1], w->lblPreGasVol}),
                system == QLocale::ImperialUSSystem
                    ? "US Gallon|10 US Gallons|US Gallon|US Fluid Oz|10 US Gallons"
                    : "Metric Litre|10 Litres|Litre|CC|10 Litres");
        }
    }

    // Every control inside its page and in the window's font, no input covered and no label's text
    // under one, every caption whole, as loaded and with the longest results; also at a scale of 2.
    void layout() {
        for (const bool longest : {false, true}) {
            Window w(QLocale::ImperialUSSystem);
            if (longest) {
                setMix(w, {100, 100, 100, 100, 100});
                pick(w->cmbFuelType, 1);
                key(w->vscrPreInGas, Qt::Key_Home);
                key(w->vscrPreInRatio, Qt::Key_End);
            }
            QVERIFY2(QFontInfo(w->font()).exactMatch(),
                     "none of the window's faces is installed: fonts-liberation2 has one");
            QVERIFY(w->minimumSize() == w->maximumSize() &&
                    !(w->windowFlags() & Qt::WindowMaximizeButtonHint));
            QCOMPARE(QApplication::font(), desktopFont);
            QStringList wrong;
            for (const auto& [c, tabIndex] : w->controls()) {
                const auto* label = qobject_cast<Label*>(c);
                if (!c->parentWidget()->rect().contains(c->geometry()) ||
                    (!label && c->font() != w->font()) ||
                    ((label || qobject_cast<QAbstractButton*>(c)) && !fits(c)) ||
                    (c->focusPolicy() & Qt::TabFocus && c->isVisible() &&
                     w->childAt(c->mapTo(w.form.get(), c->rect().center())) != c) ||
                    (label && label->autoSize() && label->size() != label->sizeHint()))
                    wrong << c->objectName();
                const QFontMetrics font = c->fontMetrics();
                const QSize text =
                    label ? QSize(font.horizontalAdvance(label->caption()), font.height()) : QSize();
                const QRect inked =
                    label ? QStyle::alignedRect({}, label->alignment(), text, label->geometry()) : QRect();
                for (const QWidget* other :
                     c->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                    if (other->focusPolicy() & Qt::TabFocus && inked.intersects(other->geometry()))
                        wrong << c->objectName() + " under " + other->objectName();
            }
            QCOMPARE(wrong.join(", "), "");
        }
    }

    void pages_data() { // the page selector shows one page and enables its buttons; the Tab order follows
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>(
            "mixed"); // 70/10/10/8/2, which adds up: its additive in use, Copy and Print too
        QTest::addColumn<QString>("enabled"); // Copy, Print and the unit list
        QTest::addColumn<QString>("stops");
        const QString end = " cmdCalc cmdClose cmbFuelType",
                      rows = " vscrInPercent(1) vscrInPercent(2) vscrInPercent(3) vscrInPercent(4)";
        QTest::newRow("glow fuel") << 0 << false << "001"
                                   << "cmbVolumeGrads vscrTotVol" + rows + " vscrInPercent(0)" + end;
        QTest::newRow("mixed") << 0 << true << "111"
                               << "cmbVolumeGrads vscrTotVol" + rows +
                                      " txtOther chkAddIsOil vscrInPercent(0) cmdPrint cmdCopy" + end;
        QTest::newRow("pre-mix") << 1 << false << "111"
                                 << "cmbVolumeGrads vscrPreInGas vscrPreInRatio cmdPrint cmdCopy" + end;
        QTest::newRow("drive")
            << 2 << false << "000"
            << "vscrConvGRatio(0) vscrConvGRatio(1) vscrConvGRpm(0) vscrConvGRpm(1) vscrBattRating "
               "vscrBattAmpRate cmbBattRate" +
                   end;
        QTest::newRow("converter") << 3 << false << "000"
                                   << "txtConvLen(0) txtConvLen(1) txtConvLen(2) txtConvLen(3) txtConvVol(0) "
                                      "txtConvVol(1) txtConvVol(2) txtConvVol(3) txtConvVol(4) txtConvVol(5) "
                                      "txtConvTorq(0) txtConvTorq(1) txtConvTemp(0) txtConvTemp(1)" +
                                          end;
    }
    void pages() {
        QFETCH(int, page);
        QFETCH(bool, mixed);
        Window w;
        pick(w->cmbFuelType, (page + 1) % 4); // from another page
        pick(w->cmbFuelType, page);
        if (mixed)
            setMix(w, {70, 10, 10, 8, 2});
        QString enabled;
        for (const QWidget* c : Controls{w->cmdCopy, w->cmdPrint, w->cmbVolumeGrads})
            enabled += c->isEnabled() ? '1' : '0';
        QTEST(enabled, "enabled");
        for (int i = 0; i < 4; ++i)
            QCOMPARE(w->Frame1[i]->isVisible() && w->Frame1[i]->isEnabled(), i == page);
        QStringList stops;
        for (w->cmbFuelType->setFocus(); stops.size() < 30 && !stops.contains("cmbFuelType");)
            key(nullptr, Qt::Key_Tab), stops << focused()->objectName();
        QTEST(stops.join(u' '), "stops");
    }

    void spokenNames() { // by the words of the label beside, without its padding and arrows
        Window w;
        QCOMPARE(joined({w->cmbFuelType, w->vscrTotVol, w->vscrInPercent[4], w->txtOther, w->vscrPreInRatio,
                         w->vscrBattAmpRate, w->cmbBattRate, w->txtConvTemp[1]},
                        [](const QWidget* c) { return c->accessibleName(); }),
                 "Page|Total Volume|Other|Other additive name|Ratio (fuel : oil)|Charge rate "
                 "(milliamps)|Charge rate "
                 "(C)|Farenheit");
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
