// What the tests share: a desktop that records what the window asks of it and fails on request,
// so no test opens a real dialog or starts a real program (print files are really written, into
// folders a test chooses); the real window loaded and shown on the offscreen screen; the arrow
// click; and the reading of characters a table cannot hold plainly.
#pragma once
#include "app/mainwindow.h"
#include "platform/desktop.h"
#include "platform/qtdesktop.h"

#include <QApplication>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>

class FakeDesktop final : public Desktop {
public:
    std::optional<QLocale::MeasurementSystem> measurement = QLocale::MetricSystem;
    QLocale locale = QLocale::c();
    QString clipboard, programDir, userDir;
    bool programsStart = true, urlsOpen = true, printCommandStarts = true, filesWrite = true;
    bool clipboardReachable = true, clipboardTakesText = true; // the latter false: only emptying works
    // "Calc.exe minimized" for each program started, "caption: text" for each message box shown.
    QStringList startedPrograms, messages, printedFiles, openedUrls;
    std::function<void()> endPrintWithError; // ends the last print command as a failing one would

    bool startProgram(const QString& commandLine, WindowStyle style) override {
        if (programsStart)
            startedPrograms << commandLine + (style == WindowStyle::MinimizedWithFocus ? " minimized" : " normal");
        return programsStart;
    }
    void messageBox(const QString& text, const QString& caption) override { messages << caption + ": " + text; }
    std::optional<QLocale::MeasurementSystem> measurementSystem() override { return measurement; }
    QLocale numberLocale() override { return locale; }
    bool clearClipboard() override {
        if (clipboardReachable)
            clipboard.clear();
        return clipboardReachable;
    }
    bool setClipboardText(const QString& text) override {
        if (clipboardReachable && clipboardTakesText)
            clipboard = text;
        return clipboardReachable && clipboardTakesText;
    }
    QString programFolder() override { return programDir; }
    QString userFolder() override { return userDir; }
    bool writeFile(const QString& path, const QByteArray& contents) override {
        return filesWrite && writeFileCompletely(path, contents);
    }
    bool startPrinting(const QString& path, QObject* receiver, std::function<void()> failed) override {
        if (printCommandStarts) {
            printedFiles << path;
            endPrintWithError = [receiver = QPointer<QObject>(receiver), failed] {
                if (receiver)
                    failed();
            };
        }
        return printCommandStarts;
    }
    bool openUrl(const QUrl& url) override {
        openedUrls << url.toString();
        return urlsOpen;
    }
};

inline std::unique_ptr<Form1> showWindow(FakeDesktop& desktop) {
    auto form = createMainWindow(desktop);
    form->Show();
    QApplication::setActiveWindow(form.get());
    if (!QTest::qWaitForWindowActive(form.get()))
        qFatal("the window never became active");
    return form;
}

// Clicks a spin button's up (or left) arrow or its down (or right) one, a pixel inside its end,
// as a person does with the mouse.
inline void clickArrow(QScrollBar* spin, bool up) {
    const QPoint end = up ? QPoint(1, 1) : QPoint(spin->width() - 2, spin->height() - 2);
    const bool across = spin->orientation() == Qt::Horizontal;
    QTest::mouseClick(spin, Qt::LeftButton, {}, across ? QPoint(end.x(), spin->height() / 2) : QPoint(spin->width() / 2, end.y()));
}

// "\u0663" is that character, "{7*3}" three sevens, \r and \n line breaks.
inline QString unescaped(const QString& text) {
    static const QRegularExpression code(QStringLiteral(R"(\\u(\w{4})|\{(.)\*(\d+)\}|\\r|\\n)"));
    QString out;
    qsizetype from = 0;
    for (const auto& m : code.globalMatch(text)) {
        out += text.mid(from, m.capturedStart() - from) +
               (m.hasCaptured(1) ? QString(QChar(m.captured(1).toUShort(nullptr, 16)))
                : m.hasCaptured(2) ? QString(m.captured(3).toInt(), m.captured(2)[0])
                                   : QString(m.captured() == "\\r" ? u'\r' : u'\n'));
        from = m.capturedEnd();
    }
    return out + text.mid(from);
}
