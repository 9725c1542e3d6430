// The real window, loaded and shown on a fake desktop that records what the window asks of it (the
// end-to-end tests prove the real desktop's side); and what a person does to it, each in a bounded
// number of steps.
#pragma once
#include "app/mainwindow.h"
#include "platform/desktop.h"

#include <QApplication>
#include <QTest>

struct FakeDesktop final : Desktop {
    std::optional<QLocale::MeasurementSystem> measurement;
    QLocale locale;
    QString clipboard = "old", said;
    // 1: the clipboard can only be emptied; 0: not even that.
    int clipboardWorks = 2, printed = 0;

    bool startProgram(const QString&, WindowStyle) override { return false; }
    void messageBox(const QString& text, const QString&) override { said += text; }
    std::optional<QLocale::MeasurementSystem> measurementSystem() override { return measurement; }
    QLocale numberLocale() override { return locale; }
    bool clearClipboard() override { return clipboardWorks && (clipboard.clear(), true); }
    bool setClipboardText(const QString& text) override {
        return clipboardWorks > 1 && (clipboard = text, true);
    }
    QString programFolder() override { return "/nowhere"; }
    QString userFolder() override { return {}; }
    bool writeFile(const QString&, const QByteArray&) override { return true; }
    bool startPrinting(const QString&, QObject*, std::function<void()>) override { return ++printed; }
    bool openUrl(const QUrl&) override { return false; }
};

struct Window {
    FakeDesktop desktop;
    std::unique_ptr<Form1> form;

    explicit Window(std::optional<QLocale::MeasurementSystem> measurement = QLocale::MetricSystem,
                    const QLocale& locale = QLocale::c()) {
        desktop.measurement = measurement;
        desktop.locale = locale;
        form = createMainWindow(desktop);
        form->Show();
        QApplication::setActiveWindow(form.get());
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    Form1* operator->() const { return form.get(); }
};

inline QWidget* focused() {
    QWidget* popup = QApplication::activePopupWidget();
    return popup ? popup->focusWidget() : QApplication::focusWidget();
}
// Keys as a person presses them, one after another ("End, Shift+Tab, Ctrl+Z"), each to what has the
// focus at that moment: an open list, else the control in focus.
inline void press(const QString& keys) {
    for (const QString& one : keys.split(u','))
        QTest::keySequence(focused(), QKeySequence(one.trimmed()));
}
inline void click(QWidget* control, QPoint at = {}) {
    QTest::mouseClick(control, Qt::LeftButton, {}, at);
}

// Clicks a spin button's up arrow (n > 0) or down arrow (n < 0) |n| times, a pixel inside its end.
inline void arrow(QScrollBar* spin, int n = 1) {
    for (int i = 0; i < std::abs(n); ++i)
        click(spin, {spin->width() / 2, n > 0 ? 1 : spin->height() - 2});
}

// What a control shows: a label its caption, a box its text, a list its item.
inline QString shown(const QWidget* c) {
    if (const auto* label = qobject_cast<const Label*>(c))
        return label->caption();
    const auto* list = qobject_cast<const QComboBox*>(c);
    return list ? list->currentText() : qobject_cast<const QLineEdit*>(c)->text();
}

// Clicks the arrows until the label beside the spin button shows the number wanted.
inline void spinTo(QScrollBar* spin, const Label* label, int wanted) {
    const auto number = [label] { return label->caption().section(u' ', 0, 0).toInt(); };
    for (int i = 0; i < 300 && number() != wanted; ++i)
        arrow(spin, number() < wanted ? 1 : -1);
}
inline void setMix(Window& w, const QList<int>& percents) {
    for (int row = 0; row < percents.size(); ++row)
        spinTo(w->vscrInPercent[row], w->lblPercentIn[row], percents[row]);
}

// Picks a list's item with the arrow keys, as a person does with the list in focus.
inline void pick(DropDownList* list, int index) {
    list->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < list->listCount() && list->listIndex() != index; ++i)
        QTest::keyClick(list, list->listIndex() < index ? Qt::Key_Down : Qt::Key_Up);
}

// Tabs into the box and types over its text, any characters at all, as an input method hands them over.
inline void type(QLineEdit* box, const QString& text) {
    box->setFocus(Qt::TabFocusReason);
    QTest::keySequence(box, QKeySequence::SelectAll);
    QTest::sendKeyEvent(QTest::Click, box, text.isEmpty() ? Qt::Key_Backspace : Qt::Key_unknown, text, {});
}

// Colours by their names: the numbers a person's eye tells apart, the system colours by their role.
inline QString named(Colour colour) {
    static const QHash<std::uint32_t, QString> names{
        {0x00FFFF, "yellow"},   {0x0000FF, "red"},    {0xFF0000, "blue"},  {0xE0E0E0, "grey"},
        {0x80000005, "window"}, {0x8000000F, "face"}, {0x80000008, "text"}};
    return names.value(colour.value(), QString::number(colour.value(), 16));
}
inline QString back(const QWidget* c) {
    if (const auto* label = qobject_cast<const Label*>(c))
        return named(label->backColor());
    const auto* box = qobject_cast<const TextBox*>(c);
    return named(box ? box->backColor() : qobject_cast<const DropDownList*>(c)->backColor());
}
inline QString fore(const QWidget* c) {
    return named(qobject_cast<const Label*>(c)->foreColor());
}

// What a row of controls shows, or their colours, joined by "|".
using Controls = QList<const QWidget*>;
template <typename Row = Controls> QString joined(const Row& row, QString (*what)(const QWidget*) = shown) {
    QStringList all;
    for (const QWidget* c : row)
        all << what(c);
    return all.join(u'|');
}
