#include "platform/ui/dc.h"
#include "platform/ui/sys_color.h"

#include <gtest/gtest.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/image.h>

namespace {

constexpr COLORREF white = RGB(255, 255, 255);
constexpr COLORREF black = RGB(0, 0, 0);
constexpr COLORREF red = RGB(255, 0, 0);

// A memory DC over a white bitmap; reading copies the picture out with
// BitBlt, so drawing can go on afterwards.
class Canvas {
public:
    Canvas(int width, int height) : m_width(width), m_height(height) {
        m_dc.CreateCompatibleDC(nullptr);
        m_bitmap.CreateCompatibleBitmap(&m_dc, width, height);
        m_dc.SelectObject(&m_bitmap);
        m_dc.FillSolidRect(0, 0, width, height, white);
    }
    // Drawing goes through here, so the next read copies the picture again.
    CDC& dc() {
        m_fresh = false;
        return m_dc;
    }
    COLORREF At(int x, int y) {
        const wxImage& image = Snapshot();
        return RGB(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
    }
    int Count(COLORREF colour, const CRect& area) {
        int n = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                n += At(x, y) == colour;
        return n;
    }
    // Bounding box of the pixels that are not the given colour.
    CRect InkBox(COLORREF background) {
        CRect box(m_width, m_height, -1, -1);
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x)
                if (At(x, y) != background)
                    box = CRect(std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                                std::max(box.bottom, y + 1));
        return box;
    }

private:
    const wxImage& Snapshot() {
        if (m_fresh)
            return m_image;
        wxBitmap copy(m_width, m_height, 24);
        {
            wxMemoryDC native(copy);
            CDC out(native);
            out.BitBlt(0, 0, m_width, m_height, &m_dc, 0, 0, SRCCOPY);
        }
        m_image = copy.ConvertToImage();
        m_fresh = true;
        return m_image;
    }

    int m_width, m_height;
    CDC m_dc;
    CBitmap m_bitmap;
    wxImage m_image;
    bool m_fresh = false;
};

void MakeUiFont(CFont& font, int height) {
    font.CreateFont(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, OUT_CHARACTER_PRECIS,
                    CLIP_CHARACTER_PRECIS, DRAFT_QUALITY, DEFAULT_PITCH, "MS UI Gothic");
}

} // namespace

TEST(DcGuiTest, FillCoversItsRectangleWithoutTheRightAndBottomEdges) {
    Canvas canvas(20, 20);
    CBrush brush(red);
    canvas.dc().FillRect(CRect(2, 3, 7, 9), &brush);
    EXPECT_EQ(canvas.Count(red, CRect(0, 0, 20, 20)), 5 * 6);
    EXPECT_EQ(canvas.At(2, 3), red);
    EXPECT_EQ(canvas.At(6, 8), red);
    EXPECT_EQ(canvas.At(7, 8), white);
    EXPECT_EQ(canvas.At(6, 9), white);
}

TEST(DcGuiTest, LinesLeaveOutTheirEndPoint) {
    Canvas canvas(20, 20);
    canvas.dc().MoveTo(1, 1);
    canvas.dc().LineTo(9, 1);
    canvas.dc().LineTo(9, 6);
    EXPECT_EQ(canvas.Count(black, CRect(0, 0, 20, 20)), 8 + 5);
    EXPECT_EQ(canvas.At(1, 1), black);
    EXPECT_EQ(canvas.At(9, 1), black) << "the start of the second line";
    EXPECT_EQ(canvas.At(9, 5), black);
    EXPECT_EQ(canvas.At(9, 6), white) << "the end point of a line is left out";

    CPen dotted(PS_DOT, 1, black);
    canvas.dc().SelectObject(&dotted);
    canvas.dc().MoveTo(0, 15);
    canvas.dc().LineTo(20, 15);
    const int inked = canvas.Count(black, CRect(0, 15, 20, 16));
    EXPECT_GT(inked, 3);
    EXPECT_LT(inked, 17) << "a dotted line has gaps";
}

TEST(DcGuiTest, FramesAndEdgesUseTheClassicColours) {
    Canvas canvas(40, 20);
    canvas.dc().Draw3dRect(0, 0, 10, 8, red, black);
    EXPECT_EQ(canvas.At(0, 0), red);
    EXPECT_EQ(canvas.At(8, 0), red);
    EXPECT_EQ(canvas.At(9, 0), black) << "the right line owns the top-right corner";
    EXPECT_EQ(canvas.At(0, 6), red);
    EXPECT_EQ(canvas.At(0, 7), black) << "the bottom line owns the bottom-left corner";
    EXPECT_EQ(canvas.At(5, 4), white);

    CRect edge(20, 0, 30, 10);
    canvas.dc().DrawEdge(&edge, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    EXPECT_EQ(edge, CRect(22, 2, 28, 8));
    EXPECT_EQ(canvas.At(20, 0), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(canvas.At(21, 1), GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(canvas.At(29, 9), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(canvas.At(28, 8), GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(canvas.At(25, 5), white);
}

TEST(DcGuiTest, CaptionFontIsTheJapaneseUiFontInCellsOfItsHeight) {
    CFont font;
    MakeUiFont(font, 12);
    EXPECT_NE(font.GetResolvedFace().Find("CJK"), -1) << font.GetResolvedFace().GetString();

    Canvas canvas(120, 40);
    canvas.dc().SelectObject(&font);
    const CSize extent = canvas.dc().GetTextExtent("表示 View");
    EXPECT_EQ(extent.cy, 12);
    EXPECT_GT(extent.cx, 30);

    canvas.dc().SetBkMode(TRANSPARENT);
    canvas.dc().TextOut(10, 10, "表示 View");
    const CRect ink = canvas.InkBox(white);
    EXPECT_GE(ink.left, 10);
    EXPECT_GE(ink.top, 10) << "glyphs start inside the cell";
    EXPECT_LE(ink.bottom, 10 + 12 + 1) << "glyphs end inside the cell";
    EXPECT_LE(ink.right, 10 + extent.cx + 1);
    EXPECT_GT(ink.Height(), 6);
}

TEST(DcGuiTest, DrawTextCentresOneLineAndDropsMnemonicMarks) {
    CFont font;
    MakeUiFont(font, 12);
    Canvas canvas(100, 40);
    canvas.dc().SelectObject(&font);
    canvas.dc().SetBkMode(TRANSPARENT);

    CRect box(0, 0, 100, 40);
    EXPECT_EQ(canvas.dc().DrawText("&View", &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE), 12);
    const CRect ink = canvas.InkBox(white);
    const int width = canvas.dc().GetTextExtent("View").cx;
    EXPECT_NEAR(ink.left, (100 - width) / 2, 2) << "the mark takes no room";
    EXPECT_NEAR((ink.top + ink.bottom) / 2.0, 20.0, 3.0);
}
