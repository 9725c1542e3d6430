// A desktop for tests: it records what the window asks of it and fails on request, so no test
// opens a real dialog or starts a real program.
#pragma once

#include "platform/desktop.h"

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

    // Web addresses: recorded, and opened or refused on request.
    bool urlsOpen = true;
    QList<QUrl> openedUrls;
    bool openUrl(const QUrl& url) override {
        openedUrls << url;
        return urlsOpen;
    }
};
