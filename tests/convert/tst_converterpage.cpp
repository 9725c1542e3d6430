// The converter page in the window, typed into as a person does: Tab in and overtype, click and
// edit, paste and undo; only the partner of the box typed into changes.
#include "support/window.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QSignalSpy>

namespace {

// Every converter box by its name, "len 0" to "temp 1", in the page's tab order.
std::vector<std::pair<QString, TextBox*>> boxes(const Form1& f) {
    std::vector<std::pair<QString, TextBox*>> all;
    const auto add = [&](const char* name, auto& array) {
        for (int i = 0; i < int(array.size()); ++i)
            all.emplace_back(QStringLiteral("%1 %2").arg(name).arg(i), array[i]);
    };
    add("len", f.txtConvLen);
    add("vol", f.txtConvVol);
    add("torq", f.txtConvTorq);
    add("temp", f.txtConvTemp);
    return all;
}

TextBox* box(const Form1& f, const QString& name) {
    for (const auto& [boxName, textBox] : boxes(f))
        if (boxName == name)
            return textBox;
    qFatal("no box %s", qPrintable(name));
}

// The boxes that hold any text, as "name=text", in tab order.
QString filled(const Form1& f) {
    QStringList shown;
    for (const auto& [name, textBox] : boxes(f))
        if (!textBox->text().isEmpty())
            shown << name + u'=' + textBox->text();
    return shown.join(u' ');
}

} // namespace

class TestConverterPage : public QObject {
    Q_OBJECT
    FakeDesktop desktop;
    std::unique_ptr<Form1> f;

    void tabInto(const QString& name) {
        TextBox* target = box(*f, name);
        f->cmbFuelType->setFocus(Qt::TabFocusReason);
        while (QApplication::focusWidget() != target && !QTest::currentTestFailed())
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }

private slots:
    void init() {
        f = showWindow(desktop);
        f->cmbFuelType->setListIndex(3);
    }
    void cleanup() {
        f.reset();
        desktop.locale = QLocale::c();
    }

    void onlyThePartnerChanges_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char* box, const char* typed, const char* shown) {
            QTest::addRow("%s %s", box, typed) << QString(box) << QString(typed) << QString(shown);
        };
        row("len 0", "25.4", "len 0=25.4 len 1=1.000");
        row("temp 1", "-40", "temp 0=-40.00 temp 1=-40");
        row("vol 0", "1e300", "vol 0=1e300 vol 1=6.1024E+298");
    }
    void onlyThePartnerChanges() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        tabInto(box);
        QTest::keyClicks(QApplication::focusWidget(), typed);
        QTEST(filled(*f), "shown");
        // Switching pages keeps every text.
        f->cmbFuelType->setListIndex(0);
        f->cmbFuelType->setListIndex(3);
        QTEST(filled(*f), "shown");
    }

    void eachEditConvertsOnce_data() {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("changes"); // the box's text at each Change it raises
        QTest::addColumn<QString>("feet");
        QTest::newRow("first key replaces all") << QKeySequence("7") << "7" << "22.967";
        QTest::newRow("Backspace") << QKeySequence("End, Backspace") << "12." << "39.372";
        QTest::newRow("paste") << QKeySequence("Ctrl+V") << "40 1" << "1315.681";
        QTest::newRow("undo") << QKeySequence("End, 9, Ctrl+Z") << "12.59|12.5" << "41.013";
        QTest::newRow("undo the overtyping") << QKeySequence("7, Ctrl+Z") << "7|12.5" << "41.013";
    }
    void eachEditConvertsOnce() {
        QFETCH(QKeySequence, keys);
        tabInto("len 2");
        QTest::keyClicks(f->txtConvLen[2], "12.5");
        tabInto("len 2");
        QCOMPARE(f->txtConvLen[2]->selectedText(), "12.5");
        QCOMPARE(f->txtConvLen[2]->backColor(), colours::yellow);
        QApplication::clipboard()->setText("40 1");
        QStringList changes;
        connect(f->txtConvLen[2], &TextBox::change, this, [&] { changes << f->txtConvLen[2]->text(); });
        QTest::keySequence(f->txtConvLen[2], keys);
        QTEST(changes.join(u'|'), "changes");
        QTEST(f->txtConvLen[3]->text(), "feet");
    }

    void clickPutsTheCaretAtThePointer() {
        tabInto("vol 3");
        QTest::keyClicks(f->txtConvVol[3], "1");
        TextBox* ml = f->txtConvVol[2];
        QSignalSpy clicks(ml, &TextBox::click);
        QTest::mouseClick(ml, Qt::LeftButton, {}, QPoint(ml->width() - 4, ml->height() / 2));
        // The click raises Click and takes the focus, with no Change of its own.
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(filled(*f), "vol 2=29.57 vol 3=1");
        QCOMPARE(f->txtConvVol[3]->backColor(), f->cmbFuelType->backColor());
        QCOMPARE(f->txtConvVol[3]->cursorPosition(), 0); // out of the focus, shown from its start
        QCOMPARE(ml->backColor(), colours::yellow);
        QCOMPARE(f->volFocusIndex, 2);
        QTest::keyClicks(ml, "0");
        QCOMPARE(filled(*f), "vol 2=29.570 vol 3=1.00");
        QCOMPARE(f->txtConvVol[3]->cursorPosition(), 0);
        QTest::mouseClick(ml, Qt::LeftButton, {}, QPoint(3, ml->height() / 2));
        QTest::keyClicks(ml, "-");
        QCOMPARE(filled(*f), "vol 2=-29.570 vol 3=-1.00");
    }

    void escapeClosesTheMenuNotTheWindow() {
        tabInto("temp 0");
        QTest::keyClicks(f->txtConvTemp[0], "20");
        const QPoint at(5, 5);
        QContextMenuEvent menuAsked(QContextMenuEvent::Keyboard, at, f->txtConvTemp[0]->mapToGlobal(at));
        QApplication::sendEvent(f->txtConvTemp[0], &menuAsked);
        QVERIFY(QApplication::activePopupWidget());
        QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Escape);
        QVERIFY(!QApplication::activePopupWidget());
        QVERIFY(f->isVisible());
        QCOMPARE(QApplication::focusWidget(), f->txtConvTemp[0]);
        QCOMPARE(filled(*f), "temp 0=20 temp 1=68.00");
        QCOMPARE(f->txtConvTemp[0]->backColor(), colours::yellow);
    }

    void commaLocaleReadsOnlyFullStops() {
        f.reset();
        desktop.locale = QLocale(QLocale::German, QLocale::Germany);
        init();
        tabInto("len 1");
        QTest::keyClicks(f->txtConvLen[1], "1");
        QCOMPARE(filled(*f), "len 0=25,400 len 1=1");
        TextBox* mm = f->txtConvLen[0];
        QTest::mouseClick(mm, Qt::LeftButton, {}, QPoint(mm->width() - 4, mm->height() / 2));
        QTest::keyClicks(mm, "0");
        QCOMPARE(filled(*f), "len 0=25,4000 len 1=0,984");
        QTest::keyClicks(mm, "e300");
        QCOMPARE(f->txtConvLen[1]->text(), "0,984"); // the comma ended the number before the exponent
    }

    void hugePasteStaysBounded() {
        // Digits of other scripts, controls and NUL end the number; the box cuts a paste at its
        // maximum length.
        QApplication::clipboard()->setText("5\u0663" + QString(QChar(0)) + QString(100'000, u'7'));
        tabInto("torq 0");
        QTest::keySequence(f->txtConvTorq[0], QKeySequence::Paste);
        QCOMPARE(f->txtConvTorq[1]->text(), "0.3600");
        QApplication::clipboard()->setText(QString(100'000, u'9'));
        QTest::keySequence(f->txtConvTorq[0], QKeySequence("Ctrl+A, Ctrl+V"));
        QCOMPARE(f->txtConvTorq[0]->text().size(), f->txtConvTorq[0]->maxLength());
        QCOMPARE(f->txtConvTorq[1]->text(), "Overflow");
    }
};

QTEST_MAIN(TestConverterPage)
#include "tst_converterpage.moc"
