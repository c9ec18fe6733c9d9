// The renderer pages and the renderer definition dialog driven for real:
// definitions added, copied, edited, deleted and reordered, kept in the
// "POV Render" folder across a restart with the active renderer still on
// its definition; the dialog's rules; the BMRT, Lightflow and Python paths
// chosen with the file and folder dialogs.
#include "app/renderer_list.h"
#include "dialogs/renderer_setting_dlg.h"
#include "platform/base/file_util.h"
#include "scene_page_fixture.h"

#include <filesystem>

using qf::test::PumpEvents;
using qf::test::RealDialogWithSteps;

namespace {

std::vector<std::string> Titles(const CRendererList& list) {
    std::vector<std::string> titles;
    for (const CRendererInfo* info : list)
        titles.push_back(info->title.str());
    return titles;
}

std::vector<std::string> Lines(CListBox& list) {
    std::vector<std::string> lines;
    for (int i = 0; i < list.GetCount(); ++i) {
        CString text;
        list.GetText(i, text);
        lines.push_back(text.str());
    }
    return lines;
}

constexpr int kList = 1056;
constexpr int kAdd = 1475;
constexpr int kEdit = 1478;
constexpr int kDelete = 1481;
constexpr int kCopy = 1473;
constexpr int kUp = 1152;
constexpr int kDown = 1467;

} // namespace

class RendererPagesGuiTest : public ScenePageGuiTest {
protected:
    // A point of the list inside the line; a point below the lines for -1.
    CPoint LinePoint(CListBox& list, int line) {
        CRect client;
        list.GetClientRect(&client);
        for (int y = client.bottom - 2; y > 0; y -= 2) {
            BOOL outside = TRUE;
            const int hit = static_cast<int>(list.ItemFromPoint(CPoint(20, y), outside));
            if ((line < 0 && outside) || (!outside && hit == line))
                return CPoint(20, y);
        }
        ADD_FAILURE() << "no point for line " << line;
        return CPoint(20, 2);
    }
    void ClickLine(CListBox& list, int line) {
        mouse.MoveTo(list, LinePoint(list, line));
        mouse.Down();
        mouse.Up();
        PumpEvents(50);
    }
    void DoubleClickLine(CListBox& list, int line) {
        mouse.MoveTo(list, LinePoint(list, line));
        mouse.DoubleClick();
        PumpEvents(80);
    }
    // The next definition dialog: its title becomes title, then OK.
    void AnswerDefinition(const char* title, std::function<void(CRendererSettingDlg&)> more = {}) {
        boxes.AnswerModal(
            RealDialogWithSteps<CRendererSettingDlg>([this, title, more](CRendererSettingDlg& dialog) {
                user.Type(dialog, 1675, title);
                if (more)
                    more(dialog);
                user.Click(dialog, IDOK);
            }));
    }
};

TEST_F(RendererPagesGuiTest, DefinitionsAreAddedCopiedEditedDeletedMovedAndKeptAcrossARestart) {
    Open(true);
    doc->m_renderers.Add(CRendererInfo());
    doc->m_renderers.GetAt(0)->title = "POV-Ray 3.7";
    while (doc->m_renderers.GetCount() > 1)
        doc->m_renderers.Remove(doc->m_renderers.GetAt(1), doc->m_render.renderer_index);
    CPovSettingListPanel& page = Show<CPovSettingListPanel>("Render Setting");
    CListBox& list = page.GetList();
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"POV-Ray 3.7"}));

    // Add: a new definition, its program chosen with the file dialog.
    AnswerDefinition("MegaPOV", [this](CRendererSettingDlg& dialog) {
        user.Click(dialog, 1578);
        boxes.AnswerModal([](qf::CModalWindow& window) {
            auto& files = dynamic_cast<CFileDialog&>(window);
            EXPECT_TRUE(files.GetDefaultExt().IsEmpty()) << "no extension marks a program here";
            EXPECT_EQ(files.GetFilters().size(), 1U);
            EXPECT_EQ(files.GetFilters().front().second, "*");
            EXPECT_TRUE(files.AcceptPath("/usr/local/bin/megapov"));
            return IDOK;
        });
        user.Click(dialog, 1475);
        EXPECT_EQ(Text(dialog, 1677), "/usr/local/bin/megapov");
    });
    Click(page, kAdd);
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"POV-Ray 3.7", "MegaPOV"}));
    EXPECT_EQ(list.GetCurSel(), -1);
    const CRendererInfo* mega = doc->m_renderers.GetAt(1);
    EXPECT_EQ(mega->is_official, 0);
    EXPECT_EQ(mega->path, "/usr/local/bin/megapov");
    EXPECT_FALSE(doc->IsModified()) << "definitions are program settings";

    // The render setting uses MegaPOV; moving it keeps the render on it.
    doc->m_render.renderer_index = 1;
    ClickLine(list, 1);
    Click(page, kUp);
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"MegaPOV", "POV-Ray 3.7"}));
    EXPECT_EQ(list.GetCurSel(), 0);
    EXPECT_EQ(doc->m_render.renderer_index, 0) << "the active index follows its definition";
    Click(page, kUp);
    EXPECT_EQ(list.GetCurSel(), 0) << "the first cannot go up";
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"MegaPOV", "POV-Ray 3.7"}));

    // Copy, cancelled, then taken with a title of its own.
    boxes.AnswerModal(RealDialogWithSteps<CRendererSettingDlg>(
        [this](CRendererSettingDlg& dialog) { user.Click(dialog, IDCANCEL); }));
    Click(page, kCopy);
    EXPECT_EQ(doc->m_renderers.GetCount(), 2);
    AnswerDefinition("MegaPOV fast");
    Click(page, kCopy);
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"MegaPOV", "POV-Ray 3.7", "MegaPOV fast"}));
    EXPECT_EQ(doc->m_renderers.GetAt(2)->path, "/usr/local/bin/megapov") << "a copy of the selected one";
    EXPECT_EQ(doc->m_renderers.GetAt(0)->title, "MegaPOV") << "the selected one stays";
    ClickLine(list, 2);
    Click(page, kDown);
    EXPECT_EQ(list.GetCurSel(), 2) << "the last cannot go down";

    // Edit by a double click on the selected line; the line stays selected.
    ClickLine(list, 1);
    AnswerDefinition("POV-Ray");
    DoubleClickLine(list, 1);
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"MegaPOV", "POV-Ray", "MegaPOV fast"}));
    EXPECT_EQ(list.GetCurSel(), 1);
    const int windows = boxes.GetModalCount();
    DoubleClickLine(list, -1);
    EXPECT_EQ(boxes.GetModalCount(), windows) << "a double click below the lines opens nothing";
    Shoot("renderer_list_edited", true);

    // Delete: the active renderer (MegaPOV fast) moves up one place.
    doc->m_render.renderer_index = 2;
    ClickLine(list, 0);
    Click(page, kDelete);
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"POV-Ray", "MegaPOV fast"}));
    EXPECT_EQ(list.GetCurSel(), -1);
    EXPECT_EQ(doc->m_render.renderer_index, 1);
    Click(page, kEdit);
    Click(page, kDelete);
    EXPECT_EQ(doc->m_renderers.GetCount(), 2) << "nothing selected, nothing done";

    // A restart reads back what the end of the run wrote.
    page.DestroyWindow();
    this->page.reset();
    frame.reset();
    CloseDocument();
    const std::string folder = CRendererList::Folder();
    EXPECT_TRUE(qf::FileExists(qf::JoinPath(folder, "render002.ini")));
    EXPECT_FALSE(qf::FileExists(qf::JoinPath(folder, "render003.ini")));
    doc = std::make_unique<CQuelDoc>();
    main.emplace(doc.get());
    EXPECT_EQ(Titles(doc->m_renderers), (std::vector<std::string>{"POV-Ray", "MegaPOV fast"}));
    EXPECT_EQ(doc->m_render.renderer_index, 1);
    EXPECT_EQ(doc->m_renderers.GetAt(1)->is_official, 0);
}

TEST_F(RendererPagesGuiTest, TheDefinitionDialogWritesEachControlIntoItsCopy) {
    for (const bool english : {false, true}) {
        UseLanguage(english);
        CRendererInfo original;
        original.title = "POV-Ray";
        original.official_version = "3.7";
        original.no_shadow = 0;
        original.post_process = 0;
        original.radiosity_type = 0;
        CRendererSettingDlg dialog;
        dialog.SetInfo(original);
        boxes.AnswerModal(RealDialogWithSteps<CRendererSettingDlg>([&](CRendererSettingDlg&) {
            CString caption;
            dialog.GetWindowText(caption);
            EXPECT_EQ(caption, english ? "Change Renderer Setting" : "POV-Ray Setting");
            EXPECT_EQ(Text(dialog, IDCANCEL), "Cancel");
            EXPECT_EQ(Text(dialog, 1675), "POV-Ray");
            EXPECT_TRUE(Enabled(dialog, 1063));
            EXPECT_FALSE(Enabled(dialog, 1462));
            EXPECT_FALSE(Enabled(dialog, 1703)) << "effects wait for post_process";

            user.Type(dialog, 1675, "");
            user.Key(WXK_BACK);
            EXPECT_EQ(Text(dialog, 1675), "");
            EXPECT_FALSE(Enabled(dialog, IDOK)) << "a definition needs a title";
            user.Type(dialog, 1675, "M");
            EXPECT_TRUE(Enabled(dialog, IDOK));
            user.Click(dialog, 1578);
            EXPECT_FALSE(Enabled(dialog, 1063));
            EXPECT_TRUE(Enabled(dialog, 1462));
            EXPECT_TRUE(Enabled(dialog, 1464));
            user.Click(dialog, 1699);
            EXPECT_TRUE(Enabled(dialog, 1703));
            user.Click(dialog, 1703);
            user.Click(dialog, 1580);
            user.Click(dialog, 1586);
            user.Type(dialog, 1679, "12");
            user.Key(WXK_TAB);
            EXPECT_EQ(Text(dialog, 1679), "10");
            qf::test::PumpEvents(100);
            EXPECT_FALSE(qf::test::SaveScreenPicture(dialog, english ? "renderer_definition_en.png"
                                                                     : "renderer_definition_ja.png")
                             .empty());
            user.Click(dialog, IDOK);
        }));
        ASSERT_EQ(dialog.DoModal(), IDOK);
        const CRendererInfo edited = dialog.GetInfo();
        EXPECT_EQ(edited.title, "M");
        EXPECT_EQ(edited.is_official, 0);
        EXPECT_EQ(edited.official_version, "3.7") << "kept while the unofficial one is chosen";
        EXPECT_EQ(edited.post_process, 1);
        EXPECT_EQ(edited.pp_focal_blur, 1);
        EXPECT_EQ(edited.patch_type, 1);
        EXPECT_EQ(edited.radiosity_type, 1);
        EXPECT_EQ(edited.output_patch_level, 10);
        EXPECT_EQ(edited.no_shadow, 0) << "no control, passed through";

        // Cancel after changes: the caller's definition is as it was.
        CRendererSettingDlg cancelled;
        cancelled.SetInfo(original);
        boxes.AnswerModal(RealDialogWithSteps<CRendererSettingDlg>([&](CRendererSettingDlg&) {
            user.Type(cancelled, 1675, "changed");
            user.Click(cancelled, 1734);
            user.Click(cancelled, IDCANCEL);
        }));
        EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
        EXPECT_EQ(original.title, "POV-Ray");
        EXPECT_EQ(original.commandline_render, 0);

        // A definition that comes without a title still has OK until the title is edited.
        CRendererInfo untitled;
        untitled.title = "";
        CRendererSettingDlg empty;
        empty.SetInfo(untitled);
        boxes.AnswerModal(RealDialogWithSteps<CRendererSettingDlg>([&](CRendererSettingDlg&) {
            EXPECT_TRUE(Enabled(empty, IDOK));
            user.Click(empty, IDCANCEL);
        }));
        empty.DoModal();
    }
    UseLanguage(false);
}

TEST_F(RendererPagesGuiTest, RendererPathsAreChosenWithTheFileAndFolderDialogs) {
    for (const bool english : {false, true}) {
        Open(english);
        CRendererPathPanel& paths = Show<CRendererPathPanel>(english ? "Path Setting" : "パス設定");
        boxes.AnswerModal([](qf::CModalWindow& window) {
            auto& files = dynamic_cast<CFileDialog&>(window);
            EXPECT_TRUE(files.GetDefaultExt().IsEmpty());
            EXPECT_TRUE(files.AcceptPath("/opt/bmrt/bin/rendrib"));
            return IDOK;
        });
        Click(paths, 1475);
        EXPECT_EQ(doc->m_settings.m_rendribPath, "/opt/bmrt/bin/rendrib");
        EXPECT_EQ(Text(paths, 1063), "/opt/bmrt/bin/rendrib");

        boxes.AnswerModal([english](qf::CModalWindow& window) {
            auto& folders = dynamic_cast<CFolderDialog&>(window);
            EXPECT_EQ(folders.GetTitle(), english ? "Select Folder" : "フォルダの選択");
            folders.SetPath("/opt/lightflow");
            return IDOK;
        });
        Click(paths, 1481);
        EXPECT_EQ(doc->m_settings.m_lightflowFolder, "/opt/lightflow");

        boxes.AnswerModal(IDCANCEL);
        Click(paths, 1478);
        boxes.AnswerModal(IDCANCEL);
        Click(paths, 1152);
        EXPECT_EQ(doc->m_settings.m_bmrtFolder, CCoreSettings().m_bmrtFolder) << "cancelled";
        EXPECT_EQ(doc->m_settings.m_pythonPath, CCoreSettings().m_pythonPath);

        // Typed text is not taken: the buttons choose.
        Enter(paths, 1462, "/typed");
        ClickItem(english ? "Mouse Setting" : "マウス設定");
        CRendererPathPanel& again = Show<CRendererPathPanel>(english ? "Path Setting" : "パス設定");
        EXPECT_EQ(Text(again, 1462), CCoreSettings().m_bmrtFolder);
        EXPECT_FALSE(doc->IsModified()) << "program settings";
    }
}
