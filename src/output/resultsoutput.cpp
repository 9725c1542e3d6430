#include "output/resultsoutput.h"

#include "output/cclipboard.h"
#include "output/printfile.h"
#include "output/resultsreport.h"
#include "platform/desktop.h"

ResultsOutput::ResultsOutput(FormControls& form)
    : QObject(&form)
    , f(form) {
    connect(f.cmdCopy, &QPushButton::clicked, this, &ResultsOutput::cmdCopy_Click);
    connect(f.cmdPrint, &QPushButton::clicked, this, &ResultsOutput::cmdPrint_Click);
}

// A mnemonic clicks its button a moment after the key, by which time the button may have been
// disabled by a page switch; a disabled button must not act.
void ResultsOutput::cmdCopy_Click() {
    if (!f.cmdCopy->isEnabled())
        return;
    // Copy says nothing, whatever the clipboard does: pasting shows what arrived.
    CClipboard clipboard(f.desktop());
    clipboard.Clear();
    clipboard.SetText(buildResultsReport(f));
}

void ResultsOutput::cmdPrint_Click() {
    if (!f.cmdPrint->isEnabled())
        return;
    const QString path = writePrintFile(buildResultsReport(f));
    if (path.isEmpty()) {
        cantPrint();
        return;
    }
    // The print command may start and still fail (no printer, no scheduler); it is not waited for,
    // and the same message follows when it ends with an error. The print file stays either way.
    if (!f.desktop().startPrinting(path, this, [this] { cantPrint(); }))
        cantPrint();
}

QString ResultsOutput::writePrintFile(const QString& report) {
    const QByteArray contents = printFileContents(report);
    // An installed program's folder is seldom the user's to write in; the user's own folder is.
    for (const QString& folder : {f.desktop().programFolder(), f.desktop().userFolder()}) {
        if (folder.isEmpty())
            continue;
        const QString path = addBackslash(folder) + printFileName;
        if (f.desktop().writeFile(path, contents) && fileExists(path))
            return path;
    }
    return {};
}

void ResultsOutput::cantPrint() {
    f.desktop().messageBox(
        QStringLiteral("Cant Print \nSave As Text and print it from your Text (*.txt) Editor"),
        QStringLiteral("Rotorix"));
}
