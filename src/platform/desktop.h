// Everything the window asks of the world outside it. The program runs on QtDesktop; tests
// stand in for it, so they can make any of it fail and never open a real dialog or program.
#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QUrl>
#include <functional>
#include <optional>

class QObject;

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

    // Results output: the clipboard, the print file and the print command.
    // Empties the clipboard; false when it could not be reached.
    virtual bool clearClipboard() = 0;
    // Puts the text on the clipboard as Unicode and as 8-bit text; false when it was not placed.
    virtual bool setClipboardText(const QString& text) = 0;
    // The folder that holds the program, spelt with "/" and without a trailing one (except "/").
    virtual QString programFolder() = 0;
    // The user's own writable folder for the program, which may not exist yet; empty when there is none.
    virtual QString userFolder() = 0;
    // Writes the whole file or nothing, creating its folder when missing; false when it failed.
    virtual bool writeFile(const QString& path, const QByteArray& contents) = 0;
    // Starts the system's print command on a file and returns at once: false when it could not be
    // started. When the command later ends with an error, `failed` runs, unless `receiver` is gone.
    virtual bool startPrinting(const QString& path, QObject* receiver, std::function<void()> failed) = 0;
    // Web addresses.
    // Hands an address to the desktop's handler for it; false when no handler took it.
    virtual bool openUrl(const QUrl& url) = 0;
};
