// Lines over a pane's picture on screen: a drag frame inverts the pixels it
// runs through and nothing else, a dotted outline shows in its colour, the
// lines stay through a full repaint, and removing them gives back the
// picture as it was.
#include "platform/ui/screen_image.h"
#include "platform_ui_gui/screen_picture.h"
#include "viewport_gui/splitter_fixture.h"

#include <gtest/gtest.h>

using qf::test::PumpEvents;

namespace {

class PaneOverlayGuiTest : public SplitterGuiTest {
protected:
    CPixelImage Picture(const char* name = nullptr) {
        PumpEvents(100);
        if (name)
            EXPECT_FALSE(qf::test::SaveScreenPicture(GLPane(2), name).empty());
        return CaptureClientImage(GLPane(2));
    }
    static COLORREF Inverse(COLORREF c) {
        return RGB(255 - GetRValue(c), 255 - GetGValue(c), 255 - GetBValue(c));
    }
    static int CountDifferent(const CPixelImage& a, const CPixelImage& b) {
        int n = 0;
        for (int y = 0; y < a.height; ++y)
            for (int x = 0; x < a.width; ++x)
                n += a.At(x, y) != b.At(x, y);
        return n;
    }
};

} // namespace

TEST_F(PaneOverlayGuiTest, LinesLieOverThePictureUntilTheyAreRemoved) {
    if (!qf::test::HaveDisplay())
        GTEST_SKIP() << "no display";
    CGLPane& pane = GLPane(2);
    const CPixelImage before = Picture();
    ASSERT_GT(before.width, 120);
    ASSERT_GT(before.height, 80);

    const CRect frame(20, 15, 101, 61);
    pane.ShowOverlay(MakeDragFrame(frame));
    const CPixelImage framed = Picture("overlay_frame.png");
    for (const CPoint p :
         {CPoint(20, 15), CPoint(100, 15), CPoint(100, 60), CPoint(20, 60), CPoint(60, 15), CPoint(20, 40)})
        EXPECT_EQ(framed.At(p.x, p.y), Inverse(before.At(p.x, p.y))) << p.x << "," << p.y;
    EXPECT_EQ(framed.At(60, 40), before.At(60, 40)) << "inside the frame";
    EXPECT_EQ(framed.At(101, 61), before.At(101, 61)) << "right and bottom edges lie outside";
    EXPECT_EQ(CountDifferent(before, framed), 2 * 81 + 2 * 44) << "the frame's pixels alone";

    pane.RedrawNow();
    EXPECT_EQ(CountDifferent(framed, Picture()), 0) << "a full repaint keeps the lines";

    CPixelStroke outline;
    outline.m_points = {CPoint(10, 70), CPoint(110, 70)};
    outline.m_style = CPixelStroke::dotted;
    outline.m_colour = RGB(255, 0, 0);
    pane.ShowOverlay({outline});
    const CPixelImage dotted = Picture("overlay_dotted.png");
    int red = 0;
    for (int x = 10; x <= 110; ++x)
        red += dotted.At(x, 70) == RGB(255, 0, 0);
    EXPECT_GT(red, 30) << "dots along the line";
    EXPECT_LT(red, 90) << "with gaps between them";
    EXPECT_EQ(dotted.At(60, 15), before.At(60, 15)) << "the frame went with the new overlay";

    pane.ShowOverlay({});
    EXPECT_EQ(CountDifferent(before, Picture()), 0) << "the picture as it was";
}
