// Everything the window asks of the world outside it. The program runs on QtDesktop; tests
// stand in for it, so they can make any of it fail and never open a real dialog or program.
#pragma once

#include <QLocale>
#include <QString>
#include <QUrl>
#include <optional>

enum class WindowStyle { Normal = 1, MinimizedWithFocus = 2 };

class Desktop {
public:
    virtual ~Desktop() = default;

    // Starts a program named by its Windows command line ("Calc.exe") without waiting for it;
    // false when it could not be started.
    virtual bool startProgram(const QString& commandLine, WindowStyle style) = 0;
    // A modal message with an OK button and no icon.
    virtual void messageBox(const QString& text, const QString& caption) = 0;
    // The user's measurement system, or nothing when the setting cannot be read.
    virtual std::optional<QLocale::MeasurementSystem> measurementSystem() = 0;
    // The locale whose decimal and grouping separators numbers are shown with.
    virtual QLocale numberLocale() = 0;

    // Web addresses.
    // Hands an address to the desktop's handler for it; false when no handler took it.
    virtual bool openUrl(const QUrl& url) = 0;
};
