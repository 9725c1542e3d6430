// Process entry: the Qt application, then the start routine, then the event loop.
#include "app/mdlstart.h"
#include "version.h"

#include <QApplication>
#include <QDirIterator>
#include <QFontDatabase>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rotorix"));
    QApplication::setApplicationVersion(QStringLiteral(ROTORIX_VERSION));
    // The faces a build carries with it, before the window looks for its own among the installed
    // ones: a web page sees none of the system's. A desktop build carries none.
    for (QDirIterator faces(QStringLiteral(":/faces"), QDir::Files); faces.hasNext();)
        QFontDatabase::addApplicationFont(faces.next());
    mdlStart::Main();
    return QApplication::exec();
}
