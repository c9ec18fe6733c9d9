// The side bar in the running program: what a new document shows, the
// panel of each kind of item in both languages, and the Window and Layout
// commands that show, hide and move the bar.
#include "running_app.h"
#include "text_room.h"

#include "app/mouse_mode.h"
#include "dialogs/select_multi_objects_dlg.h"
#include "model/mouse_modes.h"
#include "resources/command_ids.h"
#include "shell/object_page_ids.h"

#include <string>
#include <vector>

using qf::test::CutTexts;
using qf::test::PumpEvents;
using qf::test::SaveScreenPicture;

namespace {

const char* Suffix(ResourceLanguage language) {
    return language == ResourceLanguage::Japanese ? "ja" : "en";
}

class SideBarGuiTest : public qf::test::RunningAppGuiTest {
protected:
    HTREEITEM Item(const CBaseObj* obj) { return static_cast<HTREEITEM>(obj->GetTreeItem()); }
    // A real click on an object's item in the tree.
    void ClickItem(HTREEITEM item) {
        CRect rect;
        // The tree places new items when it next paints.
        Page().GetTree().EnsureVisible(item);
        PumpEvents(100);
        ASSERT_TRUE(Page().GetTree().GetItemRect(item, &rect, TRUE));
        Click(Page().GetTree(), CPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2));
    }
    CWnd& SideBar() { return Frame().GetSideBar(); }
    void SaveSideBar(const std::string& name) {
        PumpEvents(200);
        EXPECT_FALSE(SaveScreenPicture(SideBar(), name).empty());
    }
};

} // namespace

TEST_F(SideBarGuiTest, ANewDocumentShowsRootWithItsFirstObjectSelectedInEitherLanguage) {
    for (const ResourceLanguage language : {ResourceLanguage::Japanese, ResourceLanguage::English}) {
        Start(language);
        CPanelTabDlg& host = Frame().GetSideBar().GetPanelHost();
        EXPECT_EQ(host.GetTabCtrl().GetCurSel(), 0) << "the Object tab";
        EXPECT_TRUE(Page().IsWindowVisible());
        CTreeCtrl& tree = Page().GetTree();
        const HTREEITEM root = tree.GetRootItem();
        ASSERT_TRUE(root);
        EXPECT_EQ(tree.GetItemText(root), "Root");
        const HTREEITEM first = tree.GetChildItem(root);
        EXPECT_EQ(tree.GetItemText(first), "patch_obj_00");
        EXPECT_EQ(tree.GetSelectedItem(), first);
        CSpatchObj* obj = GetSelectedObject();
        ASSERT_TRUE(obj);
        EXPECT_EQ(obj->GetName(), "patch_obj_00");
        EXPECT_FALSE(Doc().IsModified());

        // Its panel shows it, every text whole.
        EXPECT_EQ(Page().GetCurrentPanel(), 1);
        CWnd* panel = Page().FindPanel("Patch");
        ASSERT_TRUE(panel && panel->IsWindowVisible());
        CString name;
        panel->GetDlgItem(1030)->GetWindowText(name);
        EXPECT_EQ(name, "patch_obj_00");
        EXPECT_EQ(CutTexts(*panel), std::vector<std::string>{});
        // The pages lie under the row of tabs.
        CRect tab;
        CRect page;
        ASSERT_TRUE(host.GetTabCtrl().GetItemRect(0, &tab));
        Page().GetWindowRect(&page);
        host.ScreenToClient(&page);
        EXPECT_GE(page.top, tab.bottom);
        SaveSideBar(std::string("side_bar_object_panel_") + Suffix(language) + ".png");
        Stop();
        GetAppState() = CQuelAppState();
    }
}

TEST_F(SideBarGuiTest, EachKindOfItemShowsItsOwnPanel) {
    for (const ResourceLanguage language : {ResourceLanguage::Japanese, ResourceLanguage::English}) {
        Start(language);
        CFolderObj* folder = Doc().AddFolder();
        folder->SetName("フォルダ");
        Page().AddObjectTreeItem(folder);
        CPolygonObj* polygon = Doc().AddPolygonObject();
        polygon->SetName("ポリゴン");
        Page().AddPolygonItem(polygon);

        ClickItem(Item(folder));
        EXPECT_EQ(GetSelectedItem(), folder);
        EXPECT_EQ(Page().GetCurrentPanel(), 3);
        CWnd* folderPanel = Page().FindPanel("Group");
        EXPECT_TRUE(folderPanel->IsWindowVisible());
        EXPECT_FALSE(Page().FindPanel("Patch")->IsWindowVisible());
        CString text;
        folderPanel->GetDlgItem(1063)->GetWindowText(text);
        EXPECT_EQ(text, "フォルダ");
        EXPECT_EQ(CutTexts(*folderPanel), std::vector<std::string>{});
        SaveSideBar(std::string("side_bar_folder_panel_") + Suffix(language) + ".png");

        ClickItem(Item(polygon));
        EXPECT_EQ(GetSelectedItem(), polygon) << "a polygon object is selected like any object";
        EXPECT_EQ(Page().GetCurrentPanel(), 2);
        CWnd* polygonPanel = Page().FindPanel("Polygon");
        EXPECT_TRUE(polygonPanel->IsWindowVisible());
        polygonPanel->GetDlgItem(1030)->GetWindowText(text);
        EXPECT_EQ(text, "ポリゴン");
        EXPECT_EQ(static_cast<CButton*>(polygonPanel->GetDlgItem(1057))->GetCheck(),
                  polygon->GetSmooth() ? BST_CHECKED : BST_UNCHECKED);
        EXPECT_EQ(CutTexts(*polygonPanel), std::vector<std::string>{});
        SaveSideBar(std::string("side_bar_polygon_panel_") + Suffix(language) + ".png");

        ClickItem(Page().GetTree().GetRootItem());
        EXPECT_EQ(GetSelectedItem(), nullptr) << "Root selects nothing";
        EXPECT_EQ(Page().GetCurrentPanel(), 0);
        EXPECT_FALSE(polygonPanel->IsWindowVisible());
        Stop();
        GetAppState() = CQuelAppState();
    }
}

TEST_F(SideBarGuiTest, WindowAndLayoutCommandsHideShowAndMoveTheBar) {
    Start();
    CWnd& view = Frame().GetView();
    const auto left = [](CWnd& wnd) {
        CRect rect;
        wnd.GetWindowRect(&rect);
        return rect.left;
    };
    EXPECT_GT(left(SideBar()), left(view)) << "on the right at first";

    Command(ID_LAYOUT_DIALOG_LEFT);
    EXPECT_LT(left(SideBar()), left(view));
    EXPECT_EQ(Frame().GetSideBar().m_onRight, 0);
    Command(ID_WINDOW_DIALOG);
    EXPECT_FALSE(SideBar().IsWindowVisible());
    Command(ID_LAYOUT_DIALOG_RIGHT);
    EXPECT_FALSE(SideBar().IsWindowVisible()) << "moving keeps it hidden";
    Command(ID_WINDOW_DIALOG);
    EXPECT_TRUE(SideBar().IsWindowVisible());
    EXPECT_GT(left(SideBar()), left(view));
    SaveSideBar("side_bar_moved_back.png");
}

TEST_F(SideBarGuiTest, TheManyObjectToolsShowTheSelectMultiObjectsWindowOverTheBar) {
    Start(ResourceLanguage::Japanese);
    CPolygonObj* polygon = Doc().AddPolygonObject();
    polygon->SetName("polygon");
    SetMouseMode(mouseModeTranslateMulti, 1);
    PumpEvents(200);
    auto* dialog = dynamic_cast<CSelectMultiObjectsDlg*>(Doc().GetMultiObjectDialog());
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(dialog->IsWindowVisible());
    CRect bar;
    CRect window;
    SideBar().GetWindowRect(&bar);
    dialog->GetWindowRect(&window);
    EXPECT_EQ(window.left, bar.left);
    CListBox& list = *static_cast<CListBox*>(dialog->GetDlgItem(1056));
    ASSERT_EQ(list.GetCount(), 2) << "patch objects, then polygon objects";
    CString line;
    list.GetText(1, line);
    EXPECT_EQ(line, "polygon");

    Click(*dialog->GetDlgItem(1475));
    EXPECT_EQ(list.GetSelCount(), 2);
    EXPECT_EQ(polygon->GetMultiSelected(), 1);
    EXPECT_EQ(Doc().m_objects.GetHead()->GetMultiSelected(), 1);
    EXPECT_FALSE(SaveScreenPicture(*dialog, "select_multi_objects_ja.png").empty());
    Click(*dialog->GetDlgItem(1478));
    EXPECT_EQ(list.GetSelCount(), 0);
    EXPECT_EQ(polygon->GetMultiSelected(), 0);

    SetMouseMode(mouseModeTranslate, 1);
    PumpEvents(100);
    EXPECT_FALSE(dialog->IsWindowVisible());
}
