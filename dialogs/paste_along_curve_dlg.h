#pragma once
// The paste-along-curve dialog (134): paste a copy of the clipboard on every
// point of the selected curve, or at a number of points dividing the curve
// (2 to 100). Its window needs the numeric edit with its spin button, which
// the controls library does not have yet; until it does, DoModal cannot make
// the window and returns -1.
#include "platform/ui/dialog.h"

class CPasteAlongCurveDlg : public CDialog {
public:
    enum { IDD = 134 };
    enum Mode { pasteOnPoints = 0, pasteAtSubdivisions = 1 };
    explicit CPasteAlongCurveDlg(CWnd* parent = nullptr) : CDialog(IDD, parent) {}

    int m_mode = pasteOnPoints;
    int m_subdivision = 2;
};
