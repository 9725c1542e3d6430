// The desktop's own half of the desktop services: other programs started as processes, the print
// command among them, which is watched only so that a failure it reports reaches the user, and
// message boxes that wait in an event loop of their own.
#include "platform/qtdesktop.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <vector>

#ifdef Q_OS_WIN
#include <memory>
#include <string>
#include <windows.h>
#endif

namespace {

struct StandIn {
    const char* windowsProgram;
    QStringList programs;
};

// Where no Windows program exists, the first of these found on the search path takes its place.
const StandIn standIns[] = {
    {"calc.exe", {"gnome-calculator", "kcalc", "galculator", "qalculate-gtk", "mate-calc", "xcalc"}},
};

bool startDetached(const QString& program, const QString& commandLine, WindowStyle style) {
    QProcess process;
    process.setProgram(program);
#ifdef Q_OS_WIN
    startWithCommandLine(process, commandLine, style);
#else
    // X11 and Wayland let a window manager, not the starting program, decide how a window opens.
    Q_UNUSED(commandLine);
    Q_UNUSED(style);
#endif
    return process.startDetached();
}

// The system's print command for a file, or nothing when it is not installed.
QProcess* printCommandFor(const QString& path) {
#ifdef Q_OS_WIN
    const QString editor = QStandardPaths::findExecutable(QStringLiteral("Notepad.exe"));
    if (editor.isEmpty())
        return nullptr;
    auto* process = new QProcess;
    process->setProgram(editor);
    // The editor takes everything after "/p" as the file name, blanks included, unquoted.
    startWithCommandLine(*process, QStringLiteral("Notepad.exe /p") + QDir::toNativeSeparators(path),
                         WindowStyle::MinimizedWithFocus);
#else
    // CUPS prints to the default printer; lp hands the job over to the scheduler and ends.
    const QString lp = QStandardPaths::findExecutable(QStringLiteral("lp"));
    if (lp.isEmpty())
        return nullptr;
    auto* process = new QProcess;
    process->setProgram(lp);
    process->setArguments({path});
#endif
    // lp's receipt is of no use here, and a closed output must not make it fail; its errors are kept.
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    return process;
}

// Print commands still handing their job over. One still running when the program ends is left
// to finish on its own, so its QProcess is never deleted: it stays on this list, owned, not lost.
std::vector<QProcess*>& runningPrintCommands() {
    static auto* running = new std::vector<QProcess*>;
    return *running;
}

} // namespace

#ifdef Q_OS_WIN
void startWithCommandLine(QProcess& process, const QString& commandLine, WindowStyle style) {
    // The program found on the search path is the one started, whatever the command line names.
    // CreateProcess may write into the command line, so it gets a copy of its own; both copies
    // live as long as the process object's modifier.
    auto program = std::make_shared<std::wstring>(QDir::toNativeSeparators(process.program()).toStdWString());
    auto arguments = std::make_shared<std::wstring>(commandLine.toStdWString());
    process.setCreateProcessArgumentsModifier(
        [program, arguments, style](QProcess::CreateProcessArguments* args) {
            args->applicationName = program->c_str();
            args->arguments = arguments->data();
            args->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
            // Minimized with the focus, which SW_SHOWMINIMIZED is; SW_MINIMIZE would give it away.
            args->startupInfo->wShowWindow =
                style == WindowStyle::MinimizedWithFocus ? SW_SHOWMINIMIZED : SW_SHOWNORMAL;
        });
}
#endif

QStringList standInsFor(const QString& commandLine) {
#ifdef Q_OS_WIN
    return {commandLine};
#else
    for (const StandIn& standIn : standIns) {
        if (commandLine.compare(QLatin1String(standIn.windowsProgram), Qt::CaseInsensitive) == 0)
            return standIn.programs;
    }
    return {commandLine};
#endif
}

bool QtDesktop::startProgram(const QString& commandLine, WindowStyle style) {
    for (const QString& program : standInsFor(commandLine)) {
        const QString path = QStandardPaths::findExecutable(program);
        if (!path.isEmpty())
            return startDetached(path, commandLine, style);
    }
    return false;
}

void QtDesktop::messageBox(const QString& text, const QString& caption) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

bool QtDesktop::startPrinting(const QString& path, QObject* receiver, std::function<void()> failed) {
    QProcess* process = printCommandFor(path);
    if (!process)
        return false;
    // Nothing owns the process: were it deleted with the window, closing the window would kill a
    // job that is still being handed over. It deletes itself once it has ended.
    QObject::connect(process, &QProcess::errorOccurred, receiver, [failed](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            failed();
    });
    QObject::connect(process, &QProcess::finished, receiver,
                     [failed](int exitCode, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit || exitCode != 0)
                             failed();
                     });
    QObject::connect(process, &QProcess::errorOccurred, process, [process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            process->deleteLater();
    });
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    runningPrintCommands().push_back(process);
    QObject::connect(process, &QObject::destroyed, process,
                     [process] { std::erase(runningPrintCommands(), process); });
    process->start();
    return true;
}
