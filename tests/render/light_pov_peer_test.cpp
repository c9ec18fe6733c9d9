// POV-Ray lights the scene by the document's light: moving the light from
// one side of a cube's face to the other moves the bright side of the face
// in the picture.
#include "app/light_data.h"
#include "pov_fixture.h"
#include "render/pov_files.h"
#include "support/image.h"
#include "support/run_program.h"

using namespace qf::test;

namespace {

class LightPovPeerTest : public PovFixture {
protected:
    void SetUp() override {
        if (!IsOnPath("povray"))
            GTEST_SKIP() << "povray is not installed";
        info.official_version = "3.7";
        setting.render_pane_flag = setting.rendering_type = 1;
        setting.render_pane = 2; // from the front, looking along +z at the face at z = -1.5
        setting.image_w = 96;
        setting.image_h = 72;
        AddObject(MakeCube(1.5f), "cube");
    }

    // The brightness of the face's left and right halves in the front pane's render.
    std::pair<long, long> Halves(const std::string& name) {
        CPovSceneWriter writer;
        writer.SetRendererInfo(&info);
        writer.SetRenderSetting(&setting);
        const std::string scene = dir.File(name + ".pov");
        std::string error;
        EXPECT_TRUE(
            WritePovFiles(writer, {scene, dir.File(name + "_obj.inc"), CString(name + "_obj.inc")}, &error))
            << error;
        const std::string png = (OutputDir() / (name + ".png")).string();
        const std::string log = (OutputDir() / (name + ".log")).string();
        EXPECT_EQ(
            RunProgram({"povray", "+W96", "+H72", "-D", "+L" + dir.path().string(), "+I" + scene, "+O" + png},
                       log),
            0)
            << "see " << log;
        Image image;
        EXPECT_TRUE(LoadPng(png, image)) << png;
        long left = 0;
        long right = 0;
        for (int y = 27; y < 45; ++y)
            for (int x = 36; x < 60; ++x) {
                const uint32_t rgb = image.width ? image.At(x, y) : 0;
                (x < 48 ? left : right) += ((rgb >> 16) & 0xFF) + ((rgb >> 8) & 0xFF) + (rgb & 0xFF);
            }
        return {left, right};
    }
};

} // namespace

TEST_F(LightPovPeerTest, MovingTheLightMovesTheLitSide) {
    CLightData* light = doc->AddLight();
    light->m_name = "lamp";
    light->m_location = {-1.2f, 0.0f, -2.5f};
    const auto [leftLitL, leftLitR] = Halves("light_left");
    EXPECT_GT(leftLitL, leftLitR * 11 / 10) << "the light on the left lights the left half more";

    light->m_location = {1.2f, 0.0f, -2.5f};
    const auto [rightLitL, rightLitR] = Halves("light_right");
    EXPECT_GT(rightLitR, rightLitL * 11 / 10) << "moved to the right, it lights the right half more";

    light->m_enabled = 0;
    const auto [offL, offR] = Halves("light_off");
    EXPECT_LT(offL + offR, (leftLitL + leftLitR) / 2) << "a light switched off leaves the face in shade";
}
