#pragma once
// What the object, light and material pages of the side bar share: a
// dialog with a tree in its upper third, the New, Copy, Delete and etc.
// buttons under it, and below them one panel at a time in a frame, with a
// level bar beside it that mirrors how far the panel is scrolled. The page
// lays these out at every size change and, when the tree's selection
// changes, first commits what was typed into the shown panel (it belongs to
// the item shown before), then lets the derived page act on the selection;
// the derived page fills the panel list and chooses the shown panel.
#include "controls/level_bar.h"
#include "controls/quel_scroll.h"
#include "platform/base/obj_list.h"
#include "platform/ui/controls.h"
#include "platform/ui/dialog.h"
#include "platform/ui/tree_ctrl.h"
#include "shell/page_entry.h"

// The ids of the four buttons in a page's template.
struct TreePageButtonIds {
    int newButton;
    int copyButton;
    int deleteButton;
    int etcButton;
};

class CTreePage : public CDialog {
public:
    CTreePage(UINT templateId, const TreePageButtonIds& buttons)
        : CDialog(templateId), m_buttonIds(buttons) {}

    CTreeCtrl& GetTree() { return m_tree; }
    const CLevelBar& GetLevelBar() const { return m_levelBar; }
    // Selects what the tree's selected item stands for and shows its panel.
    virtual void UpdateSelection() = 0;

protected:
    static constexpr int kTreeId = 1022;
    // The buttons of the light and material pages' templates.
    static constexpr TreePageButtonIds kListButtonIds{1130, 1149, 1158, 1283};

    const CommandMap& GetCommandMap() const override;
    void DoDataExchange(CDataExchange* dx) override;
    // Makes the level bar, hidden.
    BOOL OnInitDialog() override;
    void OnSize(UINT type, int cx, int cy) override;
    // A panel scrolled: the level bar follows.
    void OnVScroll(UINT code, UINT position, CWnd* scrollBar) override;
    // Enter and Escape leave the page alone.
    void OnOK() override {}
    void OnCancel() override {}

    // The panel shown; null when none is.
    CQuelScroll* ShownPanel() const;
    // Shows the panel of the list entry at position (1-based), loaded, with
    // the level bar beside it.
    void ShowPanel(int position);
    // No panel, no level bar.
    void HidePanels();
    // The place of every panel: under the tree and the buttons.
    CRect PanelRect() const;

    // The panels, owned by the derived page; the entries point at them.
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

private:
    void UpdateLevelBar();
    void OnSelChanging(NMHDR* header, LRESULT* result);
    void OnSelChanged(NMHDR* header, LRESULT* result);

    TreePageButtonIds m_buttonIds;
};
