// The object page's buttons and the menus they open.
#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "platform/ui/frame_wnd.h"
#include "platform/ui/menu.h"
#include "resources/resource_tables.h"
#include "shell/object_page.h"
#include "shell/object_page_ids.h"

namespace {

// A submenu of the pane popup menu of the interface language; false when it is missing.
bool LoadPaneSubmenu(CMenu& menu, int position, CMenu*& popup) {
    if (!menu.LoadMenu(IsEnglish() ? IDR_PANE_MENU_EN : IDR_PANE_MENU_JA))
        return false;
    popup = menu.GetSubMenu(position);
    return popup != nullptr;
}

} // namespace

void CObjectPage::ShowCreateMenu() {
    CMenu menu;
    CMenu* popup = nullptr;
    if (!LoadPaneSubmenu(menu, kCreateObjectSubmenu, popup))
        return;
    // The command bar's button asking for this menu has it open at its own place.
    const CQuelDoc* doc = GetDoc();
    if (doc && doc->m_popupAnchorActive) {
        const CRect& anchor = doc->m_popupAnchorRect;
        popup->TrackPopupMenu(TPM_RIGHTALIGN | TPM_RIGHTBUTTON, anchor.left, anchor.top, this);
        return;
    }
    CRect button;
    m_newButton.GetWindowRect(&button);
    popup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, button.left, button.bottom, this);
}

void CObjectPage::OnUpdateCreate(CCmdUI* ui) {
    // The page's own commands: always there to choose.
    ui->Enable(TRUE);
}

void CObjectPage::OnCreatePatchObject() {
    CreatePatchObject();
}

void CObjectPage::CreateFolder() {
    if (CQuelDoc* doc = GetDoc())
        m_commands.CreateFolder(*doc);
}

void CObjectPage::OnCopy() {
    if (CQuelDoc* doc = GetDoc())
        m_commands.CopySelected(*doc);
}

void CObjectPage::OnDelete() {
    if (CQuelDoc* doc = GetDoc())
        m_commands.DeleteSelected(*doc);
}

void CObjectPage::OnEtcMenu() {
    CMenu menu;
    CMenu* popup = nullptr;
    if (!LoadPaneSubmenu(menu, kObjectEtcSubmenu, popup))
        return;
    // Its commands are the main window's.
    CRect button;
    m_etcButton.GetWindowRect(&button);
    popup->TrackPopupMenu(TPM_RIGHTALIGN | TPM_RIGHTBUTTON, button.right, button.bottom, AfxGetMainWnd());
}
