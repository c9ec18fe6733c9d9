#pragma once
// The five-point patch dialog (243): whether the selected points may be
// corners of five-sided patches (0), may not (1), or change (2).
#include "platform/ui/dialog.h"

class CFivePointPatchDlg : public CDialog {
public:
    enum { IDD = 243 };
    explicit CFivePointPatchDlg(CWnd* parent = nullptr) : CDialog(IDD, parent) {}

    // A FivePointFlagOp.
    int GetAction() const { return m_action; }

    int m_action = 0;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    const CommandMap& GetCommandMap() const override;

private:
    void OnActionClicked(UINT id);
};
