// Colours as the window stores them, how controls paint them, and how system colours follow a
// change of the desktop's palette.
#include "platform/colour.h"
#include "platform/droplist.h"
#include "platform/label.h"
#include "platform/textbox.h"

#include <QApplication>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

class TestColour : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void numbersMapToColours_data();
    void numbersMapToColours();
    void copiedColourFollowsPalette_data();
    void copiedColourFollowsPalette();
    void captionIsPlainText_data();
    void captionIsPlainText();

private:
    QPalette desktopPalette;
    std::unique_ptr<QWidget> window;
    Label* source = nullptr;
    Label* label = nullptr;
    TextBox* text = nullptr;
    DropDownList* list = nullptr;
};

void TestColour::initTestCase() {
    desktopPalette = QApplication::palette();
}

void TestColour::init() {
    window = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(window.get());
    source = new Label(window.get());
    label = new Label(window.get());
    text = new TextBox(window.get());
    list = new DropDownList(window.get());
    label->setObjectName(QStringLiteral("label"));
    text->setObjectName(QStringLiteral("text"));
    list->setObjectName(QStringLiteral("list"));
    for (QWidget* control : std::initializer_list<QWidget*>{source, label, text, list})
        layout->addWidget(control);
    window->show();
    QApplication::setActiveWindow(window.get());
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

void TestColour::cleanup() {
    window.reset();
    QApplication::setPalette(desktopPalette);
}

void TestColour::numbersMapToColours_data() {
    QTest::addColumn<uint>("number");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("red") << colours::red.value() << QColor(255, 0, 0);
    QTest::newRow("dark red") << colours::darkRed.value() << QColor(192, 0, 0);
    QTest::newRow("blue") << colours::blue.value() << QColor(0, 0, 255);
    QTest::newRow("yellow") << colours::yellow.value() << QColor(255, 255, 0);
    QTest::newRow("light grey") << colours::lightGrey.value() << QColor(224, 224, 224);
    QTest::newRow("mixed") << uint(0x123456) << QColor(0x56, 0x34, 0x12);
    QTest::newRow("window background") << colours::windowBackground.value() << QColor(1, 2, 3);
    QTest::newRow("window text") << colours::windowText.value() << QColor(4, 5, 6);
    QTest::newRow("button face") << colours::buttonFace.value() << QColor(7, 8, 9);
}

void TestColour::numbersMapToColours() {
    QFETCH(uint, number);
    QFETCH(QColor, expected);
    QPalette palette;
    palette.setColor(QPalette::Base, QColor(1, 2, 3));
    palette.setColor(QPalette::Text, QColor(4, 5, 6));
    palette.setColor(QPalette::Button, QColor(7, 8, 9));
    QCOMPARE(Colour(number).resolve(palette), expected);
}

void TestColour::copiedColourFollowsPalette_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<uint>("number");
    QTest::addColumn<QColor>("expected");
    const QColor newBase(10, 20, 30);
    const QColor newButton(40, 50, 60);
    const QColor yellow(255, 255, 0);
    QTest::newRow("label, window background") << "label" << colours::windowBackground.value() << newBase;
    QTest::newRow("label, button face") << "label" << colours::buttonFace.value() << newButton;
    QTest::newRow("label, yellow") << "label" << colours::yellow.value() << yellow;
    QTest::newRow("text box, window background") << "text" << colours::windowBackground.value() << newBase;
    QTest::newRow("list, window background") << "list" << colours::windowBackground.value() << newBase;
}

// The window copies colours between controls; a copied system colour must stay symbolic so the
// copy repaints with the desktop.
void TestColour::copiedColourFollowsPalette() {
    QFETCH(QString, control);
    QFETCH(uint, number);
    QFETCH(QColor, expected);
    source->setBackColor(Colour(number));
    if (control == "label")
        label->setBackColor(source->backColor());
    else if (control == "text")
        text->setBackColor(source->backColor());
    else
        list->setBackColor(source->backColor());
    const Colour copied = control == "label"  ? label->backColor()
                          : control == "text" ? text->backColor()
                                              : list->backColor();
    const QPalette::ColorRole role = control == "label" ? QPalette::Window : QPalette::Base;
    QCOMPARE(copied.value(), number);

    QPalette desktop = QApplication::palette();
    desktop.setColor(QPalette::Base, QColor(10, 20, 30));
    desktop.setColor(QPalette::Button, QColor(40, 50, 60));
    QApplication::setPalette(desktop);
    // Qt hands the new palette down to the windows by posted events; it must not undo the colours.
    QCoreApplication::processEvents();
    QWidget* painted = window->findChild<QWidget*>(control);
    QCOMPARE(painted->palette().color(role), expected);
    QCOMPARE(painted->palette().color(QPalette::Inactive, role), expected);
}

void TestColour::captionIsPlainText_data() {
    QTest::addColumn<QString>("caption");
    QTest::newRow("not equal") << "<>";
    QTest::newRow("check box caption") << "< additive is part of oil %";
    QTest::newRow("tag") << "<b>bold</b>";
}

void TestColour::captionIsPlainText() {
    QFETCH(QString, caption);
    label->setCaption(caption);
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QCOMPARE(label->caption(), caption);
    // Markup would be swallowed and show narrower than the characters typed.
    QVERIFY(label->sizeHint().width() >= label->fontMetrics().horizontalAdvance(caption));
}

QTEST_MAIN(TestColour)
#include "tst_colour.moc"
