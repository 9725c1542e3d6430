// The print file: where it goes, what it holds, and whether one is there to print.
#pragma once

#include <QByteArray>
#include <QString>

inline const QString printFileName = QStringLiteral("prlog.txt");

// The folder made to end in its separator. Qt spells folders with "/" on every platform (the
// platform layer writes the native "\\" where a command line needs it), so "/" is the one added.
QString addBackslash(const QString& folder);

// True when the file is there and not empty; never fails otherwise.
bool fileExists(const QString& path);

// The report and one CR LF in the system's text encoding: UTF-8 on Linux and macOS, so that any
// separator or additive name prints as shown, and the ANSI code page on Windows.
QByteArray printFileContents(const QString& report);
