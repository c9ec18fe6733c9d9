// Materials made and edited through the material page, written into a scene
// and rendered by POV-Ray: a finish lit only by its red ambient colour
// gives a red sphere, an image map gives the picture's own colours, and a
// colour map edited in its panel runs through its stops across the picture.
#include "controls/color_button.h"
#include "material_page_fixture.h"
#include "materials/color_map_panel.h"
#include "platform/base/text_file.h"
#include "platform/ui/common_dialogs.h"
#include "support/image.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

#include <cmath>
#include <filesystem>
#include <fstream>

using qf::test::Image;

namespace {

class MaterialRenderGuiTest : public MaterialPageGuiTest {
protected:
    // Makes a material with New and opens its finish values: its texture
    // then has a finish, and the finish shows only its ambient colour.
    CMaterialData* NewFlatMaterial() {
        ClickButton(1130);
        CMaterialData* mat = GetSelectedMaterial();
        const CString top = MaterialItemText(mat->m_name);
        ClickItem({top, "[Texture]"});
        Click(Panel(), 1075);
        ClickItem({top, "[Texture]", "[Finish]", "[POV-Ray]"});
        Enter(Panel(), 1191, "0");
        return mat;
    }

    // The material on a sphere filling the middle of a 64 x 48 picture, seen
    // straight on; false when POV-Ray refused the scene.
    bool Render(const CMaterialData& mat, const std::string& name, Image& picture) {
        return Render(mat, name, "sphere { <0, 0, 0>, 0.45",
                      "location <0, 0, -5> look_at <0, 0, 0> right x*4/3 up y", picture);
    }
    // The material on a shape seen by an orthographic camera.
    bool Render(const CMaterialData& mat, const std::string& name, const char* shape, const char* camera,
                Image& picture) {
        const std::string scene = dir.File(name + ".pov");
        qf::CTextFileWriter file(scene, qf::TextEncoding::Utf8);
        file.Write("#version 3.7;\nglobal_settings { assumed_gamma 1.0 }\nbackground { rgb 0 }\n"
                   "light_source { <0, 0, -10> rgb 1 }\n#declare Edited =\n");
        mat.Write(file, 0);
        file.Printf("camera { orthographic %s }\n%s material { Edited } }\n", camera, shape);
        EXPECT_TRUE(file.Close()) << file.GetError();
        const auto keep = std::filesystem::copy_options::overwrite_existing;
        std::filesystem::copy_file(scene, qf::test::OutputDir() / (name + ".pov"), keep);
        const std::string png = dir.File(name + ".png");
        const std::string log = (qf::test::OutputDir() / (name + ".log")).string();
        if (qf::test::RunProgram({"povray", "+W64", "+H48", "-D", "+FN", "+I" + scene, "+O" + png}, log) != 0)
            return false;
        std::filesystem::copy_file(png, qf::test::OutputDir() / (name + ".png"), keep);
        return qf::test::LoadPng(png, picture);
    }

    static bool Near(uint32_t rgb, uint32_t expected, int tolerance = 3) {
        for (int shift : {0, 8, 16})
            if (std::abs(static_cast<int>((rgb >> shift) & 0xFF) -
                         static_cast<int>((expected >> shift) & 0xFF)) > tolerance)
                return false;
        return true;
    }

    qf::test::TempDir dir;
};

} // namespace

TEST_F(MaterialRenderGuiTest, PovRayRendersTheColoursTheMaterialPageSet) {
    if (!qf::test::IsOnPath("povray"))
        GTEST_SKIP() << "povray is not installed";
    Open(true);

    // Red: the ambient colour chosen with its swatch.
    CMaterialData* red = NewFlatMaterial();
    boxes.AnswerModal([](qf::CModalWindow& window) {
        dynamic_cast<CColorDialog&>(window).SetColor(RGB(255, 0, 0));
        return IDOK;
    });
    Click(Panel(), 1195);
    Image picture;
    ASSERT_TRUE(Render(*red, "material_red", picture)) << "POV-Ray refused the scene; see its log";
    EXPECT_TRUE(Near(picture.At(32, 24), 0xFF0000)) << std::hex << picture.At(32, 24);
    EXPECT_TRUE(Near(picture.At(2, 2), 0x000000)) << "the background around the sphere";

    // An image map: green on the left, blue on the right, with white light.
    Image map{2, 1, {0, 200, 0, 0, 0, 200}};
    const std::string path = dir.File("two.png");
    ASSERT_TRUE(qf::test::SavePng(path, map));
    CMaterialData* mapped = NewFlatMaterial();
    Click(Panel(), 1194);
    Enter(Panel(), 1182, "1");
    const CString top = MaterialItemText(mapped->m_name);
    ClickItem({top, "[Texture]", "[Pigment]"});
    Click(Panel(), 1143);
    ClickItem({top, "[Texture]", "[Pigment]", "[Image Map]"});
    boxes.AnswerModal([&path](qf::CModalWindow& window) {
        return dynamic_cast<CFileDialog&>(window).AcceptPath(path.c_str()) ? IDOK : IDCANCEL;
    });
    Click(Panel(), 1230);
    ASSERT_EQ(mapped->m_texture.m_pigment.m_imageMap.m_fileType, filePng);
    ASSERT_TRUE(Render(*mapped, "material_image_map", picture)) << "POV-Ray refused the scene; see its log";
    EXPECT_TRUE(Near(picture.At(26, 24), 0x00C800)) << std::hex << picture.At(26, 24);
    EXPECT_TRUE(Near(picture.At(38, 24), 0x0000C8)) << std::hex << picture.At(38, 24);
}

TEST_F(MaterialRenderGuiTest, PovRayRendersAColourMapFollowingTheStopsEditedInItsPanel) {
    if (!qf::test::IsOnPath("povray"))
        GTEST_SKIP() << "povray is not installed";
    Open(true);
    CMaterialData* mat = NewFlatMaterial();
    Click(Panel(), 1194);
    Enter(Panel(), 1182, "1"); // ambient 1: the picture shows the pigment itself
    const CString top = MaterialItemText(mat->m_name);
    ClickItem({top, "[Texture]", "[Pigment]"});
    Click(Panel(), 1141);
    ClickItem({top, "[Texture]", "[Pigment]", "[Color Map]"});
    CColorMapEditor& editor = dynamic_cast<CColorMapPanel&>(Panel()).GetEditor();
    const auto pressStop = [&](int stop) {
        const CRect box = editor.GetLayout().Box(3 * stop);
        mouse.MoveTo(editor, CPoint(box.left + 4, box.top + 4));
        mouse.Down();
        mouse.Up();
    };
    const auto enterColor = [&](const char* red, const char* green, const char* blue) {
        Enter(Panel(), 1021, red);
        Enter(Panel(), 1023, green);
        Enter(Panel(), 1025, blue);
    };

    // Blue at 0, red at the end, then a green stop added between them and
    // dragged from the middle to about 300.
    enterColor("0", "0", "255");
    pressStop(1);
    enterColor("255", "0", "0");
    pressStop(0);
    Click(Panel(), 1653);
    pressStop(1);
    enterColor("0", "255", "0");
    const CColorMapLayout& layout = editor.GetLayout();
    const int handleY = layout.colourArea.bottom + 3;
    mouse.MoveTo(editor, CPoint(layout.PlaceOf(500) - 2, handleY));
    mouse.Down();
    mouse.MoveTo(editor, CPoint(layout.PlaceOf(400), handleY));
    mouse.MoveTo(editor, CPoint(layout.PlaceOf(300), handleY));
    mouse.Up();
    Choose(Panel(), 1052, patternGradient);
    Click(Panel(), 1214);
    Click(Panel(), 1276);

    const CPigmentData& pigment = mat->m_texture.m_pigment;
    ASSERT_EQ(pigment.m_count, 3);
    const int middle = pigment.m_positions[1];
    EXPECT_NEAR(middle, 300, 10) << "the drag moved the green stop";
    EXPECT_EQ(pigment.m_colors[1].m_color, RGB(0, 255, 0));

    // A box from x 0 to 1 filling the picture, one column every 1/64.
    Image picture;
    ASSERT_TRUE(Render(*mat, "material_color_map", "box { <0, 0, 0>, <1, 1, 0.5>",
                       "location <0.5, 0.5, -5> look_at <0.5, 0.5, 0> right x up y*0.75", picture))
        << "POV-Ray refused the scene; see its log";
    std::ifstream written(qf::test::OutputDir() / "material_color_map.pov");
    const std::string scene((std::istreambuf_iterator<char>(written)), std::istreambuf_iterator<char>());
    EXPECT_NE(scene.find("gradient <1,0,0>"), std::string::npos) << scene;
    EXPECT_NE(scene.find("color_map{"), std::string::npos) << scene;

    // The colour (0xRRGGBB) the map gives at x, worked out from the stored
    // stops: POV-Ray blends in linear light and writes the picture in sRGB.
    const auto encoded = [](double linear) {
        const double srgb = linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1 / 2.4) - 0.055;
        return static_cast<uint32_t>(srgb * 255 + 0.5);
    };
    const auto expected = [&](double x) -> uint32_t {
        const double p = middle / 1000.0;
        const double t = x < p ? x / p : (x - p) / (1 - p);
        const uint32_t rise = encoded(t);
        const uint32_t fall = encoded(1 - t);
        return x < p ? (rise << 8) | fall : (rise << 16) | (fall << 8);
    };
    for (const int column : {0, 6, 12, 19, 25, 32, 45, 63}) {
        const double x = (column + 0.5) / 64;
        EXPECT_TRUE(Near(picture.At(column, 24), expected(x), 4))
            << "column " << column << ": " << std::hex << picture.At(column, 24) << " against "
            << expected(x);
    }
}
