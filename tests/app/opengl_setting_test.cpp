#include "app/opengl_setting.h"
#include "settings_home.h"

namespace {

const char* const kDefaultFile = "curve_type 0\nsurface_type 0\nuse_displaylist 1\n"
                                 "draw_curve_on_surface 1\ndraw_alpha_surface_with_light 0\n";

} // namespace

using OpenGLSettingTest = SettingsHomeTest;

TEST_F(OpenGLSettingTest, MissingFileIsWrittenAtOnceWithTheDefaults) {
    COpenGLSetting s;
    std::string error;
    ASSERT_TRUE(s.Read(&error)) << error;
    EXPECT_EQ(Bytes("quel_opengl.ini"), kDefaultFile);
    EXPECT_EQ(s.use_displaylist, 1);
    EXPECT_EQ(s.far_plane, 5000.0);
}

TEST_F(OpenGLSettingTest, KeysComeInAnyOrderUntilAnEmptyLine) {
    struct Case {
        const char* name;
        const char* text;
        int curve, surface, displayList, curveOnSurface, alphaLit;
    } cases[] = {
        {"only one key", "use_displaylist 0\n", 0, 0, 0, 1, 0},
        {"any order, CRLF", "draw_alpha_surface_with_light 1\r\nsurface_type 1\r\ncurve_type 1\r\n", 1, 1, 1,
         1, 1},
        {"key without a number stores 0", "draw_curve_on_surface\ncurve_type -1\n", -1, 0, 1, 0, 0},
        {"empty line ends the reading", "surface_type 1\n\ncurve_type 1\n", 0, 1, 1, 1, 0},
        {"empty first line changes nothing", "\nuse_displaylist 0\n", 0, 0, 1, 1, 0},
        {"unknown keys, last value wins", "Curve_type 5\nsurface_type 1\nsurface_type 2", 0, 2, 1, 1, 0},
        {"damaged bytes", "\x83\xFF\ncurve_type\t\x81\x40 7x\n", 7, 0, 1, 1, 0},
    };
    for (const Case& c : cases) {
        qf::test::WriteFileBytes(File("quel_opengl.ini"), c.text);
        COpenGLSetting s;
        ASSERT_TRUE(s.Read()) << c.name;
        EXPECT_EQ(s.curve_type, c.curve) << c.name;
        EXPECT_EQ(s.surface_type, c.surface) << c.name;
        EXPECT_EQ(s.use_displaylist, c.displayList) << c.name;
        EXPECT_EQ(s.draw_curve_on_surface, c.curveOnSurface) << c.name;
        EXPECT_EQ(s.draw_alpha_surface_with_light, c.alphaLit) << c.name;
    }
}

TEST_F(OpenGLSettingTest, WriteReadWriteIsByteIdentical) {
    COpenGLSetting s;
    s.curve_type = 1;
    s.use_displaylist = 0;
    s.draw_alpha_surface_with_light = 1;
    ASSERT_TRUE(s.Write());
    const std::string first = Bytes("quel_opengl.ini");
    COpenGLSetting back;
    ASSERT_TRUE(back.Read());
    ASSERT_TRUE(back.Write());
    EXPECT_EQ(Bytes("quel_opengl.ini"), first);
    EXPECT_EQ(back.curve_type, 1);
}
