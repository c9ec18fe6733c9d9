#pragma once
// The array dialog (209): how many copies (1 to 1000) and, per copy, the
// rotation in degrees (-360 to 360), scale factors and translation (-1000 to
// 1000) that the next copy adds.
#include "model/vector3.h"
#include "platform/ui/dialog.h"

class CArrayDlg : public CDialog {
public:
    enum { IDD = 209 };
    explicit CArrayDlg(CWnd* parent = nullptr) : CDialog(IDD, parent) {}

    int m_count = 5;
    CVector3 m_rotate{0.0f, 0.0f, 0.0f};
    CVector3 m_scale{1.0f, 1.0f, 1.0f};
    CVector3 m_translate{0.0f, 0.0f, 0.0f};
};
