#include "shell/shortcut_dlg.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "platform/ui/frame_wnd.h"
#include "platform/ui/menu.h"
#include "shell/main_frame.h"
#include "shell/shortcut_actions.h"

namespace {

constexpr UINT kActionMenuButton = 1475;
constexpr UINT kAssignmentField = 1063;
constexpr UINT kFirstKey = 1577;
constexpr UINT kLastKey = 1637;
constexpr UINT kFirstModifier = 1613;
constexpr UINT kCtrlShiftModifier = 1710;
constexpr UINT kActionMenu = 189;

const ShortcutMenuItem* FindMenuItem(UINT command) {
    for (const ShortcutMenuItem& item : ShortcutMenuItems())
        if (item.command == command)
            return &item;
    return nullptr;
}

// An action whose command the program lacks would do nothing.
// "None" always clears a binding.
bool IsItemAvailable(const ShortcutMenuItem& item) {
    auto* frame = dynamic_cast<CMainFrame*>(AfxGetMainWnd());
    return item.action < 0 || !frame || frame->IsShortcutActionAvailable(item.action);
}

// Greys the unavailable items of the menu and its submenus before it opens,
// so that no way of choosing reaches them.
void GreyUnavailableItems(CMenu& menu) {
    for (int i = 0; i < menu.GetMenuItemCount(); ++i) {
        if (CMenu* sub = menu.GetSubMenu(i)) {
            GreyUnavailableItems(*sub);
            continue;
        }
        if (const ShortcutMenuItem* item = FindMenuItem(menu.GetMenuItemID(i)))
            menu.EnableMenuItem(static_cast<UINT>(i),
                                MF_BYPOSITION | (IsItemAvailable(*item) ? MF_ENABLED : MF_GRAYED));
    }
}

} // namespace

CString CShortcutDlg::GetActionName(int action) {
    return ShortcutActionName(action);
}

void CShortcutDlg::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, kActionMenuButton, m_actionButton);
    DDX_Text(dx, kAssignmentField, m_assignment);
    DDX_Radio(dx, kFirstKey, m_keyIndex);
    DDX_Radio(dx, kFirstModifier, m_modifier);
}

BOOL CShortcutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    UpdateAssignmentText();
    if (IsEnglish())
        SetWindowText("Edit ShortCut Key");
    return TRUE;
}

const CommandMap& CShortcutDlg::GetCommandMap() const {
    static const CommandMap map = [&base = CDialog::GetCommandMap()] {
        CommandMapFor<CShortcutDlg> m(base);
        // The key buttons' ids run through the modifiers' first three.
        m.OnControlRange(BN_CLICKED, kFirstKey, kLastKey, &CShortcutDlg::OnKeyOrModifier)
            .OnControlRange(BN_CLICKED, kCtrlShiftModifier, kCtrlShiftModifier,
                            &CShortcutDlg::OnKeyOrModifier)
            .OnBnClicked(kActionMenuButton, &CShortcutDlg::OnActionMenu);
        for (const ShortcutMenuItem& item : ShortcutMenuItems())
            m.OnCommandRange(item.command, item.command, &CShortcutDlg::OnActionItem)
                .OnUpdateCommandUI(item.command, &CShortcutDlg::OnUpdateActionItem);
        return CommandMap(m);
    }();
    return map;
}

void CShortcutDlg::OnKeyOrModifier(UINT) {
    UpdateAssignmentText();
}

void CShortcutDlg::UpdateAssignmentText() {
    UpdateData(TRUE);
    const int slot = ShortcutSlotOfKey(m_keyIndex, m_modifier);
    const CQuelDoc* doc = GetDoc();
    if (slot < 0 || !doc)
        return;
    m_assignment = GetActionName(doc->m_shortcutSlots[static_cast<size_t>(slot)]);
    UpdateData(FALSE);
}

void CShortcutDlg::OnActionMenu() {
    CMenu menu;
    if (!menu.LoadMenu(kActionMenu))
        return;
    CMenu* popup = menu.GetSubMenu(0);
    if (!popup)
        return;
    GreyUnavailableItems(*popup);
    CRect button;
    m_actionButton.GetWindowRect(&button);
    popup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, button.right, button.top, this);
}

void CShortcutDlg::OnActionItem(UINT id) {
    if (const ShortcutMenuItem* item = FindMenuItem(id))
        AssignAction(item->action);
}

void CShortcutDlg::OnUpdateActionItem(CCmdUI* ui) {
    const ShortcutMenuItem* item = FindMenuItem(ui->m_nID);
    ui->Enable(item && IsItemAvailable(*item));
}

void CShortcutDlg::AssignAction(int action) {
    UpdateData(TRUE);
    const int slot = ShortcutSlotOfKey(m_keyIndex, m_modifier);
    CQuelDoc* doc = GetDoc();
    if (slot < 0 || !doc)
        return;
    doc->m_shortcutSlots[static_cast<size_t>(slot)] = action;
    UpdateAssignmentText();
}
