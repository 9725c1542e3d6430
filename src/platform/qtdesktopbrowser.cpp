// The browser's own half of the desktop services. A web page can start no program: the calculator
// cannot be opened, and the print file goes to the browser's print dialog instead of a print
// command. Nor can a page wait in an event loop of its own, so a message box returns at once.
#include "platform/qtdesktop.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>

#include <emscripten.h>

namespace {

// Makes the file's text the only thing on the printed page and opens the print dialog; where the
// browser has no print dialog, or it fails, hands the file to the user as a download instead.
// 0 when neither worked.
// clang-format off
EM_JS(int, printOrDownload, (const char* name, const char* bytes, int size), {
    const data = HEAPU8.slice(bytes, bytes + size);
    try {
        if (typeof window.print === 'function') {
            let sheet = document.getElementById('rotorix-print');
            if (!sheet) {
                const style = document.createElement('style');
                style.textContent = '@media screen { #rotorix-print { display: none } }' +
                    '@media print { body > :not(#rotorix-print) { display: none !important }' +
                    ' #rotorix-print { display: block; margin: 0; font: 10pt monospace;' +
                    ' white-space: pre-wrap } }';
                document.head.appendChild(style);
                sheet = document.createElement('pre');
                sheet.id = 'rotorix-print';
                document.body.appendChild(sheet);
            }
            // A page shows the CR of the file's CR LF as a blank before each line break. (No
            // backslash escapes here: the build hands this text on through more than one parser.)
            const lineBreak = String.fromCharCode(10);
            sheet.textContent = new TextDecoder().decode(data).split(String.fromCharCode(13) + lineBreak).join(lineBreak);
            window.print();
            return 1;
        }
    } catch (e) {
    }
    try {
        const link = document.createElement('a');
        link.href = URL.createObjectURL(new Blob([data], {type: 'text/plain'}));
        link.download = UTF8ToString(name);
        document.body.appendChild(link);
        link.click();
        link.remove();
        // The download has taken the data by the time anyone could want it again.
        setTimeout(() => URL.revokeObjectURL(link.href), 60000);
        return 1;
    } catch (e) {
        return 0;
    }
});

// The page outlives the program: once the window has closed, the page is told, so that it shows
// something other than a picture of a window that is gone.
EM_JS(void, tellPageClosed, (), { window.dispatchEvent(new Event('rotorixclosed')); });

// Qt paints a message box on its canvas, where a screen reader finds no words; the page's alert
// says them while the box is open.
EM_JS(void, alertPage, (const char* text), { document.getElementById('alert').textContent = UTF8ToString(text); });
// clang-format on

void watchLastWindow() {
    QObject::connect(qApp, &QGuiApplication::lastWindowClosed, qApp, [] { tellPageClosed(); });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchLastWindow)

bool QtDesktop::startProgram(const QString& commandLine, WindowStyle style) {
    Q_UNUSED(commandLine);
    Q_UNUSED(style);
    return false;
}

void QtDesktop::messageBox(const QString& text, const QString& caption) {
    QWidget* window = QApplication::activeWindow();
    // Modal to the window all the same; it deletes itself once the user has closed it.
    auto* box = new QMessageBox(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // The page is no wider than the window, and Qt's own default face in a page is large: in the
    // window's font the text keeps its lines.
    if (window)
        box->setFont(window->font());
    alertPage(text.toUtf8().constData());
    QObject::connect(box, &QDialog::finished, box, [] { alertPage(""); });
    box->open();
}

bool QtDesktop::startPrinting(const QString& path, QObject* receiver, std::function<void()> failed) {
    // The dialog is the browser's, and nothing of how it ends comes back to the page.
    Q_UNUSED(receiver);
    Q_UNUSED(failed);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray contents = file.readAll();
    const QByteArray name = QFileInfo(path).fileName().toUtf8();
    return printOrDownload(name.constData(), contents.constData(), int(contents.size())) != 0;
}
