#pragma once
// The Connect Curve dialog (241, "Connect"): the smallest angle, in degrees
// from 0 to 180, at which two curve ends meeting at a control point still
// continue each other (a number field with a spin that drags 10 steps of
// 0.001 per pixel), and whether only selected control points are joints.
#include "controls/my_edit.h"
#include "controls/quel_spin.h"
#include "platform/ui/dialog.h"

class CConnectDlg : public CDialog {
public:
    enum { IDD = 241 };
    explicit CConnectDlg(CWnd* parent = nullptr) : CDialog(IDD, parent) {}

    float m_angle = 89.5f;
    int m_selectedOnly = 0;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    const CommandMap& GetCommandMap() const override;

private:
    void OnKillFocusAngle();
    void OnSelectedOnly();

    CMyEdit m_angleEdit;
    CQuelSpin m_angleSpin;
};
