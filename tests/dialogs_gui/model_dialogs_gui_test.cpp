// The dialogs of the modelling commands opened for real in both languages,
// with screenshots, and driven with real clicks and keys: ranges clamp what
// is typed, OK follows the check boxes, the text dialog waits for a font and
// the knife window sets the document's knife mode at once.
#include "app/app_state.h"
#include "app/quel_doc.h"
#include "dialogs/align_points_dlg.h"
#include "dialogs/array_dlg.h"
#include "dialogs/extrude_curve_dlg.h"
#include "dialogs/five_point_patch_dlg.h"
#include "dialogs/knife_dlg.h"
#include "dialogs/numeric_transform_dlg.h"
#include "dialogs/shift_position_dlg.h"
#include "dialogs/smoothness_dlg.h"
#include "dialogs/subdivide_curve_dlg.h"
#include "dialogs/text_dlg.h"
#include "platform/ui/resource_lookup.h"
#include "platform_ui_gui/probe_wnd.h"
#include "platform_ui_gui/screen_picture.h"
#include "support/gui_modal.h"
#include "support/recording_windows.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

using qf::test::PumpEvents;
using qf::test::SimulatedMouse;

namespace {

class ModelDialogsGuiTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!qf::test::HaveDisplay())
            GTEST_SKIP() << "no display";
        UseLanguage(false);
    }
    void TearDown() override { UseLanguage(true); }

    static void UseLanguage(bool english) {
        SetResourceLanguage(english ? ResourceLanguage::English : ResourceLanguage::Japanese);
        GetAppState().m_english = english ? 1 : 0;
    }
    // Runs the dialog for real; the steps run inside its modal loop.
    int RunForReal(CDialog& dialog, const std::function<void()>& steps) {
        runner.AnswerModal([](qf::CModalWindow& window) { return window.RunModalLoop(); });
        return qf::test::RunModalWithSteps(dialog, steps);
    }
    void Click(CWnd& control, CPoint at = CPoint(6, 6)) {
        mouse.MoveTo(control, at);
        mouse.Down();
        mouse.Up();
        PumpEvents(30);
    }
    void ClickItem(CDialog& dialog, int id) { Click(*dialog.GetDlgItem(id)); }
    // Types text into a number field, replacing what it shows.
    void Type(CDialog& dialog, int id, const char* text) {
        auto* edit = dynamic_cast<CEdit*>(dialog.GetDlgItem(id));
        ASSERT_NE(edit, nullptr) << id;
        Click(*edit);
        edit->SetSel(0, -1);
        mouse.Sim().Text(text);
        PumpEvents(60);
    }
    static CString Text(const CWnd& wnd) {
        CString text;
        wnd.GetWindowText(text);
        return text;
    }

    qf::CScriptedModalRunner runner;
    SimulatedMouse mouse;
};

// One dialog as a test opens it: its class made with its presets, and two texts to find.
struct DialogCase {
    std::string name;
    std::function<std::unique_ptr<CDialog>()> make;
    const char* japaneseTitle;
    const char* englishTitle;
};

template <class Dialog>
std::function<std::unique_ptr<CDialog>()> Make(std::function<void(Dialog&)> preset = {}) {
    return [preset] {
        auto dialog = std::make_unique<Dialog>();
        if (preset)
            preset(*dialog);
        return dialog;
    };
}

} // namespace

TEST_F(ModelDialogsGuiTest, EveryDialogOpensInBothLanguages) {
    const DialogCase cases[] = {
        {"numeric_rotate",
         Make<CNumericTransformDlg>([](auto& d) { d.m_mode = CNumericTransformDlg::modeRotate; }), "回転",
         "Rotate"},
        {"numeric_create_point",
         Make<CNumericTransformDlg>([](auto& d) { d.m_mode = CNumericTransformDlg::modeCreatePoint; }),
         "頂点を作成", "Create Point"},
        {"array", Make<CArrayDlg>(), "配列", "配列"},
        {"shift_position", Make<CShiftPositionDlg>([](auto& d) {
             d.m_max = {2, 1, 0.5f}, d.m_size = {2, 1, 0.5f};
         }),
         "位置合わせ", "Shift Position"},
        {"align_points", Make<CAlignPointsDlg>([](auto& d) {
             d.m_max = {1.5f, 2, 3}, d.m_min = {-1, 0, 0.25f};
         }),
         "頂点の位置を揃える", "Align Points"},
        {"extrude_curve", Make<CExtrudeCurveDlg>(), "カーブに沿って押し出し", "Extrude (select curve)"},
        {"subdivide_curve", Make<CSubdivideCurveDlg>(), "選択されたカーブを分割", "Subdivide Select Curve"},
        {"smoothness", Make<CSmoothnessDlg>(), "滑らかさ", "subdivision"},
        {"five_point_patch", Make<CFivePointPatchDlg>(), "5point patch", "5point patch"},
        {"text", Make<CTextDlg>([](auto& d) { d.m_text = "text"; }), "Text", "Text"},
    };
    for (const bool english : {false, true}) {
        UseLanguage(english);
        for (const DialogCase& c : cases) {
            SCOPED_TRACE(c.name);
            const std::unique_ptr<CDialog> dialog = c.make();
            const int result = RunForReal(*dialog, [&] {
                PumpEvents(200);
                EXPECT_EQ(Text(*dialog), english ? c.englishTitle : c.japaneseTitle);
                const std::string file = c.name + (english ? "_en.png" : "_ja.png");
                EXPECT_FALSE(qf::test::SaveScreenPicture(*dialog, file).empty());
                ClickItem(*dialog, IDCANCEL);
            });
            EXPECT_EQ(result, IDCANCEL);
        }
    }
}

TEST_F(ModelDialogsGuiTest, NumericTransformClampsTypedValuesAndOkKeepsThem) {
    CNumericTransformDlg dialog;
    dialog.m_mode = CNumericTransformDlg::modeScale;
    dialog.m_x = dialog.m_y = dialog.m_z = 1.0f;
    const int result = RunForReal(dialog, [&] {
        Type(dialog, 1063, "5000");
        Type(dialog, 1462, "-2.5");
        Type(dialog, 1464, "");
        EXPECT_EQ(Text(dialog), "拡大/縮小");
        ClickItem(dialog, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.m_x, 1000.0f) << "typing 5000 stores 1000";
    EXPECT_EQ(dialog.m_y, -2.5f);
    EXPECT_EQ(dialog.m_z, 1.0f) << "an empty field keeps its value";
}

TEST_F(ModelDialogsGuiTest, ArrayShowsACountOfZeroAsOne) {
    CArrayDlg dialog;
    dialog.m_count = 0;
    const int result = RunForReal(dialog, [&] {
        EXPECT_EQ(Text(*dialog.GetDlgItem(1226)), "1");
        Type(dialog, 1239, "2");
        Type(dialog, 1243, "400");
        ClickItem(dialog, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.m_count, 1);
    EXPECT_EQ(dialog.m_translate, CVector3(2, 0, 0));
    EXPECT_EQ(dialog.m_rotate, CVector3(0, 360, 0)) << "angles stay within one turn";
    EXPECT_EQ(dialog.m_scale, CVector3(1, 1, 1));
}

TEST_F(ModelDialogsGuiTest, ShiftPositionNeedsAnAxisForOk) {
    CShiftPositionDlg dialog;
    const int result = RunForReal(dialog, [&] {
        CWnd* ok = dialog.GetDlgItem(IDOK);
        for (const int box : {1422, 1426, 1431}) {
            EXPECT_TRUE(ok->IsWindowEnabled());
            ClickItem(dialog, box);
        }
        EXPECT_FALSE(ok->IsWindowEnabled()) << "no axis checked";
        ClickItem(dialog, 1426);
        EXPECT_TRUE(ok->IsWindowEnabled());
        ClickItem(dialog, 1579);
        ClickItem(dialog, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.m_use, (std::array<int, 3>{0, 1, 0}));
    EXPECT_EQ(dialog.m_action, CShiftPositionDlg::maximumToZero);
}

TEST_F(ModelDialogsGuiTest, AlignPointsCopiesABoundIntoAFieldThatStaysLockedUntilItsAxisApplies) {
    CAlignPointsDlg dialog;
    dialog.m_max = {1.5f, 2.0f, 3.0f};
    dialog.m_min = {-1.0f, 0.0f, 0.25f};
    const int result = RunForReal(dialog, [&] {
        EXPECT_EQ(Text(*dialog.GetDlgItem(1429)), "2.0000") << "the maximum of Y as a caption";
        EXPECT_TRUE(dialog.GetDlgItem(1063)->IsWindowEnabled());
        EXPECT_FALSE(dialog.GetDlgItem(1462)->IsWindowEnabled());
        ClickItem(dialog, 1429);
        EXPECT_EQ(Text(*dialog.GetDlgItem(1462)), "2");
        EXPECT_FALSE(dialog.GetDlgItem(1462)->IsWindowEnabled()) << "Y does not apply";
        ClickItem(dialog, 1423);
        ClickItem(dialog, 1422);
        EXPECT_FALSE(dialog.GetDlgItem(IDOK)->IsWindowEnabled()) << "no axis applies";
        ClickItem(dialog, 1426);
        EXPECT_TRUE(dialog.GetDlgItem(1462)->IsWindowEnabled());
        ClickItem(dialog, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.m_apply, (std::array<int, 3>{0, 1, 0}));
    EXPECT_EQ(dialog.m_position, (std::array<float, 3>{-1.0f, 2.0f, 0.0f}));
}

TEST_F(ModelDialogsGuiTest, SmallDialogsClampTheirNumbers) {
    CExtrudeCurveDlg extrude;
    RunForReal(extrude, [&] { Type(extrude, 1519, "0"), ClickItem(extrude, IDOK); });
    EXPECT_EQ(extrude.m_radius, 0.01f) << "a radius of 0 is stored as 0.01";

    CSmoothnessDlg smoothness;
    RunForReal(smoothness, [&] { Type(smoothness, 1063, "50"), ClickItem(smoothness, IDOK); });
    EXPECT_EQ(smoothness.m_value, 20);

    CSubdivideCurveDlg subdivide;
    subdivide.m_onlySelectedPart = 1;
    RunForReal(subdivide, [&] {
        Type(subdivide, 1063, "1");
        ClickItem(subdivide, 1422);
        ClickItem(subdivide, IDOK);
    });
    EXPECT_EQ(subdivide.m_count, 2);
    EXPECT_EQ(subdivide.m_onlySelectedPart, 0);

    CFivePointPatchDlg fivePoint;
    RunForReal(fivePoint, [&] { ClickItem(fivePoint, 1579), ClickItem(fivePoint, IDOK); });
    EXPECT_EQ(fivePoint.GetAction(), 2);
}

TEST_F(ModelDialogsGuiTest, TextWaitsForAFontAndTakesItsPointSize) {
    CTextDlg dialog;
    dialog.m_text = "text";
    const int result = RunForReal(dialog, [&] {
        EXPECT_FALSE(dialog.GetDlgItem(IDOK)->IsWindowEnabled()) << "no font yet";
        runner.AnswerModal(IDCANCEL);
        ClickItem(dialog, 1475);
        EXPECT_FALSE(dialog.GetDlgItem(IDOK)->IsWindowEnabled());
        runner.AnswerModal([](qf::CModalWindow& window) {
            auto& fonts = dynamic_cast<CFontDialog&>(window);
            EXPECT_TRUE(fonts.GetFlags() & CF_TTONLY);
            EXPECT_FALSE(fonts.GetFlags() & CF_EFFECTS);
            LOGFONT font;
            font.lfFaceName = "DejaVu Sans";
            font.lfItalic = 1;
            fonts.SetChosenFont(font, 120);
            return IDOK;
        });
        ClickItem(dialog, 1475);
        EXPECT_EQ(Text(*dialog.GetDlgItem(1462)), "DejaVu Sans");
        EXPECT_TRUE(dialog.GetDlgItem(IDOK)->IsWindowEnabled());
        ClickItem(dialog, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.m_fontName, "DejaVu Sans");
    EXPECT_EQ(dialog.m_pointSize, 12);
    EXPECT_EQ(dialog.m_font.lfItalic, 1);
    EXPECT_EQ(dialog.m_text, "text");
}

TEST_F(ModelDialogsGuiTest, TheKnifeWindowSetsTheKnifeModeAtOnceAndStaysOpen) {
    CQuelDoc doc;
    qf::test::RecordingMainWindow main(&doc);
    doc.m_knifeMode = 1;
    for (const bool english : {false, true}) {
        UseLanguage(english);
        CKnifeDlg knife;
        ASSERT_TRUE(knife.Create(CKnifeDlg::IDD));
        knife.Show(TRUE);
        PumpEvents(200);
        EXPECT_EQ(Text(knife), english ? "Knife" : "ナイフ");
        EXPECT_EQ(knife.IsDlgButtonChecked(1578), BST_CHECKED) << "the document's mode";
        EXPECT_FALSE(qf::test::SaveScreenPicture(knife, english ? "knife_en.png" : "knife_ja.png").empty());
        ClickItem(knife, 1579);
        EXPECT_EQ(doc.m_knifeMode, 2);
        EXPECT_EQ(knife.IsDlgButtonChecked(1578), BST_UNCHECKED);
        ClickItem(knife, 1577);
        EXPECT_EQ(doc.m_knifeMode, 0);
        mouse.Sim().Char(WXK_ESCAPE);
        mouse.Sim().Char(WXK_RETURN);
        PumpEvents(50);
        EXPECT_TRUE(knife.IsWindowVisible()) << "Enter and Escape leave it open";
        knife.Show(FALSE);
        EXPECT_FALSE(knife.IsWindowVisible());
        doc.m_knifeMode = 1;
    }
}
