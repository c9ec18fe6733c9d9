// The render settings dialog: it shows the setting it is given, enables its
// controls by the size mode, aspect lock and anti-aliasing, keeps the height
// and the file name in step, and writes the setting back only on OK.
#include "app/render_setting.h"
#include "app/renderer_list.h"
#include "dialogs/render_setting_dlg.h"
#include "render_dialog_fixture.h"

using namespace qf::test;

class RenderSettingDlgGuiTest : public RenderDialogGuiTest {
protected:
    RenderSettingDlgGuiTest() {
        for (const char* title : {"POV-Ray 3.7", "MegaPOV"}) {
            CRendererInfo info;
            info.title = title;
            renderers.Add(info);
        }
        setting.renderer_index = 1;
        setting.output_filename = "image.png";
        setting.output_folder = "/home/u/Pictures/";
    }
    CRendererList renderers;
    CRenderSetting setting;
};

TEST_F(RenderSettingDlgGuiTest, ShowsTheSettingAndWritesItBackOnOk) {
    for (const bool english : {false, true}) {
        UseLanguage(english);
        CRenderSetting edited;
        edited = setting;
        CRenderSettingDlg dialog(edited, renderers);
        const int result = Run(dialog, [&] {
            EXPECT_EQ(Caption(dialog), english ? "Renderer Setting" : "POV-Rayでのレンダリング設定");
            EXPECT_EQ(List(dialog, 1145).GetCount(), 2);
            EXPECT_EQ(List(dialog, 1145).GetCurSel(), 1);
            EXPECT_EQ(List(dialog, 1240).GetCurSel(), 1) << "png";
            EXPECT_EQ(Text(dialog, 1679), "image.png");
            EXPECT_EQ(Text(dialog, 1063), "640");
            EXPECT_FALSE(Enabled(dialog, 1063)) << "the pane's size: no typed size";
            EXPECT_FALSE(Enabled(dialog, 1431));
            EXPECT_FALSE(Enabled(dialog, 1681)) << "no anti-aliasing: no threshold";
            Shoot(dialog, "render_setting", english);

            Click(dialog, 1578); // typed size
            EXPECT_TRUE(Enabled(dialog, 1063));
            EXPECT_TRUE(Enabled(dialog, 1462));
            EXPECT_FALSE(Enabled(dialog, 1464)) << "aspect only with the lock";
            Click(dialog, 1431); // lock the aspect
            EXPECT_FALSE(Enabled(dialog, 1462)) << "the height follows the width";
            EXPECT_TRUE(Enabled(dialog, 1464));
            Type(dialog, 1464, "16");
            Leave();
            Type(dialog, 1675, "9");
            Leave();
            Type(dialog, 1063, "800");
            Leave();
            EXPECT_EQ(Text(dialog, 1462), "450");

            Click(dialog, 1693); // anti-aliasing
            EXPECT_TRUE(Enabled(dialog, 1681));
            EXPECT_FALSE(Enabled(dialog, 1682)) << "jitter amount only with jitter";
            Click(dialog, 1695);
            EXPECT_TRUE(Enabled(dialog, 1682));

            Choose(dialog, 1240, 0);
            EXPECT_EQ(Text(dialog, 1679), "image.bmp") << "the format changes the name at once";
            Type(dialog, 1679, "picture");
            Choose(dialog, 1240, 3);
            EXPECT_EQ(Text(dialog, 1679), "picture.tga");
            Choose(dialog, 1145, 0);
            Click(dialog, 1581); // pane C
            Shoot(dialog, "render_setting_edited", english);
            Click(dialog, IDOK);
        });
        ASSERT_EQ(result, IDOK);
        EXPECT_EQ(edited.renderer_index, 0);
        EXPECT_EQ(edited.rendering_type, 1);
        EXPECT_EQ(edited.image_w, 800);
        EXPECT_EQ(edited.image_h, 450);
        EXPECT_EQ(edited.aspect_x, 16);
        EXPECT_EQ(edited.aspect_y, 9);
        EXPECT_EQ(edited.use_aspect, 1);
        EXPECT_EQ(edited.use_anti, 1);
        EXPECT_EQ(edited.anti_use_jitter, 1);
        EXPECT_EQ(edited.image_type, 4);
        EXPECT_EQ(edited.output_filename, "picture.tga");
        EXPECT_EQ(edited.output_folder, "/home/u/Pictures/");
        EXPECT_EQ(edited.preview_render_camera, 2);
    }
}

TEST_F(RenderSettingDlgGuiTest, CancelChangesNothingAndAnUnknownRendererShowsNone) {
    setting.renderer_index = renderers.GetCount();
    CRenderSetting edited;
    edited = setting;
    CRenderSettingDlg dialog(edited, renderers);
    const int result = Run(dialog, [&] {
        EXPECT_EQ(List(dialog, 1145).GetCurSel(), -1);
        Click(dialog, 1578);
        Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(edited.rendering_type, 0);
    EXPECT_EQ(edited.renderer_index, 2);

    CRenderSettingDlg again(edited, renderers);
    EXPECT_EQ(Run(again, [&] { Click(again, IDOK); }), IDOK);
    EXPECT_EQ(edited.renderer_index, -1) << "OK without a choice stores none";
}
