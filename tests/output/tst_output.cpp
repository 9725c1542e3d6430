// Copy and Print: the report of the page in front on the clipboard, and the ways the desktop can
// refuse it; the end-to-end tests read the reports byte for byte from outside and print for real.
#include "output/printfile.h"
#include "window.h"

#include <QSignalSpy>

class TestOutput : public QObject {
    Q_OBJECT
private slots:
    // A component at 0 % has no line, an unnamed additive no name. A
    // clipboard that can only be emptied, or not at all, says nothing: pasting shows it.
    void copy() {
        Window w(QLocale::ImperialUSSystem, QLocale("fr_FR"));
        setMix(w, {80, 10, 0, 8, 2});
        type(w->txtOther, "");
        click(w->cmdCopy);
        const QString glow = w.desktop.clipboard;
        QVERIFY2(glow.contains("= 1,00 US Gallon or 128,00 US Fluid Oz\r\n\r\n8 % Castor Oil") &&
                     glow.contains("\r\n2 %  = 0,20 US Gallon"),
                 qPrintable(glow));
        pick(w->cmbFuelType, 1);
        click(w->cmdCopy);
        QVERIFY(w.desktop.clipboard.startsWith("For Pre-Mix") && w.desktop.clipboard.endsWith("~~\r\n"));
        for (const int works : {1, 0}) {
            w.desktop.clipboard = "old";
            w.desktop.clipboardWorks = works;
            pick(w->cmbFuelType, 1);
            click(w->cmdCopy);
            QCOMPARE(w.desktop.clipboard + w.desktop.said, works ? "" : "old");
        }
    }

    // A folder ending in its separator gets none more; the rest is proven from outside.
    void printFolder() { QCOMPARE(addBackslash("/") + addBackslash("C:/a"), "/C:/a/"); }

    // An access key presses its button for a moment before the button acts, by which time a page
    // switch may have disabled it.
    void accessKeysLeftBeforeAPageSwitch() {
        Window w;
        pick(w->cmbFuelType, 1);
        QSignalSpy copy(w->cmdCopy, &QPushButton::clicked), print(w->cmdPrint, &QPushButton::clicked);
        press("Alt+O, Alt+P");
        QVERIFY(w->cmdCopy->isDown() && w->cmdPrint->isDown());
        pick(w->cmbFuelType, 2);
        QTRY_VERIFY(copy.size() && print.size());
        QCOMPARE(w.desktop.clipboard + w.desktop.said, "old");
        QCOMPARE(w.desktop.printed, 0);
    }
};

QTEST_MAIN(TestOutput)
#include "tst_output.moc"
