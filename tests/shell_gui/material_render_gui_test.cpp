// Materials made and edited through the material page, written into a scene
// and rendered by POV-Ray: a finish lit only by its red ambient colour
// gives a red sphere, and an image map gives the picture's own colours.
#include "controls/color_button.h"
#include "material_page_fixture.h"
#include "platform/base/text_file.h"
#include "platform/ui/common_dialogs.h"
#include "support/image.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

#include <filesystem>

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
        const std::string scene = dir.File(name + ".pov");
        qf::CTextFileWriter file(scene, qf::TextEncoding::Utf8);
        file.Write("#version 3.7;\nglobal_settings { assumed_gamma 1.0 }\nbackground { rgb 0 }\n"
                   "camera { orthographic location <0, 0, -5> look_at <0, 0, 0> right x*4/3 up y }\n"
                   "light_source { <0, 0, -10> rgb 1 }\n#declare Edited =\n");
        mat.Write(file, 0);
        file.Write("sphere { <0, 0, 0>, 0.45 material { Edited } }\n");
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

    static bool Near(uint32_t rgb, uint32_t expected) {
        for (int shift : {0, 8, 16})
            if (std::abs(static_cast<int>((rgb >> shift) & 0xFF) -
                         static_cast<int>((expected >> shift) & 0xFF)) > 3)
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
