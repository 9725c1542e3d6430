// Copy and Print: the results report of the fuel page in front, onto the clipboard or through
// the print file to the system's print command.
#pragma once

#include "window/formcontrols.h"

#include <QObject>

class ResultsOutput : public QObject {
    Q_OBJECT
public:
    explicit ResultsOutput(FormControls& form);

private:
    void cmdCopy_Click();
    void cmdPrint_Click();
    // The full path of the print file holding the report, or empty when none could be written.
    QString writePrintFile(const QString& report);
    void cantPrint();

    FormControls& f;
};
