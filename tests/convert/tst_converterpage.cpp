// The converter page typed into as a person does: only the partner of the box typed into changes.
#include "window.h"

#include <QClipboard>

using namespace Qt::StringLiterals;

// The boxes in their pairs, in the page's order; a box's partner is its neighbour in the pair.
enum Box { mm, in, m, ft, cc, cuin, ml, floz, l, gal, ozin, kgcm, c, f };
static QList<TextBox*> boxes(const Window& w) {
    QList<TextBox*> all(w->txtConvLen.begin(), w->txtConvLen.end());
    all << QList(w->txtConvVol.begin(), w->txtConvVol.end()) << w->txtConvTorq[0] << w->txtConvTorq[1]
        << w->txtConvTemp[0] << w->txtConvTemp[1];
    return all;
}

class TestConverterPage : public QObject {
    Q_OBJECT
private slots:
    void pairs_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("partner");
        const struct {
            Box box;
            const char *typed, *partner;
        } rows[] = {{mm, "25.4", "1.000"},     {in, "1e300", "2.540E+301"},
                    {ft, "1e400", "Overflow"}, {cc, "1000", "61.0240"},
                    {cuin, "1", "16.3871"},    {ml, "100", "3.38"},
                    {floz, "1", "29.57"},      {l, "1", "0.26"},
                    {gal, "1", "3.785"},       {ozin, "1", "0.0720"},
                    {kgcm, "1", "13.8874"},    {c, "-40", "-40.00"},
                    {f, "212", "100.00"},      {f, "x", "-17.78"}};
        for (const auto& row : rows)
            QTest::addRow("%d %s", row.box, row.typed)
                << int(row.box) << QString(row.typed) << QString(row.partner);
    }
    void pairs() {
        QFETCH(int, box);
        QFETCH(QString, typed);
        Window w;
        pick(w->cmbFuelType, 3);
        const QList<TextBox*> all = boxes(w);
        type(all[box], typed);
        QTEST(all[box ^ 1]->text(), "partner");
        QCOMPARE(all[box ^ 1]->cursorPosition(), 0); // a long number shows from its first digit
        QCOMPARE(all[box]->text() + back(all[box]) + back(all[box ^ 1]), typed + "yellowwindow");
        for (const TextBox* other : all)
            QVERIFY(other == all[box] || other == all[box ^ 1] || other->text().isEmpty());
    }

    // On "12.5" in the metres box, come back to with Tab, and "40 1" on the clipboard: the keys, the box's
    // text at each Change it raised, and the feet shown.
    void edits_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("changes");
        QTest::addColumn<QString>("feet");
        QTest::newRow("the first key replaces all") << u"7"_s << u"7"_s << u"22.967"_s;
        QTest::newRow("paste") << u"Ctrl+V"_s << u"40 1"_s << u"1315.681"_s;
        QTest::newRow("undo") << u"End, 9, Ctrl+Z"_s << u"12.59|12.5"_s << u"41.013"_s;
        QTest::newRow("undo keeps to the visit") << u"9, Tab, Shift+Tab, Ctrl+Z"_s << u"9"_s << u"29.529"_s;
    }
    void edits() {
        QFETCH(QString, keys);
        Window w;
        pick(w->cmbFuelType, 3);
        type(w->txtConvLen[m], "12.5");
        press("Shift+Tab, Tab");
        QCOMPARE(w->txtConvLen[m]->selectedText(), "12.5");
        QApplication::clipboard()->setText("40 1");
        QStringList changes;
        connect(w->txtConvLen[m], &TextBox::change, this, [&] { changes << w->txtConvLen[m]->text(); });
        press(keys);
        QTEST(changes.join(u'|'), "changes");
        QTEST(w->txtConvLen[ft]->text(), "feet");
    }
};

QTEST_MAIN(TestConverterPage)
#include "tst_converterpage.moc"
