// The clipboard as Copy uses it: emptied, then given the text. Each call reaches the clipboard
// once and lets go of it; a failure is reported as false and never raised.
#pragma once

#include <QString>

class Desktop;

class CClipboard {
public:
    explicit CClipboard(Desktop& desktop)
        : m_desktop(desktop) {}

    bool Clear();
    // True when the text was placed; what Clear removed stays gone either way.
    bool SetText(QString NewVal);

private:
    Desktop& m_desktop;
};
