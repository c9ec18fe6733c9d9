// The object panel in the running program, driven by real clicks: each
// switch is one undo step that Edit > Undo takes back to the same file and
// back into the panel, the colour comes from the colour dialog, and the
// mirror and polygon settings change what the panes draw.
#include "running_app.h"

#include "platform/ui/common_dialogs.h"
#include "resources/command_ids.h"
#include "shell/object_info_panel.h"
#include "support/doc_bytes.h"
#include "support/model_shapes.h"

using qf::test::DocumentBytes;
using qf::test::PumpEvents;
using qf::test::SameDocumentBytes;

namespace {

constexpr int kTopPane = 0;

class ObjectPanelGuiTest : public qf::test::RunningAppGuiTest {
protected:
    void SetUp() override {
        Start();
        // Tall enough for the whole panel.
        Frame().MoveWindow(0, 0, 1400, 1150);
        PumpEvents(200);
        obj = GetSelectedObject();
        ASSERT_TRUE(obj);
        Panel().Refresh();
    }
    CObjectInfoPanel& Panel() { return *static_cast<CObjectInfoPanel*>(Page().FindPanel("Patch")); }
    CWnd& Control(int id) { return *Panel().GetDlgItem(id); }
    // Scrolls the panel, as a user does by dragging its background, until the control is in view.
    void BringIntoView(int id) {
        CRect client;
        Panel().GetClientRect(&client);
        CRect rect;
        Control(id).GetWindowRect(&rect);
        Panel().ScreenToClient(&rect);
        if (rect.bottom <= client.bottom && rect.top >= 0)
            return;
        // The strip right of every control is background.
        const CPoint from(client.right - 2, client.Height() / 2);
        mouse.MoveTo(Panel(), from);
        mouse.Down();
        const int by = rect.top < 0 ? -rect.top + 10 : client.bottom - rect.bottom - 10;
        for (int step = 1; step <= 4; ++step)
            mouse.MoveTo(Panel(), CPoint(from.x, from.y + by * step / 4));
        mouse.Up();
        PumpEvents(50);
    }
    void ClickBox(int id) {
        BringIntoView(id);
        Click(Control(id), CPoint(6, 6));
    }
    int Checked(int id) { return static_cast<CButton&>(Control(id)).GetCheck(); }
    CWnd& Pane(int index) { return Frame().GetView().GetSplitter().GetPane(index).GetFrame().GetGLPane(); }
    CPixelImage PanePicture(int index) {
        PumpEvents(200);
        return CaptureClientImage(Pane(index));
    }
    // Pixels that differ between two pictures of the same pane, in its left and its right half.
    static std::pair<int, int> Differences(const CPixelImage& a, const CPixelImage& b) {
        int left = 0;
        int right = 0;
        for (int y = 0; y < a.height; ++y)
            for (int x = 0; x < a.width; ++x)
                if (a.At(x, y) != b.At(x, y))
                    ++(x < a.width / 2 ? left : right);
        return {left, right};
    }
    void Save(const CPixelImage& picture, const std::string& name) {
        EXPECT_TRUE(
            qf::test::SavePng((qf::test::OutputDir() / name).string(), qf::test::ToTestImage(picture)));
    }

    CSpatchObj* obj = nullptr;
};

} // namespace

TEST_F(ObjectPanelGuiTest, EachSwitchIsOneStepThatUndoTakesBackIntoTheObjectAndThePanel) {
    obj->AppendGeometry(qf::test::MakeTriangleFan(6).get(), 0);
    const struct {
        int id;
        std::function<int(const CSpatchObj&)> value;
    } switches[] = {
        {1044, [](const CSpatchObj& o) { return o.GetShow(); }},
        {1048, [](const CSpatchObj& o) { return o.GetExport(); }},
        {1051, [](const CSpatchObj& o) { return o.GetNoShadow(); }},
        {1055, [](const CSpatchObj& o) { return 1 - o.IsEditable(); }},
        {1057, [](const CSpatchObj& o) { return o.GetSmoothing(); }},
        {1703, [](const CSpatchObj& o) { return o.GetFivePointOn(); }},
        {1711, [](const CSpatchObj& o) { return o.GetSeeThrough(); }},
        {1080, [](const CSpatchObj& o) { return o.GetDoubleIlluminate(); }},
        {1701, [](const CSpatchObj& o) { return o.GetHollow(); }},
        {1310, [](const CSpatchObj& o) { return o.GetMotionBlur(); }},
    };
    for (const auto& s : switches) {
        SCOPED_TRACE(s.id);
        const int before = s.value(*obj);
        EXPECT_EQ(Checked(s.id), before);
        const std::string bytes = DocumentBytes(Doc());
        const int steps = Doc().m_undoBuffer.GetPosition();
        ClickBox(s.id);
        EXPECT_EQ(s.value(*obj), 1 - before);
        // Without the step, Undo would take back the object's creation.
        ASSERT_EQ(Doc().m_undoBuffer.GetPosition(), steps + 1);
        Command(ID_EDIT_UNDO);
        PumpEvents(50);
        EXPECT_EQ(s.value(*obj), before);
        EXPECT_EQ(Checked(s.id), before) << "the panel shows the undone value";
        EXPECT_TRUE(SameDocumentBytes(bytes, DocumentBytes(Doc())));
    }
    // The dependent controls follow their switches.
    EXPECT_FALSE(Control(1712).IsWindowEnabled());
    ClickBox(1711);
    EXPECT_TRUE(Control(1712).IsWindowEnabled()) << "see-through amount";
    EXPECT_FALSE(Control(1463).IsWindowEnabled());
    ClickBox(1310);
    EXPECT_TRUE(Control(1463).IsWindowEnabled()) << "the reference object's button";
}

TEST_F(ObjectPanelGuiTest, TheColourComesFromTheColourDialog) {
    runner.AnswerModal([](qf::CModalWindow& window) {
        dynamic_cast<CColorDialog&>(window).SetColor(RGB(10, 200, 30));
        return IDOK;
    });
    const int steps = Doc().m_undoBuffer.GetPosition();
    Click(Control(1038));
    EXPECT_EQ(obj->GetColor(), static_cast<uint32_t>(RGB(10, 200, 30)));
    EXPECT_EQ(Doc().m_undoBuffer.GetPosition(), steps + 1);

    runner.AnswerModal(IDCANCEL);
    Click(Control(1038));
    EXPECT_EQ(Doc().m_undoBuffer.GetPosition(), steps + 1) << "a cancelled colour changes nothing";
}

TEST_F(ObjectPanelGuiTest, MirrorAndPolygonSettingsChangeWhatThePanesDraw) {
    // A fan of six triangles right of the mirror plane x = 0, seen from the top with its surfaces.
    obj->AppendGeometry(qf::test::MakeTriangleFan(6).get(), 0);
    for (CPatchVertex* point : qf::test::PointsOf(*obj))
        point->Set(point->GetX() + 2.0f, point->GetY(), point->GetZ());
    obj->UpdateCurveHandles();
    Doc().m_settings.m_panes[kTopPane].m_showSurfaces = 1;
    Doc().m_settings.m_panes[kTopPane].m_showCurves = 0;
    Doc().m_settings.m_panes[kTopPane].m_showVertices = 0;
    Doc().m_settings.m_panes[kTopPane].m_showGrid = 0;
    Doc().RedrawPanes();
    const CPixelImage plain = PanePicture(kTopPane);
    Save(plain, "object_panel_pane_plain.png");

    const std::string bytes = DocumentBytes(Doc());
    ClickBox(1578);
    EXPECT_EQ(obj->GetMirrorMode(), 1);
    const CPixelImage mirrored = PanePicture(kTopPane);
    Save(mirrored, "object_panel_pane_mirrored.png");
    const auto [mirrorLeft, mirrorRight] = Differences(plain, mirrored);
    EXPECT_GT(mirrorLeft, 1000) << "the mirrored copy appears left of the plane";
    EXPECT_LT(mirrorRight, 50) << "the object itself stays";
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Differences(plain, PanePicture(kTopPane)), std::make_pair(0, 0)) << "undo repaints";
    EXPECT_TRUE(SameDocumentBytes(bytes, DocumentBytes(Doc())));

    // Converted to polygons at one division, the round rim becomes straight edges.
    ClickBox(1683);
    EXPECT_EQ(obj->GetPolygonize(), 1);
    EXPECT_TRUE(Control(1689).IsWindowEnabled()) << "its division count";
    const CPixelImage polygons = PanePicture(kTopPane);
    Save(polygons, "object_panel_pane_polygons.png");
    const auto [polygonLeft, polygonRight] = Differences(plain, polygons);
    EXPECT_GT(polygonRight, 100);
    EXPECT_EQ(polygonLeft, 0);
}
