// One whole session as the program runs it: the window deletes itself on Close. Under the
// sanitizer build, LeakSanitizer checks at exit that nothing of ours outlived it.
#include "support/window.h"

#include <QPointer>
#include <QTemporaryDir>

class TestSession : public QObject {
    Q_OBJECT

private slots:
    void loadEveryPageCopyPrintClose() {
        FakeDesktop desktop;
        QTemporaryDir folder;
        desktop.programDir = folder.path();
        QPointer<Form1> form = showWindow(desktop).release();
        form->setAttribute(Qt::WA_DeleteOnClose);
        for (int page = 0; page < 4; ++page) {
            form->cmbFuelType->setFocus();
            QTest::keyClick(form->cmbFuelType, page ? Qt::Key_Down : Qt::Key_Home);
            QTest::mouseClick(form->cmdCopy, Qt::LeftButton);
            QTest::mouseClick(form->cmdPrint, Qt::LeftButton);
        }
        form->cmbFuelType->setListIndex(3);
        QTest::keyClicks(form->txtConvLen[0], "12.5");
        // Only the pre-mix page reports straight after loading.
        QVERIFY(desktop.clipboard.startsWith("For Pre-Mix Fuel ratio of "));
        QCOMPARE(desktop.printedFiles.size(), 1);
        QTest::mouseClick(form->cmdClose, Qt::LeftButton);
        QTRY_VERIFY(form.isNull());
    }
};

QTEST_MAIN(TestSession)
#include "tst_session.moc"
