// The first floor: an empty Qt window of Rotorix's size and window flags, nothing else.
#include "firstframe.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    bench::endAtFirstFrame(app);
    QWidget window;
    bench::dressLikeRotorix(window);
    window.show();
    return QApplication::exec();
}
