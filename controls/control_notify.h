#pragma once
// How the custom controls tell their parent that their value changed: a
// WM_COMMAND with the control's id, notification code 0 and no sender, the
// same message a menu command is, so that the parent's ON_BN_CLICKED (id)
// or ON_COMMAND (id) handler runs.
#include "platform/ui/wnd.h"

inline void SendCommandToParent(CWnd& control) {
    if (CWnd* parent = control.GetParent())
        parent->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(control.GetDlgCtrlID()), 0), 0);
}

// Queued: the parent hears of it after the current input was handled.
inline void PostCommandToParent(CWnd& control) {
    if (CWnd* parent = control.GetParent())
        parent->PostMessage(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(control.GetDlgCtrlID()), 0), 0);
}
