// The first floor: an empty Qt window of Rotorix's size and window flags, nothing else.
#include "firstframe.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    bench::endAtFirstFrame(app);
    QWidget window(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                Qt::WindowCloseButtonHint);
    window.setWindowTitle(QStringLiteral("Rotorix (v1.2.0)"));
    window.setFixedSize(314, 479);
    window.show();
    return QApplication::exec();
}
