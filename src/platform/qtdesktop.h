// The real desktop: programs, message boxes and locale through Qt.
#pragma once

#include "platform/desktop.h"

#include <QStringList>

class QtDesktop final : public Desktop {
public:
    bool startProgram(const QString& commandLine, WindowStyle style) override;
    void messageBox(const QString& text, const QString& caption) override;
    std::optional<QLocale::MeasurementSystem> measurementSystem() override;
    QLocale numberLocale() override;
    bool openUrl(const QUrl& url) override;
};

// The programs that stand in for a Windows command line on this platform, most wanted first.
QStringList standInsFor(const QString& commandLine);

// The measurement system a locale declares; the C locale declares none.
std::optional<QLocale::MeasurementSystem> measurementSystemOf(const QLocale& locale);
