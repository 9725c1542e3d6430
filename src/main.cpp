// Process entry: the Qt application, then the start routine, then the event loop.
#include "app/mdlstart.h"
#include "version.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rotorix"));
    QApplication::setApplicationVersion(QStringLiteral(ROTORIX_VERSION));
    mdlStart::Main();
    return QApplication::exec();
}
