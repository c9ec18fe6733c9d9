#include "tools/render_tools.h"

#include "app/doc_helpers.h"
#include "mesh/polygon_obj.h"
#include "platform/base/pixel_overlay.h"
#include "render/pov_exporter.h"
#include "tools/mouse_tool_controller.h"
#include "tools/select_area_tool.h"
#include "tools/tool_pane.h"
#include "tools/view_plane.h"

#include <algorithm>

void EndRenderWindow(CMouseToolController& c, int, int) {
    CPovExporter().Render(c.GetPaneIndex());
}

void BeginRenderRegion(CMouseToolController& c, int x, int y) {
    c.GetPane().ShowOverlay(MakeDragFrame(SpannedRect(CPoint(x, y), CPoint(x, y))));
}

void DragRenderRegion(CMouseToolController& c, int x, int y) {
    c.GetPane().ShowOverlay(MakeDragFrame(SpannedRect(c.m_leftPress, CPoint(x, y))));
}

void EndRenderRegion(CMouseToolController& c, int x, int y) {
    CToolPane& pane = c.GetPane();
    pane.ShowOverlay({});
    pane.RepaintNow();
    const CRect dragged = SpannedRect(c.m_leftPress, CPoint(x, y));
    const CSize client = pane.GetClientSize();
    CPovExporter().RenderRegion(std::max(dragged.left, 0), std::max(dragged.top, 0),
                                std::min(dragged.right, static_cast<int>(client.cx)),
                                std::min(dragged.bottom, static_cast<int>(client.cy)), c.GetPaneIndex());
}

void BeginPolygonPoint(CMouseToolController& c, int x, int y) {
    CPolygonObj* polygon = GetSelectedPolygonObject();
    const CCamera* camera = c.GetCamera();
    if (!polygon || !polygon->IsEditable() || !camera)
        return;
    const float depth = (camera->m_eye - camera->m_target).Length();
    const CVector3 p = PixelToWorld(*camera, c.GetPaneSize(), x, y, depth);
    polygon->AddVertex(p.GetX(), p.GetY(), p.GetZ(), 1);
    c.GetPane().RepaintNow();
}
