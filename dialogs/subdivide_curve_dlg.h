#pragma once
// The subdivide-curve dialog (200): into how many pieces (2 to 1000) to cut
// the segments of the selected curve, and whether only the selected segment.
#include "platform/ui/dialog.h"

class CSubdivideCurveDlg : public CDialog {
public:
    enum { IDD = 200 };
    explicit CSubdivideCurveDlg(CWnd* parent = nullptr) : CDialog(IDD, parent) {}

    int m_count = 3;
    int m_onlySelectedPart = 0;
};
