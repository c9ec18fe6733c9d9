// The scene page's settings tree in both languages: a top-level item shows
// no page; each leaf shows its page filled from the document, registered
// under its id while it exists (also after it was made again); a page chosen
// anew shows the document's values, not its last window's; the update
// broadcast after an undo or insert takes the page away.
#include "app/mouse_mode.h"
#include "scene_page_fixture.h"

using qf::test::PumpEvents;

namespace {

// Values a new document does not have, so that a page showing them read them.
void MakeDistinct(CQuelDoc& doc) {
    doc.m_renderBgColor = RGB(18, 52, 86);
    doc.m_useRenderBgColor = 1;
    doc.m_includeFiles = {"/scenes/colors.inc", "/scenes/woods.inc"};
    doc.m_radiosity.m_count = 250;
    doc.m_globalSettings.m_maxTraceLevel = 42;
    doc.m_postProcess.m_starsDensity = 0.5f;
    CMaterialData* brass = doc.AddMaterial();
    brass->m_name = "brass";
    doc.m_defaultMaterial.m_referencedMaterial = brass->m_id;
    doc.m_hdr.m_radius = 123.4f;
    doc.m_settings.m_gridColor = RGB(1, 2, 3);
    doc.m_settings.m_rendribPath = "/opt/bmrt/bin/rendrib";
    doc.m_settings.m_mouseModeRight = mouseModeCameraPan;
    doc.m_settings.m_latheCount = 12;
    CRendererInfo info;
    info.title = "povray 3.7";
    doc.m_renderers.Add(info);
}

struct LeafCheck {
    const char* english;
    const char* japanese;
    int registryId;
    std::function<void(CScenePage&, CSettingsPage&, bool english)> shows;
};

std::vector<LeafCheck> LeafChecks() {
    const auto text = [](CSettingsPage& p, int id) { return qf::test::DialogInput::Text(p, id).str(); };
    return {
        {"background", "背景設定", wndBackgroundColorPage,
         [](CScenePage&, CSettingsPage& p, bool) {
             EXPECT_EQ(p.FindSwatch(1116)->GetColor(), RGB(18, 52, 86));
             EXPECT_EQ(p.IsDlgButtonChecked(1422), BST_CHECKED);
         }},
        {"include_file", "インクルードファイル", wndIncludeFilePanel,
         [](CScenePage&, CSettingsPage& p, bool) {
             CTreeCtrl& tree = dynamic_cast<CIncludeFilePanel&>(p).GetTree();
             ASSERT_EQ(tree.GetCount(), 2U);
             EXPECT_EQ(tree.GetItemText(tree.GetRootItem()), "/scenes/colors.inc");
             EXPECT_EQ(dynamic_cast<CIncludeFilePanel&>(p).GetSelectedIndex(), 0) << "the first is selected";
         }},
        {"radiosity", "radiosity", wndRadiosityPanel,
         [text](CScenePage&, CSettingsPage& p, bool) {
             EXPECT_EQ(text(p, 1226), "250");
             EXPECT_EQ(text(p, 1349), "3.300");
             EXPECT_EQ(text(p, 1314), "-1.000") << "type 2 max_sample";
         }},
        {"global_settings", "global_settings", wndGlobalSettingsPanel,
         [text](CScenePage&, CSettingsPage& p, bool) {
             EXPECT_EQ(text(p, 1278), "42");
             EXPECT_EQ(text(p, 1238), "2.200");
         }},
        {"post_process", "post_process", wndPostProcessPanel,
         [text](CScenePage&, CSettingsPage& p, bool) {
             EXPECT_EQ(text(p, 1131), "0.500");
             EXPECT_FALSE(p.GetDlgItem(1131)->IsWindowEnabled()) << "stars are off";
         }},
        {"Material Setting", "マテリアル設定", wndBroadcastOnly,
         [text](CScenePage&, CSettingsPage& p, bool) { EXPECT_EQ(text(p, 1063), "brass"); }},
        {"Image Based Lighting", "Image Based Lighting", wndBroadcastOnly,
         [text](CScenePage&, CSettingsPage& p, bool) {
             EXPECT_EQ(text(p, 1675), "123.4");
             EXPECT_EQ(text(p, 1686), "1") << "spherical, as a new document starts";
             EXPECT_EQ(text(p, 1679), "0.20");
         }},
        {"Color Setting", "カラー設定", wndColorSettingPage,
         [](CScenePage&, CSettingsPage& p, bool) {
             EXPECT_EQ(p.FindSwatch(1366)->GetColor(), RGB(1, 2, 3));
         }},
        {"Path Setting", "パス設定", wndRendererPathPanel,
         [text](CScenePage&, CSettingsPage& p, bool) { EXPECT_EQ(text(p, 1063), "/opt/bmrt/bin/rendrib"); }},
        {"Mouse Setting", "マウス設定", wndMouseSettingPage,
         [](CScenePage&, CSettingsPage& p, bool english) {
             CString shown;
             dynamic_cast<CMouseSettingPage&>(p)
                 .GetList(CMouseButtonPageServices::buttonRight)
                 .GetWindowText(shown);
             EXPECT_EQ(shown, english ? "(Camera) Pan" : "(カメラ) 移動");
         }},
        {"Etc. Setting", "その他の設定", wndEtcSettingPage,
         [text](CScenePage&, CSettingsPage& p, bool) {
             EXPECT_EQ(text(p, 1464), "12");
             EXPECT_EQ(text(p, 1677), "0.05");
             EXPECT_EQ(p.IsDlgButtonChecked(1579), BST_CHECKED) << "inverse selection";
         }},
        {"Render Setting", "レンダラー設定", wndPovSettingListPanel,
         [](CScenePage&, CSettingsPage& p, bool) {
             CListBox& list = dynamic_cast<CPovSettingListPanel&>(p).GetList();
             CString last;
             ASSERT_GT(list.GetCount(), 0);
             list.GetText(list.GetCount() - 1, last);
             EXPECT_EQ(last, "povray 3.7");
             EXPECT_EQ(list.GetCurSel(), -1);
         }},
    };
}

// The windows of the scene page's pages that exist.
int PageWindows(CScenePage& page) {
    int count = 0;
    for (int kind = 0; kind < pageKindCount; ++kind)
        count += page.GetPage(static_cast<SettingsPageKind>(kind)).GetNativeWindow() ? 1 : 0;
    return count;
}

} // namespace

TEST_F(ScenePageGuiTest, EveryLeafShowsItsPageFilledFromTheDocument) {
    for (const bool english : {false, true}) {
        Open(english);
        MakeDistinct(*doc);
        for (const LeafCheck& leaf : LeafChecks()) {
            SCOPED_TRACE(leaf.english);
            CSettingsPage& shown = Show<CSettingsPage>(english ? leaf.english : leaf.japanese);
            EXPECT_EQ(PageWindows(*page), 1) << "one page window at a time";
            EXPECT_TRUE(shown.IsWindowVisible());
            EXPECT_TRUE(page->GetLevelBar().IsWindowVisible());
            if (leaf.registryId != wndBroadcastOnly) {
                EXPECT_EQ(doc->FindRegisteredWindow(leaf.registryId), shown.GetSafeHwnd())
                    << "registered under its id";
            }
            leaf.shows(*page, shown, english);
            std::string name = std::string("settings_") + leaf.english;
            std::replace_if(
                name.begin(), name.end(), [](char c) { return !std::isalnum(c) && c != '_'; }, '_');
            Shoot(name, english);
        }
        EXPECT_FALSE(doc->IsModified()) << "showing changes nothing";
    }
}

TEST_F(ScenePageGuiTest, TopLevelItemsShowNoPage) {
    for (const bool english : {false, true}) {
        Open(english);
        const std::vector<std::string> roots =
            english ? std::vector<std::string>{"Scene Setting", "Configulation", "POV-Ray Setting"}
                    : std::vector<std::string>{"シーン設定", "環境設定", "POV-Ray設定"};
        std::vector<std::string> shown;
        for (HTREEITEM root = Tree().GetRootItem(); root; root = Tree().GetNextSiblingItem(root))
            shown.push_back(Tree().GetItemText(root).str());
        EXPECT_EQ(shown, roots);
        Show<CGlobalSettingsPanel>("global_settings");
        for (const std::string& root : roots) {
            ClickItem(root.c_str());
            EXPECT_EQ(page->GetCurrentPage(), nullptr) << root;
            EXPECT_EQ(PageWindows(*page), 0) << root;
            EXPECT_FALSE(page->GetLevelBar().IsWindowVisible()) << root;
        }
        EXPECT_FALSE(IsWindow(doc->FindRegisteredWindow(wndGlobalSettingsPanel)));
    }
}

// A page's window is made each time its leaf is chosen: it shows what the
// document holds then, and the registry finds the new window, also the one
// a command's mouse-button change looks for.
TEST_F(ScenePageGuiTest, APageChosenAgainIsMadeAfreshAndFoundUnderItsId) {
    Open(false);
    CRadiosityPanel& first = Show<CRadiosityPanel>("radiosity");
    const HWND firstWindow = first.GetSafeHwnd();
    Enter(first, 1226, "300");
    Show<CGlobalSettingsPanel>("global_settings");
    doc->m_radiosity.m_count = 400;
    CRadiosityPanel& again = Show<CRadiosityPanel>("radiosity");
    EXPECT_NE(again.GetSafeHwnd(), firstWindow);
    EXPECT_EQ(Text(again, 1226), "400") << "the document's value, not the last window's";
    EXPECT_EQ(doc->FindRegisteredWindow(wndRadiosityPanel), again.GetSafeHwnd());

    for (int round = 0; round < 2; ++round) {
        CMouseSettingPage& mouse = Show<CMouseSettingPage>("マウス設定");
        SetMiddleMouseMode(mouseModeCameraRotate2);
        CString middle;
        mouse.GetList(CMouseButtonPageServices::buttonMiddle).GetWindowText(middle);
        EXPECT_EQ(middle, "(カメラ) 回転 2") << "round " << round << ": the shown page follows the command";
        Show<CEtcSettingPage>("その他の設定");
    }
}

TEST_F(ScenePageGuiTest, TheBroadcastAfterAnUndoTakesThePageAway) {
    Open(true);
    Show<CPostProcessPanel>("post_process");
    SendToRegisteredWindows(notifySceneMerged);
    PumpEvents(50);
    EXPECT_EQ(Tree().GetSelectedItem(), Tree().GetRootItem());
    EXPECT_EQ(PageWindows(*page), 0);
    EXPECT_FALSE(page->GetLevelBar().IsWindowVisible());

    Show<CPostProcessPanel>("post_process");
    doc->OnNewDocument();
    PumpEvents(50);
    EXPECT_EQ(PageWindows(*page), 0) << "a new document shows no page either";
}

// The level bar shows how far the page is scrolled.
TEST_F(ScenePageGuiTest, TheLevelBarFollowsThePageScrolling) {
    Open(true);
    page->MoveWindow(0, 0, 270, 600);
    PumpEvents(50);
    CPostProcessPanel& post = Show<CPostProcessPanel>("post_process");
    EXPECT_EQ(page->GetLevelBar().GetPos(), 0);
    Reveal(post, 1648);
    EXPECT_GT(post.GetScrollOffset(), 0);
    EXPECT_EQ(page->GetLevelBar().GetPos(), post.GetScrollOffset());
    Shoot("settings_post_process_scrolled", true);
}
