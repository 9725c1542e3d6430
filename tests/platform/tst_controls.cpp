// The event rules the window's handlers rely on, and how the controls show colours and captions.
#include "platform/checkbox.h"
#include "platform/droplist.h"
#include "platform/label.h"
#include "platform/spinbutton.h"
#include "platform/textbox.h"
#include "support/window.h"

#include <QMetaMethod>
#include <QVBoxLayout>
#include <memory>

class TestControls : public QObject {
    Q_OBJECT
    QStringList log; // each event with the value its handler sees; outlives the controls
    QWidget top;     // the window the controls sit in
    QVBoxLayout* layout = new QVBoxLayout(&top);
    template <typename C> static QString valueOf(const C* c) { return QString::number(c->value()); }
    static QString valueOf(const DropDownList* list) { return QString::number(list->listIndex()); }
    static QString valueOf(const TextBox* text) { return text->text(); }
    template <typename C, typename... Signals> C* add(C* control, const char* name, Signals... raised) {
        control->setObjectName(name);
        layout->addWidget(control);
        (connect(control, raised, this, [=, this] { record(control, raised); }), ...);
        return control;
    }
    template <typename C, typename S> void record(C* control, S signal) {
        log << control->objectName() + '.' + QMetaMethod::fromSignal(signal).name() + '=' + valueOf(control);
    }
    Label* label = add(new Label(&top), "label");
    TextBox* text = add(new TextBox(&top), "text", &TextBox::change, &TextBox::gotFocus, &TextBox::lostFocus);
    SpinButton* spin = add(new SpinButton(&top, {0, 100, 2, 10, 50}), "spin", &SpinButton::change,
                           &SpinButton::gotFocus, &SpinButton::lostFocus);
    DropDownList* list = add(new DropDownList(&top), "list", &DropDownList::click, &DropDownList::gotFocus);
    CheckBox* check = add(new CheckBox(&top), "check", &CheckBox::valueChanged);
    static void activate(QWidget* window) {
        window->show();
        QApplication::setActiveWindow(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
private slots:
    void initTestCase() {
        spin->setFixedSize(25, 25); // the window's spin buttons are 375 twips square
        for (const char* item : {"Litre", "Fluid Ounce", "Gallon"})
            list->addItem(item);
        activate(&top);
    }
    void controlRaisesOnlyRealChanges_data() {
        QTest::addColumn<QString>("control");
        // "=v" assigns v; arrows are clicked from the text box; "away" leaves and returns; else keys
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<QString>("events");
        const auto row = [](const char* control, const char* gesture, const char* events) {
            QTest::addRow("%s %s", control, gesture)
                << QString(control) << QString(gesture) << QString(events);
        };
        row("spin", "=50", "");
        row("spin", "up arrow", "text.lostFocus=12 spin.gotFocus=50 spin.change=48");
        row("spin", "PgUp", "spin.change=40");
        row("spin", "away", "");
        row("list", "F4, Return", "");
        row("list", "Alt+Down, Down, Return", "list.click=2");
        row("list", "away", "");
        row("text", "=7", "text.change=7");
        row("text", "End, 4, 5", "text.change=124 text.change=1245");
        row("text", "away", "");
        // Grey is the program's to show; a person only checks and clears the box.
        row("check", "Space, Space, Space", "check.valueChanged=1 check.valueChanged=0 check.valueChanged=1");
    }
    void controlRaisesOnlyRealChanges() {
        QFETCH(QString, control);
        QFETCH(QString, gesture);
        QFETCH(QString, events);
        spin->setValue(50);
        list->setListIndex(1);
        text->setText("12");
        check->setValue(2);
        QWidget* focused = top.findChild<QWidget*>(control);
        (gesture.endsWith("arrow") ? text : focused)->setFocus(Qt::TabFocusReason);
        log.clear();
        QWidget other;
        if (gesture.startsWith('=')) {
            control == "spin" ? spin->setValue(gesture.mid(1).toInt()) : text->setText(gesture.mid(1));
        } else if (gesture.endsWith("arrow")) {
            clickArrow(spin, gesture == "up arrow");
        } else if (gesture == "away") {
            activate(&other);
            activate(&top);
        } else { // keys go to the open popup, else to the focus of the active window
            QTest::keySequence(static_cast<QWidget*>(nullptr), QKeySequence(gesture));
        }
        QCOMPARE(QApplication::focusWidget(), focused);
        QCOMPARE(log.join(u' '), events);
    }
    void listAddsWithoutSelecting() {
        auto* fresh = add(new DropDownList(&top), "fresh", &DropDownList::click);
        log.clear();
        fresh->addItem("Litre");
        fresh->addItem("Gallon");
        QCOMPARE(fresh->newIndex(), 1);
        QCOMPARE(fresh->listIndex(), -1);
        fresh->setItemData(1, 42);
        QCOMPARE(fresh->itemData(1), 42);
        fresh->setListIndex(1);
        fresh->setListIndex(1);
        fresh->addItem("Pint");
        QCOMPARE(log, QStringList{"fresh.click=1"});
    }
    void copiedColourShows_data() {
        QTest::addColumn<uint>("number");
        QTest::addColumn<QColor>("shown"); // once the desktop's palette has changed
        QTest::newRow("0x00BBGGRR") << 0x123456u << QColor(0x56, 0x34, 0x12);
        QTest::newRow("window background") << colours::windowBackground.value() << QColor(1, 2, 3);
        QTest::newRow("button face") << colours::buttonFace.value() << QColor(7, 8, 9);
    }
    void copiedColourShows() {
        QFETCH(uint, number);
        QFETCH(QColor, shown);
        QApplication::setPalette(QApplication::style()->standardPalette());
        label->setBackColor(Colour(number));
        text->setBackColor(label->backColor());
        QPalette desktop = QApplication::palette();
        desktop.setColor(QPalette::Base, QColor(1, 2, 3));
        desktop.setColor(QPalette::Button, QColor(7, 8, 9));
        QApplication::setPalette(desktop);
        QCoreApplication::processEvents(); // Qt hands a palette down by posted events
        for (const auto group : {QPalette::Active, QPalette::Inactive})
            QCOMPARE(text->palette().color(group, QPalette::Base), shown);
    }
    void autoSizeFitsAsTheToolkitWould_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("centred");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("border");
        const auto row = [](const char* name, const QString& caption, bool centred, bool bold, bool border) {
            QTest::newRow(name) << caption << centred << bold << border;
        };
        row("plain", "Battery rating ( milliamp hours )", false, false, false);
        row("centred", "Total Volume =", true, false, false);
        row("bold", "Charge rate ( C )", false, true, false);
        row("empty", "", false, false, false);
        row("markup-like", "<> <b>", false, false, false);
        row("tab", "Oz\tInch", false, false, false);
        row("two lines", "Cubic\nInch", true, false, false);
        row("ampersand", "&Close", false, false, false);
        row("right to left", QString::fromUtf8("\u05e9\u05de\u05df"), false, false, false);
        row("framed", "Litres", true, false, true);
    }
    void autoSizeFitsAsTheToolkitWould() {
        QFETCH(QString, caption);
        QFETCH(bool, centred);
        QFETCH(bool, bold);
        QFETCH(bool, border);
        QWidget parent;
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(11);
        parent.setFont(font);
        auto* fitted = new Label(&parent);
        fitted->setCentred(centred);
        fitted->setBold(bold);
        fitted->setBorder(border);
        fitted->setCaption(QStringLiteral("a caption the label first had"));
        fitted->setAutoSize(true);
        fitted->setCaption(caption);
        // The toolkit's own label, dressed alike and sized by the toolkit.
        auto* plain = new QLabel(&parent);
        plain->setTextFormat(Qt::PlainText);
        plain->setFont(fitted->font());
        plain->setAlignment(fitted->alignment());
        plain->setFrameStyle(fitted->frameStyle());
        plain->setText(QStringLiteral("a caption the label first had"));
        plain->setText(caption);
        plain->adjustSize();
        QCOMPARE(fitted->size(), plain->size());
    }
    void textBoxLeavesTheApplicationFontAlone() {
        // Message boxes and tooltips take the application's font, whatever a window's boxes use.
        const QFont application = QApplication::font();
        QWidget parent;
        QFont small(QStringLiteral("Liberation Sans"));
        small.setPixelSize(11);
        parent.setFont(small);
        auto* inside = new TextBox(&parent);
        std::unique_ptr<TextBox> alone(new TextBox(nullptr));
        QCOMPARE(QApplication::font(), application);
        QCOMPARE(inside->font(), small);
        QCOMPARE(alone->font(), application);
    }
    void captionIsPlainText() {
        const QString caption = "<b>oil</b> <> %";
        label->setCaption(caption);
        // Markup would be swallowed and show narrower than the characters typed.
        QVERIFY(label->sizeHint().width() >= label->fontMetrics().horizontalAdvance(caption));
    }
};

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
