// Copy and Print as a person presses them: both worked reports byte for byte on the clipboard, the
// print file and where it goes, and every way printing can fail.
#include "output/resultsreport.h"
#include "support/window.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

const QString glowReport = "For total Glow Fuel volume of 10 Litres\r\n\r\n~~~~~~~~~~\r\n\r\n"
                           "70 % Methanol = 7.00 Litre or 7,000 CC\r\n\r\n"
                           "10 % Nitro Methane = 1.00 Litre or 1,000 CC\r\n\r\n"
                           "10 % Synthetic Oil = 1.00 Litre or 1,000 CC\r\n\r\n"
                           "8 % Castor Oil = 0.80 Litre or 800 CC\r\n\r\n"
                           "2 % EDL = 0.20 Litre or 200 CC\r\n\r\n~~~~~~~~~~\r\n\r\nTotal Oil mix is 18 %";
const QString preMixReport = "For Pre-Mix Fuel ratio of 25 : 1\r\n\r\n~~~~~~~~~~\r\n"
                             "Lube Oil = 400.00 CC / ml (13.53 US Fluid Oz)\r\n"
                             "Gasoline / Petrol = 10 Litres\r\n\r\nTotal volume = 10.400 Litres\r\n\r\n"
                             "~~~~~~~~~~\r\n";
const QString cantPrint = "Rotorix: Cant Print \nSave As Text and print it from your Text (*.txt) Editor";

// Percentages in index order (methanol first), each reached with the row's up arrow.
void clickMix(Form1& f, const QList<int>& percents) {
    for (int row = 0; row < percents.size(); ++row)
        for (int i = 0; i < percents[row]; ++i)
            clickUp(f.vscrInPercent[row]);
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

} // namespace

class TestOutput : public QObject {
    Q_OBJECT
    FakeDesktop desktop;
    std::unique_ptr<Form1> f;
    QTemporaryDir dir;

    void showPreMix() { QTest::keyClick(f->cmbFuelType, Qt::Key_Down); }
    void print() { QTest::mouseClick(f->cmdPrint, Qt::LeftButton); }

private slots:
    void init() {
        desktop = FakeDesktop();
        desktop.locale = QLocale("en_US");
        desktop.programDir = dir.path() + "/program folder";
        desktop.userDir = dir.path() + "/home/.cache/Rotorix";
        QVERIFY(QDir().mkpath(desktop.programDir));
        f = showWindow(desktop);
    }
    void cleanup() {
        f.reset();
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path());
    }

    void copyGivesTheWorkedReports() {
        clickMix(*f, {70, 10, 10, 8, 2});
        QTest::mouseClick(f->chkAddIsOil, Qt::LeftButton);
        QTest::mouseClick(f->cmdCopy, Qt::LeftButton);
        QCOMPARE(desktop.clipboard, glowReport);
        showPreMix();
        QTest::mouseClick(f->cmdCopy, Qt::LeftButton);
        QCOMPARE(desktop.clipboard, preMixReport);
        desktop.clipboardReachable = false;
        QTest::mouseClick(f->cmdCopy, Qt::LeftButton);
        QCOMPARE(desktop.messages, QStringList());
        f->cmbFuelType->setListIndex(2);
        QCOMPARE(buildResultsReport(*f), QString());
    }
    void glowReportNamesOnlyRowsInUse() {
        clickMix(*f, {98, 0, 0, 0, 2});
        f->txtOther->setText(u"Öl 添加剂"_qs); // a name Latin-1 lacks prints as typed
        print();
        const QByteArray printed = contentsOf(desktop.programDir + "/prlog.txt");
        QVERIFY(printed.contains(u"\r\n\r\n2 % Öl 添加剂 = 0.20 Litre or 200 CC\r\n\r\n~"_qs.toUtf8()));
        QVERIFY(!printed.contains("Nitro"));
        f->txtOther->clear();
        QVERIFY(buildResultsReport(*f).contains("\r\n2 %  = 0.20 Litre or 200 CC\r\n"));
    }
    void printsOrSaysItCannot_data() {
        QTest::addColumn<QString>("programDir"); // relative to the test folder
        QTest::addColumn<QString>("userDir");
        QTest::addColumn<bool>("commandStarts");
        QTest::addColumn<bool>("commandFails");
        QTest::addColumn<QString>("printed"); // the print file handed on, or "-"
        QTest::addColumn<bool>("message");
        // A folder under a regular file cannot be made, not even by root.
        const QString blocked = "file/program";
        QTest::newRow("program folder")
            << "program folder"
            << "home/.cache/Rotorix" << true << false << "program folder" << false;
        QTest::newRow("command missing") << "program folder"
                                         << "" << false << false << "program folder" << true;
        QTest::newRow("command fails later") << "program folder"
                                             << "" << true << true << "program folder" << true;
        QTest::newRow("program folder not writable")
            << blocked << "home/.cache/Rotorix" << true << false << "home/.cache/Rotorix" << false;
        QTest::newRow("no writable place") << blocked << "file/cache" << true << false << "-" << true;
        QTest::newRow("no user folder") << blocked << "" << true << false << "-" << true;
    }
    void printsOrSaysItCannot() {
        QFETCH(QString, programDir);
        QFETCH(QString, userDir);
        QFETCH(bool, commandStarts);
        QFETCH(bool, commandFails);
        QFETCH(QString, printed);
        QFETCH(bool, message);
        QFile regular(dir.path() + "/file");
        QVERIFY(regular.open(QIODevice::WriteOnly) && regular.write("x") == 1);
        regular.close();
        desktop.programDir = dir.path() + u'/' + programDir;
        desktop.userDir = userDir.isEmpty() ? QString() : dir.path() + u'/' + userDir;
        desktop.printCommandStarts = commandStarts;
        showPreMix();
        print();
        if (commandFails)
            desktop.endPrintWithError();
        const QString path = dir.path() + u'/' + printed + "/prlog.txt";
        QCOMPARE(desktop.printedFiles, printed == "-" || !commandStarts ? QStringList() : QStringList{path});
        QCOMPARE(desktop.messages, message ? QStringList{cantPrint} : QStringList());
        if (printed != "-")
            QCOMPARE(contentsOf(path), (preMixReport + "\r\n").toUtf8());
    }
    void keyPressedButtonLeftBeforeItActsDoesNothing_data() {
        QTest::addColumn<Qt::Key>("mnemonic");
        QTest::newRow("Copy") << Qt::Key_O;
        QTest::newRow("Print") << Qt::Key_P;
    }
    void keyPressedButtonLeftBeforeItActsDoesNothing() {
        // A mnemonic clicks a moment after the key; a page switched to in that moment has no report.
        QFETCH(Qt::Key, mnemonic);
        showPreMix();
        desktop.clipboard = "before";
        QTest::keyClick(f->cmbFuelType, mnemonic, Qt::AltModifier);
        QTest::keyClick(f->cmbFuelType, Qt::Key_Down);
        QVERIFY(!f->cmdCopy->isEnabled() && !f->cmdPrint->isEnabled());
        QTest::qWait(300);
        QCOMPARE(desktop.clipboard, "before");
        QCOMPARE(desktop.printedFiles, QStringList());
        QCOMPARE(desktop.messages, QStringList());
    }
};

QTEST_MAIN(TestOutput)
#include "tst_output.moc"
