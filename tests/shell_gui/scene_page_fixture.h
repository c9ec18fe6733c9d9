#pragma once
// The scene page for real on screen, as the side bar holds it, over a
// document with recording OpenGL panes and mouse-status strip; a user who
// clicks tree items, buttons and page controls, types into number fields
// and leaves them, chooses colours and files in the system dialogs, and
// scrolls a page by dragging it; the POV-Ray scene the document gives, and
// screenshots of the page in the test output folder.
#include "app/app_state.h"
#include "app/doc_fixture.h"
#include "app/doc_helpers.h"
#include "platform/base/text_file.h"
#include "platform/ui/common_dialogs.h"
#include "platform/ui/resource_lookup.h"
#include "platform_ui_gui/screen_picture.h"
#include "render/pov_scene_writer.h"
#include "shell/scene_page.h"
#include "support/dialog_input.h"
#include "support/gui_modal.h"
#include "support/run_program.h"

#include <memory>
#include <optional>
#include <string>

// The settings tree's item with the text: a top-level one or a leaf under any of them; null when none.
inline HTREEITEM FindSettingsItem(CTreeCtrl& tree, const char* text) {
    for (HTREEITEM root = tree.GetRootItem(); root; root = tree.GetNextSiblingItem(root)) {
        if (tree.GetItemText(root) == text)
            return root;
        for (HTREEITEM leaf = tree.GetChildItem(root); leaf; leaf = tree.GetNextSiblingItem(leaf))
            if (tree.GetItemText(leaf) == text)
                return leaf;
    }
    return nullptr;
}

// Clicks the item's text as a user does, opening its top-level item first.
inline void ClickSettingsItem(qf::test::SimulatedMouse& mouse, CTreeCtrl& tree, const char* text) {
    const HTREEITEM item = FindSettingsItem(tree, text);
    ASSERT_TRUE(item) << text;
    tree.EnsureVisible(item);
    qf::test::PumpEvents(50);
    CRect r;
    ASSERT_TRUE(tree.GetItemRect(item, &r, TRUE));
    mouse.MoveTo(tree, CPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2));
    mouse.Down();
    mouse.Up();
    qf::test::PumpEvents(80);
}

// Picks an entry of a drop-down list as a user does.
inline void Choose(CDialog& panel, int id, int index) {
    qf::test::DialogInput::Choose(panel, id, index);
}

class ScenePageGuiTest : public DocTest {
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

    // The page in the language over a new document, tall enough that most
    // settings pages show whole.
    void Open(bool english) {
        if (page) {
            page.reset();
            frame.reset();
            windows.clear();
            CloseDocument();
            doc = std::make_unique<CQuelDoc>();
            main.emplace(doc.get());
        }
        UseLanguage(english);
        // The program's start makes a new document before the side bar exists.
        doc->OnNewDocument();
        panes = RegisterPanes();
        strip = &Register(wndMouseAssignStrip);
        frame.emplace(nullptr, CRect(40, 20, 330, 1180));
        page = std::make_unique<CScenePage>();
        ASSERT_TRUE(page->Create(CScenePage::IDD, &*frame));
        page->MoveWindow(0, 0, 270, 1140);
        page->ShowWindow(SW_SHOW);
        doc->RegisterWindow(page->GetSafeHwnd(), wndScenePage);
        qf::test::PumpEvents(100);
    }

    CTreeCtrl& Tree() { return page->GetTree(); }
    HTREEITEM Item(const char* text) { return FindSettingsItem(Tree(), text); }
    void ClickItem(const char* text) { ClickSettingsItem(mouse, Tree(), text); }
    // The leaf's page, shown.
    template <class Page> Page& Show(const char* leaf) {
        ClickItem(leaf);
        auto* shown = dynamic_cast<Page*>(page->GetCurrentPage());
        EXPECT_TRUE(shown) << leaf << " shows its page";
        return shown ? *shown : dynamic_cast<Page&>(*page->GetCurrentPage());
    }

    // Scrolls the page by dragging its background until the control shows whole.
    void Reveal(CDialog& panel, int id) {
        CRect client;
        panel.GetClientRect(&client);
        CRect r;
        panel.GetDlgItem(id)->GetRectInParent(&r);
        const int up = r.bottom > client.bottom - 10 ? r.bottom - (client.bottom - 30)
                       : r.top < 0                   ? r.top - 30
                                                     : 0;
        if (!up)
            return;
        const CPoint start(client.right - 4,
                           Background(panel, up > 0 ? client.bottom - 10 : 10, up > 0 ? -1 : 1));
        mouse.MoveTo(panel, start);
        mouse.Down();
        for (int step = 1; step <= 4; ++step)
            mouse.MoveTo(panel, CPoint(start.x, start.y - up * step / 4));
        mouse.Up();
        qf::test::PumpEvents(30);
    }
    // The first height from y on, going by step, where the page's right edge shows background.
    static int Background(CDialog& panel, int y, int step) {
        CRect client;
        panel.GetClientRect(&client);
        for (; y > 0 && y < client.bottom; y += step) {
            bool covered = false;
            for (CWnd* w = panel.GetWindow(GW_CHILD); w && !covered; w = w->GetWindow(GW_HWNDNEXT)) {
                CRect r;
                w->GetRectInParent(&r);
                covered = w->IsWindowVisible() && r.PtInRect(CPoint(client.right - 4, y));
            }
            if (!covered)
                return y;
        }
        return y;
    }
    void Click(CDialog& panel, int id, CPoint at = CPoint(5, 5)) {
        Reveal(panel, id);
        user.Click(panel, id, at);
        qf::test::PumpEvents(30);
    }
    // Types into a field and leaves it, which commits it.
    void Enter(CDialog& panel, int id, const char* text) {
        Reveal(panel, id);
        user.Type(panel, id, text);
        user.Key(WXK_TAB);
        qf::test::PumpEvents(30);
    }
    // Clicks the swatch and chooses the colour in the colour dialog.
    void ChooseColor(CDialog& panel, int id, COLORREF color) {
        boxes.AnswerModal([color](qf::CModalWindow& window) {
            dynamic_cast<CColorDialog&>(window).SetColor(color);
            return IDOK;
        });
        Click(panel, id);
    }
    // Clicks the button and chooses the file in the file dialog.
    void ChooseFile(CDialog& panel, int id, const std::string& path) {
        boxes.AnswerModal([path](qf::CModalWindow& window) {
            EXPECT_TRUE(dynamic_cast<CFileDialog&>(window).AcceptPath(CString(path)));
            return IDOK;
        });
        Click(panel, id);
    }
    static CString Text(const CDialog& dialog, int id) { return qf::test::DialogInput::Text(dialog, id); }
    static bool Enabled(CDialog& dialog, int id) { return dialog.GetDlgItem(id)->IsWindowEnabled() != FALSE; }
    static bool Checked(const CDialog& dialog, int id) {
        return dialog.IsDlgButtonChecked(id) == BST_CHECKED;
    }

    // The scene the POV-Ray writer gives for the document with the definition.
    std::string Scene(const CRendererInfo& info, bool radiosity = false) {
        CRenderSetting setting;
        setting.use_radiosity = radiosity ? 1 : 0;
        CPovSceneWriter writer;
        writer.SetRendererInfo(&info);
        writer.SetRenderSetting(&setting);
        const std::string path = work.File("scene.pov");
        qf::CTextFileWriter file(path, qf::TextEncoding::Utf8);
        EXPECT_TRUE(writer.WriteAll(file));
        EXPECT_TRUE(file.Close()) << file.GetError();
        return qf::test::ReadFileBytes(path);
    }
    // POV-Ray reads the scene whole (a tiny render, no display).
    void ExpectPovRayParses(const std::string& scene, const std::string& name) {
        if (!qf::test::IsOnPath("povray")) {
            ADD_FAILURE() << "povray is not installed: the scene was not checked by POV-Ray";
            return;
        }
        const std::string pov = (qf::test::OutputDir() / (name + ".pov")).string();
        qf::test::WriteFileBytes(pov, scene);
        const std::string log = (qf::test::OutputDir() / (name + ".log")).string();
        EXPECT_EQ(qf::test::RunProgram({"povray", "+W8", "+H6", "-D", "+L" + work.path().string(), "+I" + pov,
                                        "+O" + work.File(name + ".png")},
                                       log),
                  0)
            << "POV-Ray refused " << pov << ", see " << log;
    }

    // The page as it shows now, in the test output folder.
    void Shoot(const std::string& name, bool english) {
        qf::test::PumpEvents(150);
        EXPECT_FALSE(qf::test::SaveScreenPicture(*page, name + (english ? "_en.png" : "_ja.png")).empty());
    }

    std::optional<qf::test::ProbeFrame> frame;
    std::unique_ptr<CScenePage> page;
    std::vector<qf::test::RecordingDocWindow*> panes;
    qf::test::RecordingDocWindow* strip = nullptr;
    qf::test::DialogInput user;
    qf::test::SimulatedMouse& mouse = user.Mouse();
    qf::test::TempDir work;
};
