#include "tools/control_point_tool.h"

#include "app/doc_helpers.h"
#include "app/mouse_mode.h"
#include "app/quel_doc.h"
#include "tools/drag_offset.h"
#include "tools/mouse_tool_controller.h"
#include "tools/tool_pane.h"
#include "tools/tool_target.h"

#include <array>
#include <cstdlib>

namespace {

constexpr int kInHandle = 0;
constexpr int kOutHandle = 1;

// A node's handle by index: 0 the in-handle, 1 the out-handle.
CVector3& HandlePoint(CCurvePoint& node, int handle) {
    return handle == kInHandle ? node.m_handleIn : node.m_handleOut;
}
int& Manual(CCurvePoint& node, int handle) {
    return handle == kInHandle ? node.m_manualIn : node.m_manualOut;
}
CVector3& Offset(CCurvePoint& node, int handle) {
    return handle == kInHandle ? node.m_offsetIn : node.m_offsetOut;
}

// The node whose handles the tools drag, and which of its handles exist.
struct CHandleTarget {
    CCurvePoint* node = nullptr;
    std::array<bool, 2> available{};
};

// The selected node when its point is selected, else the node after it
// (the first one after the last).
bool FindTarget(CSpatchObj& obj, CHandleTarget& target) {
    CCurve* curve = obj.GetSelectedCurve();
    CCurvePoint* selected = obj.GetSelectedCurvePoint();
    if (!curve || !selected)
        return false;
    obj.NumberCurves();
    const int last = curve->m_nodes.GetCount() - 1;
    const int i = selected->m_number;
    const bool closed = curve->m_closed != 0;
    if (selected->m_vertex && selected->m_vertex->m_selected) {
        target.node = selected;
        target.available = {closed || i != 0, true};
    } else {
        target.node = i == last ? curve->m_nodes.GetHead() : curve->m_nodes.GetAtIndex(i + 1);
        target.available = {true, closed || i != last - 1};
    }
    return target.node && target.node->m_vertex;
}

// The current object while a control-point tool is on the left button and
// the object has a selected curve.
CSpatchObj* TakeCurveObject() {
    const CQuelDoc* doc = GetDoc();
    if (!doc || !IsControlPointMode(doc->m_settings.m_mouseModeLeft))
        return nullptr;
    CSpatchObj* obj = TakeEditableObject();
    return obj && obj->GetSelectedCurve() ? obj : nullptr;
}

// The node of a running drag: its active handle set at the press, and the
// start offset of that handle among the scratch copies.
CCurvePoint* TakeDraggedNode(CMouseToolController& c, CSpatchObj*& obj) {
    obj = TakeCurveObject();
    CHandleTarget target;
    if (!obj || !FindTarget(*obj, target) || c.m_scratch.GetVertices().IsEmpty())
        return nullptr;
    const int active = target.node->m_auxWord;
    return active == kInHandle || active == kOutHandle ? target.node : nullptr;
}

void DragHandle(CMouseToolController& c, int x, int y, bool smooth) {
    CQuelDoc* doc = GetDoc();
    CSpatchObj* obj = nullptr;
    CCurvePoint* node = TakeDraggedNode(c, obj);
    if (!doc || !node)
        return;
    const CVector3 w = ViewPlaneDragOffset(c, x, y, c.m_dragDepth, DocumentAxisConstraint());
    const int active = node->m_auxWord;
    const int other = 1 - active;
    Manual(*node, active) = 1;
    const float otherLength = Offset(*node, other).Length();
    Offset(*node, active) = *c.m_scratch.GetVertices().GetHead() + w;
    if (smooth) {
        Manual(*node, other) = 1;
        CVector3 opposite = Offset(*node, active) * -1.0f;
        opposite.Normalize();
        Offset(*node, other) = opposite * otherLength;
    }
    obj->UpdateCurveHandles();
    c.GetPane().RepaintNow();
    if (doc->m_settings.m_syncRedraw)
        PostToRegisteredWindows(notifyInvalidateOtherPanes,
                                doc->FindRegisteredWindow(wndGLPane0 + c.GetPaneIndex()));
}

} // namespace

void BeginControlPointDrag(CMouseToolController& c, int x, int y) {
    ShowTransformFeedback(CVector3(), 1);
    CQuelDoc* doc = GetDoc();
    CSpatchObj* obj = TakeCurveObject();
    const CCamera* camera = c.GetCamera();
    CHandleTarget target;
    if (!doc || !obj || !camera || !FindTarget(*obj, target))
        return;
    CCurvePoint& node = *target.node;
    const double nearDistance = doc->m_openGLSetting.near_plane;
    const CMatrix4 toCamera = camera->GetWorldToCamera();
    std::array<CVector3, 2> viewPos;
    std::array<CIntPair, 2> pixel;
    std::array<bool, 2> visible{};
    for (int k = kInHandle; k <= kOutHandle; ++k) {
        if (!target.available[static_cast<size_t>(k)])
            continue;
        viewPos[static_cast<size_t>(k)] = TransformPoint(HandlePoint(node, k), toCamera);
        pixel[static_cast<size_t>(k)] =
            ProjectViewPoint(*camera, nearDistance, viewPos[static_cast<size_t>(k)]);
        visible[static_cast<size_t>(k)] = viewPos[static_cast<size_t>(k)].GetZ() > nearDistance;
    }
    // An automatic handle starts its drag from where it stands now.
    for (int k = kInHandle; k <= kOutHandle; ++k)
        if (!Manual(node, k))
            Offset(node, k) = HandlePoint(node, k) - *node.m_vertex;
    node.m_auxWord = -1;
    if (!visible[0] && !visible[1])
        return;
    const auto distance = [&](int k) {
        return std::abs(x - pixel[static_cast<size_t>(k)].m_x) +
               std::abs(y - pixel[static_cast<size_t>(k)].m_y);
    };
    const int active = visible[0] && visible[1] ? (distance(0) > distance(1) ? kOutHandle : kInHandle)
                       : visible[0]             ? kInHandle
                                                : kOutHandle;
    node.m_auxWord = active;
    c.m_dragDepth = viewPos[static_cast<size_t>(active)].GetZ();
    const CVector3& start = Offset(node, active);
    c.m_scratch.AddVertex(start.GetX(), start.GetY(), start.GetZ());
    c.GetPane().RedrawControlPoints();

    CUndoBuffer& undo = doc->m_undoBuffer;
    undo.BeginRecord();
    undo.SetDescription("(パッチ) CPを移動", "(Patch) Translate CP");
    undo.SetKind(undoPatchCurves);
    undo.SavePatchCurves(obj);
}

void DragSmoothHandle(CMouseToolController& c, int x, int y) {
    DragHandle(c, x, y, true);
}

void DragCornerHandle(CMouseToolController& c, int x, int y) {
    DragHandle(c, x, y, false);
}

void EndControlPointDrag(CMouseToolController& c, int, int) {
    CSpatchObj* obj = nullptr;
    if (!TakeDraggedNode(c, obj))
        return;
    c.RepaintOtherPanes();
    c.m_scratch.DeleteAllVertices();
}
