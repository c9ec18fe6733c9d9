#include "tools/free_hand_tool.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "tools/drag_offset.h"
#include "tools/mouse_tool_controller.h"
#include "tools/tool_pane.h"
#include "tools/tool_target.h"
#include "tools/view_plane.h"

namespace {

// How far a new point must lie from the stroke's previous one.
constexpr float kMinimumStep = 0.1f;

// The cursor's point on the plane through the camera target, on the grid
// of each locked axis.
CVector3 StrokePoint(const CMouseToolController& c, const CCamera& camera, int x, int y) {
    const auto distance = static_cast<float>((camera.m_eye - camera.m_target).Length());
    return SnapToPaneGrid(c, PixelToWorld(camera, c.GetPaneSize(), x, y, distance));
}

// A new point at p as the next node of curve.
void AppendStrokePoint(CSpatchObj& obj, CCurve* curve, const CVector3& p) {
    CPatchVertex* vertex = obj.AddVertex(p.GetX(), p.GetY(), p.GetZ());
    CCurvePoint* node = obj.AddCurvePoint(curve);
    node->m_vertex = vertex;
    CVertexLink* link = obj.AddVertexLink(vertex);
    link->m_curve = curve;
    link->m_node = node;
}

} // namespace

void BeginFreeHand(CMouseToolController& c, int x, int y) {
    CQuelDoc* doc = GetDoc();
    CSpatchObj* obj = TakeEditableObject();
    const CCamera* camera = c.GetCamera();
    if (!doc || !obj || !camera)
        return;
    CUndoBuffer& undo = doc->m_undoBuffer;
    undo.BeginRecord("(パッチ) フリーハンド", "(Patch) Free Hand", undoWholeObject);
    undo.SaveWholePatchObject(obj);
    AppendStrokePoint(*obj, obj->AddCurve(), StrokePoint(c, *camera, x, y));
}

void DragFreeHand(CMouseToolController& c, int x, int y) {
    const CQuelDoc* doc = GetDoc();
    CSpatchObj* obj = TakeEditableObject();
    const CCamera* camera = c.GetCamera();
    if (!doc || !obj || !camera || obj->GetCurves().IsEmpty())
        return;
    CCurve* curve = obj->GetCurves().GetTail();
    const CCurvePoint* lastNode = curve->m_nodes.IsEmpty() ? nullptr : curve->m_nodes.GetTail();
    if (!lastNode || !lastNode->m_vertex)
        return;
    const CVector3 p = StrokePoint(c, *camera, x, y);
    if ((*lastNode->m_vertex - p).Length() < kMinimumStep)
        return;
    AppendStrokePoint(*obj, curve, p);
    obj->UpdateCurveHandles();
    c.GetPane().RepaintNow();
    if (doc->m_settings.m_syncRedraw)
        c.RepaintOtherPanes();
}

void EndFreeHand(CMouseToolController& c, int, int) {
    CSpatchObj* obj = TakeEditableObject();
    if (!obj || obj->GetCurves().IsEmpty())
        return;
    CCurve* curve = obj->GetCurves().GetTail();
    if (curve->m_nodes.GetCount() < 2) {
        // The stroke's own points go, whatever stands at the end of the list.
        for (const CCurvePoint* node : curve->m_nodes)
            obj->GetVertices().Remove(node->m_vertex);
        obj->GetCurves().Remove(curve);
        obj->NumberVertices();
    }
    c.RepaintOtherPanes();
}
