#include "output/cclipboard.h"

#include "platform/desktop.h"

bool CClipboard::Clear() {
    return m_desktop.clearClipboard();
}

bool CClipboard::SetText(QString NewVal) {
    return m_desktop.setClipboardText(NewVal);
}
