// The real desktop: programs, message boxes and locale through Qt. A desktop build starts programs
// as processes (qtdesktopprograms.cpp); in a browser, which starts none, the page stands in for
// them (qtdesktopbrowser.cpp).
#pragma once

#include "platform/desktop.h"

#include <QStringList>

class QProcess;

class QtDesktop final : public Desktop {
public:
    bool startProgram(const QString& commandLine, WindowStyle style) override;
    void messageBox(const QString& text, const QString& caption) override;
    std::optional<QLocale::MeasurementSystem> measurementSystem() override;
    QLocale numberLocale() override;

    // Results output.
    bool clearClipboard() override;
    bool setClipboardText(const QString& text) override;
    QString programFolder() override;
    QString userFolder() override;
    bool writeFile(const QString& path, const QByteArray& contents) override;
    bool startPrinting(const QString& path, QObject* receiver, std::function<void()> failed) override;
    bool openUrl(const QUrl& url) override;
};

// Writes a file through a temporary one that replaces it only once complete, creating its folder.
bool writeFileCompletely(const QString& path, const QByteArray& contents);

// The programs that stand in for a Windows command line on this desktop, most wanted first.
QStringList standInsFor(const QString& commandLine);

#ifdef Q_OS_WIN
// Has `process` start its program with `commandLine` as the whole command line the program sees
// ("Notepad.exe /p" and a path, not the quoted full path and arguments Qt would make), in the
// window style.
void startWithCommandLine(QProcess& process, const QString& commandLine, WindowStyle style);
#endif

// The measurement system a locale declares; the C locale declares none.
std::optional<QLocale::MeasurementSystem> measurementSystemOf(const QLocale& locale);
