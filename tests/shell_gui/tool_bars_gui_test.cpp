// The tool tabs, the tool bar they switch, the command bars and the
// window-layout file in the running program, driven with the mouse in both
// languages: each tab's button set, a button running its command with its
// prompt shown, the command bars' menus, object buttons and the transform
// read-out following a drag, and the bars back where they were after a restart.
#include "running_app.h"

#include "model/mouse_modes.h"
#include "platform/base/file_util.h"
#include "platform/ui/menu_node.h"
#include "resources/command_ids.h"
#include "shell/window_layout.h"
#include "support/model_shapes.h"

#include <optional>
#include <string>
#include <vector>
#include <wx/toolbar.h>

using qf::test::PumpEvents;
using qf::test::SaveScreenPicture;

namespace {

const char* Suffix(ResourceLanguage language) {
    return language == ResourceLanguage::Japanese ? "ja" : "en";
}

// The commands of each tab's buttons, separators as 0.
const std::vector<std::vector<UINT>> kTabButtons = {
    {57600, 57601, 57603, 0, 57635, 57634, 57637, 0, 57643, 0, 57664},
    {30030, 30033, 30036, 30040, 30047, 30050, 30053, 30026, 30056, 30729, 30058, 30064},
    {30165, 30141, 30145, 30587, 30137, 30043, 30663, 0, 30175, 30212, 30664,
     0,     30179, 30177, 0,     30181, 30183, 30185, 0, 30214, 30213, 30187,
     0,     30189, 30191, 0,     30563, 30564, 30565, 0, 30070, 30072, 30074},
    {30514, 30516, 30515, 0, 30070, 30072, 30074},
    {30559, 30562, 0, 30070, 30072, 30074},
    {30578, 30579, 30580, 0, 30587, 0, 30070, 30072, 30074, 0, 30583, 30584, 30585, 30586, 0, 30733},
    {30102, 30068, 30194, 30196, 0, 30105, 30108, 0, 30106, 30110},
};

class ToolBarsGuiTest : public qf::test::RunningAppGuiTest {
protected:
    CTabStrip& Tabs() { return Frame().GetToolDialogBar().GetTabDialog().GetTabStrip(); }
    wxToolBar& NativeToolBar() { return *dynamic_cast<wxToolBar*>(Frame().GetToolBar().GetNativeWindow()); }
    std::vector<UINT> ToolBarCommands() {
        std::vector<UINT> commands;
        for (int i = 0; i < static_cast<int>(NativeToolBar().GetToolsCount()); ++i)
            commands.push_back(Frame().GetToolBar().GetItemID(i));
        return commands;
    }
    void ClickTab(int tab) {
        const TabPlace place = Tabs().GetItemPlace(tab);
        CRect client;
        Tabs().GetClientRect(&client);
        Click(Tabs(), CPoint(place.x + place.width / 2, client.Height() / 2));
        PumpEvents(50);
    }
    void SaveBars(const std::string& name) {
        PumpEvents(150);
        EXPECT_FALSE(SaveScreenPicture(Frame(), name).empty());
    }
    void CheckTabs(ResourceLanguage language);
};

void ToolBarsGuiTest::CheckTabs(ResourceLanguage language) {
    Start(language);
    ASSERT_EQ(Tabs().GetItemCount(), kToolTabCount);
    EXPECT_EQ(ToolBarCommands(), kTabButtons[0]) << "the Main set at start";
    CRect bar;
    Frame().GetToolDialogBar().GetClientRect(&bar);
    EXPECT_EQ(bar.Height(), 20);

    for (int tab = kToolTabCount - 1; tab >= 0; --tab) {
        ClickTab(tab);
        EXPECT_EQ(Tabs().GetCurSel(), tab);
        EXPECT_EQ(ToolBarCommands(), kTabButtons[static_cast<size_t>(tab)]) << ToolTabCaption(tab, true);
        SaveBars("tool_tab_" + std::to_string(tab) + "_" + Suffix(language) + ".png");
    }

    // A tab chosen while the tool bar is hidden shows it again.
    Frame().ShowControlBar(&Frame().GetToolBar(), FALSE, FALSE);
    ClickTab(2);
    EXPECT_TRUE(Frame().GetToolBar().IsWindowVisible());

    // Pointing at a button shows its prompt; a click runs its command.
    const CString prompt = language == ResourceLanguage::Japanese ? "(パッチ)拡大/縮小" : "Scale";
    ASSERT_TRUE(ToolBarPointWithPrompt(prompt)) << "the Scale button's prompt";
    EXPECT_EQ(NativeToolBar().GetToolShortHelp(WxMenuIdFor(30141)), "Scale") << "and its tip";
    mouse.Down();
    mouse.Up();
    PumpEvents(50);
    EXPECT_EQ(Doc().m_settings.m_mouseModeLeft, mouseModeScale);

    // Resizing the frame keeps the bar 20 pixels high.
    Frame().SetWindowPos(nullptr, 0, 0, 900, 700, SWP_NOMOVE | SWP_NOZORDER);
    PumpEvents(100);
    Frame().GetToolDialogBar().GetClientRect(&bar);
    EXPECT_EQ(bar.Height(), 20);
}

} // namespace

TEST_F(ToolBarsGuiTest, TheTabsSwitchTheToolBarAndItsButtonsRunTheirCommandsInEnglish) {
    CheckTabs(ResourceLanguage::English);
    EXPECT_STREQ(ToolTabCaption(5, true), "Mat. Axis");
}

TEST_F(ToolBarsGuiTest, TheTabsSwitchTheToolBarAndItsButtonsRunTheirCommandsInJapanese) {
    CheckTabs(ResourceLanguage::Japanese);
}

// The Window menu's commands show the command bars; their buttons open the
// menus, create, choose and delete objects, and a drag fills the read-out.
TEST_F(ToolBarsGuiTest, TheCommandBarsShowTheirMenusObjectButtonsAndTheTransformValues) {
    for (const ResourceLanguage language : {ResourceLanguage::English, ResourceLanguage::Japanese}) {
        Start(language);
        EXPECT_FALSE(Frame().GetCommandBar().IsWindowVisible()) << "hidden at start";
        EXPECT_FALSE(Frame().GetCommandBar2().IsWindowVisible());
        Command(ID_WINDOW_MENU_LEFT);
        Command(ID_WINDOW_MENU_RIGHT);
        ASSERT_TRUE(Frame().GetCommandBar().IsWindowVisible());
        ASSERT_TRUE(Frame().GetCommandBar2().IsWindowVisible());
        SaveBars(std::string("command_bars_") + Suffix(language) + ".png");

        // The Window button's menu hides its own bar again.
        ChooseFromNextMenu(ID_WINDOW_MENU_LEFT);
        Click(Frame().GetCommandBar().GetDialog().GetButton(5));
        EXPECT_FALSE(Frame().GetCommandBar().IsWindowVisible());
        // Hidden again, so that the next start begins as this one did.
        Command(ID_WINDOW_MENU_RIGHT);
        Stop();
    }
}

TEST_F(ToolBarsGuiTest, CommandBarTwoCreatesChoosesAndDeletesObjectsAndFollowsADrag) {
    Start();
    Command(ID_WINDOW_MENU_RIGHT);
    CCommandDlg2& bar = Frame().GetCommandBar2().GetDialog();
    EXPECT_TRUE(bar.GetSingleButton().IsChecked());
    EXPECT_FALSE(bar.GetMultiButton().IsChecked());

    // Create Obj opens the object page's menu of kinds at the button.
    const int objects = Doc().m_objects.GetCount();
    ChooseFromNextMenu(ID_OBJECT_CREATE_PATCH);
    Click(bar.GetCreateButton());
    EXPECT_EQ(Doc().m_objects.GetCount(), objects + 1);
    EXPECT_EQ(Doc().m_popupAnchorActive, 0);

    // Select Obj lists the objects; choosing the first selects its tree item.
    CSpatchObj* first = Doc().m_objects.GetHead();
    ChooseFromNextMenu(kObjectMenuFirstId);
    Click(bar.GetSelectButton());
    EXPECT_EQ(GetSelectedObject(), first);
    EXPECT_EQ(Page().GetTree().GetItemText(Page().GetTree().GetSelectedItem()), first->GetName());

    // Delete Obj deletes the selected object through the object page, once asked.
    runner.Answer(IDYES);
    Click(bar.GetDeleteButton());
    ASSERT_EQ(Doc().m_objects.GetCount(), objects);
    EXPECT_NE(Doc().m_objects.GetHead(), first);

    // A translate drag in the top pane shows its offset in the Trans read-out.
    CSpatchObj* obj = GetSelectedObject();
    ASSERT_TRUE(obj);
    obj->AppendGeometry(qf::test::MakeFlatQuadGrid(2).get(), 0);
    obj->SelectAllVertices(1);
    Command(30165);
    ASSERT_EQ(Doc().m_settings.m_mouseModeLeft, mouseModeTranslate);
    CGLPane& top = Frame().GetView().GetSplitter().GetPane(0).GetFrame().GetGLPane();
    obj->ProjectVertices(Doc().m_cameras[0]);
    const CPatchVertex* point = qf::test::PointsOf(*obj)[4];
    const CPoint start(point->m_screenX, point->m_screenY);
    mouse.MoveTo(top, start);
    mouse.Down();
    for (int step = 1; step <= 4; ++step)
        mouse.MoveTo(top, CPoint(start.x + 10 * step, start.y));
    CXyzButton& trans = bar.GetReadout(CCommandDlg2::readoutTrans);
    EXPECT_TRUE(trans.m_active);
    EXPECT_GT(trans.m_value.GetX(), 0.0f) << "the read-out follows the drag";
    SaveBars("command_bar_drag.png");
    mouse.Up();
    PumpEvents(50);

    // The multi-object tools mark Multi.
    Command(30514);
    PumpEvents(50);
    EXPECT_TRUE(bar.GetMultiButton().IsChecked());
    EXPECT_FALSE(bar.GetSingleButton().IsChecked());
    Command(30165);
    PumpEvents(50);
}

// The layout file written at exit brings the bars back at the next start.
TEST_F(ToolBarsGuiTest, TheBarsComeBackWhereTheyWereAfterARestart) {
    Start();
    Command(ID_WINDOW_MENU_LEFT);
    Command(ID_LAYOUT_DIALOG_LEFT);
    Command(ID_WINDOW_TOOL);
    Command(ID_WINDOW_STATUS);
    Stop();
    std::string bytes;
    ASSERT_TRUE(qf::ReadWholeFile(CWndLayout::FilePath(), bytes));
    EXPECT_EQ(bytes, "Tool_Window 0\nDialog_Window 1 0\nStatus_Window 0\nMenu_Window 1\nMenu_Window2 0\n");

    Start();
    EXPECT_TRUE(Frame().GetCommandBar().IsWindowVisible());
    EXPECT_FALSE(Frame().GetCommandBar2().IsWindowVisible());
    EXPECT_FALSE(Frame().GetToolDialogBar().IsWindowVisible());
    EXPECT_FALSE(Frame().GetToolBar().IsWindowVisible());
    EXPECT_FALSE(Frame().GetMouseStatusBar().IsWindowVisible());
    EXPECT_EQ(Frame().GetSideBar().m_onRight, 0);
    CRect side, frame;
    Frame().GetSideBar().GetWindowRect(&side);
    Frame().GetWindowRect(&frame);
    EXPECT_LT(side.left - frame.left, frame.right - side.right) << "the side bar stands on the left";
    SaveBars("layout_restored.png");

    // A damaged file gives what it holds; the rest keeps the initial layout.
    Stop();
    qf::test::WriteFileBytes(CWndLayout::FilePath(), "Tool_Window 0\n\nDialog_Window");
    Start();
    EXPECT_FALSE(Frame().GetToolDialogBar().IsWindowVisible());
    EXPECT_TRUE(Frame().GetMouseStatusBar().IsWindowVisible());
    EXPECT_FALSE(Frame().GetCommandBar().IsWindowVisible());
    EXPECT_EQ(Frame().GetSideBar().m_onRight, 1);
}
