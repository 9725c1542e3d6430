// The window as loaded, its layout and its pages.
#include "window.h"

#include <QCheckBox>

class TestWindow : public QObject {
    Q_OBJECT
    // Message boxes and tips keep the desktop's font.
    const QFont desktopFont = QApplication::font();

private slots:
    // Only a US desktop starts in US gallons; one that does not say, in litres. Then the window as a
    // person first meets it (its caption, size and what a screen reader hears are read from outside).
    void loaded() {
        using System = std::optional<QLocale::MeasurementSystem>;
        for (const System system :
             {System(QLocale::ImperialUKSystem), System(), System(QLocale::ImperialUSSystem)}) {
            Window w(system);
            QCOMPARE(joined({w->cmbVolumeGrads, w->lblTotalVol, w->lblOut1[0], w->lblOut1[1]}),
                     system == QLocale::ImperialUSSystem ? "US Gallon|10 US Gallons|US Gallon|US Fluid Oz"
                                                         : "Metric Litre|10 Litres|Litre|CC");
        }
        Window w;
        // The icon is handed over after the first frame.
        QTRY_VERIFY(!w->windowIcon().isNull());
        QCOMPARE(focused(), w->cmbFuelType);
        QCOMPARE(joined({w->lblIndicate, w->lblOilTotal, w->txtOther, w->lblPercentIn[0]}),
                 "Add to any % ratio by 100 %|Total Oil mix is 0 %|EDL|0 %");
    }

    // Every control inside its page and in the window's font, no input covered, every caption whole, as
    // loaded and with the longest results.
    void layout() {
        for (const bool longest : {false, true}) {
            Window w(QLocale::ImperialUSSystem);
            if (longest) {
                setMix(w, {100, 100, 100, 100, 100});
                pick(w->cmbFuelType, 1);
                w->vscrPreInGas->setFocus(Qt::TabFocusReason);
                press("Home, Tab, End");
            }
            QVERIFY2(QFontInfo(w->font()).exactMatch(),
                     "none of the window's faces is installed: fonts-liberation2 has one");
            QCOMPARE(QApplication::font(), desktopFont);
            QStringList wrong;
            for (const auto& [c, tabIndex] : w->controls()) {
                const auto* label = qobject_cast<Label*>(c);
                const auto* button = qobject_cast<QAbstractButton*>(c);
                const QFontMetrics font = c->fontMetrics();
                const QString text = label ? label->caption() : button ? button->text().remove(u'&') : "";
                // A check box's hint is its box and caption; a button would lose its bevel.
                const bool whole = label ? font.horizontalAdvance(text) <= label->contentsRect().width()
                                   : qobject_cast<QCheckBox*>(c)
                                       ? c->sizeHint().width() <= c->width()
                                       : font.horizontalAdvance(text) +
                                                 2 * c->style()->pixelMetric(QStyle::PM_ButtonMargin) <=
                                             c->width();
                if (!c->parentWidget()->rect().contains(c->geometry()) ||
                    (!label && c->font() != w->font()) || !whole ||
                    (c->focusPolicy() & Qt::TabFocus && c->isVisible() &&
                     w->childAt(c->mapTo(w.form.get(), c->rect().center())) != c) ||
                    (label && label->autoSize() && label->size() != label->sizeHint()))
                    wrong << c->objectName();
            }
            QCOMPARE(wrong.join(", "), "");
        }
    }

    // The page selector shows one page, and the Tab order follows it: only the fuel pages use the unit
    // list, Copy and Print, the glow fuel page only for a mix that adds up (70/10/10/8/2), and its
    // additive's name and check box only for a share.
    void pages_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("stops");
        const QString end = " cmdCalc cmdClose cmbFuelType";
        QTest::newRow("glow fuel")
            << 0
            << "cmbVolumeGrads vscrTotVol vscrInPercent(1) vscrInPercent(2) vscrInPercent(3) "
               "vscrInPercent(4) txtOther chkAddIsOil vscrInPercent(0) cmdPrint cmdCopy" +
                   end;
        QTest::newRow("pre-mix") << 1 << "cmbVolumeGrads vscrPreInGas vscrPreInRatio cmdPrint cmdCopy" + end;
        QTest::newRow("drive") << 2
                               << "vscrConvGRatio(0) vscrConvGRatio(1) vscrConvGRpm(0) vscrConvGRpm(1) "
                                  "vscrBattRating vscrBattAmpRate cmbBattRate" +
                                      end;
        QTest::newRow("converter") << 3
                                   << "txtConvLen(0) txtConvLen(1) txtConvLen(2) txtConvLen(3) txtConvVol(0) "
                                      "txtConvVol(1) txtConvVol(2) txtConvVol(3) txtConvVol(4) txtConvVol(5) "
                                      "txtConvTorq(0) txtConvTorq(1) txtConvTemp(0) txtConvTemp(1)" +
                                          end;
    }
    void pages() {
        QFETCH(int, page);
        Window w;
        // From another page.
        pick(w->cmbFuelType, (page + 1) % 4);
        pick(w->cmbFuelType, page);
        setMix(w, {70, 10, 10, 8, 2});
        for (int i = 0; i < 4; ++i)
            QCOMPARE(w->Frame1[i]->isVisible() && w->Frame1[i]->isEnabled(), i == page);
        QStringList stops;
        for (w->cmbFuelType->setFocus(); stops.size() < 30 && !stops.contains("cmbFuelType");)
            press("Tab"), stops << focused()->objectName();
        QTEST(stops.join(u' '), "stops");
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
