#include "platform/qtdesktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>

#ifdef Q_OS_WIN
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

bool startDetached(const QString& program, WindowStyle style) {
    QProcess process;
    process.setProgram(program);
#ifdef Q_OS_WIN
    process.setCreateProcessArgumentsModifier([style](QProcess::CreateProcessArguments* args) {
        args->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
        args->startupInfo->wShowWindow =
            style == WindowStyle::MinimizedWithFocus ? SW_SHOWMINIMIZED : SW_SHOWNORMAL;
    });
#else
    // X11 and Wayland let a window manager, not the starting program, decide how a window opens.
    Q_UNUSED(style);
#endif
    return process.startDetached();
}

} // namespace

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
            return startDetached(path, style);
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
    return measurementSystemOf(QLocale::system());
}

QLocale QtDesktop::numberLocale() {
    return QLocale::system();
}

bool QtDesktop::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}
