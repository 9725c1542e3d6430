// The event rules the window's handlers rely on, and how a label paints its colour and caption.
#include "window.h"

#include <QMetaMethod>
#include <QVBoxLayout>

// Controls in a window of their own, each event logged with the value its handler sees.
struct Panel : QWidget {
    QStringList log;
    QVBoxLayout* layout = new QVBoxLayout(this);
    template <typename C, typename... Signals> C* add(C* control, const char* name, Signals... raised) {
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

class TestControls : public QObject {
    Q_OBJECT
private slots:
    // Changes are raised only when the value really changes, by the program or a person; focus only
    // when it moves within the window, never when a list opens or another window takes the keyboard.
    void eventsOnlyOnRealChanges() {
        Panel p;
        p.show();
        // The keyboard taken by another window and given back; the first time, it simply arrives.
        const auto away = [&p] { QApplication::setActiveWindow(nullptr), QApplication::setActiveWindow(&p); };
        away();
        QVERIFY(QTest::qWaitForWindowActive(&p));
        p.text->setText("12");
        // Grey, which only the program sets.
        p.check->setValue(2);
        p.text->setFocus(Qt::TabFocusReason);
        p.log.clear();
        // Quietly, selecting none.
        for (const char* item : {"Litre", "Fluid Ounce", "Gallon"})
            p.list->addItem(item);
        // The click's focus comes before its change.
        arrow(p.spin);
        press("PgUp");
        away();
        p.list->setFocus(Qt::TabFocusReason);
        press("Down");
        p.list->setListIndex(2);
        // To the open list, else to the list itself.
        press("F4, Return, F4, Up, Return");
        away();
        p.text->setFocus(Qt::TabFocusReason);
        p.text->setText("7");
        press("End, 4");
        p.check->setFocus(Qt::TabFocusReason);
        press("Space, Space");
        QCOMPARE(p.log.join(u' '),
                 "text.lostFocus=12 spin.gotFocus=50 spin.change=48 spin.change=38 "
                 "spin.lostFocus=38 list.gotFocus=-1 list.click=0 list.click=2 list.click=1 "
                 "text.gotFocus=12 text.change=7 text.change=74 text.lostFocus=74 "
                 "check.valueChanged=1 check.valueChanged=0");
    }

    // A label's colour as it comes out on its window, a system colour following a change of the
    // desktop's palette; its caption shown as typed, never read as markup.
    void labelPaintsItsColourAndCaption() {
        const QPalette original = QApplication::palette();
        QPalette desktop = original;
        desktop.setColor(QPalette::Button, QColor(7, 8, 9));
        QWidget window;
        Label yellow(&window, Colour(0x00FFFF)), face(&window);
        yellow.setCaption("<i>");
        face.move(0, 40);
        QApplication::setPalette(desktop);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage shot = window.grab().toImage();
        QApplication::setPalette(original);
        QCOMPARE(shot.pixelColor(face.pos()), QColor(7, 8, 9));
        QCOMPARE(shot.pixelColor(yellow.pos()), QColor(Qt::yellow));
        int ink = 0;
        for (int x = 0; x < yellow.width(); ++x)
            for (int y = 0; y < yellow.height(); ++y)
                ink += qGray(shot.pixel(x, y)) < 128;
        QVERIFY(ink > 5);
    }
};

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
