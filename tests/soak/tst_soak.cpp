// A long run of random person-like use on the real window: arrows clicked, keys pressed, lists
// picked and dropped, text typed into the boxes, the check box, Copy and Print. After every action
// every spin button is inside its range, every caption has its label's form, no list stays open
// and no message shows; memory stays where loading left it, and Close ends the session.
// ROTORIX_SOAK_SEED and ROTORIX_SOAK_ACTIONS replay another run; a failure names both.
#include "support/window.h"

#include <QAbstractItemView>
#include <QPointer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <random>
#ifdef __linux__
#include <QFile>
#include <malloc.h>
#include <unistd.h>
#endif

namespace {

// Resident memory once deferred deletions have run and the allocator has handed back what is
// free; none where the system does not say, or under the sanitizers, whose allocator keeps it.
qint64 residentBytes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
#if defined(__linux__) && !defined(__SANITIZE_ADDRESS__)
    malloc_trim(0);
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (statm.open(QIODevice::ReadOnly))
        return statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE);
#endif
    return 0;
}

long envNumber(const char* name, long fallback) {
    bool ok = false;
    const long value = qEnvironmentVariable(name).toLong(&ok);
    return ok ? value : fallback;
}

// Each output label's caption form, by the label's name; every other label keeps its caption.
const QString units = uR"((1 (Litre|US Fluid Oz|US Gallon)|([2-9]|[1-9]\d|1\d\d|200) (Litres|US Fluid Oz's|US Gallons)))"_qs;
const QString grouped = uR"(\d{1,3}(,\d{3})*)"_qs;
const std::pair<QString, QString> forms[] = {
    {"lblTotalVol|lblPreGasVol", units},
    {"lblIndicate", R"(Correct weight|Reduce any % ratio by [1-9]\d{0,2} %|Add to any % ratio by ([1-9]\d?|100) %)"},
    {"lblOilTotal", R"(Total Oil mix is (0|[1-9]\d{0,2}) %)"},
    {R"(lblOut1\(0\))", "Litre|US Gallon"},
    {R"(lblOut1\(1\))", "CC|US Fluid Oz"},
    {"lblPreRatio", R"(([1-9]\d?|100) : 1)"},
    {"lblTotPreVol", R"(Total volume = \d{1,3}\.\d{3} (Litres|US Fluid Oz's|US Gallons))"},
    {"lblConvGRatioOut", R"(\d{1,3}\.\d{2} : 1)"},
    {R"(lblConvGRpm\(0\))", R"(\d{1,3}(,\d{3})+ RPM)"},
    {R"(lblConvGRpm\(1\))", R"((\d{3}|\d{1,3}(,\d{3})+) RPM)"},
    {R"(lblBatt\(0\))", R"([1-9]\d{2,3} mAh)"},
    {R"(lblBatt\(1\))", R"([1-9]\d{1,3} mA)"},
    {R"(lblBatt\(2\))", R"(((1 Hour|([2-9]|[1-9]\d+) Hours)( and (01 Minute|(0[2-9]|[1-5]\d) Minutes))?|01 Minute|(0[2-9]|[1-5]\d) Minutes))"},
    {R"(lblPreVolumeOut2\(\d\))", grouped + R"(\.\d{2} (CC / ml|US Fluid Oz))"},
    {R"(lblConvGRatio\(\d\))", R"([1-9]\d{0,2} teeth)"},
    {R"(lblPercentIn\(\d\))", R"((\d\d?|100) %)"},
    {R"(lblVolumeOut\(\d\))", R"((\d{1,3}\.\d{2})?)"},
    {R"(lblVolumeOut2\(\d\))", "(" + grouped + R"((\.\d{1,2})?)?)"},
};

class Soak {
public:
    explicit Soak(std::uint32_t seed) : rng(seed) {
        desktop.programDir = folder.path();
        form = showWindow(desktop);
        for (const auto& entry : form->controls())
            if (auto* label = qobject_cast<Label*>(entry.control)) {
                QString form = QRegularExpression::escape(label->caption());
                for (const auto& [name, caption] : forms)
                    if (QRegularExpression(QRegularExpression::anchoredPattern(name)).match(label->objectName()).hasMatch())
                        form = caption;
                captions.push_back({label, QRegularExpression(QRegularExpression::anchoredPattern(form))});
            }
    }

    // One random action, described for a failure message.
    QString act() {
        QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : form.get();
        const int pick = below(100);
        QString done;
        if (auto* spin = pick < 35 ? any<SpinButton>() : nullptr) {
            clickArrow(spin, below(2));
            done = "an arrow of " + spin->objectName();
        } else if (pick < 50) {
            static constexpr Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown,
                                               Qt::Key_Home, Qt::Key_End, Qt::Key_Tab, Qt::Key_Backtab};
            const Qt::Key key = keys[below(int(std::size(keys)))];
            QTest::keyClick(focus, key);
            done = QKeySequence(key).toString() + " on " + focus->objectName();
        } else if (pick < 75) {
            done = pickFromList(below(3) ? form->cmbFuelType : any<DropDownList>());
        } else if (auto* box = pick < 92 ? any<TextBox>() : nullptr) {
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(below(box->width()), box->height() / 2));
            if (below(2)) // as often a value replaced as one added to
                QTest::keySequence(box, QKeySequence::SelectAll);
            QString text;
            for (int n = below(7); n > 0; --n)
                text += QStringLiteral("0123456789.,-+eE x")[below(18)];
            QTest::keyClicks(box, text);
            done = "type '" + text + "' into " + box->objectName();
        } else if (QWidget* button = std::array<QWidget*, 3>{form->cmdCopy, form->cmdPrint, form->chkAddIsOil}[below(3)];
                   button->isVisible() && button->isEnabled()) {
            QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, button->height() / 2));
            done = "click " + button->objectName();
        }
        // The fake desktop keeps a record of every print; a growing record is not the program's memory.
        desktop.printedFiles.clear();
        QCoreApplication::processEvents();
        return done;
    }

    // Empty when the window is as it must be, else what is wrong.
    QString check() {
        if (!form->isVisible() || QApplication::activePopupWidget() || !desktop.messages.isEmpty())
            return "the window closed, a list stayed open or a message showed: " + desktop.messages.join(u'|');
        for (const auto& entry : form->controls())
            if (auto* spin = qobject_cast<SpinButton*>(entry.control);
                spin && (spin->value() < spin->minimum() || spin->value() > spin->maximum()))
                return spin->objectName() + QStringLiteral(" left its range: %1").arg(spin->value());
        for (const auto& [label, form] : captions)
            if (!form.match(label->caption()).hasMatch())
                return label->objectName() + " reads '" + label->caption() + "'";
        return {};
    }

    FakeDesktop desktop;
    std::unique_ptr<Form1> form;

private:
    QTemporaryDir folder; // where Print writes its file
    std::mt19937 rng;
    std::vector<std::pair<Label*, QRegularExpression>> captions;

    int below(int n) { return int(rng() % std::uint32_t(n)); }
    template <typename Control> Control* any() {
        std::vector<Control*> found;
        for (const auto& entry : form->controls())
            if (auto* control = qobject_cast<Control*>(entry.control); control && control->isVisible() && control->isEnabled())
                found.push_back(control);
        return found.empty() ? nullptr : found[std::size_t(below(int(found.size())))];
    }

    // Opens a list by mouse or keys, then picks an item by mouse or keys, or drops the list with
    // Escape or a click beside it.
    QString pickFromList(DropDownList* list) {
        if (!list || !list->isEnabled())
            return {};
        if (below(2))
            QTest::mouseClick(list, Qt::LeftButton);
        else
            QTest::keyClick(list, Qt::Key_Down, Qt::AltModifier);
        QWidget* popup = QApplication::activePopupWidget();
        if (!popup)
            return list->objectName() + " did not open";
        QCoreApplication::processEvents(); // a release straight after opening is ignored
        QAbstractItemView* view = list->view();
        const int item = below(list->listCount());
        switch (below(4)) {
        case 0:
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(item, 0)).center());
            break;
        case 1:
            QTest::keyClick(view, Qt::Key_Home);
            for (int i = 0; i < item; ++i)
                QTest::keyClick(view, Qt::Key_Down);
            QTest::keyClick(view, Qt::Key_Return);
            break;
        case 2:
            QTest::keyClick(view, Qt::Key_Escape);
            break;
        default:
            QTest::mouseClick(popup, Qt::LeftButton, {}, popup->mapFromGlobal(form->mapToGlobal(QPoint(below(form->width()), below(form->height())))));
        }
        return QStringLiteral("open %1, item %2").arg(list->objectName()).arg(item);
    }
};

} // namespace

class TestSoak : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // The offscreen screen cannot grab the keyboard or raise a list; it says so at every list.
        static const QtMessageHandler next = qInstallMessageHandler(nullptr);
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
            if (!text.startsWith(QLatin1String("This plugin does not support")))
                next(type, context, text);
        });
        QApplication::setDoubleClickInterval(0);
    }
    void randomUseKeepsTheWindowSound() {
        const auto seed = std::uint32_t(envNumber("ROTORIX_SOAK_SEED", 20261206));
        const long actions = envNumber("ROTORIX_SOAK_ACTIONS", 100'000);
        Soak soak(seed);
        QVERIFY2(soak.check().isEmpty(), qPrintable("after loading: " + soak.check()));
        // The first actions touch code, fonts and lists for the first time; memory counts from there.
        qint64 loaded = 0;
        for (long n = -2000; n < actions; ++n) {
            if (n == 0)
                loaded = residentBytes();
            const QString action = soak.act();
            if (const QString wrong = soak.check(); !wrong.isEmpty())
                QFAIL(qPrintable(QStringLiteral("seed %1, action %2 (%3): %4").arg(seed).arg(n + 2000).arg(action, wrong)));
        }
        const qint64 grown = residentBytes() - loaded;
        qInfo("seed %u, %ld actions: resident memory grew by %lld KiB", seed, actions, grown / 1024);
        if (actions >= 100'000)
            QVERIFY2(grown <= 1024 * 1024, qPrintable(QStringLiteral("seed %1: grew by %2 bytes").arg(seed).arg(grown)));
        // The program's own ending: Close deletes the window, and the sanitizer build checks at exit
        // that nothing outlived it.
        QPointer<Form1> form = soak.form.release();
        form->setAttribute(Qt::WA_DeleteOnClose);
        QTest::mouseClick(form->cmdClose, Qt::LeftButton);
        QTRY_VERIFY(form.isNull());
    }
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
