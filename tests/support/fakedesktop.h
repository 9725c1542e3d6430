// A desktop for tests: it records what the window asks of it and fails on request, so no test
// opens a real dialog or starts a real program. Print files are really written, into folders a
// test chooses.
#pragma once
#include "platform/desktop.h"
#include "platform/qtdesktop.h"

#include <QPointer>
#include <QStringList>

class FakeDesktop final : public Desktop {
public:
    std::optional<QLocale::MeasurementSystem> measurement = QLocale::MetricSystem;
    QLocale locale = QLocale::c();
    QString clipboard, programDir, userDir;
    bool programsStart = true, urlsOpen = true, printCommandStarts = true;
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
        return writeFileCompletely(path, contents);
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
