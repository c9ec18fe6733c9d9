#pragma once
// The Connect Curve dialog (241, "Connect"): the smallest angle, in degrees
// from 0 to 180, at which two curve ends meeting at a control point still
// continue each other, and whether only selected control points are joints.
// Its window needs the numeric edit with its spin button, which the controls
// library does not have yet; until it does, DoModal cannot make the window
// and returns -1.
#include "platform/ui/dialog.h"

class CConnectDlg : public CDialog {
public:
    enum { IDD = 241 };
    explicit CConnectDlg(CWnd* parent = nullptr) : CDialog(IDD, parent) {}

    float m_angle = 89.5f;
    int m_selectedOnly = 0;
};
