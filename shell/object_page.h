#pragma once
// The "Object" page of the side bar: a tree of every patch object and folder
// under one item "Root" (polygon objects after it), the New, Copy, Delete
// and etc. buttons under it, and below them the panel of the selected item.
// Choosing an item selects its object or folder in the scene; dragging an
// item onto a folder (or Root) moves it there. The rest of the program keeps
// the tree in step through the page's item operations (registered window 27).
#include "app/window_services.h"
#include "controls/level_bar.h"
#include "platform/base/obj_list.h"
#include "platform/ui/controls.h"
#include "platform/ui/dialog.h"
#include "platform/ui/tree_ctrl.h"
#include "shell/folder_info_panel.h"
#include "shell/object_info_panel.h"
#include "shell/object_tree_commands.h"
#include "shell/page_entry.h"
#include "shell/polygon_panel.h"

#include <array>
#include <memory>

class CObjectPage : public CDialog, public CObjectPageServices {
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
    void UpdateSelection();

    CTreeCtrl& GetTree() { return m_tree; }
    // The panel shown: 0 none, else its 1-based place in the page list.
    int GetCurrentPanel() const { return m_currentPanel; }
    // The panel of the entry with the name ("Patch", "Polygon", "Group"); null when there is none.
    CWnd* FindPanel(const char* name) const;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnSize(UINT type, int cx, int cy) override;
    // A panel scrolled: the level bar follows.
    void OnVScroll(UINT code, UINT position, CWnd* scrollBar) override;
    void OnDestroy() override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message) override;
    // Enter and Escape leave the page alone.
    void OnOK() override {}
    void OnCancel() override {}
    const CommandMap& GetCommandMap() const override;

private:
    // object_page.cpp
    void OnSelChanged(NMHDR* header, LRESULT* result);
    void OnDocNotify(WPARAM wParam, LPARAM code);
    // Gives every item whose text differs from its object's name that name.
    void RenameItems();
    // Deletes the object's item with everything below it; the objects forget their items.
    void DeleteObjectItem(CBaseObj* obj);
    HTREEITEM InsertItem(CBaseObj* obj, HTREEITEM parent, HTREEITEM after);
    // Shows the panel of the page list's entry at position (1-based) with the level bar beside it.
    void ShowPanel(int position);
    // The level bar mirrors the current panel's scroll state.
    void UpdateLevelBar();
    CQuelScroll* CurrentPanel() const;
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

    int m_currentPanel = 0;
    // 0 while an item is inserted again: its selection then repaints nothing.
    int m_treeNotify = 1;
    // Set while an item is deleted to be inserted again: the selection the
    // tree moves meanwhile is not acted on.
    bool m_reinserting = false;
    // The panels of the page, in the order "Patch", "Polygon", "Group"; the
    // entries, owned here, point at the panels below.
    CObjList<CPageEntry> m_pageList;
    CLevelBar m_levelBar;
    CImageList m_images;
    CObjectInfoPanel m_objectPanel;
    CPolygonPanel m_polygonPanel;
    CFolderInfoPanel m_folderPanel;

    int m_dragging = 0;
    std::unique_ptr<CImageList> m_dragImages;
    CBaseObj* m_dragObject = nullptr;
    HTREEITEM m_dragItem = nullptr;

    CObjectTreeCommands m_commands;
    CTreeCtrl m_tree;
    CButton m_newButton;
    CButton m_copyButton;
    CButton m_deleteButton;
    CButton m_etcButton;
    CStatic m_panelFrame;
};
