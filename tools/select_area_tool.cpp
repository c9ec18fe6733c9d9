#include "tools/select_area_tool.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "tools/mouse_tool_controller.h"
#include "tools/tool_pane.h"
#include "tools/tool_target.h"

#include <functional>

namespace {

// A press while exactly one point is selected starts a new selection.
void DropSingleSelection(CMouseToolController& c, CSpatchObj& obj) {
    if (obj.CountSelectedVertices() != 1)
        return;
    obj.SelectAllVertices(0);
    c.GetPane().QuickDrawVertices();
    c.GetPane().QuickDrawCurves();
}

// The document's vertex selection option applied to every point of the
// current object shown inside the area.
void ApplyToPointsInside(CMouseToolController& c, CSpatchObj& obj,
                         const std::function<bool(CPoint)>& inside) {
    const CQuelDoc* doc = GetDoc();
    const CCamera* camera = c.GetCamera();
    if (!doc || !camera)
        return;
    obj.ProjectVertices(*camera);
    const int option = doc->m_settings.m_vertexSelectOption;
    const auto nearDistance = static_cast<float>(doc->m_openGLSetting.near_plane);
    for (CPatchVertex* v : obj.GetVertices()) {
        if (!(v->m_viewPos.GetZ() > nearDistance) || !inside(CPoint(v->m_screenX, v->m_screenY)))
            continue;
        v->SetSelected(ApplySelectOption(option, v->m_selected));
    }
}

void QuickDrawAllVertices() {
    ForEachToolPane([](CToolPane& pane) { pane.QuickDrawVertices(); });
}

} // namespace

int ApplySelectOption(int option, int selected) {
    switch (option) {
    case 0:
        return 1;
    case 1:
        return 0;
    case 2:
        return selected ? 0 : 1;
    default:
        return selected;
    }
}

CRect SpannedRect(CPoint a, CPoint b) {
    CRect rect(a.x, a.y, b.x, b.y);
    rect.NormalizeRect();
    return rect;
}

bool IsInsideOutline(const std::vector<CPoint>& outline, CPoint pixel) {
    if (outline.size() < 3)
        return false;
    // Sampled at the pixel's centre, never level with a corner of the outline.
    const double px = pixel.x + 0.5;
    const double py = pixel.y + 0.5;
    int winding = 0;
    for (size_t i = 0; i < outline.size(); ++i) {
        const CPoint a = outline[i];
        const CPoint b = outline[(i + 1) % outline.size()];
        if ((a.y < py) == (b.y < py))
            continue;
        const double crossX = a.x + (py - a.y) * (b.x - a.x) / static_cast<double>(b.y - a.y);
        if (crossX > px)
            winding += b.y > a.y ? 1 : -1;
    }
    return winding != 0;
}

void BeginSelectRect(CMouseToolController& c, int, int) {
    if (CSpatchObj* obj = TakeShownObject())
        DropSingleSelection(c, *obj);
}

void DragSelectRect(CMouseToolController& c, int x, int y) {
    if (TakeShownObject())
        c.GetPane().ShowOverlay(MakeDragFrame(SpannedRect(c.m_leftPress, CPoint(x, y))));
}

void EndSelectRect(CMouseToolController& c, int x, int y) {
    CSpatchObj* obj = TakeShownObject();
    if (!obj)
        return;
    obj->SelectAllCurvePoints(0);
    const CRect area = SpannedRect(c.m_leftPress, CPoint(x, y));
    ApplyToPointsInside(c, *obj, [&area](CPoint p) { return area.PtInRect(p); });
    c.GetPane().ShowOverlay({});
    QuickDrawAllVertices();
}

void BeginLasso(CMouseToolController& c, int x, int y) {
    CSpatchObj* obj = TakeShownObject();
    if (!obj)
        return;
    c.m_stroke.push_back(CPoint(x, y));
    DropSingleSelection(c, *obj);
}

void DragLasso(CMouseToolController& c, int x, int y) {
    if (!TakeShownObject())
        return;
    c.m_stroke.push_back(CPoint(x, y));
    CPixelStroke outline;
    outline.m_points = c.m_stroke;
    outline.m_style = CPixelStroke::dotted;
    c.GetPane().ShowOverlay({outline});
}

void EndLasso(CMouseToolController& c, int, int) {
    CSpatchObj* obj = TakeShownObject();
    if (!obj)
        return;
    obj->SelectAllCurvePoints(0);
    const std::vector<CPoint> outline = std::move(c.m_stroke);
    c.m_stroke.clear();
    c.GetPane().ShowOverlay({});
    if (!outline.empty())
        ApplyToPointsInside(c, *obj, [&outline](CPoint p) { return IsInsideOutline(outline, p); });
    QuickDrawAllVertices();
}
