// Random person-like use of the real window for a long while: arrows, keys, lists picked and dropped,
// typing, the check box, Copy and Print. After every action no list stays open, no message shows
// and every number the pages show keeps its form; memory stays flat, and Close ends it. A failure
// names the ROTORIX_SOAK_SEED and ROTORIX_SOAK_ACTIONS that replay the run up to the fault.
#include "window.h"

#include <QAbstractItemView>
#include <QRegularExpression>
#include <random>
#ifdef __linux__
#include <malloc.h>
#include <unistd.h>
#endif

// Resident memory once deferred deletions have run and the allocator has handed back what is free;
// none where the system does not say, or under the sanitizers, whose allocator keeps it.
static qint64 residentBytes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
#if defined(__linux__) && !defined(__SANITIZE_ADDRESS__)
    malloc_trim(0);
    QFile statm("/proc/self/statm");
    if (statm.open(QIODevice::ReadOnly))
        return statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE);
#endif
    return 0;
}

class TestSoak : public QObject {
    Q_OBJECT
    std::mt19937 rng;
    int below(int n) { return int(rng() % std::uint32_t(n)); }
    template <typename Control> Control* any(const Window& w) {
        QList<Control*> found;
        for (const auto& entry : w->controls())
            if (auto* c = qobject_cast<Control*>(entry.control); c && c->isVisible() && c->isEnabled())
                found << c;
        return found.isEmpty() ? nullptr : found[below(int(found.size()))];
    }
    void act(Window& w) {
        const int pick = below(100);
        if (auto* spin = pick < 35 ? any<SpinButton>(w) : nullptr) {
            arrow(spin, below(2) ? 1 : -1);
        } else if (pick < 50) {
            const char* keys[] = {"Up", "Down", "PgUp", "PgDown", "Home", "End", "Tab", "Shift+Tab"};
            press(keys[below(8)]);
        } else if (auto* list = pick < 75 ? (below(3) ? w->cmbFuelType : any<DropDownList>(w)) : nullptr) {
            // Opened by mouse or keys; an item picked by mouse or keys, or the list dropped.
            below(2) ? click(list) : QTest::keyClick(list, Qt::Key_Down, Qt::AltModifier);
            QCoreApplication::processEvents(); // a release straight after opening is ignored
            QAbstractItemView* view = list->view();
            const int item = below(list->listCount()), how = below(3);
            for (int i = -1; how && i < item; ++i)
                QTest::keyClick(view, i < 0 ? Qt::Key_Home : Qt::Key_Down);
            how ? QTest::keyClick(view, how == 1 ? Qt::Key_Return : Qt::Key_Escape)
                : click(view->viewport(), view->visualRect(view->model()->index(item, 0)).center());
        } else if (auto* box = pick < 92 ? any<TextBox>(w) : nullptr) {
            click(box, {below(box->width()), box->height() / 2});
            if (below(2)) // as often a value replaced as one added to
                QTest::keySequence(box, QKeySequence::SelectAll);
            for (int n = below(7); n > 0; --n)
                QTest::keyClicks(box, QString("0123456789.,-+eE x"[below(18)]));
        } else if (QWidget* button =
                       std::array<QWidget*, 3>{w->cmdCopy, w->cmdPrint, w->chkAddIsOil}[below(3)];
                   button->isVisible() && button->isEnabled()) {
            click(button, {5, button->height() / 2});
        }
    }

private slots:
    void randomUseKeepsTheWindowSound() {
        // The offscreen screen cannot grab the keyboard for a list; it says so at every list.
        static const QtMessageHandler next =
            qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& at, const QString& text) {
                if (!text.startsWith("This plugin does not support"))
                    next(type, at, text);
            });
        QApplication::setDoubleClickInterval(0);
        const auto seed = qEnvironmentVariable("ROTORIX_SOAK_SEED", "20261206").toUInt();
        const int actions = qEnvironmentVariable("ROTORIX_SOAK_ACTIONS", "100000").toInt();
        rng.seed(seed);
        Window w;
        // Numbers as the pages write them: grouped by threes or a plain count, four decimals at most.
        static const QRegularExpression number(R"(^((\d{1,3}(,\d{3})*|\d+)(\.\d{1,4})?)?( \D.*)?$)");
        QList<Label*> results;
        for (const auto& entry : w->controls())
            if (auto* label = qobject_cast<Label*>(entry.control);
                label && (label->caption().isEmpty() || label->caption()[0].isDigit()))
                results << label;
        qint64 loaded = 0; // the first actions touch code, fonts and lists for the first time
        for (int n = -2000; n < actions; ++n) {
            if (n == 0)
                loaded = residentBytes();
            act(w);
            QCoreApplication::processEvents();
            QString wrong = QApplication::activePopupWidget() || !w->isVisible()
                                ? "a list open or the window gone"
                                : w.desktop.said;
            for (const Label* label : results)
                if (!number.match(label->caption()).hasMatch())
                    wrong = label->objectName() + " shows " + label->caption();
            QVERIFY2(
                wrong.isEmpty(),
                qPrintable(wrong +
                           QString(": ROTORIX_SOAK_SEED=%1 ROTORIX_SOAK_ACTIONS=%2").arg(seed).arg(n + 1)));
        }
        const qint64 grown = residentBytes() - loaded;
        qInfo("seed %u, %d actions: resident memory grew by %lld KiB", seed, actions, grown / 1024);
        QVERIFY2(actions < 100'000 || grown <= 1024 * 1024,
                 qPrintable(QString("grew by %1 bytes").arg(grown)));
        // The program's own ending: Close deletes the window; the sanitizers check nothing outlives it.
        QPointer<Form1> window = w.form.release();
        window->setAttribute(Qt::WA_DeleteOnClose);
        click(window->cmdClose);
        QTRY_VERIFY(window.isNull());
    }
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
