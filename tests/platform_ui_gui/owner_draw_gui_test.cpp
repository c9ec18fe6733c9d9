#include "probe_wnd.h"
#include "screen_picture.h"

#include "platform/ui/dc.h"
#include "platform/ui/screen_image.h"
#include "platform/ui/sys_color.h"
#include "support/gui_test.h"

#include <gtest/gtest.h>
#include <iostream>
#include <wx/clipbrd.h>
#include <wx/dataobj.h>

using qf::test::ProbeFrame;
using qf::test::PumpEvents;

namespace {

constexpr COLORREF pink = RGB(240, 180, 210);

void CaptionFont(CFont& font, int height) {
    font.CreateFont(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, OUT_CHARACTER_PRECIS,
                    CLIP_CHARACTER_PRECIS, DRAFT_QUALITY, DEFAULT_PITCH, "MS UI Gothic");
}

// Paints a few pieces of the owner-drawn controls the way they do it: into
// an off-screen bitmap of the client size, copied to the window at the end.
class OwnerDrawnPanel : public CWnd {
public:
    int paints = 0;

protected:
    BOOL OnEraseBkgnd(CDC*) override { return TRUE; }

    void OnPaint() override {
        CPaintDC dc(this);
        ++paints;
        CRect client;
        GetClientRect(&client);
        CDC memory;
        memory.CreateCompatibleDC(&dc);
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&dc, client.Width(), client.Height());
        CBitmap* previous = memory.SelectObject(&bitmap);
        memory.FillRect(client, GetSysColorBrush(COLOR_3DFACE));
        memory.Draw3dRect(client, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));

        // A slider filled to its middle inside a sunken edge.
        CRect meter(10, 10, 130, 30);
        memory.FillRect(CRect(12, 13, 70, 27), GetSysColorBrush(COLOR_HIGHLIGHT));
        memory.DrawEdge(&meter, EDGE_SUNKEN, BF_RECT | BF_ADJUST);

        // A raised button with a drop shadow and a centred caption.
        CFont caption;
        CaptionFont(caption, 12);
        CFont* oldFont = memory.SelectObject(&caption);
        memory.SetBkMode(TRANSPARENT);
        memory.FillSolidRect(153, 13, 80, 24, RGB(0, 0, 0));
        memory.FillSolidRect(150, 10, 80, 24, GetSysColor(COLOR_3DFACE));
        memory.FillSolidRect(150, 10, 80, 1, RGB(255, 255, 255));
        memory.FillSolidRect(150, 10, 1, 24, RGB(255, 255, 255));
        memory.FillSolidRect(229, 10, 1, 24, GetSysColor(COLOR_BTNSHADOW));
        memory.FillSolidRect(150, 33, 80, 1, GetSysColor(COLOR_BTNSHADOW));
        memory.SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
        CRect face(160, 10, 220, 34);
        memory.DrawText("表示(&S)", &face, DT_CENTER | DT_VCENTER | DT_SINGLELINE);

        // A pane letter in a rounded box.
        CBrush pinkBrush(pink);
        CBrush* oldBrush = memory.SelectObject(&pinkBrush);
        memory.RoundRect(CRect(10, 45, 40, 75), CPoint(3, 3));
        CFont letter;
        CaptionFont(letter, 11);
        memory.SelectObject(&letter);
        memory.TextOut(12, 46, "A");

        // A spin arrow.
        CBrush blackBrush(RGB(0, 0, 0));
        memory.SelectObject(&blackBrush);
        const CPoint arrow[] = {{70, 50}, {60, 70}, {80, 70}};
        memory.Polygon(arrow, 3);
        memory.SelectObject(oldBrush);

        // A level bar with its thumb.
        memory.FillRect(CRect(100, 45, 104, 115), GetSysColorBrush(COLOR_3DDKSHADOW));
        memory.FillRect(CRect(100, 60, 104, 80), GetSysColorBrush(COLOR_BTNSHADOW));

        // A lasso-style dotted line and a tab caption.
        CPen dotted(PS_DOT, 1, RGB(255, 255, 255));
        CPen* oldPen = memory.SelectObject(&dotted);
        memory.MoveTo(120, 100);
        memory.LineTo(250, 100);
        memory.SelectObject(oldPen);
        memory.SelectObject(&caption);
        memory.TextOut(120, 50, "視点 View");
        memory.SelectObject(oldFont);

        dc.BitBlt(0, 0, client.Width(), client.Height(), &memory, 0, 0, SRCCOPY);
        memory.SelectObject(previous);
    }
};

int CountColour(const CPixelImage& image, COLORREF colour, const CRect& area) {
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            n += image.At(x, y) == colour;
    return n;
}

} // namespace

TEST(OwnerDrawGuiTest, PaintedShapesShowInTheWindowInSystemColours) {
    ProbeFrame frame;
    OwnerDrawnPanel panel;
    ASSERT_TRUE(panel.Create("", WS_CHILD | WS_VISIBLE, CRect(10, 10, 270, 130), &frame, 1));
    PumpEvents(50);
    const int paintsBefore = panel.paints;
    panel.RedrawWindow();
    ASSERT_EQ(panel.paints, paintsBefore + 1);
    const CPixelImage image = CaptureClientImage(panel);
    ASSERT_EQ(image.width, 260);
    ASSERT_EQ(image.height, 120);
    const std::string path = qf::test::SaveScreenPicture(panel, "owner_draw.png");
    std::cout << "picture: " << path << "\n";

    struct Probe {
        const char* what;
        CPoint at;
        COLORREF expected;
    };
    const Probe probes[] = {
        {"raised frame, top left", {0, 0}, GetSysColor(COLOR_BTNHIGHLIGHT)},
        {"raised frame, bottom right", {259, 119}, GetSysColor(COLOR_BTNSHADOW)},
        {"face", {250, 60}, GetSysColor(COLOR_3DFACE)},
        {"sunken edge, outer", {10, 10}, GetSysColor(COLOR_BTNSHADOW)},
        {"sunken edge, inner", {11, 11}, GetSysColor(COLOR_3DDKSHADOW)},
        {"sunken edge, outer bottom", {129, 29}, GetSysColor(COLOR_BTNHIGHLIGHT)},
        {"slider fill", {40, 20}, GetSysColor(COLOR_HIGHLIGHT)},
        {"slider rest", {100, 20}, GetSysColor(COLOR_3DFACE)},
        {"button highlight", {150, 10}, RGB(255, 255, 255)},
        {"button shadow", {232, 36}, RGB(0, 0, 0)},
        {"button face", {153, 30}, GetSysColor(COLOR_3DFACE)},
        {"rounded box fill", {35, 70}, pink},
        {"rounded box outline", {10, 60}, RGB(0, 0, 0)},
        {"arrow", {70, 66}, RGB(0, 0, 0)},
        {"level bar", {101, 50}, GetSysColor(COLOR_3DDKSHADOW)},
        {"level thumb", {101, 70}, GetSysColor(COLOR_BTNSHADOW)},
    };
    for (const Probe& p : probes)
        EXPECT_EQ(image.At(p.at.x, p.at.y), p.expected) << p.what;

    const int dots = CountColour(image, RGB(255, 255, 255), CRect(120, 100, 250, 101));
    EXPECT_GT(dots, 20) << "dotted line";
    EXPECT_LT(dots, 125) << "dotted line without gaps";
    EXPECT_GT(CountColour(image, RGB(0, 0, 0), CRect(120, 48, 200, 64)), 20) << "caption text";
    EXPECT_GT(CountColour(image, RGB(0, 0, 0), CRect(160, 12, 220, 32)), 15) << "button caption";
}

TEST(OwnerDrawGuiTest, PictureGoesToTheClipboardAsABitmap) {
    CPixelImage picture;
    picture.width = 3;
    picture.height = 2;
    picture.rgb = {255, 0, 0, 0, 255, 0, 0, 0, 255, 10, 20, 30, 40, 50, 60, 70, 80, 90};
    ASSERT_TRUE(CopyImageToClipboard(picture));

    wxClipboardLocker lock;
    ASSERT_FALSE(!lock);
    wxBitmapDataObject data;
    ASSERT_TRUE(wxTheClipboard->GetData(data));
    const wxImage back = data.GetBitmap().ConvertToImage();
    ASSERT_EQ(back.GetWidth(), 3);
    ASSERT_EQ(back.GetHeight(), 2);
    EXPECT_EQ(back.GetRed(0, 0), 255);
    EXPECT_EQ(back.GetGreen(1, 0), 255);
    EXPECT_EQ(back.GetBlue(2, 0), 255);
    EXPECT_EQ(back.GetRed(0, 1), 10);
    EXPECT_EQ(back.GetBlue(2, 1), 90);

    EXPECT_FALSE(CopyImageToClipboard(CPixelImage{}));
}
