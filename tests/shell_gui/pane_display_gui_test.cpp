// The pane menu's display switches in the running program: each toggles its
// check mark and changes what the active pane draws. The pictures are kept
// as references: surfaces off and on, lit, without the grid, without points.
#include "app/doc_helpers.h"
#include "platform/ui/screen_image.h"
#include "platform_ui_gui/screen_picture.h"
#include "shell_gui/running_app_fixture.h"
#include "support/command_probe.h"
#include "support/model_shapes.h"

#include <cstdlib>

using qf::test::IsItemChecked;
using qf::test::IsItemEnabled;
using qf::test::PumpEvents;

namespace {

constexpr int kPerspective = 1;
constexpr UINT kShowVertices = 30027;
constexpr UINT kShowSurfaces = 30034;
constexpr UINT kShowGridXZ = 30120;
constexpr UINT kLighting = 30038;

class PaneDisplayGuiTest : public RunningAppGuiTest {
protected:
    CPixelImage Picture(const char* name) {
        PumpEvents(100);
        EXPECT_FALSE(qf::test::SaveScreenPicture(Pane(kPerspective), name).empty());
        return CaptureClientImage(Pane(kPerspective));
    }
    // Pixels within 8 of the colour on every channel.
    static int CountColour(const CPixelImage& image, COLORREF colour) {
        int n = 0;
        for (int y = 0; y < image.height; ++y)
            for (int x = 0; x < image.width; ++x) {
                const COLORREF c = image.At(x, y);
                n += std::abs(GetRValue(c) - GetRValue(colour)) <= 8 &&
                     std::abs(GetGValue(c) - GetGValue(colour)) <= 8 &&
                     std::abs(GetBValue(c) - GetBValue(colour)) <= 8;
            }
        return n;
    }
    static int CountDifferent(const CPixelImage& a, const CPixelImage& b) {
        int n = 0;
        for (int y = 0; y < std::min(a.height, b.height); ++y)
            for (int x = 0; x < std::min(a.width, b.width); ++x)
                n += a.At(x, y) != b.At(x, y);
        return n;
    }
    void Toggle(UINT id, int checkedAfter) {
        Command(id);
        EXPECT_EQ(IsItemChecked(Frame(), id), checkedAfter) << id;
    }
};

} // namespace

TEST_F(PaneDisplayGuiTest, EachSwitchTogglesItsCheckAndWhatThePaneDraws) {
    Start();
    CQuelDoc& doc = Doc();
    CSpatchObj* obj = GetSelectedObject();
    ASSERT_TRUE(obj);
    // Three by three cells with a hill in the middle, seen from close by.
    obj->AppendGeometry(qf::test::MakeFlatQuadGrid(3).get(), 0);
    for (const int hill : {5, 6, 9, 10})
        qf::test::PointsOf(*obj)[static_cast<size_t>(hill)]->SetY(1.0f);
    obj->UpdateCurveHandles();
    obj->Rebuild();
    CCamera& camera = doc.m_cameras[kPerspective];
    camera.m_eye = CVector3(1.5f, 5.0f, -4.0f);
    camera.m_target = CVector3(1.5f, 0.3f, 1.5f);
    SetActivePane(kPerspective);
    CPaneDisplaySettings& show = doc.m_settings.m_panes[kPerspective];
    show.m_showSurfaces = 0;
    show.m_showGridXZ = 1;
    doc.RedrawPanes();
    const COLORREF grid = doc.m_settings.m_gridColor;

    const CPixelImage bare = Picture("pane_surfaces_off.png");
    EXPECT_FALSE(IsItemChecked(Frame(), kShowSurfaces));
    Toggle(kShowSurfaces, 1);
    const CPixelImage surfaces = Picture("pane_surfaces_on.png");
    EXPECT_EQ(show.m_showSurfaces, 1);
    EXPECT_GT(CountDifferent(bare, surfaces), 5000) << "the patches are filled";

    Toggle(kLighting, 1);
    const CPixelImage lit = Picture("pane_lit.png");
    EXPECT_GT(CountDifferent(surfaces, lit), 5000) << "the patches are shaded";
    Toggle(kLighting, 0);
    EXPECT_LT(CountDifferent(surfaces, Picture("pane_unlit.png")), 100) << "and flat again";

    ASSERT_GT(CountColour(surfaces, grid), 500);
    Toggle(kShowGridXZ, 0);
    const CPixelImage noGrid = Picture("pane_no_grid.png");
    EXPECT_LT(CountColour(noGrid, grid), CountColour(surfaces, grid) / 10) << "the grid's lines are gone";
    Toggle(kShowGridXZ, 1);
    EXPECT_GT(CountColour(Picture("pane_grid_again.png"), grid), 500) << "drawn over the picture again";

    const CPixelImage points = Picture("pane_points.png");
    Toggle(kShowVertices, 0);
    const CPixelImage noPoints = Picture("pane_no_points.png");
    EXPECT_GT(CountDifferent(points, noPoints), 30) << "the sixteen points are gone";
    EXPECT_EQ(doc.m_settings.m_panes[0].m_showVertices, 1) << "only the active pane";
    EXPECT_TRUE(IsItemEnabled(Frame(), kShowVertices));
}

// Through the frame's route: the pane's camera items, and view Undo and
// Redo greyed at the ends of its history.
TEST_F(PaneDisplayGuiTest, CameraItemsReachThePaneAndItsHistory) {
    constexpr UINT kTopView = 30020;
    constexpr UINT kViewUndo = 30571;
    constexpr UINT kViewRedo = 30572;
    Start();
    SetActivePane(kPerspective);
    EXPECT_FALSE(IsItemEnabled(Frame(), kViewUndo));
    EXPECT_FALSE(IsItemEnabled(Frame(), kViewRedo));
    EXPECT_FALSE(IsItemChecked(Frame(), kTopView));
    Command(kTopView);
    EXPECT_TRUE(Doc().m_cameras[kPerspective].IsTopView());
    EXPECT_TRUE(IsItemChecked(Frame(), kTopView));
    EXPECT_TRUE(IsItemEnabled(Frame(), kViewUndo));
    Picture("pane_top_view.png");
    Command(kViewUndo);
    EXPECT_FALSE(Doc().m_cameras[kPerspective].IsParallel()) << "the perspective camera again";
    EXPECT_FALSE(IsItemEnabled(Frame(), kViewUndo));
    EXPECT_TRUE(IsItemEnabled(Frame(), kViewRedo));
}
