// The render tools hand the pane, or the dragged rectangle clamped to the
// pane, to the POV-Ray front end; the polygon-point tool adds the point under
// the cursor, in world coordinates, to the selected polygon object.
#include "app/mouse_mode.h"
#include "mesh/polygon_obj.h"
#include "platform/base/file_util.h"
#include "render/pov_exporter.h"
#include "support/model_shapes.h"
#include "tool_fixture.h"
#include "tools/view_plane.h"

#include <sys/stat.h>

using namespace qf::test;

class RenderToolsTest : public ToolTest {
protected:
    void SetUp() override {
        ToolTest::SetUp();
        doc->AddPatchObject()->AppendGeometry(MakeTriangleFan(3).get(), 0);
        // A renderer that starts at once and does nothing, so only the run file is looked at.
        CRendererInfo quiet;
        quiet.path = "/bin/true";
        doc->m_renderers.Add(quiet);
        doc->m_render.renderer_index = doc->m_renderers.GetCount() - 1;
        doc->m_render.rendering_type = 0;
        doc->m_render.output_folder = CString(m_home.path().string());
        Register(wndGLPane0 + pane).screenRect = CRect(0, 0, standIn.size.cx, standIn.size.cy);
        std::filesystem::remove(RunFile());
    }
    static std::string RunFile() {
        return qf::JoinPath(CPovExporter::GetWorkFolder(), CPovExporter::runFileName);
    }
    std::string RunText() const { return ReadFileBytes(RunFile()); }
};

TEST_F(RenderToolsTest, RenderWindowRendersOnReleaseEvenAfterADrag) {
    doc->m_settings.m_mouseModeLeft = mouseModeRenderWindow;
    controller.OnLButtonDown(10, 10, 0);
    EXPECT_FALSE(std::filesystem::exists(RunFile())) << "the press draws and renders nothing";
    EXPECT_TRUE(standIn.overlay.empty());
    controller.OnMouseMove(50, 40, MK_LBUTTON);
    controller.OnLButtonUp(50, 40, 0);
    const std::string ini = RunText();
    EXPECT_NE(ini.find("Width=200\nHeight=100\n"), std::string::npos) << ini;
    EXPECT_EQ(ini.find("Start_Column"), std::string::npos);
    EXPECT_EQ(doc->m_settings.m_mouseModeLeft, mouseModeTranslate) << "a render leaves the translate tool";
}

TEST_F(RenderToolsTest, RegionIsNormalisedClampedAndFramedWhileDragged) {
    for (const auto& [from, to] :
         {std::pair{CPoint(150, 80), CPoint(-30, -5)}, std::pair{CPoint(-30, -5), CPoint(150, 80)}}) {
        doc->m_settings.m_mouseModeLeft = mouseModeRenderParts;
        standIn.log.clear();
        controller.OnLButtonDown(from.x, from.y, 0);
        controller.OnMouseMove(100, 50, MK_LBUTTON);
        ASSERT_FALSE(standIn.overlay.empty()) << "a frame shows the region";
        controller.OnMouseMove(to.x, to.y, MK_LBUTTON);
        controller.OnLButtonUp(to.x, to.y, 0);
        EXPECT_TRUE(standIn.overlay.empty()) << "the frame goes at the release";
        EXPECT_EQ(standIn.Count("repaint"), 1);
        const std::string ini = RunText();
        EXPECT_NE(ini.find("Start_Column=1\nStart_Row=1\nEnd_Column=150\nEnd_Row=80\n"), std::string::npos)
            << "both directions give the same clamped region: " << ini;
    }
}

TEST_F(RenderToolsTest, PolygonPointLandsUnderTheCursorInWorldSpace) {
    UsePane(2); // the front view
    CPolygonObj* polygon = doc->AddPolygonObject();
    polygon->SetSelected(1);
    doc->m_settings.m_mouseModeLeft = mouseModePolygonFirst;
    controller.OnLButtonDown(150, 25, 0);
    ASSERT_EQ(polygon->GetVertices().GetCount(), 1);
    const CCamera& camera = Camera();
    const CVector3 expected =
        PixelToWorld(camera, standIn.size, 150, 25, (camera.m_eye - camera.m_target).Length());
    const CPolyVertex* v = polygon->GetVertices().GetTail();
    EXPECT_NEAR(v->GetX(), expected.GetX(), 1e-4);
    EXPECT_NEAR(v->GetY(), expected.GetY(), 1e-4);
    EXPECT_NEAR(v->GetZ(), camera.m_target.GetZ(), 1e-3)
        << "in the plane through the target, not at the eye distance";
    EXPECT_GT(v->GetX(), camera.m_target.GetX()) << "right of the centre";
    EXPECT_GT(v->GetY(), camera.m_target.GetY()) << "above the centre";
    EXPECT_EQ(standIn.Count("repaint"), 1);

    polygon->SetEditable(0);
    doc->m_settings.m_mouseModeLeft = mouseModePolygonLast;
    controller.OnLButtonDown(20, 20, 0);
    EXPECT_EQ(polygon->GetVertices().GetCount(), 1) << "a locked polygon object takes nothing";
}
