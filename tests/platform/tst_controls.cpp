// The event rules the window's handlers rely on, and how the controls show colours and captions.
#include "window.h"

#include <QMetaMethod>
#include <QVBoxLayout>

// Controls in a window of their own, each event logged with the value its handler sees.
struct Panel : QWidget {
    QStringList log;
    QVBoxLayout* layout = new QVBoxLayout(this);
    template <typename C, typename... Signals> C* add(C* control, const char* name, Signals... raised) {
        control->setObjectName(name);
        layout->addWidget(control);
        (connect(control, raised, this,
                 [=, this] {
                     log << name + ('.' + QMetaMethod::fromSignal(raised).name()) + '=' + valueOf(control);
                 }),
         ...);
        return control;
    }
    static QString valueOf(const TextBox* c) { return c->text(); }
    static QString valueOf(const DropDownList* c) { return QString::number(c->listIndex()); }
    template <typename C> static QString valueOf(const C* c) { return QString::number(c->value()); }
    TextBox* text = add(new TextBox(this), "text", &TextBox::change, &TextBox::gotFocus, &TextBox::lostFocus);
    SpinButton* spin = add(new SpinButton(this, {0, 100, 2, 10, 50}), "spin", &SpinButton::change,
                           &SpinButton::gotFocus, &SpinButton::lostFocus);
    DropDownList* list = add(new DropDownList(this), "list", &DropDownList::click, &DropDownList::gotFocus);
    CheckBox* check = add(new CheckBox(this), "check", &CheckBox::valueChanged);
};

static void activate(QWidget* window) {
    window->show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
}

class TestControls : public QObject {
    Q_OBJECT
private slots:
    // Changes are raised only when the value really changes, by the program or a person; focus only
    // when it moves within the window, never when a list opens or another window takes the keyboard.
    void eventsOnlyOnRealChanges() {
        Panel p;
        activate(&p);
        const auto away = [&p] { QApplication::setActiveWindow(nullptr), QApplication::setActiveWindow(&p); };
        p.text->setText("12");
        p.check->setValue(2); // grey, which only the program sets
        p.text->setFocus(Qt::TabFocusReason);
        p.log.clear();
        for (const char* item : {"Litre", "Fluid Ounce", "Gallon"}) // quietly, selecting none
            p.list->addItem(item);
        arrow(p.spin); // the click's focus comes before its change
        key(nullptr, Qt::Key_PageUp);
        away();
        p.list->setFocus(Qt::TabFocusReason);
        key(nullptr, Qt::Key_Down);
        p.list->setListIndex(2);
        for (const auto k : {Qt::Key_F4, Qt::Key_Return, Qt::Key_F4, Qt::Key_Up, Qt::Key_Return})
            key(nullptr, k); // to the open list, else to the list itself
        away();
        p.text->setFocus(Qt::TabFocusReason);
        p.text->setText("7");
        key(nullptr, QKeySequence("End, 4"));
        p.check->setFocus(Qt::TabFocusReason);
        key(nullptr, QKeySequence("Space, Space"));
        QCOMPARE(p.log,
                 QString("text.lostFocus=12 spin.gotFocus=50 spin.change=48 spin.change=38 spin.lostFocus=38 "
                         "list.gotFocus=-1 "
                         "list.click=0 list.click=2 list.click=1 text.gotFocus=12 "
                         "text.change=7 text.change=74 text.lostFocus=74 check.valueChanged=1 "
                         "check.valueChanged=0")
                     .split(u' '));
    }

    // A label's look as it comes out on its window: its colour filled in, a system colour copied from
    // another control following the desktop's palette, its border, its caption centred and in bold,
    // and never read as markup, against a plain label with the same caption.
    void labelPaintsItsLook() {
        const QPalette original = QApplication::palette();
        QPalette desktop = original;
        desktop.setColor(QPalette::Button, QColor(7, 8, 9));
        QWidget window;
        Label plain(&window, Colour(0x00FFFF)), dressed(&window), copied(&window);
        dressed.setBackColor(plain.backColor());
        copied.setBackColor(Label(nullptr).backColor()); // a label's own colour: the button face's
        dressed.setBorder(true);
        dressed.setCentred(true);
        dressed.setBold(true);
        int y = 0;
        for (Label* label : {&plain, &dressed, &copied})
            label->setCaption("W<b>W</b>"), label->setGeometry(0, y += 30, 120, 24);
        QApplication::setPalette(desktop);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.grab(copied.geometry()).toImage().pixelColor(0, 0), QColor(7, 8, 9));
        QList<int> ink[2]; // the columns of each dark pixel
        for (const int i : {0, 1}) {
            const QImage shot = window.grab((i ? dressed : plain).geometry()).toImage();
            QCOMPARE(shot.pixelColor(0, 0) == QColor(Qt::yellow), !i); // a border, or the colour to the edge
            QCOMPARE(shot.pixelColor(shot.width() - 3, 12), QColor(Qt::yellow));
            for (int x = 0; x < shot.width(); ++x)
                for (int y = 3; y < shot.height() - 3; ++y)
                    qGray(shot.pixel(x, y)) < 128 ? ink[i] << x : ink[i];
        }
        QVERIFY(ink[0].first() < 3 && std::abs(ink[1].first() + ink[1].last() - 119) <= 2); // left, centred
        QVERIFY(ink[1].size() > ink[0].size() * 5 / 4 && ink[0].last() > 40);               // bold; no markup
        QApplication::setPalette(original);
    }
};

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
