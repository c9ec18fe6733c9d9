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
#include "materials/material_element_panel.h"
#include "shell/tree_page.h"

#include <memory>
#include <vector>

class CMaterialPage : public CTreePage,
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

    // The panel shown, null when none is.
    CMaterialElementPanel* GetCurrentPanel() const;
    // The panel of the kind; null when the kind has none.
    CMaterialElementPanel* FindPanel(int kind) const;

protected:
    BOOL OnInitDialog() override;
    void OnDestroy() override;
    const CommandMap& GetCommandMap() const override;

private:
    void MakePanels();
    // The kind of the selected item; -1 without a selection.
    int GetSelectedKind() const;
    // Selects the material of the selected item and shows the item's panel.
    void UpdateSelection() override;
    HTREEITEM FindMaterialItem(const CString& name) const;
    void OnNew();
    void OnCopy();
    void OnDelete();
    void OnEtcMenu();

    // The panels, made hidden when the page is; the entries (keyword and
    // kind) point at them, in the order of MaterialPanels().
    std::vector<std::unique_ptr<CMaterialElementPanel>> m_panels;
};
