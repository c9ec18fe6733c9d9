#include "tools/add_point_tool.h"

#include "app/doc_helpers.h"
#include "app/mouse_mode.h"
#include "app/quel_doc.h"
#include "tools/drag_offset.h"
#include "tools/mouse_tool_controller.h"
#include "tools/tool_target.h"
#include "tools/translate_tool.h"
#include "tools/view_plane.h"

#include <memory>
#include <optional>
#include <vector>

namespace {

// How near a press must come to a point, |dx| + |dy|, to pull from it.
constexpr int kPickPixels = 15;
// A candidate direction must turn by less than this to be taken.
constexpr float kWidestAngle = 180.0f;

void Link(CSpatchObj& obj, CPatchVertex* vertex, CCurve* curve, CCurvePoint* node) {
    node->m_vertex = vertex;
    CVertexLink* link = obj.AddVertexLink(vertex);
    link->m_curve = curve;
    link->m_node = node;
}

// A new open curve from one point to the other.
void AddSegment(CSpatchObj& obj, CPatchVertex* from, CPatchVertex* to) {
    CCurve* curve = obj.AddCurve();
    Link(obj, from, curve, obj.AddCurvePoint(curve));
    Link(obj, to, curve, obj.AddCurvePoint(curve));
}

// From here on the translate tool moves the selected points with the cursor,
// from their positions now, at the depth given.
void HandOverToTranslate(CMouseToolController& c, CSpatchObj& obj, float depth) {
    c.m_dragDepth = depth;
    for (const CPatchVertex* v : obj.GetVertices())
        if (v->m_selected)
            c.m_scratch.AddVertex(v->GetX(), v->GetY(), v->GetZ())->m_selected = 1;
    obj.UpdateCurveHandles();
    GetTranslateFlags() = CTranslateFlags();
    SetMouseMode(mouseModeTranslate, 1);
}

// Where a new node could go: next to node, after or before it, in the
// direction of a neighbour on screen.
struct CCandidate {
    CCurve* curve = nullptr;
    CCurvePoint* node = nullptr;
    bool after = true;
};

// The candidates of one link of the point V, in the order they are tried:
// towards the neighbours along the curve, or on an open curve's end beyond it.
struct CDirection {
    const CCurvePoint* neighbour;
    bool mirrored;
    bool after;
};

std::vector<CDirection> DirectionsAt(const CCurve& curve, POSITION at) {
    POSITION nextPos = at;
    POSITION prevPos = at;
    curve.m_nodes.GetNext(nextPos);
    curve.m_nodes.GetPrev(prevPos);
    const CCurvePoint* next = nextPos ? curve.m_nodes.GetAt(nextPos) : nullptr;
    const CCurvePoint* prev = prevPos ? curve.m_nodes.GetAt(prevPos) : nullptr;
    const bool closed = curve.m_closed != 0;
    if (!prev && !next)
        return {};
    if (!prev) {
        if (closed)
            return {{curve.m_nodes.GetTail(), false, false}, {next, false, true}};
        return {{next, false, true}, {next, true, false}};
    }
    if (!next) {
        if (closed)
            return {{curve.m_nodes.GetHead(), false, true}, {prev, false, false}};
        return {{prev, false, false}, {prev, true, true}};
    }
    return {{next, false, true}, {prev, false, false}};
}

// The candidate whose screen direction from V turns least from the cursor's.
std::optional<CCandidate> BestCandidate(const CPatchVertex& v, CPoint cursor, float nearDistance) {
    std::optional<CCandidate> best;
    float bestAngle = kWidestAngle;
    for (CVertexLink* link : v.m_links) {
        CCurve* curve = link->m_curve;
        const POSITION at = curve && link->m_node ? curve->m_nodes.Find(link->m_node) : nullptr;
        if (!at)
            continue;
        for (const CDirection& d : DirectionsAt(*curve, at)) {
            const CPatchVertex* n = d.neighbour ? d.neighbour->m_vertex : nullptr;
            if (!n || !(n->m_viewPos.GetZ() > nearDistance))
                continue;
            CPoint towards(n->m_screenX, n->m_screenY);
            if (d.mirrored)
                towards = CPoint(2 * v.m_screenX - towards.x, 2 * v.m_screenY - towards.y);
            const float angle = CMouseToolController::GetScreenAngle(v.m_screenX, v.m_screenY, towards.x,
                                                                     towards.y, cursor.x, cursor.y);
            if (angle < bestAngle) {
                bestAngle = angle;
                best = CCandidate{curve, link->m_node, d.after};
            }
        }
    }
    return best;
}

} // namespace

void BeginAddPoint(CMouseToolController& c, int x, int y) {
    CQuelDoc* doc = GetDoc();
    CSpatchObj* obj = TakeEditableObject();
    const CCamera* camera = c.GetCamera();
    c.m_pickedVertex = -1;
    if (!doc || !obj || !camera)
        return;
    CUndoBuffer& undo = doc->m_undoBuffer;
    undo.BeginRecord();
    undo.SetDescription("(パッチ) 頂点を追加", "(Patch) Add Point");
    undo.SetKind(undoWholeObject);
    undo.SaveWholePatchObject(obj);
    undo.KeepWhole();
    obj->SelectAllVertices(0);

    const int index = c.PickNearestUnselectedVertex(x, y, kPickPixels);
    if (index >= 0) {
        c.m_pickedVertex = index;
        return;
    }
    const auto distance = static_cast<float>((camera->m_eye - camera->m_target).Length());
    const CVector3 p = SnapToPaneGrid(c, PixelToWorld(*camera, c.GetPaneSize(), x, y, distance));
    CPatchVertex* first = obj->AddVertex(p.GetX(), p.GetY(), p.GetZ());
    CPatchVertex* second = obj->AddVertex(p.GetX(), p.GetY(), p.GetZ());
    AddSegment(*obj, first, second);
    second->SetSelected(1);
    HandOverToTranslate(c, *obj, distance);
}

void DragAddPoint(CMouseToolController& c, int x, int y) {
    const CQuelDoc* doc = GetDoc();
    CSpatchObj* obj = TakeEditableObject();
    const CCamera* camera = c.GetCamera();
    CPatchVertex* v =
        obj && c.m_pickedVertex >= 0 ? obj->GetVertices().GetAtIndex(c.m_pickedVertex) : nullptr;
    if (!doc || !v || !camera)
        return;
    obj->ProjectVertices(*camera);
    const float depth = v->m_viewPos.GetZ();
    if (v->m_links.IsEmpty()) {
        CPatchVertex* w = obj->AddVertex(v->GetX(), v->GetY(), v->GetZ());
        AddSegment(*obj, v, w);
        w->SetSelected(1);
    } else if (const auto best =
                   BestCandidate(*v, CPoint(x, y), static_cast<float>(doc->m_openGLSetting.near_plane))) {
        CPatchVertex* w = obj->AddVertex(v->GetX(), v->GetY(), v->GetZ());
        auto node = std::make_unique<CCurvePoint>();
        CCurvePoint* added = node.get();
        const POSITION at = best->curve->m_nodes.Find(best->node);
        if (best->after)
            best->curve->m_nodes.InsertAfter(at, std::move(node));
        else
            best->curve->m_nodes.InsertBefore(at, std::move(node));
        Link(*obj, w, best->curve, added);
        w->SetSelected(1);
        obj->SetNeedsRebuild(1);
    }
    HandOverToTranslate(c, *obj, depth);
}
