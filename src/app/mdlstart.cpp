#include "app/mdlstart.h"

#include "app/mainwindow.h"
#include "platform/qtdesktop.h"

void mdlStart::Main() {
    static QtDesktop desktop;
    // The window deletes itself on Close; the event loop ends with it.
    Form1* form = createMainWindow(desktop).release();
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->Show();
}
