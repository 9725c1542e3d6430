#include "platform/qtdesktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <QDir>
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

} // namespace

#ifdef Q_OS_WIN
void startWithCommandLine(QProcess& process, const QString& commandLine, WindowStyle style) {
    // The program found on the search path is the one started, whatever the command line names.
    // CreateProcess may write into the command line, so it gets a copy of its own; both copies
    // live as long as the process object's modifier.
    auto program = std::make_shared<std::wstring>(QDir::toNativeSeparators(process.program()).toStdWString());
    auto arguments = std::make_shared<std::wstring>(commandLine.toStdWString());
    process.setCreateProcessArgumentsModifier([program, arguments, style](QProcess::CreateProcessArguments* args) {
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

std::optional<QLocale::MeasurementSystem> measurementSystemOf(const QLocale& locale) {
    if (locale.language() == QLocale::C)
        return std::nullopt;
    return locale.measurementSystem();
}

std::optional<QLocale::MeasurementSystem> QtDesktop::measurementSystem() {
#ifdef Q_OS_WIN
    // Windows' own setting for the user, which QLocale::system() would override with LANG where a
    // shell sets it. The sort-order bits of the locale identifier play no part.
    const LCID locale = MAKELCID(LANGIDFROMLCID(GetUserDefaultLCID()), SORT_DEFAULT);
    const int size = GetLocaleInfoA(locale, LOCALE_IMEASURE, nullptr, 0);
    if (size <= 0)
        return std::nullopt;
    std::string text(size, '\0');
    if (GetLocaleInfoA(locale, LOCALE_IMEASURE, text.data(), size) <= 0)
        return std::nullopt;
    text.resize(text.find('\0'));
    return text == "1" ? QLocale::ImperialUSSystem : QLocale::MetricSystem;
#else
    return measurementSystemOf(QLocale::system());
#endif
}

QLocale QtDesktop::numberLocale() {
    return QLocale::system();
}

bool QtDesktop::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}
