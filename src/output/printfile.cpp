#include "output/printfile.h"

#include <QFileInfo>
#include <QStringEncoder>

QString addBackslash(const QString& folder) {
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

bool fileExists(const QString& path) {
    const QFileInfo file(path);
    return file.isFile() && file.size() > 0;
}

QByteArray printFileContents(const QString& report) {
    QStringEncoder encoder(QStringConverter::System);
    return encoder.encode(report + QStringLiteral("\r\n"));
}
