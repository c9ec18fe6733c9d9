#pragma once
// The AnimationMaster export settings (196, "Setting", English texts in both
// languages): the written magnitudes come from each node's weight
// ("Original") or are two fixed values ("Custom") for smooth and sharp
// nodes, typed in hundredths (-500 to 500) and enabled only in Custom mode.
#include "controls/my_edit.h"
#include "controls/quel_spin.h"
#include "formats/exchange_ui.h"
#include "platform/ui/dialog.h"

class CMdlSettingDlg : public CDialog {
public:
    enum { IDD = 196 };
    explicit CMdlSettingDlg(CWnd* parent = nullptr) : CDialog(IDD, parent) {}

    float m_roundMagnitude = 1.67f;
    float m_peakMagnitude = 0.0f;
    int m_magnitudeMode = mdlMagnitudeOriginal;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    const CommandMap& GetCommandMap() const override;

private:
    void OnModeClicked();
    void OnKillFocusRound();
    void OnKillFocusPeak();

    CMyEdit m_roundEdit;
    CQuelSpin m_roundSpin;
    CMyEdit m_peakEdit;
    CQuelSpin m_peakSpin;
};
