#pragma once
// The undo depth dialog (194): how many edits the undo manager keeps, 0 to
// 200, preset by the caller. Its window needs the numeric edit with its spin
// button, which the controls library does not have yet; until it does,
// DoModal cannot make the window and returns -1.
#include "platform/ui/dialog.h"

class CUndoSettingDlg : public CDialog {
public:
    enum { IDD = 194 };
    explicit CUndoSettingDlg(CWnd* parent = nullptr) : CDialog(IDD, parent) {}

    int m_depth = 5;
};
