// The browser's own half of the desktop services. A web page can start no program: the calculator
// cannot be opened, and the print file goes to the browser's print dialog instead of a print
// command. Nor can a page wait in an event loop of its own, so a message box returns at once.
#include "platform/qtdesktop.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>

#include <emscripten.h>

namespace {

// Makes the file's text the only thing on the printed page and opens the print dialog; where the
// browser has no print dialog, or it fails, hands the file to the user as a download instead.
// 0 when neither worked.
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
            // A page shows the CR of the file's CR LF as a blank before each line break.
            sheet.textContent = new TextDecoder().decode(data).replace(/\r\n/g, '\n');
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

} // namespace

bool QtDesktop::startProgram(const QString& commandLine, WindowStyle style) {
    Q_UNUSED(commandLine);
    Q_UNUSED(style);
    return false;
}

void QtDesktop::messageBox(const QString& text, const QString& caption) {
    // Modal to the window all the same; it deletes itself once the user has closed it.
    auto* box = new QMessageBox(QMessageBox::NoIcon, caption, text, QMessageBox::Ok,
                                QApplication::activeWindow());
    box->setAttribute(Qt::WA_DeleteOnClose);
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
