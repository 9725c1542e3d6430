// A desktop for tests: it records what the window asks of it and fails on request, so no test
// opens a real dialog or starts a real program.
#pragma once

#include "platform/desktop.h"
#include "platform/qtdesktop.h"

#include <QPointer>
#include <QStringList>

class FakeDesktop final : public Desktop {
public:
    std::optional<QLocale::MeasurementSystem> measurement = QLocale::MetricSystem;
    QLocale locale = QLocale::c();
    bool programsStart = true;

    QStringList startedPrograms;
    QList<WindowStyle> startedStyles;
    QStringList messages; // "caption: text" for each message box shown

    bool startProgram(const QString& commandLine, WindowStyle style) override {
        if (!programsStart)
            return false;
        startedPrograms << commandLine;
        startedStyles << style;
        return true;
    }
    void messageBox(const QString& text, const QString& caption) override {
        messages << caption + QStringLiteral(": ") + text;
    }
    std::optional<QLocale::MeasurementSystem> measurementSystem() override { return measurement; }
    QLocale numberLocale() override { return locale; }

    // Results output. The print file is really written, into folders a test chooses.
    QString clipboard;
    bool clipboardReachable = true;
    QString programDir, userDir;
    bool printCommandStarts = true;
    QStringList printedFiles;
    std::function<void()> endPrintWithError; // ends the last print command as a failing one would

    bool clearClipboard() override {
        if (clipboardReachable)
            clipboard.clear();
        return clipboardReachable;
    }
    bool setClipboardText(const QString& text) override {
        if (clipboardReachable)
            clipboard = text;
        return clipboardReachable;
    }
    QString programFolder() override { return programDir; }
    QString userFolder() override { return userDir; }
    bool writeFile(const QString& path, const QByteArray& contents) override {
        return writeFileCompletely(path, contents);
    }
    bool startPrinting(const QString& path, QObject* receiver, std::function<void()> failed) override {
        if (!printCommandStarts)
            return false;
        printedFiles << path;
        endPrintWithError = [receiver = QPointer<QObject>(receiver), failed] {
            if (receiver)
                failed();
        };
        return true;
    }

    // Web addresses: recorded, and opened or refused on request.
    bool urlsOpen = true;
    QList<QUrl> openedUrls;
    bool openUrl(const QUrl& url) override {
        openedUrls << url;
        return urlsOpen;
    }
};
