// Which of Qt's focus changes the window treats as a control gaining or losing the focus.
#pragma once

#include <Qt>

// Switching to another program or opening a list's popup moves no focus within the window,
// so neither counts: the control that had the focus still has it when the user comes back.
inline bool movesFocusWithinWindow(Qt::FocusReason reason) {
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}
