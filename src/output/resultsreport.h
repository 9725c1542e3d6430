// The results report: the fuel page in front, read back from its captions as they stand and
// joined with fixed texts into the plain text that Copy and Print hand on.
#pragma once

#include "window/formcontrols.h"

#include <QString>

// Empty for a page that has no report.
QString buildResultsReport(const FormControls& f);
