// Random person-like use of the real window for a long while: arrows, keys, lists picked and dropped,
// typing, the check box, Copy and Print. After every action every spin button's value and caption
// has its form, no list stays open and no message shows; memory stays flat, and Close ends it. A
// failure names the ROTORIX_SOAK_SEED and ROTORIX_SOAK_ACTIONS that replay the run up to the fault.
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

// Resident memory once deferred deletions have run and the allocator has handed back what is
// free; none where the system does not say, or under the sanitizers, whose allocator keeps it.
static qint64 residentBytes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
#if defined(__linux__) && !defined(__SANITIZE_ADDRESS__)
    malloc_trim(0);
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (statm.open(QIODevice::ReadOnly))
        return statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE);
#endif
    return 0;
}

// The form of each spin button's value (its range as designed) and of each caption the program
// writes, by the control's name; every other label keeps its caption.
const QString units = uR"((1 (Litre|US Fluid Oz|US Gallon)|([2-9]|[1-9]\d|1\d\d|200) (Litres|US Fluid Oz's|US Gallons)))"_qs;
const QString grouped = uR"(\d{1,3}(,\d{3})*)"_qs;
const std::pair<QString, QString> forms[] = {
    {"vscrTotVol|vscrPreInGas", R"([1-9]\d?|1\d\d|200)"},
    {R"(vscrInPercent\(\d\)|vscrConvGRatio\(1\))", R"(\d\d?|100)"},
    {"vscrPreInRatio", R"(\d\d?)"},
    {R"(vscrConvGRpm\(\d\))", R"(\d\d?|1[01]\d|120)"},
    {"vscrBattAmpRate", R"(\d{1,3}|[0-3]\d{3}|4[0-8]\d\d|49[0-4]\d|4950)"}, // its bounds move within these
    {"vscrBattRating", R"(\d{1,3}|1\d{3}|2000)"},
    {R"(vscrConvGRatio\(0\))", R"(\d|10)"},
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

class TestSoak : public QObject {
    Q_OBJECT
    FakeDesktop desktop;
    QTemporaryDir folder; // where Print writes its file
    std::unique_ptr<Form1> form;
    std::mt19937 rng;
    std::vector<std::pair<QWidget*, QRegularExpression>> shapes; // spin buttons and labels
    QString fault; // what went wrong during an action
    int below(int n) { return int(rng() % std::uint32_t(n)); }
    template <typename Control> Control* any() {
        std::vector<Control*> found;
        for (const auto& entry : form->controls())
            if (auto* c = qobject_cast<Control*>(entry.control); c && c->isVisible() && c->isEnabled())
                found.push_back(c);
        return found.empty() ? nullptr : found[std::size_t(below(int(found.size())))];
    }
    void act() {
        const int pick = below(100);
        if (auto* spin = pick < 35 ? any<SpinButton>() : nullptr) {
            clickArrow(spin, below(2));
        } else if (pick < 50) { // to the focus, or the window when nothing has it
            const char* keys[] = {"Up", "Down", "PgUp", "PgDown", "Home", "End", "Tab", "Shift+Tab"};
            QTest::keySequence(QApplication::focusWidget(), QKeySequence(keys[below(8)]));
        } else if (pick < 75) {
            pickFromList(below(3) ? form->cmbFuelType : any<DropDownList>());
        } else if (auto* box = pick < 92 ? any<TextBox>() : nullptr) {
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(below(box->width()), box->height() / 2));
            if (below(2)) // as often a value replaced as one added to
                QTest::keySequence(box, QKeySequence::SelectAll);
            for (int n = below(7); n > 0; --n)
                QTest::keyClicks(box, QString(QStringLiteral("0123456789.,-+eE x")[below(18)]));
        } else if (QWidget* button = std::array<QWidget*, 3>{form->cmdCopy, form->cmdPrint, form->chkAddIsOil}[below(3)];
                   button->isVisible() && button->isEnabled()) {
            QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, button->height() / 2));
        }
    }
    // Opens a list by mouse or keys, then picks an item by mouse or keys, or drops the list.
    void pickFromList(DropDownList* list) {
        if (!list || !list->isEnabled())
            return;
        below(2) ? QTest::mouseClick(list, Qt::LeftButton) : QTest::keyClick(list, Qt::Key_Down, Qt::AltModifier);
        if (!QApplication::activePopupWidget()) {
            fault = list->objectName() + " did not open";
            return;
        }
        QCoreApplication::processEvents(); // a release straight after opening is ignored
        QAbstractItemView* view = list->view();
        const int item = below(list->listCount()), how = below(3);
        for (int i = -1; how && i < item; ++i)
            QTest::keyClick(view, i < 0 ? Qt::Key_Home : Qt::Key_Down);
        how ? QTest::keyClick(view, how == 1 ? Qt::Key_Return : Qt::Key_Escape)
            : QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(item, 0)).center());
    }
    // Empty when the window is as it must be, else what is wrong.
    QString check() {
        if (!fault.isEmpty() || !form->isVisible() || QApplication::activePopupWidget() || !desktop.messages.isEmpty())
            return fault + "; the window closed, a list stayed open or a message showed: " + desktop.messages.join(u'|');
        for (const auto& [control, shape] : shapes) {
            auto* label = qobject_cast<Label*>(control);
            const QString shown = label ? label->caption() : QString::number(static_cast<SpinButton*>(control)->value());
            if (!shape.match(shown).hasMatch())
                return control->objectName() + " reads '" + shown + "'";
        }
        return {};
    }

private slots:
    void randomUseKeepsTheWindowSound() {
        // The offscreen screen cannot grab the keyboard or raise a list; it says so at every list.
        static const QtMessageHandler next = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& at, const QString& text) {
            if (!text.startsWith(QLatin1String("This plugin does not support")))
                next(type, at, text);
        });
        QApplication::setDoubleClickInterval(0);
        const std::uint32_t seed = qEnvironmentVariable("ROTORIX_SOAK_SEED", u"20261206"_qs).toUInt();
        const int actions = qEnvironmentVariable("ROTORIX_SOAK_ACTIONS", u"100000"_qs).toInt();
        rng.seed(seed);
        desktop.programDir = folder.path();
        form = showWindow(desktop);
        for (const auto& entry : form->controls()) {
            auto* label = qobject_cast<Label*>(entry.control);
            // A spin button named nowhere has no form and fails at once.
            QString shape = label ? QRegularExpression::escape(label->caption()) : u"-"_qs;
            for (const auto& [name, form] : forms)
                if (QRegularExpression(QRegularExpression::anchoredPattern(name)).match(entry.control->objectName()).hasMatch())
                    shape = form;
            if (label || qobject_cast<SpinButton*>(entry.control))
                shapes.push_back({entry.control, QRegularExpression(QRegularExpression::anchoredPattern(shape))});
        }
        QVERIFY2(check().isEmpty(), qPrintable("after loading: " + check()));
        // The first actions touch code, fonts and lists for the first time; memory counts from there.
        qint64 loaded = 0;
        for (int n = -2000; n < actions; ++n) {
            if (n == 0)
                loaded = residentBytes();
            act();
            desktop.printedFiles.clear(); // the fake desktop's record of prints is not the program's memory
            QCoreApplication::processEvents();
            if (const QString wrong = check(); !wrong.isEmpty())
                QFAIL(qPrintable(wrong + QStringLiteral(": ROTORIX_SOAK_SEED=%1 ROTORIX_SOAK_ACTIONS=%2").arg(seed).arg(n + 1)));
        }
        const qint64 grown = residentBytes() - loaded;
        qInfo("seed %u, %d actions: resident memory grew by %lld KiB", seed, actions, grown / 1024);
        if (actions >= 100'000)
            QVERIFY2(grown <= 1024 * 1024, qPrintable(QStringLiteral("seed %1: grew by %2 bytes").arg(seed).arg(grown)));
        // The program's own ending: Close deletes the window; the sanitizers check nothing outlives it.
        QPointer<Form1> window = form.release();
        window->setAttribute(Qt::WA_DeleteOnClose);
        QTest::mouseClick(window->cmdClose, Qt::LeftButton);
        QTRY_VERIFY(window.isNull());
    }
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
