// A long run of random person-like use on the real window: mouse and keys on every page, lists
// picked and dropped, text typed and pasted, Copy and Print. After every action every spin button
// is inside its range, every output caption has its form, the buttons follow the page shown, and
// outside the sanitizers resident memory stays where loading left it.
// ROTORIX_SOAK_SEED and ROTORIX_SOAK_ACTIONS replay another run; a failure names both.
#include "output/printfile.h"
#include "output/resultsreport.h"
#include "support/window.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <functional>
#include <malloc.h>
#include <random>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
constexpr bool sanitized = true; // the allocator holds freed memory back, so memory cannot stay flat
#else
constexpr bool sanitized = false;
#endif

namespace {

constexpr std::uint32_t ciSeed = 20261206;
constexpr long ciActions = 100'000;
constexpr long warmUp = 2'000;
constexpr qint64 allowedGrowth = 1024 * 1024;

long envNumber(const char* name, long fallback) {
    bool ok = false;
    const long value = qEnvironmentVariable(name).toLong(&ok);
    return ok ? value : fallback;
}

// Memory in use as the system counts it, once deferred deletions have run and the allocator has
// handed back what is free, so that what remains is what the window holds.
qint64 residentBytes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    malloc_trim(0);
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        qFatal("cannot read /proc/self/statm");
    return statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

// The forms an output caption may take, with a full stop for decimals and commas for grouping.
const QString units = QStringLiteral("(1 (Litre|US Fluid Oz|US Gallon)|([2-9]|[1-9]\\d|1\\d\\d|200) "
                                     "(Litres|US Fluid Oz's|US Gallons))");
const QString grouped = QStringLiteral("\\d{1,3}(,\\d{3})*");

QRegularExpression whole(const QString& pattern) {
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern));
}

struct CaptionRule {
    Label* label;
    QRegularExpression form;
};

std::vector<CaptionRule> captionRules(const Form1& f) {
    std::vector<CaptionRule> rules{
        {f.lblTotalVol, whole(units)},
        {f.lblIndicate, whole("Correct weight|Reduce any % ratio by [1-9]\\d{0,2} %|"
                              "Add to any % ratio by ([1-9]\\d?|100) %")},
        {f.lblOilTotal, whole("Total Oil mix is (0|[1-9]\\d{0,2}) %")},
        {f.lblOut1[0], whole("Litre|US Gallon")},
        {f.lblOut1[1], whole("CC|US Fluid Oz")},
        {f.lblPreGasVol, whole(units)},
        {f.lblPreRatio, whole("([1-9]\\d?|100) : 1")},
        {f.lblTotPreVol, whole("Total volume = \\d{1,3}\\.\\d{3} (Litres|US Fluid Oz's|US Gallons)")},
        {f.lblConvGRatioOut, whole("\\d{1,3}\\.\\d{2} : 1")},
        {f.lblConvGRpm[0], whole("\\d{1,3}(,\\d{3})+ RPM")},
        {f.lblConvGRpm[1], whole("(\\d{3}|\\d{1,3}(,\\d{3})+) RPM")},
        {f.lblBatt[0], whole("[1-9]\\d{2,3} mAh")},
        {f.lblBatt[1], whole("[1-9]\\d{1,3} mA")},
        {f.lblBatt[2], whole("((1 Hour|([2-9]|[1-9]\\d+) Hours)( and (01 Minute|(0[2-9]|[1-5]\\d) Minutes))?|"
                             "01 Minute|(0[2-9]|[1-5]\\d) Minutes)")},
    };
    for (int i = 0; i < 2; ++i) {
        rules.push_back({f.lblPreVolumeOut2[i], whole(grouped + "\\.\\d{2} (CC / ml|US Fluid Oz)")});
        rules.push_back({f.lblConvGRatio[i], whole("[1-9]\\d{0,2} teeth")});
    }
    for (int i = 0; i < 5; ++i) {
        rules.push_back({f.lblPercentIn[i], whole("(\\d\\d?|100) %")});
        rules.push_back({f.lblVolumeOut[i], whole("(\\d{1,3}\\.\\d{2})?")});
        rules.push_back({f.lblVolumeOut2[i], whole("(" + grouped + "(\\.\\d{1,2})?)?")});
    }
    return rules;
}

const QString typedChars = QStringLiteral("0123456789.,-+eE x");

class Soak {
public:
    Soak(std::uint32_t seed)
        : rng(seed) {
        desktop.programDir = folder.path();
        desktop.clipboard = sentinel;
        form = showWindow(desktop);
        rules = captionRules(*form);
        for (const auto& entry : form->controls()) {
            if (auto* label = qobject_cast<Label*>(entry.control);
                label && std::none_of(rules.begin(), rules.end(), [&](auto& r) { return r.label == label; }))
                fixedCaptions.push_back({label, label->caption()});
        }
        watchGlowCalculation();
    }

    // One random action, described for a failure message.
    QString act() {
        desktop.clipboard = sentinel;
        copyWasEnabled = form->cmdCopy->isEnabled();
        printWasEnabled = form->cmdPrint->isEnabled();
        // In thousandths; a mnemonic is rare, as it waits for its button.
        const int pick = below(1000);
        QString done = pick < 300   ? clickSpinArrow()
                       : pick < 500 ? pressKey()
                       : pick < 600 ? moveFocus()
                       : pick < 750 ? pickFromList()
                       : pick < 850 ? typeIntoBox()
                       : pick < 900 ? pasteIntoBox()
                       : pick < 998 ? clickButton()
                                    : pressMnemonic();
        QCoreApplication::processEvents();
        return done;
    }

    // Empty when the window is as it must be, else what is wrong.
    QString check() {
        if (!form->isVisible())
            return QStringLiteral("the window closed");
        if (QApplication::activePopupWidget())
            return QStringLiteral("a list stayed open");
        for (const auto& entry : form->controls()) {
            if (auto* spin = qobject_cast<SpinButton*>(entry.control);
                spin && (spin->value() < spin->minimum() || spin->value() > spin->maximum()))
                return spin->objectName() + QStringLiteral(" left its range: %1").arg(spin->value());
        }
        for (const auto& [label, pattern] : rules) {
            if (!pattern.match(label->caption()).hasMatch())
                return label->objectName() + QStringLiteral(" reads '%1'").arg(label->caption());
        }
        for (const auto& [label, caption] : fixedCaptions) {
            if (label->caption() != caption)
                return label->objectName() + QStringLiteral(" changed to '%1'").arg(label->caption());
        }
        return checkPage() + checkOutput();
    }

    FakeDesktop desktop;
    std::unique_ptr<Form1> form;

private:
    const QString sentinel = QStringLiteral("untouched");
    QTemporaryDir folder;
    std::mt19937 rng;
    std::vector<CaptionRule> rules;
    std::vector<std::pair<Label*, QString>> fixedCaptions;
    bool glowCalculatedSinceSwitch = false;
    bool copyWasEnabled = false;
    bool printWasEnabled = false;

    int below(int n) { return int(rng() % std::uint32_t(n)); }

    template <typename Control> std::vector<Control*> usable() const {
        std::vector<Control*> found;
        for (const auto& entry : form->controls()) {
            if (auto* control = qobject_cast<Control*>(entry.control);
                control && control->isVisible() && control->isEnabled())
                found.push_back(control);
        }
        return found;
    }
    template <typename Control> Control* anyUsable() {
        const auto found = usable<Control>();
        return found.empty() ? nullptr : found[std::size_t(below(int(found.size())))];
    }
    static QWidget* focused() {
        QWidget* widget = QApplication::focusWidget();
        return widget ? widget : QApplication::activeWindow();
    }

    // The glow fuel page enables Copy and Print only once it has calculated after being shown.
    void watchGlowCalculation() {
        const auto onGlowPage = [this] {
            if (form->cmbFuelType->listIndex() == 0)
                glowCalculatedSinceSwitch = true;
        };
        for (SpinButton* spin : form->vscrInPercent)
            QObject::connect(spin, &SpinButton::change, form.get(), onGlowPage);
        QObject::connect(form->vscrTotVol, &SpinButton::change, form.get(), onGlowPage);
        QObject::connect(form->chkAddIsOil, &CheckBox::valueChanged, form.get(), onGlowPage);
        QObject::connect(form->cmbVolumeGrads, &DropDownList::click, form.get(), onGlowPage);
        QObject::connect(form->cmbFuelType, &DropDownList::click, form.get(),
                         [this] { glowCalculatedSinceSwitch = false; });
    }

    QString clickSpinArrow() {
        SpinButton* spin = anyUsable<SpinButton>();
        if (!spin)
            return pressKey(); // the converter page has none
        const bool up = below(2);
        clickArrow(spin, up);
        return QStringLiteral("click %1 on %2").arg(up ? "up" : "down", spin->objectName());
    }

    QString pressKey() {
        static constexpr Qt::Key keys[] = {Qt::Key_Up,     Qt::Key_Down,     Qt::Key_Left, Qt::Key_Right,
                                           Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
        QWidget* target = focused();
        // Space presses a focused button; Close would end the run.
        const bool button = qobject_cast<QPushButton*>(target) && target != form->cmdClose;
        const Qt::Key key = button && below(2) ? Qt::Key_Space : keys[below(std::size(keys))];
        QTest::keyClick(target, key);
        return QStringLiteral("key %1 on %2").arg(QKeySequence(key).toString(), target->objectName());
    }

    QString moveFocus() {
        const bool back = below(2);
        QTest::keyClick(focused(), back ? Qt::Key_Backtab : Qt::Key_Tab,
                        back ? Qt::ShiftModifier : Qt::NoModifier);
        return QStringLiteral("%1 to %2").arg(back ? "Backtab" : "Tab", focused()->objectName());
    }

    // Opens a list by mouse or keyboard, then picks by mouse or keyboard, or drops it with Escape
    // or a click elsewhere in the window; the page selector is picked from most.
    QString pickFromList() {
        DropDownList* list = below(3) ? form->cmbFuelType : anyUsable<DropDownList>();
        if (!list || !list->isEnabled())
            return QStringLiteral("no list to pick from");
        const bool byMouse = below(2);
        if (byMouse) {
            QTest::mouseClick(list, Qt::LeftButton);
        } else {
            list->setFocus(Qt::MouseFocusReason);
            QTest::keyClick(list, Qt::Key_Down, Qt::AltModifier);
        }
        QAbstractItemView* view = list->view();
        if (!QApplication::activePopupWidget())
            return QStringLiteral("%1 did not open").arg(list->objectName());
        // The list ignores a release that comes within a double-click time of opening it.
        QCoreApplication::processEvents();
        const int item = below(list->listCount());
        QString how;
        switch (below(4)) {
        case 0:
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                              view->visualRect(view->model()->index(item, 0)).center());
            how = QStringLiteral("click item %1").arg(item);
            break;
        case 1:
            QTest::keyClick(view, Qt::Key_Home);
            for (int i = 0; i < item; ++i)
                QTest::keyClick(view, Qt::Key_Down);
            QTest::keyClick(view, Qt::Key_Return);
            how = QStringLiteral("keys to item %1").arg(item);
            break;
        case 2:
            QTest::keyClick(view, Qt::Key_Escape);
            how = QStringLiteral("Escape");
            break;
        default:
            // A click that lands beside the open list only closes it.
            how = clickBesideOpenList();
            break;
        }
        return QStringLiteral("open %1 by %2, %3").arg(list->objectName(), byMouse ? "mouse" : "keys", how);
    }

    // The open list holds the mouse, as it does for a person: a press outside it reaches it first.
    QString clickBesideOpenList() {
        QWidget* popup = QApplication::activePopupWidget();
        const QPoint at =
            popup->mapFromGlobal(form->mapToGlobal(QPoint(below(form->width()), below(form->height()))));
        QTest::mouseClick(popup, Qt::LeftButton, {}, at);
        return QStringLiteral("click at %1,%2 of the list").arg(at.x()).arg(at.y());
    }

    QString randomText(int most) {
        QString text;
        for (int n = below(most + 1); n > 0; --n)
            text += typedChars[below(int(typedChars.size()))];
        return text;
    }

    TextBox* clickBox() {
        TextBox* box = anyUsable<TextBox>();
        if (box)
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(below(box->width()), box->height() / 2));
        return box;
    }

    QString typeIntoBox() {
        TextBox* box = clickBox();
        if (!box)
            return QStringLiteral("no box to type into");
        if (below(3) == 0)
            QTest::keyClick(box, below(2) ? Qt::Key_Backspace : Qt::Key_Delete);
        const QString text = randomText(6);
        QTest::keyClicks(box, text);
        return QStringLiteral("type '%1' into %2").arg(text, box->objectName());
    }

    QString pasteIntoBox() {
        TextBox* box = clickBox();
        if (!box)
            return QStringLiteral("no box to paste into");
        // Now and then a paragraph copied by mistake; huge pastes have a test of their own.
        const QString text = below(20) ? randomText(12) : randomText(200);
        QApplication::clipboard()->setText(text);
        if (below(2))
            QTest::keySequence(box, QKeySequence::SelectAll);
        QTest::keySequence(box, QKeySequence::Paste);
        return QStringLiteral("paste %1 characters into %2").arg(text.size()).arg(box->objectName());
    }

    QString clickButton() {
        QPushButton* button = below(2) ? form->cmdCopy : form->cmdPrint;
        QTest::mouseClick(button, Qt::LeftButton);
        return QStringLiteral("click ") + button->objectName();
    }

    QString pressMnemonic() {
        const bool copy = below(2);
        QPushButton* button = copy ? form->cmdCopy : form->cmdPrint;
        QTest::keyClick(focused(), copy ? Qt::Key_O : Qt::Key_P, Qt::AltModifier);
        // The button clicks a moment later; waiting for it keeps a run repeatable.
        for (int i = 0; i < 100 && button->isDown(); ++i)
            QTest::qWait(5);
        return copy ? QStringLiteral("Alt+O") : QStringLiteral("Alt+P");
    }

    QString checkPage() {
        const int page = form->cmbFuelType->listIndex();
        for (int i = 0; i < 4; ++i) {
            if (form->Frame1[i]->isVisible() != (i == page) || form->Frame1[i]->isEnabled() != (i == page))
                return QStringLiteral("page %1 shown, but frame %2 is not as it should be").arg(page).arg(i);
        }
        int sum = 0;
        for (SpinButton* spin : form->vscrInPercent)
            sum += 100 - spin->value();
        const bool reports = page == 1 || (page == 0 && sum == 100 && glowCalculatedSinceSwitch);
        if (form->cmdCopy->isEnabled() != reports || form->cmdPrint->isEnabled() != reports)
            return QStringLiteral("page %1, percentages %2: Copy and Print should be %3")
                .arg(page)
                .arg(sum)
                .arg(reports ? "enabled" : "disabled");
        if (form->cmbVolumeGrads->isEnabled() != (page < 2))
            return QStringLiteral("the unit list's state is wrong on page %1").arg(page);
        return {};
    }

    QString checkOutput() {
        const QString report = buildResultsReport(*form);
        const QString heading = form->cmbFuelType->listIndex() == 0
                                    ? QStringLiteral("For total Glow Fuel volume of ")
                                    : QStringLiteral("For Pre-Mix Fuel ratio of ");
        QString wrong;
        if (desktop.clipboard != sentinel &&
            (!copyWasEnabled || desktop.clipboard != report || !report.startsWith(heading)))
            wrong = QStringLiteral("Copy put the wrong text on the clipboard, or Copy was disabled");
        if (!desktop.printedFiles.isEmpty()) {
            QFile printed(desktop.printedFiles.last());
            if (!printWasEnabled || desktop.printedFiles.size() > 1 || !printed.open(QIODevice::ReadOnly) ||
                printed.readAll() != printFileContents(report))
                wrong = QStringLiteral("Print wrote the wrong file, or Print was disabled");
        }
        if (!desktop.messages.isEmpty())
            wrong = QStringLiteral("a message appeared: ") + desktop.messages.join(u'|');
        desktop.printedFiles.clear();
        desktop.messages.clear();
        return wrong;
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
        const auto seed = std::uint32_t(envNumber("ROTORIX_SOAK_SEED", ciSeed));
        const long actions = envNumber("ROTORIX_SOAK_ACTIONS", ciActions);
        Soak soak(seed);
        QVERIFY2(soak.check().isEmpty(), qPrintable("after loading: " + soak.check()));
        // The first actions touch code, fonts and lists for the first time; memory is measured
        // from there on.
        qint64 loaded = 0;
        for (long n = 1 - warmUp; n <= actions; ++n) {
            if (n == 1)
                loaded = residentBytes();
            const QString action = soak.act();
            const QString wrong = soak.check();
            if (!wrong.isEmpty())
                QFAIL(qPrintable(QStringLiteral("seed %1, action %2 (%3): %4")
                                     .arg(seed)
                                     .arg(n + warmUp)
                                     .arg(action, wrong)));
            if (n % 1000 == 0)
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        const qint64 grown = residentBytes() - loaded;
        qInfo("seed %u, %ld actions: resident memory grew by %lld KiB", seed, actions, grown / 1024);
        if (!sanitized && actions >= ciActions)
            QVERIFY2(grown <= allowedGrowth,
                     qPrintable(QStringLiteral("seed %1: grew by %2 bytes").arg(seed).arg(grown)));
    }
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
