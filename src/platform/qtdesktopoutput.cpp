// The real desktop's part in the results output: the system clipboard, the print file and the
// print command, which is watched only so that a failure it reports reaches the user.
#include "platform/qtdesktop.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <vector>

namespace {

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

bool QtDesktop::clearClipboard() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    clipboard->clear();
    return true;
}

bool QtDesktop::setClipboardText(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    // Qt offers plain text as UTF8_STRING and as Latin-1 STRING on X11, as CF_UNICODETEXT and
    // CF_TEXT on Windows, each 8-bit form with "?" for what its character set lacks.
    clipboard->setText(text);
    return clipboard->text() == text;
}

QString QtDesktop::programFolder() {
    return QCoreApplication::applicationDirPath();
}

QString QtDesktop::userFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
}

bool writeFileCompletely(const QString& path, const QByteArray& contents) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(contents) != contents.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool QtDesktop::writeFile(const QString& path, const QByteArray& contents) {
    return writeFileCompletely(path, contents);
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
