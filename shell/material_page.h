#pragma once
// The "Material" page of the side bar (registered window 29): a tree with
// one top-level item per material and, below each, the elements of the
// material; the New, Copy, Delete and etc. buttons under it; and below them
// the panel of the selected item with a level bar that shows how far the
// panel is scrolled. Choosing any item selects the material it belongs to
// and shows the panel of the item's kind (none for a kind without one).
// The panels, made hidden once, call back through CMaterialTreeHost when an
// element's items change; the document's reader, File > Insert and undo
// keep the tree in step through CMaterialPageServices.
#include "app/window_services.h"
#include "controls/level_bar.h"
#include "materials/material_element_panel.h"
#include "platform/base/obj_list.h"
#include "platform/ui/controls.h"
#include "platform/ui/dialog.h"
#include "platform/ui/tree_ctrl.h"
#include "shell/page_entry.h"

#include <memory>
#include <vector>

class CMaterialPage : public CDialog,
                      public CMaterialPageServices,
                      public CMaterialTreeHost,
                      public CMaterialTreeAccess {
public:
    enum { IDD = 148 };
    CMaterialPage();
    ~CMaterialPage() override;
    const char* GetRuntimeClassName() const override { return "CMaterialPage"; }

    // The item operations of the rest of the program. Selecting an item acts
    // as the user's choice: its material becomes the selected one.
    void ResetTree() override;
    ObjTreeItem AddMaterialItem(CMaterialData* mat) override;
    void RemoveMaterialItem(CMaterialData* mat) override;
    void SelectMaterialItem(ObjTreeItem item) override;
    void RenameMaterialItem(const CString& name, const CString& newName) override;

    // What the panels ask about the selected item.
    int GetSelectedParentKind() const override;
    void ChangeSelectedChildren(const MaterialTreeChange& change, const CMaterialData& mat) override;

    // The tree as the material tree model reaches it; item data is the kind.
    ObjTreeItem InsertItem(ObjTreeItem parent, const CString& text, int kind) override;
    void DeleteItem(ObjTreeItem item) override;
    ObjTreeItem GetChildItem(ObjTreeItem item) const override;
    ObjTreeItem GetNextSiblingItem(ObjTreeItem item) const override;
    int GetItemKind(ObjTreeItem item) const override;
    void SortChildItems(ObjTreeItem item) override;

    CTreeCtrl& GetTree() { return m_tree; }
    // The panel shown, null when none is.
    CMaterialElementPanel* GetCurrentPanel() const;
    // The panel of the kind; null when the kind has none.
    CMaterialElementPanel* FindPanel(int kind) const;
    const CLevelBar& GetLevelBar() const { return m_levelBar; }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnVScroll(UINT code, UINT position, CWnd* scrollBar) override;
    void OnDestroy() override;
    // Enter and Escape leave the page alone.
    void OnOK() override {}
    void OnCancel() override {}
    const CommandMap& GetCommandMap() const override;

private:
    void MakePanels();
    // The kind of the selected item; -1 without a selection.
    int GetSelectedKind() const;
    void OnSelChanged(NMHDR* header, LRESULT* result);
    // Selects the material of the selected item and shows the item's panel.
    void UpdateSelection();
    void HidePanels();
    // The level bar follows the current panel's scrolling.
    void UpdateLevelBar();
    CRect PanelRect() const;
    HTREEITEM FindMaterialItem(const CString& name) const;
    void OnNew();
    void OnCopy();
    void OnDelete();
    void OnEtcMenu();

    // The panels, made hidden when the page is; the entries (keyword and
    // kind) point at them, in the order of MaterialPanels().
    std::vector<std::unique_ptr<CMaterialElementPanel>> m_panels;
    CObjList<CPageEntry> m_pageList;
    // 0 when no panel is shown, else the shown entry's position + 1.
    int m_currentPanel = 0;
    CLevelBar m_levelBar;
    CTreeCtrl m_tree;
    CButton m_newButton;
    CButton m_copyButton;
    CButton m_deleteButton;
    CButton m_etcButton;
    CStatic m_panelFrame;
};
