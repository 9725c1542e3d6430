// The event rules the window's handlers rely on, checked on real controls in a shown, active
// window and driven with the mouse and keyboard where a person would drive them.
#include "platform/checkbox.h"
#include "platform/droplist.h"
#include "platform/label.h"
#include "platform/spinbutton.h"
#include "platform/textbox.h"
#include "support/window.h"

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

class TestControls : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void spinChangesOnlyOnRealChange_data();
    void spinChangesOnlyOnRealChange();
    void spinSteps_data();
    void spinSteps();
    void clickGivesFocusBeforeChange();
    void tabMovesFocus_data();
    void tabMovesFocus();
    void focusStaysWhenWindowOrPopupTakesKeys_data();
    void focusStaysWhenWindowOrPopupTakesKeys();
    void changeHandlersNest();
    void addItemNeverSelects();
    void personPicksFromList_data();
    void personPicksFromList();
    void textChangesPerKey_data();
    void textChangesPerKey();
    void personClicksCheckBox_data();
    void personClicksCheckBox();

private:
    template <typename Control, typename... Args> Control* add(const char* name, Args... args) {
        auto* control = new Control(window.get(), args...);
        control->setObjectName(QLatin1String(name));
        window->layout()->addWidget(control);
        window->layout()->setAlignment(control, Qt::AlignLeft);
        return control;
    }
    template <typename Control, typename Signal>
    void record(Control* control, Signal signal, const char* event) {
        const QString name = control->objectName() + u'.' + QLatin1String(event);
        connect(control, signal, this, [this, name] { log += (log.isEmpty() ? "" : " ") + name; });
    }
    void focus(QWidget* control) {
        control->setFocus(Qt::TabFocusReason);
        log.clear();
    }
    void fillList(int selected);

    std::unique_ptr<QWidget> window;
    TextBox* text = nullptr;
    SpinButton* spinA = nullptr;
    SpinButton* spinB = nullptr;
    DropDownList* list = nullptr;
    CheckBox* check = nullptr;
    Label* label = nullptr;
    QString log; // the events raised, in order, separated by spaces
};

static QString repeated(int times, const char* event) {
    return QStringList(times, QLatin1String(event)).join(u' ');
}

// Keys go where a person's keys go: to the open popup, else to the focus of the active window.
static void press(QKeyCombination key) {
    QTest::keyClick(static_cast<QWidget*>(nullptr), key.key(), key.keyboardModifiers());
}

void TestControls::init() {
    window = std::make_unique<QWidget>();
    new QVBoxLayout(window.get());
    text = add<TextBox>("text");
    spinA = add<SpinButton>("spinA", SpinRange{0, 100, 2, 10, 50});
    spinB = add<SpinButton>("spinB", SpinRange{0, 1000, 1, 1, 0});
    list = add<DropDownList>("list");
    check = add<CheckBox>("check");
    check->setText(QStringLiteral("Oil"));
    label = add<Label>("label");
    // The window's spin buttons are 375 twips square.
    spinA->setFixedSize(25, 25);
    spinB->setFixedSize(25, 25);
    record(text, &TextBox::change, "change");
    record(text, &TextBox::gotFocus, "gotFocus");
    record(text, &TextBox::lostFocus, "lostFocus");
    for (SpinButton* spin : {spinA, spinB}) {
        record(spin, &SpinButton::change, "change");
        record(spin, &SpinButton::gotFocus, "gotFocus");
        record(spin, &SpinButton::lostFocus, "lostFocus");
    }
    record(list, &DropDownList::click, "click");
    record(list, &DropDownList::gotFocus, "gotFocus");
    record(check, &CheckBox::click, "click");

    window->show();
    QApplication::setActiveWindow(window.get());
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    log.clear();
}

void TestControls::cleanup() {
    window.reset();
}

void TestControls::fillList(int selected) {
    for (const char* item : {"Litre", "Fluid Ounce", "Gallon"})
        list->addItem(QLatin1String(item));
    list->setListIndex(selected);
    log.clear();
}

void TestControls::spinChangesOnlyOnRealChange_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("assigned");
    QTest::addColumn<int>("expected");
    QTest::newRow("same value") << 50 << 50 << 50;
    QTest::newRow("new value") << 50 << 51 << 51;
    QTest::newRow("above maximum clamps") << 50 << 150 << 100;
    QTest::newRow("below minimum clamps") << 50 << -5 << 0;
    QTest::newRow("above maximum at maximum") << 100 << 101 << 100;
}

void TestControls::spinChangesOnlyOnRealChange() {
    QFETCH(int, start);
    QFETCH(int, assigned);
    QFETCH(int, expected);
    spinA->setValue(start);
    log.clear();
    spinA->setValue(assigned);
    QCOMPARE(spinA->value(), expected);
    QCOMPARE(log, repeated(start == expected ? 0 : 1, "spinA.change"));
    spinA->raiseChange();
    QCOMPARE(spinA->value(), expected);
    QCOMPARE(log, repeated(start == expected ? 1 : 2, "spinA.change"));
}

void TestControls::spinSteps_data() {
    QTest::addColumn<QString>("gesture");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("expected");
    QTest::newRow("up arrow lowers") << "up arrow" << 50 << 48;
    QTest::newRow("down arrow raises") << "down arrow" << 50 << 52;
    QTest::newRow("up arrow stops at minimum") << "up arrow" << 1 << 0;
    QTest::newRow("down arrow at maximum") << "down arrow" << 100 << 100;
    QTest::newRow("Up key") << "Up" << 50 << 48;
    QTest::newRow("Down key") << "Down" << 50 << 52;
    QTest::newRow("PageUp key") << "PageUp" << 50 << 40;
    QTest::newRow("PageDown key") << "PageDown" << 50 << 60;
    QTest::newRow("PageDown key at maximum") << "PageDown" << 95 << 100;
}

void TestControls::spinSteps() {
    QFETCH(QString, gesture);
    QFETCH(int, start);
    QFETCH(int, expected);
    spinA->setValue(start);
    focus(spinA);
    const QHash<QString, Qt::Key> keys{{"Up", Qt::Key_Up},
                                       {"Down", Qt::Key_Down},
                                       {"PageUp", Qt::Key_PageUp},
                                       {"PageDown", Qt::Key_PageDown}};
    if (gesture == "up arrow")
        clickUp(spinA);
    else if (gesture == "down arrow")
        clickDown(spinA);
    else
        press(keys.value(gesture));
    QCOMPARE(spinA->value(), expected);
    QCOMPARE(log, repeated(start == expected ? 0 : 1, "spinA.change"));
}

void TestControls::clickGivesFocusBeforeChange() {
    focus(text);
    clickDown(spinA);
    clickDown(spinA);
    QCOMPARE(QApplication::focusWidget(), spinA);
    QCOMPARE(log, QStringLiteral("text.lostFocus spinA.gotFocus spinA.change spinA.change"));
}

void TestControls::tabMovesFocus_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<bool>("back");
    QTest::addColumn<QString>("expected");
    QTest::newRow("text box to spin button") << "text" << false << "text.lostFocus spinA.gotFocus";
    QTest::newRow("spin button to spin button") << "spinA" << false << "spinA.lostFocus spinB.gotFocus";
    QTest::newRow("spin button to list") << "spinB" << false << "spinB.lostFocus list.gotFocus";
    QTest::newRow("back to text box") << "spinA" << true << "spinA.lostFocus text.gotFocus";
    // The window handles no lostFocus of a list.
    QTest::newRow("back from list") << "list" << true << "spinB.gotFocus";
}

void TestControls::tabMovesFocus() {
    QFETCH(QString, from);
    QFETCH(bool, back);
    QFETCH(QString, expected);
    focus(window->findChild<QWidget*>(from));
    press(back ? QKeyCombination(Qt::ShiftModifier, Qt::Key_Backtab) : QKeyCombination(Qt::Key_Tab));
    QCOMPARE(log, expected);
}

void TestControls::focusStaysWhenWindowOrPopupTakesKeys_data() {
    QTest::addColumn<QString>("focused");
    QTest::addColumn<bool>("popup");
    for (const char* focused : {"spinA", "text", "list"}) {
        QTest::addRow("%s, other window", focused) << focused << false;
        QTest::addRow("%s, popup", focused) << focused << true;
    }
}

void TestControls::focusStaysWhenWindowOrPopupTakesKeys() {
    QFETCH(QString, focused);
    QFETCH(bool, popup);
    fillList(0);
    QWidget* control = window->findChild<QWidget*>(focused);
    focus(control);
    QMenu menu(window.get());
    menu.addAction(QStringLiteral("Copy"));
    QWidget other;
    if (popup && control == list) {
        press(Qt::Key_F4);
    } else if (popup) {
        menu.popup(window->mapToGlobal(QPoint(0, 0)));
    } else {
        other.show();
        QApplication::setActiveWindow(&other);
        QVERIFY(QTest::qWaitForWindowActive(&other));
    }
    if (popup) {
        QVERIFY(QApplication::activePopupWidget());
        press(Qt::Key_Escape);
    }
    QApplication::setActiveWindow(window.get());
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QVERIFY(!QApplication::activePopupWidget());
    QCOMPARE(QApplication::focusWidget(), control);
    QCOMPARE(log, QString());
}

void TestControls::changeHandlersNest() {
    connect(spinA, &SpinButton::change, this, [this] {
        spinB->setValue(spinA->value() * 3);
        log += " spinA.done";
    });
    connect(spinB, &SpinButton::change, this, [this] { label->setCaption(QString::number(spinB->value())); });
    spinA->setValue(7);
    QCOMPARE(label->caption(), QStringLiteral("21"));
    QCOMPARE(log, QStringLiteral("spinA.change spinB.change spinA.done"));
}

void TestControls::addItemNeverSelects() {
    QCOMPARE(list->listIndex(), -1);
    for (int i = 0; i < 3; ++i) {
        list->addItem(QStringLiteral("item %1").arg(i));
        QCOMPARE(list->newIndex(), i);
    }
    QCOMPARE(list->listCount(), 3);
    QCOMPARE(list->listIndex(), -1);
    QCOMPARE(list->itemData(1), 0);
    list->setItemData(1, 42);
    QCOMPARE(list->itemData(1), 42);
    QCOMPARE(log, QString());

    list->setListIndex(2);
    list->setListIndex(2);
    list->addItem(QStringLiteral("item 3"));
    QCOMPARE(list->newIndex(), 3);
    QCOMPARE(list->listIndex(), 2);
    QCOMPARE(log, QStringLiteral("list.click"));
}

void TestControls::personPicksFromList_data() {
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("expected");
    const auto row = [](const char* name, std::initializer_list<QKeyCombination> keys, int expected) {
        QList<int> combined;
        for (const QKeyCombination key : keys)
            combined << key.toCombined();
        QTest::newRow(name) << combined << expected;
    };
    row("F4, Return picks the selected item again", {Qt::Key_F4, Qt::Key_Return}, 1);
    row("Alt+Down, Return picks the selected item again", {Qt::AltModifier | Qt::Key_Down, Qt::Key_Return},
        1);
    row("F4, Down, Return picks the next item", {Qt::Key_F4, Qt::Key_Down, Qt::Key_Return}, 2);
    row("F4, Up, Return picks the previous item", {Qt::Key_F4, Qt::Key_Up, Qt::Key_Return}, 0);
    row("F4, Down, Escape picks nothing", {Qt::Key_F4, Qt::Key_Down, Qt::Key_Escape}, 1);
    row("Down selects the next item", {Qt::Key_Down}, 2);
    row("Down, Down stops at the last item", {Qt::Key_Down, Qt::Key_Down}, 2);
}

void TestControls::personPicksFromList() {
    QFETCH(QList<int>, keys);
    QFETCH(int, expected);
    fillList(1);
    focus(spinB);
    press(Qt::Key_Tab);
    for (const int key : keys)
        press(QKeyCombination::fromCombined(key));
    QVERIFY(!QApplication::activePopupWidget());
    QCOMPARE(list->listIndex(), expected);
    QCOMPARE(log, "spinB.lostFocus list.gotFocus" + QString(expected == 1 ? "" : " list.click"));
}

void TestControls::textChangesPerKey_data() {
    QTest::addColumn<QString>("initial");
    QTest::addColumn<bool>("selectWhole");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("typed into empty box") << "" << false << "abc"
                                          << "abc";
    QTest::newRow("typed after the text") << "12" << false << "3"
                                          << "123";
    QTest::newRow("one key replaces the whole text") << "123" << true << "4"
                                                     << "4";
    QTest::newRow("two keys after selecting the whole text") << "123" << true << "45"
                                                             << "45";
}

void TestControls::textChangesPerKey() {
    QFETCH(QString, initial);
    QFETCH(bool, selectWhole);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    text->setText(initial);
    text->setText(initial);
    QCOMPARE(log, repeated(initial.isEmpty() ? 0 : 1, "text.change"));
    focus(text);
    if (selectWhole)
        text->selectWholeText();
    QTest::keyClicks(QApplication::focusWidget(), typed);
    QCOMPARE(text->text(), expected);
    QCOMPARE(log, repeated(int(typed.size()), "text.change"));
}

void TestControls::personClicksCheckBox_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<QList<int>>("values");
    QTest::newRow("from unchecked") << 0 << QList<int>{1, 0, 1};
    QTest::newRow("from checked") << 1 << QList<int>{0, 1, 0};
    // Grey is the program's to show; a person's clicks only check and clear the box.
    QTest::newRow("from grey") << 2 << QList<int>{1, 0, 1};
}

void TestControls::personClicksCheckBox() {
    QFETCH(int, start);
    QFETCH(QList<int>, values);
    check->setValue(1);
    log.clear();
    check->setValue(start);
    check->setValue(start);
    QCOMPARE(check->value(), start);
    QCOMPARE(log, repeated(start == 1 ? 0 : 1, "check.click"));
    focus(check);
    for (const int expected : values) {
        log.clear();
        QTest::mouseClick(check, Qt::LeftButton, Qt::NoModifier, check->rect().center());
        QCOMPARE(check->value(), expected);
        QCOMPARE(log, QStringLiteral("check.click"));
    }
}

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
