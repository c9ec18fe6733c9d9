#pragma once
// The shortcut dialog (184): a keyboard picture and four modifier buttons
// choose a key slot, the field names the action bound to it, and the "edit"
// button's menu binds another action to it at once, straight into the
// document's slot table. Actions whose command the program lacks are grey in
// that menu. Nothing is undone on closing.
#include "platform/ui/controls.h"
#include "platform/ui/dialog.h"

class CShortcutDlg : public CDialog {
public:
    enum { IDD = 184 };
    explicit CShortcutDlg(CWnd* parent = nullptr) : CDialog(IDD, parent) {}

    // The name the field shows for an action: "none" outside 0..191.
    static CString GetActionName(int action);

    CButton m_actionButton;
    CString m_assignment;
    int m_keyIndex = 0;
    int m_modifier = 0;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    const CommandMap& GetCommandMap() const override;

private:
    void OnKeyOrModifier(UINT id);
    void UpdateAssignmentText();
    void OnActionMenu();
    void OnActionItem(UINT id);
    void OnUpdateActionItem(CCmdUI* ui);
    // Binds the action to the chosen key and modifier.
    void AssignAction(int action);
};
