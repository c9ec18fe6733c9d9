#pragma once
// The undo depth dialog (194): how many edits the undo manager keeps, 0 to
// 200 (0 keeps none), preset by the caller, in a number field with a spin.
#include "controls/my_edit.h"
#include "controls/quel_spin.h"
#include "platform/ui/dialog.h"

class CUndoSettingDlg : public CDialog {
public:
    enum { IDD = 194 };
    explicit CUndoSettingDlg(CWnd* parent = nullptr) : CDialog(IDD, parent) {}

    int m_depth = 5;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    const CommandMap& GetCommandMap() const override;

private:
    void OnKillFocusDepth();

    CMyEdit m_depthEdit;
    CQuelSpin m_depthSpin;
};
