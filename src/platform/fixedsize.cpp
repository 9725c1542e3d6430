#include "platform/fixedsize.h"

#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

void keepFixedSize(QWidget* window) {
    // On X11 the window manager leaves a fixed size alone. On Wayland Qt draws the title bar itself
    // and always gives it a maximize button, and a compositor that maximizes a window requires
    // frames of the size it hands out: one frame of the fixed size ends the program. So the window
    // takes that size for one frame and at once asks to be itself again, fixed once it is back.
    if (QGuiApplication::platformName() != QLatin1String("wayland"))
        return;
    const QSize size = window->size();
    QWindow* handle = window->windowHandle();
    // Before the compositor's size is applied, which follows this signal at once.
    QObject::connect(
        handle, &QWindow::windowStateChanged, window,
        [window](Qt::WindowState state) {
            if (state == Qt::WindowMaximized) {
                window->setMinimumSize(0, 0);
                window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
                QTimer::singleShot(0, window, [window] { window->setWindowState(Qt::WindowNoState); });
            }
        },
        Qt::DirectConnection);
    // Queued, so that the window has taken its new size when it is compared.
    QObject::connect(
        handle, &QWindow::heightChanged, window,
        [window, size] {
            if (!(window->windowState() & Qt::WindowMaximized) && window->size() == size)
                window->setFixedSize(size);
        },
        Qt::QueuedConnection);
}
