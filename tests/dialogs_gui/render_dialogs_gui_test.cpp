// The material preview setting, POV-Ray export, background image, debug and
// document information dialogs, opened for real in both languages and driven
// with the mouse and keys.
#include "app/opengl_setting.h"
#include "app/quel_doc.h"
#include "app/renderer_list.h"
#include "dialogs/background_image_dlg.h"
#include "dialogs/debug_info_dlg.h"
#include "dialogs/document_info_dlg.h"
#include "dialogs/pov_export_dlg.h"
#include "dialogs/preview_setting_dlg.h"
#include "platform/ui/common_dialogs.h"
#include "platform/ui/tab_ctrl.h"
#include "render_dialog_fixture.h"
#include "support/model_shapes.h"
#include "support/recording_windows.h"

using namespace qf::test;

class RenderDialogsGuiTest : public RenderDialogGuiTest {
protected:
    RenderDialogsGuiTest() {
        for (const char* title : {"POV-Ray 3.7", "MegaPOV"}) {
            CRendererInfo info;
            info.title = title;
            renderers.Add(info);
        }
    }
    CRendererList renderers;
};

TEST_F(RenderDialogsGuiTest, PreviewSettingEditsEveryValue) {
    for (const bool english : {false, true}) {
        UseLanguage(english);
        CPreviewSettingDlg dialog(renderers);
        CRenderSetting preview;
        dialog.SetSetting(preview);
        dialog.m_shape = 8;
        dialog.m_bgColor = RGB(0, 0, 255);
        const int result = Run(dialog, [&] {
            EXPECT_EQ(Caption(dialog), english ? "Setting" : "設定");
            EXPECT_EQ(dialog.IsDlgButtonChecked(1580), BST_CHECKED) << "the torus";
            EXPECT_EQ(List(dialog, 1145).GetCurSel(), -1) << "no renderer chosen yet";
            EXPECT_EQ(Text(dialog, 1495), "13.000");
            EXPECT_EQ(Text(dialog, 1663), english ? "X-Z Plane" : "X-Z平面");
            Shoot(dialog, "preview_setting", english);
            Click(dialog, 1578);
            Type(dialog, 1666, "1.5");
            Leave();
            Type(dialog, 1495, "0");
            Leave();
            EXPECT_EQ(Text(dialog, 1495), "1.000") << "the angle starts at 1";
            Type(dialog, 1659, "1000");
            Leave();
            EXPECT_EQ(Text(dialog, 1659), "500");
            Click(dialog, 1663);
            Click(dialog, 1661);
            Choose(dialog, 1145, 1);
            Click(dialog, IDOK);
        });
        ASSERT_EQ(result, IDOK);
        EXPECT_EQ(dialog.m_shape, 1);
        EXPECT_FLOAT_EQ(dialog.m_cameraX, 1.5f);
        EXPECT_FLOAT_EQ(dialog.m_angle, 1.0f);
        EXPECT_EQ(dialog.m_windowSize, 500);
        EXPECT_EQ(dialog.m_xzPlane, 1);
        EXPECT_EQ(dialog.m_xyPlane, 0);
        EXPECT_EQ(dialog.m_antialias, 1);
        EXPECT_EQ(dialog.m_bgColor, RGB(0, 0, 255));
        dialog.GetSetting(preview);
        EXPECT_EQ(preview.renderer_index, 1);
    }
}

TEST_F(RenderDialogsGuiTest, PovExportOffersOkOnceARendererIsChosen) {
    for (const bool english : {false, true}) {
        UseLanguage(english);
        CPovExportDlg dialog(renderers);
        const int result = Run(dialog, [&] {
            EXPECT_EQ(Caption(dialog), "Export POV-Ray");
            EXPECT_EQ(List(dialog, 1145).GetCount(), 2);
            EXPECT_EQ(Text(dialog, 1496), english ? "Active Renderer" : "使用するレンダラー");
            EXPECT_EQ(Text(dialog, 1422), english ? "Radiosity" : "ラジオシティ有効");
            EXPECT_FALSE(Enabled(dialog, IDOK));
            Choose(dialog, 1145, 1);
            EXPECT_TRUE(Enabled(dialog, IDOK));
            Click(dialog, 1422);
            Shoot(dialog, "pov_export", english);
            Click(dialog, IDOK);
        });
        ASSERT_EQ(result, IDOK);
        EXPECT_EQ(dialog.m_rendererIndex, 1);
        EXPECT_EQ(dialog.m_renderSetting.use_radiosity, 1);
    }
}

TEST_F(RenderDialogsGuiTest, PovExportStartsOnTheActiveRenderer) {
    CPovExportDlg dialog(renderers);
    dialog.m_rendererIndex = 1;
    const int result = Run(dialog, [&] {
        EXPECT_EQ(List(dialog, 1145).GetCurSel(), 1);
        EXPECT_TRUE(Enabled(dialog, IDOK));
        Click(dialog, IDOK);
    });
    ASSERT_EQ(result, IDOK);
    EXPECT_EQ(dialog.m_rendererIndex, 1);
}

TEST_F(RenderDialogsGuiTest, BackgroundImageTakesFilesInAnyCaseAndTypedPlaces) {
    const TempDir dir;
    for (const bool english : {false, true}) {
        UseLanguage(english);
        CBackgroundImageDlg dialog;
        dialog.m_entries[0].path = "/old/top.bmp";
        dialog.m_entries[1].scale[0] = 2.0f;
        const std::string picked = dir.File("Front.BMP");
        const int result = Run(dialog, [&] {
            EXPECT_EQ(Caption(dialog), english ? "Set Background Image" : "下絵設定");
            EXPECT_EQ(Text(dialog, 1063), "/old/top.bmp");
            EXPECT_FALSE(dialog.GetDlgItem(1466)->IsWindowVisible()) << "the last group opens folded";
            Shoot(dialog, "background_image", english);
            // Browse for the front picture: the file dialog picks Front.BMP.
            runner->AnswerModal([&](qf::CModalWindow& window) {
                auto& files = dynamic_cast<CFileDialog&>(window);
                EXPECT_TRUE(files.IsOpenDialog());
                files.AcceptPath(picked.c_str());
                return IDOK;
            });
            Click(dialog, 1478);
            EXPECT_EQ(Text(dialog, 1462), CString(picked)) << "the extension in capitals is a bitmap too";
            Click(dialog, 1484);
            EXPECT_EQ(Text(dialog, 1063), "");
            Type(dialog, 1682, "3.5");
            Click(dialog, 1480); // open the last group
            EXPECT_TRUE(dialog.GetDlgItem(1466)->IsWindowVisible());
            Shoot(dialog, "background_image_open", english);
            Click(dialog, IDOK);
        });
        ASSERT_EQ(result, IDOK);
        EXPECT_EQ(dialog.m_entries[0].path, "");
        EXPECT_EQ(dialog.m_entries[1].path, CString(picked));
        EXPECT_FLOAT_EQ(dialog.m_entries[1].centre[0], 3.5f);
        EXPECT_FLOAT_EQ(dialog.m_entries[1].scale[0], 2.0f);
    }
}

TEST_F(RenderDialogsGuiTest, DebugWritesEachValueAsItIsLeftAndRefusesAnEmptyClipRange) {
    RecordingWindow pane;
    for (const bool english : {false, true}) {
        UseLanguage(english);
        COpenGLSetting setting;
        CDebugInfoDlg dialog(setting);
        dialog.m_windowCount = 17;
        const int result = Run(dialog, [&] {
            EXPECT_EQ(Caption(dialog), "デバッグ情報");
            EXPECT_EQ(Text(dialog, 1000), "17");
            EXPECT_EQ(Text(dialog, 1462), "5000.000") << "the default far plane is shown whole";
            Shoot(dialog, "debug_info", english);
            Click(dialog, 1462);
            Leave();
            EXPECT_DOUBLE_EQ(setting.far_plane, 5000.0) << "leaving it unchanged changes nothing";
            Type(dialog, 1063, "0");
            Leave();
            EXPECT_GT(setting.near_plane, 0.0) << "a near plane of 0 is refused";
            EXPECT_LT(setting.near_plane, 0.01);
            Type(dialog, 1063, "6000");
            Leave();
            EXPECT_LT(setting.near_plane, 0.01) << "beyond the far plane is refused";
            EXPECT_EQ(Text(dialog, 1063), "0.001");
            Type(dialog, 1063, "2.5");
            Leave();
            EXPECT_DOUBLE_EQ(setting.near_plane, 2.5);
            Type(dialog, 1464, "0.75");
            Leave();
            EXPECT_FLOAT_EQ(setting.specular, 0.75f);
            Click(dialog, IDOK);
        });
        EXPECT_EQ(result, IDOK);
    }
}

TEST_F(RenderDialogsGuiTest, DocumentInfoCountsTheChosenScope) {
    CQuelDoc doc;
    RecordingMainWindow main(&doc);
    CSpatchObj* fan = doc.AddPatchObject();
    fan->AppendGeometry(MakeTriangleFan(4).get(), 0);
    CSpatchObj* other = doc.AddPatchObject();
    other->AppendGeometry(MakeTriangleFan(3).get(), 0);
    other->SetSelected(1);
    doc.AddFolder();
    for (const bool english : {false, true}) {
        UseLanguage(english);
        CDocumentInfoDlg dialog(doc);
        const int result = Run(dialog, [&] {
            EXPECT_EQ(Caption(dialog), "Document");
            EXPECT_EQ(Text(dialog, 1063), "2");
            EXPECT_EQ(Text(dialog, 1462), "1");
            EXPECT_EQ(Text(dialog, 1464), "7") << "four and three triangles";
            Shoot(dialog, "document_info", english);
            auto& tabs = dynamic_cast<CTabCtrl&>(*dialog.GetDlgItem(1014));
            CRect second;
            tabs.GetItemRect(1, &second);
            user.Mouse().MoveTo(tabs,
                                CPoint((second.left + second.right) / 2, (second.top + second.bottom) / 2));
            user.Mouse().Down();
            user.Mouse().Up();
            PumpEvents(50);
            EXPECT_EQ(tabs.GetCurSel(), 1);
            EXPECT_EQ(Text(dialog, 1464), "3") << "the selected object only";
            EXPECT_EQ(Text(dialog, 1063), "2") << "the object count stays";
            Shoot(dialog, "document_info_selected", english);
            Click(dialog, IDOK);
        });
        EXPECT_EQ(result, IDOK);
    }
}
