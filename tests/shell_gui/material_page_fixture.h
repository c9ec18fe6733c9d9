#pragma once
// The material page for real on screen, as the side bar holds it, over a
// document with a recording object panel; a user who clicks tree items,
// buttons and panel controls, types into number fields and leaves them,
// scrolls a panel by dragging it, and picks list entries; screenshots of
// the page in the test output folder.
#include "app/app_state.h"
#include "app/doc_fixture.h"
#include "app/doc_helpers.h"
#include "platform/ui/resource_lookup.h"
#include "platform_ui_gui/screen_picture.h"
#include "shell/material_page.h"
#include "support/dialog_input.h"
#include "support/gui_modal.h"

#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <wx/choice.h>

class MaterialPageGuiTest : public DocTest {
protected:
    void SetUp() override {
        DocTest::SetUp();
        if (!qf::test::HaveDisplay())
            GTEST_SKIP() << "no display";
        objectPanel = &Register(wndObjectPanel1);
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

    // The page in the language, as tall as the screen allows, so that most
    // panels show whole. Each page has a new document, as at a start.
    void Open(bool english) {
        if (page) {
            page.reset();
            frame.reset();
            windows.clear();
            CloseDocument();
            doc = std::make_unique<CQuelDoc>();
            main.emplace(doc.get());
            objectPanel = &Register(wndObjectPanel1);
        }
        UseLanguage(english);
        frame.emplace(nullptr, CRect(40, 20, 330, 1180));
        page = std::make_unique<CMaterialPage>();
        ASSERT_TRUE(page->Create(CMaterialPage::IDD, &*frame));
        page->MoveWindow(0, 0, 270, 1140);
        page->ShowWindow(SW_SHOW);
        doc->RegisterWindow(page->GetSafeHwnd(), wndMaterialPage);
        qf::test::PumpEvents(100);
    }

    // A material added as the document reader adds one.
    CMaterialData* Load(const char* name, const std::function<void(CMaterialData&)>& setUp = {}) {
        CMaterialData* mat = doc->AddMaterial();
        mat->m_name = name;
        if (setUp)
            setUp(*mat);
        page->AddMaterialItem(mat);
        return mat;
    }

    CUndoBuffer& Buffer() { return doc->m_undoBuffer; }
    CTreeCtrl& Tree() { return page->GetTree(); }
    // The item at the path of texts from the top level; null when there is none.
    HTREEITEM Item(std::initializer_list<const char*> path) {
        HTREEITEM item = nullptr;
        for (const char* text : path) {
            HTREEITEM child = item ? Tree().GetChildItem(item) : Tree().GetRootItem();
            while (child && Tree().GetItemText(child) != text)
                child = Tree().GetNextSiblingItem(child);
            if (!child)
                return nullptr;
            item = child;
        }
        return item;
    }
    // The texts of the item's children, in order.
    std::vector<std::string> Children(HTREEITEM item) {
        std::vector<std::string> texts;
        for (HTREEITEM child = item ? Tree().GetChildItem(item) : Tree().GetRootItem(); child;
             child = Tree().GetNextSiblingItem(child))
            texts.push_back(Tree().GetItemText(child).str());
        return texts;
    }
    // Clicks the item's text, opening the items above it first.
    void ClickItem(std::initializer_list<const char*> path) {
        const HTREEITEM item = Item(path);
        ASSERT_TRUE(item) << *std::prev(path.end());
        Tree().EnsureVisible(item);
        qf::test::PumpEvents(50);
        CRect r;
        ASSERT_TRUE(Tree().GetItemRect(item, &r, TRUE));
        mouse.MoveTo(Tree(), CPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2));
        mouse.Down();
        mouse.Up();
        qf::test::PumpEvents(50);
    }
    CMaterialElementPanel& Panel() {
        CMaterialElementPanel* panel = page->GetCurrentPanel();
        EXPECT_TRUE(panel) << "a panel is shown";
        return panel ? *panel : *page->FindPanel(itemMaterial);
    }
    void ClickButton(int id) { user.Click(*page, id); }

    // Scrolls the panel by dragging its background until the control shows whole.
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
        const CPoint start(client.right - 4, up > 0 ? client.bottom - 10 : 10);
        mouse.MoveTo(panel, start);
        mouse.Down();
        for (int step = 1; step <= 4; ++step)
            mouse.MoveTo(panel, CPoint(start.x, start.y - up * step / 4));
        mouse.Up();
    }
    void Click(CDialog& panel, int id, CPoint at = CPoint(5, 5)) {
        Reveal(panel, id);
        user.Click(panel, id, at);
    }
    // Types into a number field and leaves it, which commits it.
    void Enter(CDialog& panel, int id, const char* text) {
        Reveal(panel, id);
        user.Type(panel, id, text);
        user.Key(WXK_TAB);
    }
    static CString Text(const CDialog& dialog, int id) { return qf::test::DialogInput::Text(dialog, id); }
    static bool Enabled(CDialog& dialog, int id) { return dialog.GetDlgItem(id)->IsWindowEnabled() != FALSE; }
    static bool Checked(const CDialog& dialog, int id) {
        return dialog.IsDlgButtonChecked(id) == BST_CHECKED;
    }
    // Picks an entry of a list as the toolkit reports a choice.
    static void Choose(CDialog& panel, int id, int index) { qf::test::DialogInput::Choose(panel, id, index); }

    // The page as it shows now, in the test output folder.
    void Shoot(const std::string& name, bool english) {
        qf::test::PumpEvents(150);
        EXPECT_FALSE(qf::test::SaveScreenPicture(*page, name + (english ? "_en.png" : "_ja.png")).empty());
    }

    std::optional<qf::test::ProbeFrame> frame;
    std::unique_ptr<CMaterialPage> page;
    qf::test::RecordingDocWindow* objectPanel = nullptr;
    qf::test::DialogInput user;
    qf::test::SimulatedMouse& mouse = user.Mouse();
};
