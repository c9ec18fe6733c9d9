#include "dialogs/import_settings_dlg.h"
#include "formats/exchange_ui.h"
#include "platform/ui/common_dialogs.h"
#include "platform/ui/resource_lookup.h"
#include "platform_ui_gui/probe_wnd.h"
#include "platform_ui_gui/screen_picture.h"
#include "support/gui_modal.h"

#include <gtest/gtest.h>

using qf::test::PumpEvents;
using qf::test::RunModalWithSteps;

// The sPatch import settings opened for real in both languages: the default
// colours on the swatches, a colour picked for one layer and the centring
// box ticked reach the caller on OK.
TEST(ImportSettingsDlgGuiTest, PickedColourAndCentringReachTheCallerInEitherLanguage) {
    qf::CScriptedModalRunner runner;
    const COLORREF picked = RGB(10, 200, 30);
    for (const auto language : {ResourceLanguage::Japanese, ResourceLanguage::English}) {
        const bool japanese = language == ResourceLanguage::Japanese;
        SetResourceLanguage(language);
        runner.AnswerModal([](qf::CModalWindow& window) { return window.RunModalLoop(); });
        runner.AnswerModal([&](qf::CModalWindow& window) {
            auto& colours = dynamic_cast<CColorDialog&>(window);
            EXPECT_EQ(colours.GetColor(), CSptImportSettings().layerColors[2]);
            colours.SetColor(picked);
            return IDOK;
        });
        CImportSettingsDlg dialog;
        qf::test::SimulatedMouse mouse;
        const auto click = [&](CWnd& control) {
            mouse.MoveTo(control, CPoint(6, 6));
            mouse.Down();
            mouse.Up();
            PumpEvents(50);
        };
        const int result = RunModalWithSteps(dialog, [&] {
            PumpEvents(300);
            for (int layer = 0; layer < 8; ++layer)
                EXPECT_EQ(dialog.GetColorButton(layer).GetColor(), CSptImportSettings().layerColors[layer]);
            CString text;
            dialog.GetDlgItemText(1511, text);
            EXPECT_EQ(text, japanese ? "レイヤー８" : "Layer 8");
            dialog.GetWindowText(text);
            EXPECT_EQ(text, japanese ? "インポート設定" : "Import Setting");
            EXPECT_GT(dialog.GetColorGroup().GetMemberCount(), 15) << "the labels and swatches down to OK";
            click(dialog.GetColorButton(2));
            click(*dialog.GetDlgItem(CImportSettingsDlg::kShiftCenterId));
            PumpEvents(200);
            EXPECT_FALSE(qf::test::SaveScreenPicture(dialog, japanese ? "import_settings_ja.png"
                                                                      : "import_settings_en.png")
                             .empty());
            click(*dialog.GetDlgItem(IDOK));
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(dialog.m_layerColors[2], picked);
        EXPECT_EQ(dialog.m_layerColors[7], CSptImportSettings().layerColors[7]);
        EXPECT_EQ(dialog.m_shiftCenter, 1);
    }
    SetResourceLanguage(ResourceLanguage::Japanese);
}
