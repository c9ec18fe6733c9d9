#pragma once
// The extrude-along-curve dialog (132): the radius (0.01 to 100) of the
// circle swept along the selected curve.
#include "platform/ui/dialog.h"

class CExtrudeCurveDlg : public CDialog {
public:
    enum { IDD = 132 };
    explicit CExtrudeCurveDlg(CWnd* parent = nullptr) : CDialog(IDD, parent) {}

    float m_radius = 1.0f;
};
