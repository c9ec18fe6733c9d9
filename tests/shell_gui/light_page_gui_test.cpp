// The light page driven with the mouse and keys in both languages: New,
// Copy and Delete with their undo steps, each panel edit one undo step,
// radius and falloff kept in order, the controls the type enables and the
// tree's picture of the type; screenshots of the page and its panel.
#include "app/app_state.h"
#include "app/doc_fixture.h"
#include "app/doc_helpers.h"
#include "app/light_data.h"
#include "platform/ui/resource_lookup.h"
#include "platform_ui_gui/screen_picture.h"
#include "shell/light_page.h"
#include "support/dialog_input.h"
#include "support/gui_modal.h"

#include <optional>

using qf::test::PumpEvents;
using Names = std::vector<std::string>;

namespace {

constexpr int kNew = 1130;
constexpr int kCopy = 1149;
constexpr int kDelete = 1158;
constexpr int kRadius = 1519;
constexpr int kFalloff = 1545;

class LightPageGuiTest : public DocTest {
protected:
    void SetUp() override {
        DocTest::SetUp();
        if (!qf::test::HaveDisplay())
            GTEST_SKIP() << "no display";
    }
    void TearDown() override {
        page.reset();
        frame.reset();
        UseLanguage(false);
        DocTest::TearDown();
    }
    static void UseLanguage(bool english) {
        GetAppState().m_english = english ? 1 : 0;
        SetResourceLanguage(english ? ResourceLanguage::English : ResourceLanguage::Japanese);
    }

    // The page in the language at the side bar's width and height h; each
    // page has a new document, as at a start.
    void Open(bool english, int h = 620) {
        if (page) {
            page.reset();
            frame.reset();
            windows.clear();
            CloseDocument();
            doc = std::make_unique<CQuelDoc>();
            main.emplace(doc.get());
        }
        UseLanguage(english);
        panes = RegisterPanes();
        frame.emplace(nullptr, CRect(40, 20, 330, 60 + h));
        page = std::make_unique<CLightPage>();
        ASSERT_TRUE(page->Create(CLightPage::IDD, &*frame));
        page->MoveWindow(0, 0, 270, h);
        page->ShowWindow(SW_SHOW);
        doc->RegisterWindow(page->GetSafeHwnd(), wndLightPage);
        PumpEvents(100);
    }

    CUndoBuffer& Buffer() { return doc->m_undoBuffer; }
    CTreeCtrl& Tree() { return page->GetTree(); }
    CLightPanel& Panel() { return page->GetPanel(); }
    Names Items() {
        Names names;
        for (HTREEITEM item = Tree().GetRootItem(); item; item = Tree().GetNextSiblingItem(item))
            names.push_back(Tree().GetItemText(item).str());
        return names;
    }
    HTREEITEM Item(const char* name) {
        for (HTREEITEM item = Tree().GetRootItem(); item; item = Tree().GetNextSiblingItem(item))
            if (Tree().GetItemText(item) == name)
                return item;
        return nullptr;
    }
    int ItemImage(const char* name) {
        int image = -1;
        int selected = -1;
        Tree().GetItemImage(Item(name), image, selected);
        EXPECT_EQ(image, selected);
        return image;
    }
    void ClickItem(const char* name) {
        const HTREEITEM item = Item(name);
        ASSERT_TRUE(item) << name;
        CRect r;
        ASSERT_TRUE(Tree().GetItemRect(item, &r, TRUE));
        mouse.MoveTo(Tree(), CPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2));
        mouse.Down();
        mouse.Up();
        PumpEvents(50);
    }
    void ClickButton(int id) { user.Click(*page, id); }

    // Scrolls the panel by dragging its background until the control shows whole.
    void Reveal(int id) {
        CRect client;
        Panel().GetClientRect(&client);
        CRect r;
        Panel().GetDlgItem(id)->GetRectInParent(&r);
        const int up = r.bottom > client.bottom - 10 ? r.bottom - (client.bottom - 30)
                       : r.top < 0                   ? r.top - 30
                                                     : 0;
        if (!up)
            return;
        const CPoint start(client.right - 4, up > 0 ? client.bottom - 10 : 10);
        mouse.MoveTo(Panel(), start);
        mouse.Down();
        for (int step = 1; step <= 4; ++step)
            mouse.MoveTo(Panel(), CPoint(start.x, start.y - up * step / 4));
        mouse.Up();
    }
    void Click(int id) {
        Reveal(id);
        user.Click(Panel(), id);
    }
    // Types into a number field and leaves it, which commits it.
    void Enter(int id, const char* text) {
        Reveal(id);
        user.Type(Panel(), id, text);
        user.Key(WXK_TAB);
        PumpEvents(30);
    }
    CString Text(int id) { return qf::test::DialogInput::Text(Panel(), id); }
    bool Enabled(int id) { return Panel().GetDlgItem(id)->IsWindowEnabled() != FALSE; }
    int Repaints() {
        int n = 0;
        for (const auto* pane : panes)
            n += static_cast<int>(std::count(pane->calls.begin(), pane->calls.end(), "RedrawNow"));
        return n;
    }
    void Shoot(const std::string& name, bool english) {
        PumpEvents(150);
        EXPECT_FALSE(qf::test::SaveScreenPicture(*page, name + (english ? "_en.png" : "_ja.png")).empty());
    }

    std::vector<qf::test::RecordingDocWindow*> panes;
    std::optional<qf::test::ProbeFrame> frame;
    std::unique_ptr<CLightPage> page;
    qf::test::DialogInput user;
    qf::test::SimulatedMouse& mouse = user.Mouse();
};

} // namespace

TEST_F(LightPageGuiTest, NewCopyAndDeleteWithTheirUndoSteps) {
    for (const bool english : {false, true}) {
        SCOPED_TRACE(english);
        Open(english);
        EXPECT_FALSE(Panel().IsWindowVisible()) << "no light, no panel";
        ClickButton(kNew);
        ClickButton(kNew);
        EXPECT_EQ(Items(), (Names{"light_00", "light_01"}));
        ASSERT_TRUE(GetSelectedLight());
        EXPECT_EQ(GetSelectedLight()->m_name, "light_01") << "the new light is the one the panel edits";
        EXPECT_TRUE(Panel().IsWindowVisible());
        EXPECT_TRUE(page->GetLevelBar().IsWindowVisible());
        EXPECT_EQ(Text(1030), "light_01");
        EXPECT_EQ(Buffer().GetPosition(), 2);
        Shoot("light_page", english);

        ClickItem("light_00");
        EXPECT_EQ(GetSelectedLight()->m_name, "light_00");
        ClickButton(kCopy);
        EXPECT_EQ(GetSelectedLight()->m_name, "light_00(copy)");
        ClickItem("light_00");
        ClickButton(kCopy);
        EXPECT_EQ(Items(), (Names{"light_00", "light_00(copy)", "light_00(copy)01", "light_01"}));
        EXPECT_EQ(GetSelectedLight()->m_name, "light_00(copy)01");
        EXPECT_EQ(Buffer().GetPosition(), 4);
        Buffer().Undo();
        EXPECT_EQ(Items(), (Names{"light_00", "light_00(copy)", "light_01"}));

        ClickItem("light_01");
        boxes.Answer(IDYES);
        ClickButton(kDelete);
        EXPECT_EQ(boxes.GetRequests().back().text, english ? "delete light_01?" : "light_01を削除しますか？");
        EXPECT_EQ(Items(), (Names{"light_00", "light_00(copy)"}));
        ASSERT_TRUE(GetSelectedLight()) << "the tree's selection moved on, and the light with it";
        EXPECT_EQ(GetSelectedLight()->m_name, Tree().GetItemText(Tree().GetSelectedItem()));
        Buffer().Undo();
        EXPECT_EQ(Items(), (Names{"light_00", "light_00(copy)", "light_01"})) << "the deleted light is back";

        // Deleting the last light hides the panel and the level bar.
        while (GetSelectedLight()) {
            boxes.Answer(IDYES);
            ClickButton(kDelete);
        }
        EXPECT_TRUE(Items().empty());
        EXPECT_FALSE(Panel().IsWindowVisible());
        EXPECT_FALSE(page->GetLevelBar().IsWindowVisible());
        boxes.Answer(IDOK);
        ClickButton(kCopy);
        EXPECT_EQ(boxes.GetRequests().back().text, english ? "unselect light" : "ライトが選択されていません");
    }
}

// Each number typed and left, each click of a switch, is one undo step
// that undo takes back into the light and the panel.
TEST_F(LightPageGuiTest, EachPanelEditIsOneUndoStep) {
    Open(true);
    ClickButton(kNew);
    CLightData* light = GetSelectedLight();
    ASSERT_TRUE(light);
    const int steps = Buffer().GetPosition();
    const int repaints = Repaints();
    Enter(1532, "-6");
    Enter(1534, "-7.5");
    EXPECT_TRUE(light->m_location == CVector3(-6, 5, -7.5f));
    EXPECT_EQ(Buffer().GetPosition(), steps + 2);
    EXPECT_EQ(Repaints(), repaints + 2 * kPaneCount) << "a light's place shows in the panes";

    Click(1289);
    EXPECT_EQ(light->m_shadowless, 1);
    Click(1531);
    EXPECT_EQ(light->m_fadeOn, 1);
    EXPECT_TRUE(Enabled(1576)) << "fading on opens its distance";
    Enter(1576, "12.5");
    EXPECT_EQ(light->m_fadeDistance, 12.5f);
    EXPECT_EQ(Buffer().GetPosition(), steps + 5);

    Buffer().Undo();
    EXPECT_EQ(light->m_fadeDistance, 10.0f);
    EXPECT_EQ(Text(1576), "10.000") << "the panel follows undo";
    Buffer().Undo();
    EXPECT_EQ(light->m_fadeOn, 0);
    EXPECT_FALSE(Enabled(1576));
    Buffer().Undo();
    Buffer().Undo();
    EXPECT_EQ(light->m_location.GetZ(), 5.0f);
    EXPECT_EQ(Text(1534), "5.000");
}

// Radius 50 with falloff 40 raises the falloff to 50; falloff 20 then
// lowers the radius to 20: each field shows it at once.
TEST_F(LightPageGuiTest, RadiusAndFalloffStayCoupled) {
    Open(false);
    ClickButton(kNew);
    CLightData* light = GetSelectedLight();
    EXPECT_FALSE(Enabled(kRadius)) << "a point light has no cone";
    Click(1536);
    EXPECT_EQ(light->m_type, lightSpot);
    EXPECT_TRUE(Enabled(kRadius));
    Enter(kRadius, "50");
    EXPECT_EQ(light->m_radius, 50.0f);
    EXPECT_EQ(light->m_falloff, 50.0f);
    EXPECT_EQ(Text(kFalloff), "50.000");
    Enter(kFalloff, "20");
    EXPECT_EQ(light->m_radius, 20.0f);
    EXPECT_EQ(Text(kRadius), "20.000");
    const int steps = Buffer().GetPosition();
    Enter(kRadius, "95");
    EXPECT_EQ(light->m_radius, 89.999f) << "kept in its range";
    EXPECT_EQ(Buffer().GetPosition(), steps + 1);
}

// The type's radio changes what the panel enables and the item's picture.
TEST_F(LightPageGuiTest, TheTypeSetsTheEnabledControlsAndTheItemsPicture) {
    for (const bool english : {false, true}) {
        Open(english, 1000);
        ClickButton(kNew);
        EXPECT_EQ(ItemImage("light_00"), lightPoint);
        for (const int id : {1539, kRadius, kFalloff, 1546, 1542, 1547, 1552, 1554, 1553})
            EXPECT_FALSE(Enabled(id)) << id;
        Click(1538);
        EXPECT_EQ(ItemImage("light_00"), lightArea);
        EXPECT_TRUE(Enabled(1542));
        EXPECT_TRUE(Enabled(1554));
        EXPECT_FALSE(Enabled(kRadius));
        Click(1554);
        EXPECT_TRUE(Enabled(kRadius)) << "an area light used as a spot";
        EXPECT_TRUE(Enabled(1539));
        Click(1733);
        EXPECT_TRUE(Enabled(1731));
        Reveal(1475);
        Shoot("light_panel_top", english);
        Reveal(1733);
        Shoot("light_panel_bottom", english);
        Buffer().Undo();
        Buffer().Undo();
        Buffer().Undo();
        EXPECT_EQ(ItemImage("light_00"), lightPoint) << "undo gives the item its picture back";
        EXPECT_FALSE(Enabled(1542));
    }
}
