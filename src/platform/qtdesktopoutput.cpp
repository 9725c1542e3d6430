// The real desktop's part in the results output shared by every build: the system clipboard and
// the print file. The print command is each platform's own.
#include "platform/qtdesktop.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <QStandardPaths>

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
