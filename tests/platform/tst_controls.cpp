// The event rules the window's handlers rely on, and how the controls show colours and captions.
#include "support/window.h" // the controls, and a click on a spin button's arrow

#include <QMetaMethod>
#include <QVBoxLayout>

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
        (connect(control, raised, this,
                 [=, this] { log << name + ('.' + QMetaMethod::fromSignal(raised).name()) + '=' + valueOf(control); }),
         ...);
        return control;
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
    void controlRaisesOnlyRealChanges_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("steps"); // "=v" sets the value as the program does, "up" clicks the
        QTest::addColumn<QString>("events"); // up arrow, "away" leaves the window and returns; else keys
        const char* rows[][3] = {
            {"spin", "up", "text.lostFocus=12 spin.gotFocus=50 spin.change=48"},
            {"spin", "PgUp", "spin.change=40"},
            {"spin", "away", ""},
            {"list", "Down", "list.click=0"},
            {"list", "=1, F4, Return", "list.click=1"},
            {"list", "=1, Alt+Down, Down, Return", "list.click=1 list.click=2"},
            {"list", "away", ""},
            {"text", "=7", "text.change=7"},
            {"text", "End, 4", "text.change=124"},
            {"text", "away", ""},
            // Grey is the program's to show; a person only checks and clears the box.
            {"check", "Space, Space, Space", "check.valueChanged=1 check.valueChanged=0 check.valueChanged=1"},
        };
        for (const auto& [control, steps, events] : rows)
            QTest::addRow("%s %s", control, steps) << QString(control) << QString(steps) << QString(events);
    }
    void controlRaisesOnlyRealChanges() {
        QFETCH(QString, control);
        QFETCH(QString, steps);
        QFETCH(QString, events);
        activate(&top);
        spin->setValue(50);
        list->clear();
        text->setText("12");
        check->setValue(2);
        QWidget* focused = top.findChild<QWidget*>(control);
        (steps == "up" ? text : focused)->setFocus(Qt::TabFocusReason);
        log.clear();
        for (const char* item : {"Litre", "Fluid Ounce", "Gallon"}) // quietly, selecting none
            list->addItem(item);
        QWidget other;
        for (const QString& step : steps.split(QStringLiteral(", "))) {
            if (step.startsWith(u'='))
                control == "list" ? list->setListIndex(step.mid(1).toInt()) : text->setText(step.mid(1));
            else if (step == "up")
                clickArrow(spin, true);
            else if (step == "away") {
                activate(&other);
                activate(&top);
            } else // keys go to the open list, else to the focus of the active window
                QTest::keySequence(static_cast<QWidget*>(nullptr), QKeySequence(step));
        }
        QCOMPARE(QApplication::focusWidget(), focused);
        QCOMPARE(log.join(u' '), events);
    }
    // A colour copied from one control to another still follows the desktop's palette.
    void copiedColourShows() {
        QPalette desktop = QApplication::style()->standardPalette();
        desktop.setColor(QPalette::Base, QColor(1, 2, 3));
        desktop.setColor(QPalette::Button, QColor(7, 8, 9));
        for (const auto& [number, shown] : {std::pair{0x123456u, QColor(0x56, 0x34, 0x12)},
                                            {colours::windowBackground.value(), QColor(1, 2, 3)},
                                            {colours::buttonFace.value(), QColor(7, 8, 9)}}) {
            QApplication::setPalette(QApplication::style()->standardPalette());
            label->setBackColor(Colour(number));
            text->setBackColor(label->backColor());
            QApplication::setPalette(desktop);
            QCoreApplication::processEvents(); // Qt hands a palette down by posted events
            for (const auto group : {QPalette::Active, QPalette::Inactive})
                QCOMPARE(text->palette().color(group, QPalette::Base), shown);
        }
    }
    // A label's look as it comes out on its window: its colour filled in, its border, its caption
    // centred and in bold, against a plain label with the same caption.
    void labelPaintsItsLook() {
        QWidget window;
        Label plain(&window, colours::yellow), dressed(&window, colours::yellow);
        dressed.setBorder(true);
        dressed.setCentred(true);
        dressed.setBold(true);
        for (Label* label : {&plain, &dressed}) {
            label->setCaption(QStringLiteral("WWW"));
            label->setGeometry(0, label == &dressed ? 30 : 0, 120, 24);
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QList<int> ink[2]; // the columns of each dark pixel
        for (const int i : {0, 1}) {
            const QImage shot = window.grab((i ? dressed : plain).geometry()).toImage();
            QCOMPARE(shot.pixelColor(0, 0) == Qt::yellow, !i); // a border, or the colour to the edge
            QCOMPARE(shot.pixelColor(shot.width() - 3, 12), QColor(Qt::yellow));
            for (int x = 0; x < shot.width(); ++x)
                for (int y = 3; y < shot.height() - 3; ++y)
                    if (qGray(shot.pixel(x, y)) < 128)
                        ink[i] << x;
        }
        QVERIFY(ink[0].first() < 3 && std::abs(ink[1].first() + ink[1].last() - 119) <= 2); // left, centred
        QVERIFY(ink[1].size() > ink[0].size() * 5 / 4);                                     // bold
    }
    void captionIsPlainText() { // markup would be swallowed and show narrower than the characters typed
        label->setCaption("<b>oil</b> <> %");
        QVERIFY(label->sizeHint().width() >= label->fontMetrics().horizontalAdvance(label->caption()));
    }
};

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
