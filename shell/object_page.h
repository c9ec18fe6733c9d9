#pragma once
// The "Object" page of the side bar: a tree of every patch object and folder
// under one item "Root" (polygon objects after it), the New, Copy, Delete
// and etc. buttons under it, and below them the panel of the selected item.
// Choosing an item selects its object or folder in the scene; dragging an
// item onto a folder (or Root) moves it there. The rest of the program keeps
// the tree in step through the page's item operations (registered window 27).
#include "app/window_services.h"
#include "shell/folder_info_panel.h"
#include "shell/object_info_panel.h"
#include "shell/object_tree_commands.h"
#include "shell/polygon_panel.h"
#include "shell/tree_page.h"

#include <memory>

class CObjectPage : public CTreePage, public CObjectPageServices {
public:
    enum { IDD = 141 };
    CObjectPage();
    ~CObjectPage() override;
    const char* GetRuntimeClassName() const override { return "CObjectPage"; }

    // The item operations.
    void ResetTree() override;
    void CreatePatchObject() override;
    void AddObjectTreeItem(CBaseObj* obj) override;
    void AddPolygonItem(CBaseObj* polygon) override;
    void RemoveObjectItem(CBaseObj* obj) override;
    void SelectObjectItem(CBaseObj* obj) override;
    void RefreshObjectItem(CBaseObj* obj) override;

    // Selects in the scene what the tree's selected item stands for and
    // shows its panel.
    void UpdateSelection() override;

    // The panel shown: 0 none, else its 1-based place in the page list.
    int GetCurrentPanel() const { return m_currentPanel; }
    // The panel of the entry with the name ("Patch", "Polygon", "Group"); null when there is none.
    CWnd* FindPanel(const char* name) const;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    BOOL OnInitDialog() override;
    void OnDestroy() override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message) override;
    const CommandMap& GetCommandMap() const override;

private:
    // object_page.cpp
    void OnDocNotify(WPARAM wParam, LPARAM code);
    // Gives every item whose text differs from its object's name that name.
    void RenameItems();
    // Deletes the object's item with everything below it; the objects forget their items.
    void DeleteObjectItem(CBaseObj* obj);
    // The tree deletes the items below a deleted one with it: their objects,
    // which the document may have moved elsewhere meanwhile (as an undone
    // insert does before deleting what it added), forget them first.
    void ForgetItemsBelow(HTREEITEM item);
    HTREEITEM InsertItem(CBaseObj* obj, HTREEITEM parent, HTREEITEM after);
    // The item "Root", made first when the tree has none.
    HTREEITEM RootItem();

    // object_page_buttons.cpp
    void ShowCreateMenu();
    void OnUpdateCreate(CCmdUI* ui);
    void OnCreatePatchObject();
    void CreateFolder();
    void OnCopy();
    void OnDelete();
    void OnEtcMenu();

    // object_page_drag.cpp
    void OnBeginDrag(NMHDR* header, LRESULT* result);
    void DragMove(CPoint point);
    void EndDrag(CPoint point);
    // The tree's item under a point of the page, null when none.
    HTREEITEM ItemAt(CPoint pagePoint) const;

    // 0 while an item is inserted again: its selection then repaints nothing.
    int m_treeNotify = 1;
    // Set while an item is deleted to be inserted again: the selection the
    // tree moves meanwhile is not acted on.
    bool m_reinserting = false;
    // Set from a renaming notice until RenameItems gets through: one that
    // ran out of memory is done again at the page's next notice.
    bool m_renamePending = false;
    CImageList m_images;
    // The page list's entries point at these, in the order "Patch", "Polygon", "Group".
    CObjectInfoPanel m_objectPanel;
    CPolygonPanel m_polygonPanel;
    CFolderInfoPanel m_folderPanel;

    int m_dragging = 0;
    std::unique_ptr<CImageList> m_dragImages;
    CBaseObj* m_dragObject = nullptr;
    HTREEITEM m_dragItem = nullptr;

    CObjectTreeCommands m_commands;
};
