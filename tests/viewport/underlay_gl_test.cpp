// Underlays drawn behind a pane: a bitmap ImageMagick made, shown in the
// front pane behind a patch, against its reference picture; the image each
// kind of camera picks; nothing drawn while the pane's switch is off.
#include "app/underlay_image.h"
#include "scene_gl_fixture.h"
#include "support/image.h"
#include "support/run_program.h"
#include "viewport/pane_scene.h"
#include "viewport/underlay_draw.h"

using namespace qf::test;

class UnderlayGlTest : public SceneGlTest {};

TEST_F(UnderlayGlTest, EachCameraPicksItsUnderlay) {
    const int expected[] = {0, 3, 1, 2};
    for (int pane = 0; pane < kPaneCount; ++pane)
        EXPECT_EQ(UnderlayForCamera(doc->m_cameras[static_cast<size_t>(pane)]), expected[pane]) << pane;
}

TEST_F(UnderlayGlTest, ImageMagickBitmapBehindTheFrontPane) {
    if (!IsOnPath("convert"))
        GTEST_SKIP() << "ImageMagick's convert is not installed";
    // 80 x 40: blue left half, yellow right half, a white stripe along the top.
    const TempDir dir;
    const std::string bmp = dir.File("sketch.bmp");
    const std::string log = (OutputDir() / "underlay_convert.log").string();
    ASSERT_EQ(
        RunProgram({"convert", "-size", "40x40", "xc:blue", "-size", "40x40", "xc:yellow", "+append", "-fill",
                    "white", "-draw", "rectangle 0,0 79,5", "-type", "TrueColor", "BMP3:" + bmp},
                   log),
        0)
        << ReadFileBytes(log);
    CUnderlayImage& front = doc->m_underlays[1];
    ASSERT_TRUE(front.Load(CString(bmp)));
    EXPECT_EQ(front.GetPixel(0, 0), 0xFF0000u) << "blue, bottom left";
    EXPECT_EQ(front.GetPixel(79, 0), 0x00FFFFu) << "yellow, bottom right";
    EXPECT_EQ(front.GetPixel(10, 39), 0xFFFFFFu) << "white, top row";
    front.MakeTexture();
    front.m_scale = {0.2f, 0.2f, 1.0f};

    const int pane = 2; // the front pane
    AddSquare("square", 0.0f, 1.0f);
    doc->m_settings.m_panes[pane].m_showUnderlay = 0;
    CPaneScene(*doc, pane, *view).Paint();
    glFinish();
    const Image without = Pixels();
    doc->m_settings.m_panes[pane].m_showUnderlay = 1;
    CPaneScene(*doc, pane, *view).Paint();
    glFinish();
    const Image with = Pixels();
    EXPECT_GT(CompareImages(with, without, 8, (OutputDir() / "diff-underlay-off.png").string()).share, 0.1)
        << "the underlay shows only while the pane's switch is on";
    ExpectMatchesReference("viewport/underlay_front.png");
}
