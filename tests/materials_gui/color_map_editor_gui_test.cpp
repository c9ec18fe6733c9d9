// The colour-map editor on screen: the pixels of its ramps, boxes and
// arrows against the stops it shows, and the mouse: a press on a column or a
// marker selects a stop, a handle drags an inner stop no further than its
// neighbours, stacked stops part either way, and every release in the
// control stores the map.
#include "materials/color_map_editor.h"
#include "platform/ui/screen_image.h"
#include "platform_ui_gui/probe_wnd.h"
#include "platform_ui_gui/screen_picture.h"

#include <gtest/gtest.h>
#include <optional>

using qf::test::PumpEvents;

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// The panel's side of the editor: what it was asked to show and to store.
class EditorHost : public qf::test::ProbeWnd, public CColorMapEditorHost {
public:
    EditorHost() : ProbeWnd("host") {}
    void LoadCurrentStop() override { loaded.push_back(editor.GetStops().GetCurrent()); }
    void CommitColorMap() override { ++commits; }

    CColorMapEditor editor;
    std::vector<int> loaded;
    int commits = 0;
};

// The editor 306 x 164: W 300, H 156, u 12; the colour ramp from y 30 to
// 66 (its strip 4 .. 302 wide inside the frame), the handles from 66 to
// 82, the columns from 90 down.
class ColorMapEditorGuiTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!qf::test::HaveDisplay())
            GTEST_SKIP() << "no display";
        frame.emplace(nullptr, CRect(40, 40, 460, 300));
        ASSERT_TRUE(host.Create("", WS_CHILD | WS_VISIBLE, CRect(10, 10, 330, 190), &*frame, 1));
        ASSERT_TRUE(
            host.editor.Create("", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(5, 5, 311, 169), &host, 200));
        PumpEvents(100);
    }
    void TearDown() override {
        if (host.GetSafeHwnd())
            host.DestroyWindow();
    }

    void Show(std::vector<ColorStop> stops) {
        host.editor.LoadStops(stops);
        PumpEvents(100);
        host.loaded.clear();
        host.commits = 0;
    }
    std::vector<int> Positions() const {
        std::vector<int> positions;
        for (int i = 0; i < Stops().GetCount(); ++i)
            positions.push_back(Stops().Stop(i).position);
        return positions;
    }
    const CColorMapStops& Stops() const { return host.editor.GetStops(); }
    void Press(CPoint at) {
        mouse.MoveTo(host.editor, at);
        mouse.Down();
    }
    void DragTo(CPoint at) {
        for (int step = 0; step < 3; ++step)
            mouse.MoveTo(host.editor, at);
        mouse.Up();
    }

    static bool Near(COLORREF got, COLORREF expected, int tolerance = 1) {
        for (int shift : {0, 8, 16})
            if (std::abs(static_cast<int>((got >> shift) & 0xFF) -
                         static_cast<int>((expected >> shift) & 0xFF)) > tolerance)
                return false;
        return true;
    }

    std::optional<qf::test::ProbeFrame> frame;
    EditorHost host;
    qf::test::SimulatedMouse mouse;
};

} // namespace

TEST_F(ColorMapEditorGuiTest, TheRampsBoxesAndArrowsShowTheStops) {
    Show({{kRed, 0.0f, 0.5f, 0}, {kGreen, 1.0f, 0.5f, 500}, {kBlue, 0.0f, 0.5f, 1000}});
    const CPixelImage picture = CaptureClientImage(host.editor);
    qf::test::SavePng((qf::test::OutputDir() / "color_map_editor.png").string(),
                      qf::test::ToTestImage(picture));
    ASSERT_EQ(picture.width, 306);

    // Colour ramp: strip column c at x = 4 + c; the green stop at column
    // 500 * 298 / 1000 = 149; each half 149 columns, stepping by two.
    struct Pixel {
        const char* name;
        int x, y;
        COLORREF expected;
    };
    const Pixel pixels[] = {
        {"left end red", 4, 48, kRed},
        {"a quarter: 255 - 255 * 74 / 149 red", 78, 48, RGB(129, 126, 0)},
        {"just before the green stop", 152, 48, RGB(2, 253, 0)},
        {"the green stop", 153, 48, kGreen},
        {"right end", 301, 48, RGB(0, 2, 253)},
        {"filter ramp dark at the ends", 4, 20, kBlack},
        {"filter ramp white at the middle stop", 153, 20, kWhite},
        {"transmit ramp grey throughout", 150, 5, RGB(127, 127, 127)},
        {"the ramp's frame", 3, 48, kBlack},
        {"the middle stop's arrow", 153, 68, kBlack},
        {"the middle stop's colour box", 150, 100, kGreen},
        {"its filter box", 150, 134, kWhite},
        {"its transmit box", 150, 150, RGB(127, 127, 127)},
        {"the frame round the selected first column", 1, 120, kBlack},
        {"no frame round the others", 102, 120, picture.At(102, 70)},
    };
    for (const Pixel& p : pixels)
        EXPECT_TRUE(Near(picture.At(p.x, p.y), p.expected))
            << p.name << ": " << std::hex << picture.At(p.x, p.y);

    // A hard edge where two stops share a place.
    Show({{kRed, 0, 0, 0}, {kRed, 0, 0, 500}, {kBlue, 0, 0, 500}, {kBlue, 0, 0, 1000}});
    const CPixelImage edge = CaptureClientImage(host.editor);
    EXPECT_EQ(edge.At(152, 48), kRed);
    EXPECT_EQ(edge.At(153, 48), kBlue);
}

TEST_F(ColorMapEditorGuiTest, PressingAColumnOrAMarkerSelectsItsStop) {
    Show({{kRed, 0, 0, 0}, {kGreen, 0, 0, 500}, {kBlue, 0, 0, 1000}});
    // Columns 98 wide from x 3, 104 and 205.
    mouse.MoveTo(host.editor, CPoint(250, 100));
    mouse.Down();
    mouse.Up();
    EXPECT_EQ(Stops().GetCurrent(), 2) << "the colour box is a marker of stop 2";
    EXPECT_EQ(host.loaded, (std::vector<int>{2}));
    EXPECT_EQ(host.commits, 0) << "the marker took the press";

    mouse.MoveTo(host.editor, CPoint(150, 127)); // between the colour and filter boxes
    mouse.Down();
    EXPECT_EQ(Stops().GetCurrent(), 1);
    mouse.Up();
    EXPECT_EQ(host.commits, 1) << "a release in the control stores the map";

    mouse.MoveTo(host.editor, CPoint(280, 74)); // in the handle band, away from every handle
    mouse.Down();
    mouse.Up();
    EXPECT_EQ(Stops().GetCurrent(), 1);
    EXPECT_EQ(host.commits, 2) << "stored even without a drag";
    EXPECT_EQ(host.loaded, (std::vector<int>{2, 1}));
}

TEST_F(ColorMapEditorGuiTest, AHandleDragsItsStopNoFurtherThanTheNeighbours) {
    Show({{kBlack, 0, 0, 0}, {kRed, 0, 0, 400}, {kGreen, 0, 0, 600}, {kWhite, 0, 0, 1000}});
    // Stop 1's arrow at 3 + 300 * 0.4 = 123; its left handle 118 .. 122.
    Press(CPoint(120, 74));
    EXPECT_EQ(Stops().GetCurrent(), 1);
    mouse.MoveTo(host.editor, CPoint(100, 74));
    EXPECT_EQ(Stops().Stop(1).position, 323) << "(100 - 3) * 1000 / 300";
    EXPECT_EQ(host.commits, 0) << "nothing is stored while dragging";
    DragTo(CPoint(290, 20));
    EXPECT_EQ(Positions(), (std::vector<int>{0, 600, 600, 1000})) << "held at the green stop";
    EXPECT_EQ(host.commits, 1);

    // Both inner stops at 183 now: left of it takes stop 1, right of it stop 2.
    Press(CPoint(180, 74));
    DragTo(CPoint(63, 74));
    EXPECT_EQ(Positions(), (std::vector<int>{0, 200, 600, 1000}));
    Press(CPoint(60, 74));
    DragTo(CPoint(183, 74));
    EXPECT_EQ(Positions(), (std::vector<int>{0, 600, 600, 1000}));
    Press(CPoint(185, 74));
    EXPECT_EQ(Stops().GetCurrent(), 2);
    DragTo(CPoint(243, 74));
    EXPECT_EQ(Positions(), (std::vector<int>{0, 600, 800, 1000}));
    mouse.MoveTo(host.editor, CPoint(10, 74));
    EXPECT_EQ(Positions(), (std::vector<int>{0, 600, 800, 1000})) << "a move without a press drags nothing";
    EXPECT_EQ(host.commits, 4);
}

TEST_F(ColorMapEditorGuiTest, TheButtonsOperationsRedrawTheBoxes) {
    Show({{kRed, 0, 0, 0}, {kBlue, 0, 0, 1000}});
    host.editor.InsertStop();
    host.editor.InsertStop();
    PumpEvents(100);
    ASSERT_EQ(Stops().GetCount(), 4);
    CPixelImage picture = CaptureClientImage(host.editor);
    // Four columns (300 - 9) / 4 = 72.75 wide, from 3, 78, 154 and 230.
    EXPECT_TRUE(Near(picture.At(40, 100), kRed));
    EXPECT_TRUE(Near(picture.At(115, 100), RGB(191, 0, 63))) << "half way from red to the purple stop";
    EXPECT_TRUE(Near(picture.At(190, 100), RGB(127, 0, 127)));
    EXPECT_TRUE(Near(picture.At(265, 100), kBlue));

    host.editor.Mirror();
    host.editor.DeleteStop();
    PumpEvents(100);
    EXPECT_EQ(Stops().GetCount(), 3);
    EXPECT_EQ(Stops().GetCurrent(), 2)
        << "the mirrored first stop was the last; deleting it selects the one before";
    picture = CaptureClientImage(host.editor);
    EXPECT_TRUE(Near(picture.At(50, 100), kBlue));
    EXPECT_TRUE(Near(picture.At(250, 100), RGB(191, 0, 63)));
    EXPECT_TRUE(Near(picture.At(77, 100), kBlue))
        << "three columns again: 77 lay between the first two of four";
}
