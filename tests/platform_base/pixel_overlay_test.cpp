// The pixels of the lines drawn over a pane: every pixel of a stroke once,
// so that an inverting line never inverts a pixel back.
#include "platform/base/pixel_overlay.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <utility>

namespace {

std::set<std::pair<int, int>> AsSet(const std::vector<CPoint>& pixels) {
    std::set<std::pair<int, int>> s;
    for (const CPoint& p : pixels)
        s.insert({p.x, p.y});
    return s;
}

} // namespace

TEST(PixelOverlayTest, StrokesCoverTheirPixelsOnce) {
    const struct {
        const char* name;
        CPixelStroke stroke;
        size_t pixels;
    } cases[] = {
        {"one point", {{CPoint(4, 4)}}, 1},
        {"a diagonal of 11 pixels", {{CPoint(0, 0), CPoint(10, 10)}}, 11},
        {"a steep line", {{CPoint(0, 0), CPoint(3, 12)}}, 13},
        {"a closed 5 x 3 frame", {{CPoint(0, 0), CPoint(4, 0), CPoint(4, 2), CPoint(0, 2)}, true}, 12},
        {"an X crossing itself", {{CPoint(0, 0), CPoint(4, 4), CPoint(4, 0), CPoint(0, 4)}}, 5 + 3 + 4},
        {"dotted, two of every four", {{CPoint(0, 0), CPoint(15, 0)}, false, CPixelStroke::dotted}, 8},
    };
    for (const auto& c : cases) {
        const std::vector<CPoint> pixels = StrokePixels(c.stroke);
        EXPECT_EQ(pixels.size(), c.pixels) << c.name;
        EXPECT_EQ(AsSet(pixels).size(), pixels.size()) << c.name << ": each once";
        for (const CPoint& corner : c.stroke.m_points)
            if (c.stroke.m_style != CPixelStroke::dotted)
                EXPECT_TRUE(AsSet(pixels).count({corner.x, corner.y})) << c.name << ": through its points";
    }
}

// The drag frame of a rectangle runs on its inner pixels: the right and
// bottom edges lie outside, as for the points it selects.
TEST(PixelOverlayTest, DragFrameLiesInsideItsRectangle) {
    const CPixelOverlay frame = MakeDragFrame(CRect(10, 20, 15, 23));
    ASSERT_EQ(frame.size(), 1u);
    EXPECT_EQ(frame[0].m_style, CPixelStroke::inverted);
    const std::vector<CPoint> pixels = StrokePixels(frame[0]);
    EXPECT_EQ(pixels.size(), 12u);
    for (const CPoint& p : pixels)
        EXPECT_TRUE(CRect(10, 20, 15, 23).PtInRect(p)) << p.x << "," << p.y;
    EXPECT_TRUE(MakeDragFrame(CRect(7, 7, 7, 7)).empty()) << "an empty rectangle shows nothing";
    EXPECT_EQ(StrokePixels(MakeDragFrame(CRect(7, 7, 7, 12))[0]).size(), 5u) << "no width: one line";
}
