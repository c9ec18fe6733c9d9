#pragma once
// The running program's side bar driven as a user drives it: its tabs, the
// items of each page's tree, the panel an item shows, and typing into a
// panel's fields.
#include "running_app.h"

#include <string>
#include <vector>

namespace qf::test {

// Tree item texts from an item down to one of its descendants.
using TreePath = std::vector<std::string>;

class SideBarAppGuiTest : public RunningAppGuiTest {
protected:
    CPanelTabDlg& Host() { return Frame().GetSideBar().GetPanelHost(); }
    CTreeCtrl& TreeOf(int tab) {
        switch (tab) {
        case CPanelTabDlg::tabLight:
            return Host().GetLightPage().GetTree();
        case CPanelTabDlg::tabMaterial:
            return Host().GetMaterialPage().GetTree();
        case CPanelTabDlg::tabScene:
            return Host().GetScenePage().GetTree();
        default:
            return Page().GetTree();
        }
    }
    // The panel the tab's page shows now.
    CWnd* ShownPanel(int tab) {
        switch (tab) {
        case CPanelTabDlg::tabLight:
            return &Host().GetLightPage().GetPanel();
        case CPanelTabDlg::tabMaterial:
            return Host().GetMaterialPage().GetCurrentPanel();
        case CPanelTabDlg::tabScene:
            return Host().GetScenePage().GetCurrentPage();
        default: {
            const char* names[] = {"", "Patch", "Polygon", "Group"};
            return Page().GetCurrentPanel() ? Page().FindPanel(names[Page().GetCurrentPanel()]) : nullptr;
        }
        }
    }
    // The first item, anywhere, with the path's first text, then down its children.
    static HTREEITEM Find(CTreeCtrl& tree, HTREEITEM from, const TreePath& path) {
        for (HTREEITEM item = from; item; item = tree.GetNextSiblingItem(item)) {
            if (tree.GetItemText(item) == path.front().c_str()) {
                HTREEITEM found = item;
                for (size_t i = 1; found && i < path.size(); ++i) {
                    found = tree.GetChildItem(found);
                    while (found && tree.GetItemText(found) != path[i].c_str())
                        found = tree.GetNextSiblingItem(found);
                }
                if (found)
                    return found;
            }
            if (HTREEITEM below = Find(tree, tree.GetChildItem(item), path))
                return below;
        }
        return nullptr;
    }
    void ClickTab(int tab) {
        CRect r;
        ASSERT_TRUE(Host().GetTabCtrl().GetItemRect(tab, &r));
        Click(Host().GetTabCtrl(), CPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2));
        PumpEvents(50);
    }
    void ClickItem(int tab, const TreePath& path) {
        CTreeCtrl& tree = TreeOf(tab);
        const HTREEITEM item = Find(tree, tree.GetRootItem(), path);
        ASSERT_TRUE(item) << path.back();
        ClickItem(tab, item);
    }
    void ClickItem(int tab, HTREEITEM item) {
        CTreeCtrl& tree = TreeOf(tab);
        tree.EnsureVisible(item);
        PumpEvents(80);
        CRect r;
        ASSERT_TRUE(tree.GetItemRect(item, &r, TRUE));
        Click(tree, CPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2));
        PumpEvents(50);
    }
    // The tab, then the item's panel; the panel.
    template <class Item> CWnd* ShowItem(int tab, const Item& item) {
        if (Host().GetTabCtrl().GetCurSel() != tab)
            ClickTab(tab);
        ClickItem(tab, item);
        return ShownPanel(tab);
    }
    // Replaces the field's text with keys (empty: deletes it), leaving the focus in it.
    void Type(CWnd& field, const char* text) {
        Click(field, CPoint(8, 6));
        mouse.Sim().Char('a', wxMOD_CONTROL);
        PumpEvents(30);
        if (*text)
            mouse.Sim().Text(text);
        else
            mouse.Sim().Char(WXK_BACK);
        PumpEvents(50);
    }
    CWnd& Pane(int i) { return Frame().GetView().GetSplitter().GetPane(i).GetFrame().GetGLPane(); }
};

} // namespace qf::test
