// The naming and selection dialogs opened for real in both languages, with
// a document to name and pick from: the name check of the name dialog, the
// object and material pickers, the parent-folder picker and the material
// axis of a slot.
#include "app/app_state.h"
#include "app/quel_doc.h"
#include "dialogs/material_axis_dlg.h"
#include "dialogs/parent_folder_dlg.h"
#include "dialogs/rename_dlg.h"
#include "dialogs/select_list_dlgs.h"
#include "platform/ui/resource_lookup.h"
#include "platform_ui_gui/probe_wnd.h"
#include "platform_ui_gui/screen_picture.h"
#include "support/gui_modal.h"
#include "support/recording_windows.h"

#include <gtest/gtest.h>
#include <memory>
#include <optional>

using qf::test::PumpEvents;
using qf::test::RunModalWithSteps;

namespace {

constexpr ResourceLanguage kLanguages[] = {ResourceLanguage::Japanese, ResourceLanguage::English};

const char* Suffix(ResourceLanguage language) {
    return language == ResourceLanguage::Japanese ? "ja" : "en";
}

class SelectionDialogsGuiTest : public ::testing::Test {
protected:
    void SetUp() override {
        doc = std::make_unique<CQuelDoc>();
        main.emplace(doc.get());
    }
    void TearDown() override {
        doc.reset();
        main.reset();
        GetAppState() = CQuelAppState();
        SetResourceLanguage(ResourceLanguage::Japanese);
    }
    void UseLanguage(ResourceLanguage language) {
        SetResourceLanguage(language);
        GetAppState().m_english = language == ResourceLanguage::English ? 1 : 0;
    }
    // The next dialog run is a real one.
    void RunForReal() {
        runner.AnswerModal([](qf::CModalWindow& window) { return window.RunModalLoop(); });
    }
    void Click(CWnd& control) {
        mouse.MoveTo(control, CPoint(8, 6));
        mouse.Down();
        mouse.Up();
    }
    // Replaces the text of the edit under the pointer, as typed.
    void Type(CWnd& edit, const char* text) {
        Click(edit);
        mouse.Sim().Char('a', wxMOD_CONTROL);
        PumpEvents(30);
        mouse.Sim().Text(text);
        PumpEvents(50);
    }
    void Save(CDialog& dialog, const std::string& name) {
        PumpEvents(100);
        EXPECT_FALSE(qf::test::SaveScreenPicture(dialog, name).empty());
    }
    CSpatchObj* AddObject(const char* name, int selected = 0) {
        CSpatchObj* obj = doc->AddPatchObject();
        obj->SetName(name);
        obj->SetSelected(selected);
        return obj;
    }

    qf::CScriptedModalRunner runner;
    std::unique_ptr<CQuelDoc> doc;
    std::optional<qf::test::RecordingMainWindow> main;
    qf::test::SimulatedMouse mouse;
};

} // namespace

TEST_F(SelectionDialogsGuiTest, TheNameDialogTakesOnlyANewNameTheFileCanHold) {
    AddObject("wing");
    doc->AddLight()->m_name = "sun";
    doc->AddMaterial()->m_name = "gold";
    for (const ResourceLanguage language : kLanguages) {
        UseLanguage(language);
        RunForReal();
        CRenameDlg dialog;
        dialog.m_name = "wing";
        const int result = RunModalWithSteps(dialog, [&] {
            CWnd& ok = *dialog.GetDlgItem(IDOK);
            CWnd& edit = *dialog.GetDlgItem(1063);
            EXPECT_TRUE(ok.IsWindowEnabled()) << "the preset name may be kept";
            CString title;
            dialog.GetWindowText(title);
            EXPECT_EQ(title, language == ResourceLanguage::English ? "Change Name" : "名前を変更");
            const struct {
                const char* typed;
                bool accepted;
            } cases[] = {{"sun", false},
                         {"gold", false},
                         {"wing", false},
                         {"", false},
                         {"\xF0\x9F\x98\x80", false}, // an emoji, which CP932 has not
                         {"tail", true}};
            for (const auto& c : cases) {
                Type(edit, c.typed);
                EXPECT_EQ(ok.IsWindowEnabled() != FALSE, c.accepted) << "'" << c.typed << "'";
            }
            Save(dialog, std::string("rename_") + Suffix(language) + ".png");
            Click(ok);
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(dialog.m_name, "tail");
    }
}

TEST_F(SelectionDialogsGuiTest, TheObjectPickerListsTheOtherObjectsAndStartsOnTheSelectedOne) {
    AddObject("body");
    AddObject("head", 1);
    AddObject("tail");
    for (const ResourceLanguage language : kLanguages) {
        UseLanguage(language);
        RunForReal();
        CSelectObjectDlg dialog;
        dialog.m_excludedName = "body";
        const int result = RunModalWithSteps(dialog, [&] {
            auto& list = *static_cast<CListBox*>(dialog.GetDlgItem(1056));
            ASSERT_EQ(list.GetCount(), 2);
            CString line;
            list.GetText(list.GetCurSel(), line);
            EXPECT_EQ(line, "head") << "the selected object";
            Save(dialog, std::string("select_object_") + Suffix(language) + ".png");
            // A click on the second line.
            int y = 0;
            BOOL outside = FALSE;
            while (y < 200 && list.ItemFromPoint(CPoint(20, y), outside) != 1)
                ++y;
            mouse.MoveTo(list, CPoint(20, y + 4));
            mouse.Down();
            mouse.Up();
            Click(*dialog.GetDlgItem(IDOK));
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(dialog.m_index, 2) << "tail, counted with the excluded object";
    }

    // With only the excluded object there is nothing to choose.
    doc->DeleteAllObjects();
    AddObject("only", 1);
    RunForReal();
    CSelectObjectDlg dialog;
    dialog.m_excludedName = "only";
    RunModalWithSteps(dialog, [&] {
        EXPECT_FALSE(dialog.GetDlgItem(IDOK)->IsWindowEnabled());
        Click(*dialog.GetDlgItem(IDCANCEL));
    });
}

TEST_F(SelectionDialogsGuiTest, TheMaterialPickerStartsOnTheFirstMaterial) {
    for (const char* name : {"gold", "glass"})
        doc->AddMaterial()->m_name = name;
    for (const ResourceLanguage language : kLanguages) {
        UseLanguage(language);
        RunForReal();
        CSelectMaterialDlg dialog;
        dialog.m_index = 7;
        const int result = RunModalWithSteps(dialog, [&] {
            auto& list = *static_cast<CListBox*>(dialog.GetDlgItem(1056));
            EXPECT_EQ(list.GetCount(), 2);
            EXPECT_EQ(list.GetCurSel(), 0);
            Save(dialog, std::string("select_material_") + Suffix(language) + ".png");
            Click(*dialog.GetDlgItem(IDOK));
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(dialog.m_index, 0);
    }
    doc->DeleteAllMaterials();
    RunForReal();
    CSelectMaterialDlg empty;
    RunModalWithSteps(empty, [&] {
        EXPECT_FALSE(empty.GetDlgItem(IDOK)->IsWindowEnabled());
        Click(*empty.GetDlgItem(IDCANCEL));
    });
}

TEST_F(SelectionDialogsGuiTest, TheParentFolderPickerShowsTheHierarchyUnderRoot) {
    CFolderObj* folder = doc->AddFolder();
    folder->SetName("フォルダ");
    CSpatchObj* obj = AddObject("中身");
    doc->m_tree.MoveIntoFolder(obj, folder);
    AddObject("外");
    for (const ResourceLanguage language : kLanguages) {
        UseLanguage(language);
        RunForReal();
        CParentFolderDlg dialog;
        RunModalWithSteps(dialog, [&] {
            auto& tree = *static_cast<CTreeCtrl*>(dialog.GetDlgItem(1022));
            const HTREEITEM root = tree.GetRootItem();
            EXPECT_EQ(tree.GetItemText(root), "Root");
            EXPECT_EQ(tree.GetCount(), 4u);
            EXPECT_FALSE(dialog.GetDlgItem(IDOK)->IsWindowEnabled());
            tree.SelectItem(root);
            EXPECT_TRUE(dialog.GetDlgItem(IDOK)->IsWindowEnabled());
            EXPECT_EQ(dialog.m_chosenFolder, nullptr);
            Save(dialog, std::string("parent_folder_") + Suffix(language) + ".png");
            Click(*dialog.GetDlgItem(IDCANCEL));
        });
    }
}

TEST_F(SelectionDialogsGuiTest, TheMaterialAxisDialogKeepsItsNumbersInRange) {
    for (const ResourceLanguage language : kLanguages) {
        UseLanguage(language);
        RunForReal();
        CMaterialAxisDlg dialog;
        dialog.m_position = CVector3(1.0f, 2.0f, 3.0f);
        const int result = RunModalWithSteps(dialog, [&] {
            CString text;
            dialog.GetDlgItem(1464)->GetWindowText(text);
            EXPECT_EQ(text.str().substr(0, 3), "3.0") << "the preset z of the position";
            dialog.GetDlgItem(1675)->GetWindowText(text);
            EXPECT_EQ(text.str().substr(0, 3), "1.0") << "scale starts at 1";
            Type(*dialog.GetDlgItem(1681), "5000");
            Type(*dialog.GetDlgItem(1677), "-2.5");
            Click(*dialog.GetDlgItem(1063));
            dialog.GetDlgItem(1681)->GetWindowText(text);
            EXPECT_EQ(text.str().substr(0, 4), "1000") << "clamped when the field is left";
            Save(dialog, std::string("material_axis_") + Suffix(language) + ".png");
            Click(*dialog.GetDlgItem(IDOK));
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(dialog.m_rotate.GetX(), 1000.0f);
        EXPECT_EQ(dialog.m_scale.GetY(), -2.5f);
        EXPECT_EQ(dialog.m_position.GetZ(), 3.0f);
    }
}
