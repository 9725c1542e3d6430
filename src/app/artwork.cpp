#include "app/artwork.h"

#include <QImageReader>

QPixmap artwork(const QString& name) {
    // Loading a picture by file name guesses its format from the content, which loads and asks
    // every image plugin on the system first: a fifth of the start-up's image work and a quarter
    // megabyte of libraries for pictures that are PNG by construction.
    QImageReader reader(QStringLiteral(":/icons/") + name, QByteArrayLiteral("png"));
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}
