// The credit link: its hover look at the edges of the two pointer-move rules, and the click that
// hands the maker's address to the desktop.
#include "app/makersite.h"
#include "support/window.h"

#include <QMouseEvent>
#include <QtMath>

namespace {

// A pointer move at a point of the window, in logical pixels, delivered as the desktop delivers
// it: to the control under the point, which may pass it on to the window.
void moveTo(Form1& form, QPointF at) {
    QWidget* child = form.childAt(QPoint(qFloor(at.x()), qFloor(at.y())));
    QWidget* target = child ? child : &form;
    const QPointF local = at - QPointF(target->mapTo(&form, QPoint(0, 0)));
    QMouseEvent move(QEvent::MouseMove, local, form.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(target, &move);
}

} // namespace

class TestCreditLink : public QObject {
    Q_OBJECT

private slots:
    void pointerMovesSetTheLinkLook_data() {
        // lblSite spans 8 to 137 and 448 to 465 pixels: 120 to 2055 and 6720 to 6975 twips.
        QTest::addColumn<bool>("hoveredBefore");
        QTest::addColumn<QPointF>("at");
        QTest::addColumn<bool>("hovered");
        QTest::newRow("onto the link") << false << QPointF(60, 456) << true;
        QTest::newRow("link, just inside its right edge") << false << QPointF(136.9, 456) << true;
        QTest::newRow("bare window left of the link") << true << QPointF(7.9, 456) << false;
        QTest::newRow("bare window on its right edge") << true << QPointF(137, 456) << true;
        QTest::newRow("bare window past its right edge") << true << QPointF(137.1, 456) << false;
        QTest::newRow("bare window on its bottom edge") << true << QPointF(60, 465) << true;
        QTest::newRow("bare window below it") << true << QPointF(60, 465.1) << false;
        QTest::newRow("the other credit label") << true << QPointF(60, 432) << true;
        QTest::newRow("a button") << true << QPointF(200, 456) << true;
    }

    void pointerMovesSetTheLinkLook() {
        QFETCH(bool, hoveredBefore);
        QFETCH(QPointF, at);
        QFETCH(bool, hovered);
        FakeDesktop desktop;
        auto form = showWindow(desktop);
        QCOMPARE(form->lblSite->geometry(), QRect(8, 448, 129, 17));
        if (hoveredBefore)
            moveTo(*form, {60, 456});
        moveTo(*form, at);
        QCOMPARE(form->lblSite->fontUnderline(), hovered);
        QCOMPARE(form->lblSite->mousePointer(), hovered ? 99 : 0);
        QCOMPARE(form->lblSite->cursor().shape(), hovered ? Qt::BitmapCursor : Qt::ArrowCursor);
        if (hovered)
            QCOMPARE(form->lblSite->cursor().hotSpot(), QPoint(31, 17));
        // The other label carries the same icon but keeps the arrow.
        QCOMPARE(form->Label9->cursor().shape(), Qt::ArrowCursor);
    }

    void clickOpensTheSiteEveryTime() {
        FakeDesktop desktop;
        desktop.urlsOpen = false; // a desktop without a browser: nothing to report
        auto form = showWindow(desktop);
        QTest::mouseClick(form->Label9, Qt::LeftButton);
        QVERIFY(desktop.openedUrls.isEmpty());
        QTest::mouseClick(form->lblSite, Qt::LeftButton);
        QTest::mouseClick(form->lblSite, Qt::LeftButton);
        QCOMPARE(desktop.openedUrls, QList<QUrl>(2, QUrl(makerSiteUrl)));
        QVERIFY(desktop.messages.isEmpty());
        QCOMPARE(QUrl(makerSiteUrl).host(), QString(makerSiteHost));
        QCOMPARE(form->lblSite->caption(), QString(makerSiteHost));
    }
};

QTEST_MAIN(TestCreditLink)
#include "tst_creditlink.moc"
