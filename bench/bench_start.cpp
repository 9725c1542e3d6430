// The program's own start-up, ended at the window's first painted frame: what the start-up
// benchmark times against the two floors.
#include "app/mdlstart.h"
#include "firstframe.h"
#include "version.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    bench::endAtFirstFrame(app);
    QApplication::setApplicationName(QStringLiteral("Rotorix"));
    QApplication::setApplicationVersion(QStringLiteral(ROTORIX_VERSION));
    mdlStart::Main();
    return QApplication::exec();
}
