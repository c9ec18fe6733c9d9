#include "dialogs/insert_file_dialog.h"
#include "platform/ui/resource_lookup.h"
#include "platform_ui_gui/probe_wnd.h"
#include "platform_ui_gui/screen_picture.h"
#include "support/gui_modal.h"

#include <algorithm>
#include <gtest/gtest.h>

using qf::test::PumpEvents;
using qf::test::RunModalWithSteps;

namespace {

using Sections = std::array<int, 12>;
constexpr Sections kAll{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};

Sections Flags(const CInsertFileDialog& d) {
    return {d.m_objects,         d.m_lights,          d.m_materials,    d.m_cameras,
            d.m_backgroundColor, d.m_defaultMaterial, d.m_includeFiles, d.m_globalSettings,
            d.m_radiosity,       d.m_postProcess,     d.m_memoCameras,  d.m_backgroundImage};
}

// Runs the dialog for real through the scripted runner.
int RunForReal(qf::CModalWindow& window) {
    return window.RunModalLoop();
}

} // namespace

TEST(InsertFileDialogTest, EverySectionIsChosenAtFirstAndAScriptAnswersWithoutADisplay) {
    CInsertFileDialog dialog;
    EXPECT_EQ(Flags(dialog), kAll);
    qf::CScriptedModalRunner runner;
    runner.AnswerModal([](qf::CModalWindow& window) {
        auto& d = dynamic_cast<CInsertFileDialog&>(window);
        EXPECT_EQ(d.GetTemplateId(), 242u);
        d.m_lights = 0;
        return IDOK;
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_lights, 0);
    EXPECT_EQ(dialog.m_materials, 1);
}

TEST(InsertFileDialogGuiTest, OkNeedsOneBoxAndIsTheOnlyWayOut) {
    qf::CScriptedModalRunner runner;
    runner.AnswerModal(RunForReal);
    CInsertFileDialog dialog;
    qf::test::SimulatedMouse mouse;
    const auto click = [&](CWnd& control) {
        mouse.MoveTo(control, CPoint(7, 8));
        mouse.Down();
        mouse.Up();
    };
    const int result = RunModalWithSteps(dialog, [&] {
        CWnd* ok = dialog.GetDlgItem(IDOK);
        for (const UINT id : CInsertFileDialog::kBoxIds)
            EXPECT_EQ(dialog.IsDlgButtonChecked(static_cast<int>(id)), BST_CHECKED) << id;
        EXPECT_TRUE(ok->IsWindowEnabled());
        for (const UINT id : CInsertFileDialog::kBoxIds) {
            click(*dialog.GetDlgItem(static_cast<int>(id)));
            EXPECT_EQ(ok->IsWindowEnabled(), id != CInsertFileDialog::kBoxIds.back()) << "after " << id;
        }
        for (const int key : {WXK_ESCAPE, WXK_RETURN}) {
            mouse.Sim().Char(key);
            PumpEvents(50);
        }
        dialog.GetNativeWindow()->Close();
        PumpEvents(50);
        ASSERT_NE(dialog.GetNativeWindow(), nullptr) << "Escape, Enter and the close box leave it open";
        click(*dialog.GetDlgItem(1431));
        EXPECT_TRUE(ok->IsWindowEnabled()) << "one box is enough";
        click(*dialog.GetDlgItem(1706));
        click(*ok);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(Flags(dialog), (Sections{0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1, 0})) << "materials and memo cameras";
}

TEST(InsertFileDialogGuiTest, AcceptingTheDefaultsMergesEverySectionInEitherLanguage) {
    qf::CScriptedModalRunner runner;
    for (const auto language : {ResourceLanguage::Japanese, ResourceLanguage::English}) {
        SetResourceLanguage(language);
        runner.AnswerModal(RunForReal);
        CInsertFileDialog dialog;
        const int result = RunModalWithSteps(dialog, [&] {
            PumpEvents(300);
            const bool japanese = language == ResourceLanguage::Japanese;
            CString text;
            dialog.GetDlgItemText(1422, text);
            EXPECT_EQ(text, japanese ? "オブジェクト情報" : "Object Info");
            EXPECT_FALSE(qf::test::SaveScreenPicture(dialog, japanese ? "insert_sections_ja.png"
                                                                      : "insert_sections_en.png")
                             .empty());
            qf::test::SimulatedMouse keys;
            keys.MoveTo(*dialog.GetDlgItem(1422), CPoint(5, 5));
            keys.Sim().Char(WXK_RETURN);
        });
        EXPECT_EQ(result, IDOK) << "Enter presses OK";
        EXPECT_EQ(Flags(dialog), kAll);
    }
    SetResourceLanguage(ResourceLanguage::Japanese);
}
