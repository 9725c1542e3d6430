// Every window test is a table of cases in a file: each case shows the real window on a fake
// desktop, makes a person's gestures on controls named as the catalogue names them, and compares
// what the person then sees with the literal texts written beside the gestures. The file format
// is told in the README, under "Window cases".
#include "output/resultsreport.h"
#include "support/window.h"

#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtMath>

namespace {

QString caseFile;
QFont desktopFont; // the application's before any window, which message boxes and tips use
QStringList lines; // the case file's, trimmed
QHash<QString, QString> aliases;

QString yesNo(bool yes) {
    return yes ? QStringLiteral("yes") : QStringLiteral("no");
}

// "lblVolumeOut(0-4).back" names five controls' colours; an alias names what it stands for.
QStringList expand(const QString& text) {
    static const QRegularExpression range(QStringLiteral(R"(^(\w+)\((\d+)-(\d+)\)$)"));
    QStringList names;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        const QString base = word.section(u'.', 0, 0), property = word.mid(base.size());
        const auto m = range.match(base);
        if (aliases.contains(base))
            for (const QString& name : expand(aliases[base]))
                names << name + property;
        else if (m.hasMatch())
            for (int i = m.captured(2).toInt(); i <= m.captured(3).toInt(); ++i)
                names << QStringLiteral("%1(%2)%3").arg(m.captured(1)).arg(i).arg(property);
        else
            names << word;
    }
    return names;
}

QString colourName(Colour colour) {
    static const QHash<std::uint32_t, QString> names{
        {0x00FFFF, "yellow"}, {0x0000FF, "red"},      {0xFF0000, "blue"},    {0xE0E0E0, "grey"},
        {0x0000C0, "darkred"}, {0x80000005, "normal"}, {0x8000000F, "blank"}, {0x80000008, "text"}};
    return names.value(colour.value(), QString::number(colour.value(), 16));
}

QString contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QStringLiteral("(missing)");
}

// An expected text; "@glow-report.txt\r\n" is that file of tests/data and one more line break.
QString expected(const QString& value) {
    if (!value.startsWith(u'@'))
        return unescaped(value);
    const QString name = value.mid(1).section(u'\\', 0, 0);
    return contentsOf(QFileInfo(caseFile).dir().filePath("../data/" + name)) + unescaped(value.mid(name.size() + 1));
}

// The width a control leaves its caption: a push button loses its bevel, a check box its box.
bool captionFits(const QWidget* control) {
    const QStyle* style = control->style();
    if (const auto* label = qobject_cast<const Label*>(control))
        return label->fontMetrics().horizontalAdvance(label->caption()) <= label->contentsRect().width();
    const auto* button = qobject_cast<const QAbstractButton*>(control);
    const int room = qobject_cast<const QCheckBox*>(button)
                         ? button->width() - style->pixelMetric(QStyle::PM_IndicatorWidth) -
                               style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing)
                         : button->width() - 2 * style->pixelMetric(QStyle::PM_ButtonMargin);
    return button->fontMetrics().horizontalAdvance(button->text().remove(u'&')) <= room;
}

struct Case {
    FakeDesktop desktop;
    QTemporaryDir dir;
    std::unique_ptr<Form1> form;
    QString where; // the line of the case file being run, for failure messages
    QStringList changes; // what watched boxes raised: their text at each Change, "click" for a Click

    QString at(const QString& folder) const { return folder == "-" ? QString() : dir.filePath(folder); }

    void start(const QString& options) {
        form.reset();
        desktop.measurement = QLocale::MetricSystem;
        desktop.locale = QLocale::c();
        desktop.clipboard = QStringLiteral("old");
        desktop.programDir = at("program folder");
        desktop.userDir = at("home/.cache/Rotorix");
        QDir().mkpath(desktop.programDir);
        // A folder under a regular file cannot be made, not even by root.
        QFile blocker(at("file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly) && blocker.write("x") == 1);
        for (const QString& option : options.split(u' ', Qt::SkipEmptyParts)) {
            const QString key = option.section(u'=', 0, 0), value = option.section(u'=', 1);
            if (key == "locale")
                desktop.locale = QLocale(value);
            else if (value == "none")
                desktop.measurement.reset();
            else
                desktop.measurement = value == "us"   ? QLocale::ImperialUSSystem
                                      : value == "uk" ? QLocale::ImperialUKSystem
                                                      : measurementSystemOf(QLocale(value));
        }
        form = showWindow(desktop);
    }

    QWidget* find(const QString& name) const {
        QWidget* control = name == "window" ? form.get() : form->findChild<QWidget*>(name);
        return control ? control : (qFatal("%s: no control named %s", qPrintable(where), qPrintable(name)), nullptr);
    }
    static QWidget* focused() {
        QWidget* popup = QApplication::activePopupWidget();
        return popup ? (popup->focusWidget() ? popup->focusWidget() : popup) : QApplication::focusWidget();
    }

    void spinTo(const QString& name, int quantity) {
        // Each spin button shows a constant minus its value.
        auto* spin = static_cast<SpinButton*>(find(name));
        const int base = name.startsWith("vscrTotVol") || name.startsWith("vscrPreInGas") ? 201 : 100;
        while (base - spin->value() != quantity)
            clickArrow(spin, base - spin->value() < quantity);
    }

    // A pointer move at a point of the window, in logical pixels, delivered as the desktop delivers
    // it: to the control under the point, which may pass it on to the window.
    void moveTo(QPointF at) {
        QWidget* child = form->childAt(QPoint(qFloor(at.x()), qFloor(at.y())));
        QWidget* target = child ? child : form.get();
        QMouseEvent move(QEvent::MouseMove, at - QPointF(target->mapTo(form.get(), QPoint(0, 0))),
                         form->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &move);
    }

    void gesture(const QString& item) {
        static const QHash<QString, bool FakeDesktop::*> offs{{"no calculator", &FakeDesktop::programsStart},
            {"no browser", &FakeDesktop::urlsOpen}, {"no clipboard", &FakeDesktop::clipboardReachable},
            {"no clipboard text", &FakeDesktop::clipboardTakesText}, {"no print command", &FakeDesktop::printCommandStarts},
            {"no writing", &FakeDesktop::filesWrite}};
        const QStringList w = item.split(u' ', Qt::SkipEmptyParts);
        const QString& verb = w[0];
        if (verb == "up" || verb == "down")
            for (int n = w.value(2, "1").toInt(); n > 0; --n)
                clickArrow(static_cast<SpinButton*>(find(w[1])), verb == "up");
        else if (verb == "restart") // on a desktop of other options
            start(item.section(u' ', 1));
        else if (verb == "spin")
            spinTo(w[1], w[2].toInt());
        else if (verb == "mix")
            for (int row = 0; row + 1 < w.size(); ++row)
                spinTo(QStringLiteral("vscrInPercent(%1)").arg(row), w[row + 1].toInt());
        else if (verb == "pick") {
            auto* list = static_cast<DropDownList*>(find(w[1]));
            list->setFocus(Qt::TabFocusReason);
            while (list->listIndex() != w[2].toInt())
                QTest::keyClick(list, list->listIndex() < w[2].toInt() ? Qt::Key_Down : Qt::Key_Up);
        } else if (verb == "click") { // at the middle, or that far from the left (right if negative)
            QWidget* target = find(w[1]);
            const int x = w.value(2, "0").toInt();
            QTest::mouseClick(target, Qt::LeftButton, {},
                              w.size() > 2 ? QPoint(x < 0 ? target->width() + x : x, target->height() / 2) : QPoint());
        } else if (verb == "keys")
            QTest::keyClicks(focused(), item.section(u' ', 1));
        else if (verb == "clip")
            QApplication::clipboard()->setText(unescaped(item.section(u' ', 1)));
        else if (verb == "watch") {
            auto* box = static_cast<TextBox*>(find(w[1]));
            QObject::connect(box, &TextBox::change, [this, box] { changes << box->text(); });
            QObject::connect(box, &TextBox::click, [this] { changes << "click"; });
        } else if (verb == "menu") {
            QWidget* target = find(w[1]);
            QContextMenuEvent asked(QContextMenuEvent::Keyboard, {5, 5}, target->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(target, &asked);
        } else if (verb == "focus")
            find(w[1])->setFocus(Qt::TabFocusReason);
        else if (verb == "type") {
            QWidget* box = find(w[1]);
            box->setFocus(Qt::TabFocusReason);
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            const QString text = item.section(u' ', 2);
            if (text.isEmpty())
                QTest::keyClick(box, Qt::Key_Backspace);
            else
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, text, Qt::NoModifier);
        } else if (verb == "key") {
            const QKeyCombination key = QKeySequence::fromString(w.last())[0];
            QTest::keyClick(w.size() > 2 ? find(w[1]) : focused(), key.key(), key.keyboardModifiers());
        } else if (verb == "tabs")
            for (const QString& name : expand(item.section(u' ', 1))) {
                QTest::keyClick(focused(), Qt::Key_Tab);
                QVERIFY2(focused()->objectName() == name, qPrintable(where + focused()->objectName()));
            }
        else if (verb == "move")
            moveTo({w[1].toDouble(), w[2].toDouble()});
        else if (QEvent leave(QEvent::Leave); verb == "leave") // the pointer left the control, or the window
            QApplication::sendEvent(find(w[1]), &leave);
        // An access key presses its button for a moment before the button acts.
        else if (verb == "settle")
            QTRY_VERIFY(std::ranges::none_of(form->findChildren<QPushButton*>(), &QPushButton::isDown));
        else if (verb == "maximize") { // as the title bar Qt draws on Wayland does it; done once back
            QWindow* window = form->windowHandle();
            QSignalSpy states(window, &QWindow::windowStateChanged);
            window->setWindowStates(window->windowStates() ^ Qt::WindowMaximized);
            QTRY_VERIFY(states.size() > 1 && window->windowStates() == Qt::WindowNoState);
        } else if (verb == "wait")
            QTest::qWait(w[1].toInt());
        else if (verb == "folders")
            std::tie(desktop.programDir, desktop.userDir) = std::pair(at(w[1]), at(w[2]));
        else if (const auto off = offs.find(item); off != offs.end())
            desktop.*off.value() = false;
        else if (item == "print fails")
            desktop.endPrintWithError();
        else
            qFatal("%s: no gesture %s", qPrintable(where), qPrintable(item));
    }

    QString layoutProblems() const {
        QStringList problems;
        if (form->minimumSize() != form->maximumSize() || (form->windowFlags() & Qt::WindowMaximizeButtonHint))
            problems << "the window can be resized";
        if (QApplication::font() != desktopFont)
            problems << "the application's font changed";
        QSet<QString> names;
        QSet<int> tabIndexes;
        for (const auto& [control, tabIndex] : form->controls()) {
            const QString name = control->objectName();
            if (names.contains(name) || tabIndexes.contains(tabIndex))
                problems << name + " twice";
            names << name;
            tabIndexes << tabIndex;
            if (!control->parentWidget()->rect().contains(control->geometry()))
                problems << name + " outside its parent";
            if (control->font() != form->font() && !qobject_cast<Label*>(control))
                problems << name + " not in the window's font";
            // An input in sight is on top where it stands, not under a label beside it.
            const QWidget* top = form->childAt(control->mapTo(form.get(), control->rect().center()));
            if ((control->focusPolicy() & Qt::TabFocus) && control->isVisible() && top != control)
                problems << name + " covered";
            const auto* label = qobject_cast<Label*>(control);
            if (!label && !qobject_cast<QAbstractButton*>(control))
                continue;
            if (!captionFits(control))
                problems << name + " too narrow";
            if (!label)
                continue;
            if (label->autoSize() && label->size() != label->sizeHint())
                problems << name + " not sized to its caption";
            // No input may stand over the part of a label its text takes up.
            const QSize text(label->fontMetrics().horizontalAdvance(label->caption()), label->fontMetrics().height());
            const QRect area = QStyle::alignedRect(Qt::LeftToRight, label->alignment(), text, label->contentsRect())
                                   .translated(label->pos());
            for (const QWidget* input : label->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if ((input->focusPolicy() & Qt::TabFocus) && area.intersects(input->geometry()))
                    problems << name + " under " + input->objectName();
        }
        return problems.join(", ");
    }

    QString actual(const QString& target) const {
        const QString name = target.section(u'.', 0, 0), property = target.section(u'.', 1);
        QStringList list;
        if (name == "focus")
            return focused() ? focused()->objectName() : QString();
        if (name == "clipboard")
            return desktop.clipboard;
        if (name == "messages")
            return desktop.messages.join(u'|');
        if (name == "changes")
            return changes.join(u'|');
        if (name == "filled") {
            for (const auto& entry : form->controls())
                if (const auto* box = qobject_cast<QLineEdit*>(entry.control); box && box->isVisible() && !box->text().isEmpty())
                    list << box->objectName() + u'=' + box->text();
            list.sort();
            return list.join(u' ');
        }
        if (name == "started" || name == "opened")
            return (name == "started" ? desktop.startedPrograms : desktop.openedUrls).join(u'|');
        if (name == "printed")
            return QStringList(desktop.printedFiles).replaceInStrings(dir.path() + u'/', QString()).join(u'|');
        if (name == "programfile" || name == "userfile")
            return contentsOf((name == "programfile" ? desktop.programDir : desktop.userDir) + "/prlog.txt");
        if (name == "popup")
            return yesNo(QApplication::activePopupWidget());
        if (name == "report")
            return buildResultsReport(*form);
        if (name == "layout")
            return layoutProblems();
        QWidget* w = find(name);
        const auto* label = qobject_cast<Label*>(w);
        const auto* combo = qobject_cast<DropDownList*>(w);
        if (property.isEmpty()) {
            if (label)
                return label->caption();
            if (const auto* box = qobject_cast<QLineEdit*>(w))
                return box->text();
            if (const auto* button = qobject_cast<QAbstractButton*>(w))
                return button->text();
            return combo ? combo->currentText() : w->windowTitle();
        }
        if (const bool back = property == "back"; back || property == "fore")
            return colourName(label   ? (back ? label->backColor() : label->foreColor())
                              : combo ? (back ? combo->backColor() : combo->foreColor())
                              : qobject_cast<TextBox*>(w) ? static_cast<TextBox*>(w)->backColor()
                                                          : form->backColor());
        if (const auto* box = qobject_cast<QLineEdit*>(w); box && property == "selected")
            return box->selectedText();
        if (const auto* box = qobject_cast<QLineEdit*>(w); box && (property == "caret" || property == "length"))
            return QString::number(property == "caret" ? box->cursorPosition() : box->text().size());
        if (property == "enabled")
            return yesNo(w->isEnabled());
        if (property == "shown")
            return yesNo(w->isVisible());
        if (property == "checked")
            return QString::number(static_cast<CheckBox*>(w)->value());
        if (property == "tip")
            return w->toolTip();
        if (property == "fits")
            return yesNo(captionFits(w));
        if (property == "underline")
            return yesNo(label->fontUnderline());
        if (property == "pointer") {
            const QCursor cursor = w->cursor();
            const QString shape = cursor.shape() == Qt::BitmapCursor
                                      ? QStringLiteral("helicopter %1,%2").arg(cursor.hotSpot().x()).arg(cursor.hotSpot().y())
                                      : cursor.shape() == Qt::ArrowCursor ? "arrow" : "other";
            return label ? QString::number(label->mousePointer()) + u' ' + shape : shape;
        }
        if (property == "geometry")
            return QStringLiteral("%1,%2 %3x%4").arg(w->x()).arg(w->y()).arg(w->width()).arg(w->height());
        if (property == "size")
            return QStringLiteral("%1x%2").arg(w->width()).arg(w->height());
        if (property == "icons") {
            // The icon follows the first painted frame, in the same moment for the eye.
            (void)QTest::qWaitFor([w] { return !w->windowIcon().isNull(); }); // the check below says if not
            for (const QSize size : w->windowIcon().availableSizes())
                list << QString::number(size.width());
            return list.join(u' ');
        }
        if (property == "items") {
            for (int i = 0; i < combo->listCount(); ++i)
                list << combo->itemText(i) + u'=' + QString::number(combo->itemData(i));
            return list.join(u',');
        }
        qFatal("%s: no property %s", qPrintable(where), qPrintable(property));
    }

    // "names = text", one text for all or one per name split by "|"; "name ~ text" for a part.
    void check(const QString& left, QChar op, const QString& right) {
        const QStringList names = expand(left);
        const QStringList values = names.size() > 1 ? right.split(u'|') : QStringList{right};
        QVERIFY2(values.size() == 1 || values.size() == names.size(), qPrintable(where + "texts do not match names"));
        for (int i = 0; i < names.size(); ++i) {
            const QString want = expected(values[values.size() == 1 ? 0 : i]), got = actual(names[i]);
            const bool ok = op == u'~' ? got.contains(want) : got == want;
            QVERIFY2(ok, qPrintable(QStringLiteral("%1%2 shows \"%3\", not \"%4\"")
                                        .arg(where, names[i], got.toHtmlEscaped(), want)
                                        .replace(u'\r', "\\r")
                                        .replace(u'\n', "\\n")));
        }
    }

    void run(const QString& item) {
        if (aliases.contains(item)) { // a named run of gestures and checks
            for (const QString& step : aliases[item].split(QStringLiteral("; ")))
                run(step);
            return;
        }
        static const QRegularExpression assertion(QStringLiteral("^(.+?) ([=~])(?: (.*))?$"));
        if (const auto m = assertion.match(item); m.hasMatch())
            check(m.captured(1), m.captured(2)[0], m.captured(3));
        else
            gesture(item);
    }
};

} // namespace

class TestWindow : public QObject {
    Q_OBJECT

private slots:
    // "[name] options" starts a case; "let name = ..." names a group of controls or a run of steps.
    void cases_data() {
        QTest::addColumn<int>("first");
        if (!QFile::exists(caseFile))
            qFatal("cannot read %s", qPrintable(caseFile));
        lines = contentsOf(caseFile).split(u'\n');
        for (int i = 0; i < lines.size(); ++i) {
            lines[i] = lines[i].trimmed();
            if (lines[i].startsWith(u'['))
                QTest::newRow(qPrintable(lines[i].mid(1, lines[i].indexOf(u']') - 1))) << i;
            else if (lines[i].startsWith("let "))
                aliases[lines[i].section(u' ', 1, 1)] = lines[i].section(" = ", 1);
        }
    }

    void cases() {
        QFETCH(int, first);
        Case c;
        c.start(lines[first].section(u']', 1).trimmed());
        for (int i = first + 1; i < lines.size() && !lines[i].startsWith(u'[') && !QTest::currentTestFailed(); ++i) {
            if (lines[i].isEmpty() || lines[i].startsWith(u'#') || lines[i].startsWith("let "))
                continue;
            c.where = QStringLiteral("%1:%2: ").arg(QFileInfo(caseFile).fileName()).arg(i + 1);
            for (const QString& item : lines[i].split(QStringLiteral("; ")))
                if (!QTest::currentTestFailed())
                    c.run(item);
        }
    }
};

// The first argument names the case file; the rest are Qt Test's own.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QStringList arguments = app.arguments();
    if (arguments.size() < 2)
        qFatal("usage: tst_window FILE.cases [Qt Test options]");
    caseFile = arguments.takeAt(1);
    desktopFont = QApplication::font();
    TestWindow test;
    return QTest::qExec(&test, arguments);
}

#include "cases.moc"
