#include "app/render_setting.h"
#include "settings_home.h"

namespace {

const char* const kDefaultFile = "[render setting]\n\n"
                                 "renderer_index=\"-1\"\nimage_type=\"2\"\n"
                                 "output_folder=\"\"\noutput_filename=\"untitled.png\"\n\n"
                                 "rendering_type=\"0\"\nimage_w=\"640\"\nimage_h=\"480\"\n"
                                 "aspect_x=\"4\"\naspect_y=\"3\"\n\n"
                                 "anti_threshold=\"0.30\"\nanti_jitter=\"1.00\"\n"
                                 "anti_rays=\"3\"\nsampling_method=\"0\"\npreview_render_camera=\"1\"\n"
                                 "\n[end]\n";

struct NamedSetting : CRenderSetting {
    NamedSetting() { setting_file_name = "render_setting.ini"; }
};

} // namespace

using RenderSettingTest = SettingsHomeTest;

TEST_F(RenderSettingTest, MissingFileKeepsDefaultsAndSavesTheirExactText) {
    NamedSetting s;
    EXPECT_EQ(s.output_filename, "untitled.png");
    std::string error;
    ASSERT_TRUE(s.LoadFile(&error)) << error;
    EXPECT_FALSE(std::filesystem::exists(File("render_setting.ini"))) << "written only at the end of the run";
    EXPECT_EQ(s.renderer_index, -1);
    EXPECT_EQ(s.image_w, 640);
    ASSERT_TRUE(s.SaveFile(&error)) << error;
    EXPECT_EQ(Bytes("render_setting.ini"), kDefaultFile);
}

TEST_F(RenderSettingTest, JapaneseTextAndSwitchesRoundTripByteForByte) {
    NamedSetting s;
    s.renderer_index = 2;
    s.image_type = 5;
    s.output_folder = "/home/ユーザー/レンダリング結果/";
    s.output_filename = "完成図.tga";
    s.rendering_type = 1;
    s.image_w = 1024;
    s.use_aspect = s.use_radiosity = s.use_alpha = s.use_anti = s.anti_use_jitter = 1;
    s.anti_threshold = 0.15f;
    s.anti_rays = 6;
    s.preview_render_camera = 3;
    ASSERT_TRUE(s.SaveFile());
    const std::string first = Bytes("render_setting.ini");
    std::string folderBytes;
    ASSERT_TRUE(qf::Utf8ToCp932("output_folder=\"/home/ユーザー/レンダリング結果/\"\n", folderBytes));
    EXPECT_NE(first.find(folderBytes), std::string::npos) << "stored in CP932";

    NamedSetting back;
    ASSERT_TRUE(back.LoadFile());
    EXPECT_EQ(back.output_folder, s.output_folder);
    EXPECT_EQ(back.output_filename, "完成図.tga");
    EXPECT_EQ(back.renderer_index, 2);
    EXPECT_EQ(back.use_radiosity, 1);
    EXPECT_FLOAT_EQ(back.anti_threshold, 0.15f);
    ASSERT_TRUE(back.SaveFile());
    EXPECT_EQ(Bytes("render_setting.ini"), first);
}

TEST_F(RenderSettingTest, HandMadeCrlfFileIsReadAsTheLinesSay) {
    Put("render_setting.ini", "junk before\r\n"
                              "[render setting]\r\n"
                              "image_w=\"800\"\r\n"
                              "image_h =\"10\"\r\n"      // blank before '=': another key
                              "rendering_type=\"5\"\r\n" // out of range
                              "preview_render_camera=\"-1\"\r\n"
                              "use_alpha=\"ON\"\r\n" // only "on" is on
                              "use_anti=\"on\"\r\n"
                              "image_type=3\r\n" // no quote: empty value
                              "unknown=\"1\"\r\n"
                              "[end]\r\n"
                              "[render setting]\r\n"
                              "aspect_x=\"16\"\r\n"
                              "output_folder=\"/tmp/出力/\""); // unterminated last line
    NamedSetting s;
    s.use_alpha = 1;
    ASSERT_TRUE(s.LoadFile());
    EXPECT_EQ(s.image_w, 800);
    EXPECT_EQ(s.image_h, 480);
    EXPECT_EQ(s.rendering_type, 0);
    EXPECT_EQ(s.preview_render_camera, 1);
    EXPECT_EQ(s.use_alpha, 0);
    EXPECT_EQ(s.use_anti, 1);
    EXPECT_EQ(s.image_type, 2) << "an empty value is no image type";
    EXPECT_EQ(s.aspect_x, 16) << "a later section is read too";
    EXPECT_EQ(s.aspect_y, 3) << "fields the file does not mention keep their defaults";
    EXPECT_EQ(s.output_folder, "/tmp/出力/") << "an unterminated last line is applied";
}

TEST_F(RenderSettingTest, DamagedFileNeverLosesDefaults) {
    const std::string binary("\x83\n\0\0\xFF\xFE=\"\n", 9);
    qf::test::WriteFileBytes(File("render_setting.ini"),
                             "[render setting]\n" + binary + std::string(10000, '=') + "\nimage_w=\"-\"\n");
    NamedSetting s;
    ASSERT_TRUE(s.LoadFile());
    EXPECT_EQ(s.image_w, 640);
    EXPECT_EQ(s.output_filename, "untitled.png");
    EXPECT_EQ(s.anti_rays, 3);
}

TEST_F(RenderSettingTest, NumbersOutsideTheirDialogRangesTakeTheirDefaults) {
    struct Case {
        const char* entry;
        int CRenderSetting::*field;
        int expected;
    };
    const Case cases[] = {
        {"image_type=\"7\"", &CRenderSetting::image_type, 2},
        {"image_type=\"5\"", &CRenderSetting::image_type, 5},
        {"image_w=\"-5\"", &CRenderSetting::image_w, 640},
        {"image_h=\"0\"", &CRenderSetting::image_h, 480},
        {"image_h=\"99999\"", &CRenderSetting::image_h, 480},
        {"image_w=\"10000\"", &CRenderSetting::image_w, 10000},
        {"aspect_y=\"31\"", &CRenderSetting::aspect_y, 3},
        {"anti_rays=\"0\"", &CRenderSetting::anti_rays, 3},
        {"sampling_method=\"2\"", &CRenderSetting::sampling_method, 0},
        {"renderer_index=\"-2\"", &CRenderSetting::renderer_index, -1},
    };
    for (const Case& c : cases) {
        Put("render_setting.ini", std::string("[render setting]\n") + c.entry +
                                      "\nanti_threshold=\"nan\"\n"
                                      "anti_jitter=\"1.5\"\n[end]\n");
        NamedSetting s;
        s.renderer_index = 0;
        ASSERT_TRUE(s.LoadFile());
        EXPECT_EQ(s.*c.field, c.expected) << c.entry;
        EXPECT_FLOAT_EQ(s.anti_threshold, 0.3f);
        EXPECT_FLOAT_EQ(s.anti_jitter, 1.0f);
    }
}

TEST_F(RenderSettingTest, WriterRefusesTextThatWouldBreakTheFile) {
    NamedSetting s;
    ASSERT_TRUE(s.SaveFile());
    const std::string good = Bytes("render_setting.ini");
    for (const char* folder : {"/tmp/a\"b/", "/tmp/two\nlines/", "/tmp/한국어/"}) {
        s.output_folder = folder;
        std::string error;
        EXPECT_FALSE(s.SaveFile(&error)) << folder;
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(Bytes("render_setting.ini"), good) << "the old file stays";
    }
}

TEST_F(RenderSettingTest, AssignmentLeavesPaneStateAndFileName) {
    CRenderSetting target, source;
    target.setting_file_name = "render_setting.ini";
    source.image_w = 320;
    source.output_folder = "/x/";
    source.preview_render_camera = 2;
    source.render_pane = 3;
    source.render_pane_flag = 1;
    target = source;
    EXPECT_EQ(target.image_w, 320);
    EXPECT_EQ(target.output_folder, "/x/");
    EXPECT_EQ(target.preview_render_camera, 2);
    EXPECT_EQ(target.render_pane, 1);
    EXPECT_EQ(target.render_pane_flag, 0);
    EXPECT_EQ(target.setting_file_name, "render_setting.ini");
    EXPECT_TRUE(source.SaveFile()) << "a record without a file name saves nothing";
    EXPECT_FALSE(std::filesystem::exists(File("render_setting.ini")));
}

TEST(RenderSettingNameTest, ExtensionFollowsTheImageType) {
    struct Case {
        const char* name;
        int type;
        const char* expected;
    } cases[] = {
        {"picture.png", 1, "picture.bmp"},
        {"picture", 3, "picture.ppm"},
        {"picture.tga", 4, "picture.tga"},
        {"picture.tga", 5, "picture.tga"},
        {"picture.BMP", 2, "picture.BMP.png"},
        {"picture.png", 0, "picture"},
        {"", 2, ""},
    };
    for (const Case& c : cases) {
        CRenderSetting s;
        s.output_filename = c.name;
        s.image_type = c.type;
        s.UpdateFileExtension();
        EXPECT_EQ(s.output_filename, c.expected) << c.name << " type " << c.type;
    }
}
