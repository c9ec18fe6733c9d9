#include "tools/translate_tool.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "tools/drag_offset.h"
#include "tools/mouse_tool_controller.h"
#include "tools/status_text.h"
#include "tools/tool_pane.h"
#include "tools/tool_target.h"

#include <cmath>

namespace {

// The depth at which the drag turns pixels into world units; false when the
// press found no point to drag.
bool FindDragDepth(CMouseToolController& c, CSpatchObj& obj, int selected, bool handlePicked, int x, int y) {
    const CCamera& camera = *c.GetCamera();
    if (selected > 1) {
        obj.ProjectVertices(camera);
        double sum = 0.0;
        int count = 0;
        for (const CPatchVertex* v : obj.GetVertices()) {
            if (v->m_selected) {
                sum += v->m_viewPos.GetZ();
                ++count;
            }
        }
        c.m_dragDepth = static_cast<float>(sum / count);
        return true;
    }
    if (selected == 1 && handlePicked) {
        obj.ProjectVertices(camera);
        for (const CPatchVertex* v : obj.GetVertices()) {
            if (v->m_selected) {
                c.m_dragDepth = v->m_viewPos.GetZ();
                return true;
            }
        }
    }
    const int index = c.PickNearestUnselectedVertex(x, y, -1);
    if (index < 0)
        return false;
    CPatchVertex* picked = obj.GetVertices().GetAtIndex(index);
    picked->SetSelected(1);
    c.m_dragDepth = picked->m_viewPos.GetZ();
    return true;
}

// What the drag keeps of each axis: a grabbed axis handle (or the plane of
// a Shift grab) its own axes, the centre handle everything, no handle the
// document's axis switches.
CDragConstraint TranslateConstraint(const CHandleState& handles) {
    if (!handles.IsAnyHighlighted())
        return DocumentAxisConstraint();
    CDragConstraint constraint;
    constraint.m_shiftKeepsDominant = false;
    if (!handles.m_highlight[CHandleState::handleCentre])
        constraint.m_axes = {handles.m_highlight[0], handles.m_highlight[1], handles.m_highlight[2]};
    return constraint;
}

} // namespace

CTranslateFlags& GetTranslateFlags() {
    static CTranslateFlags flags;
    return flags;
}

void BeginTranslate(CMouseToolController& c, int x, int y) {
    ShowTransformFeedback(CVector3(), 1);
    CTranslateFlags& flags = GetTranslateFlags();
    flags.m_onePointSaved = 0;
    CQuelDoc* doc = GetDoc();
    CSpatchObj* obj = TakeEditableObject();
    if (!doc || !obj || !c.GetCamera())
        return;
    CToolPane& pane = c.GetPane();
    const int selected = obj->CountSelectedVertices();
    obj->SelectAllCurvePoints(0);
    flags.m_ctrlPick = 0;

    if (c.m_keys & MK_CONTROL) {
        flags.m_ctrlPick = 1;
        const int index = c.PickNearestVertex(x, y, -1);
        if (CPatchVertex* v = index >= 0 ? obj->GetVertices().GetAtIndex(index) : nullptr)
            v->SetSelected(v->m_selected ? 0 : 1);
        pane.QuickDrawVertices();
        return;
    }

    bool handlePicked = false;
    if (doc->m_settings.m_manipulatorShown && selected > 0) {
        const int handle = pane.PickTranslateHandle(obj->GetSelectedCenter(), CVector3(), CPoint(x, y));
        handlePicked = handle >= CHandleState::handleX && handle <= CHandleState::handleCentre;
        if (handlePicked)
            pane.GetHandleState().Grab(handle, (c.m_keys & MK_SHIFT) != 0);
    }
    if (selected == 1 && !handlePicked)
        obj->SelectAllVertices(0);
    if (!FindDragDepth(c, *obj, selected, handlePicked, x, y))
        return;

    if (handlePicked)
        pane.RepaintNow();
    else
        pane.QuickDrawVertices();
    for (const CPatchVertex* v : obj->GetVertices()) {
        if (v->m_selected)
            c.m_scratch.AddVertex(v->GetX(), v->GetY(), v->GetZ())->m_selected = 1;
    }

    CUndoBuffer& undo = doc->m_undoBuffer;
    undo.BeginRecord();
    undo.SetDescription("(パッチ) 移動", "(Patch) Translate");
    undo.SetKind(undoPatchPositions);
    undo.SavePatchPositions(obj);
    if (obj->CountSelectedVertices() == 1) {
        flags.m_connectDone = 0;
        flags.m_onePointSaved = 1;
    }
}

void DragTranslate(CMouseToolController& c, int x, int y) {
    CQuelDoc* doc = GetDoc();
    CSpatchObj* obj = TakeObjectWithSelection();
    if (!doc || !obj || GetTranslateFlags().m_ctrlPick)
        return;
    const CVector3 w =
        ViewPlaneDragOffset(c, x, y, c.m_dragDepth, TranslateConstraint(c.GetPane().GetHandleState()));

    const int pane = c.GetPaneIndex();
    const CPaneDisplaySettings& show = doc->m_settings.m_panes[static_cast<size_t>(pane)];
    CObjList<CPatchVertex>& starts = c.m_scratch.GetVertices();
    POSITION start = starts.GetHeadPosition();
    if (obj->CountSelectedVertices() == 1) {
        if (start) {
            CPatchVertex& first = *starts.GetAt(start);
            SnapStartToPaneGrid(c, first);
            for (CPatchVertex* v : obj->GetVertices())
                if (v->m_selected)
                    v->Copy(first + w);
        }
    } else {
        for (CPatchVertex* v : obj->GetVertices()) {
            if (!start)
                break;
            if (v->m_selected)
                v->Copy(*starts.GetNext(start) + w);
        }
    }

    if (show.m_showCurves || show.m_showSurfaces)
        obj->UpdateCurveHandles();
    obj->SetNetsDirty(1);
    obj->InvalidateCaches();
    SetStatusText("Translate < " + FormatVector(w) + " > Center < " + FormatVector(obj->GetSelectedCenter()) +
                  " >");
    c.GetPane().RepaintNow();
    if (doc->m_settings.m_syncRedraw)
        c.RepaintOtherPanes();
}

void EndTranslate(CMouseToolController& c, int, int) {
    CQuelDoc* doc = GetDoc();
    CSpatchObj* obj = TakeObjectWithSelection();
    if (!doc || !obj)
        return;
    CTranslateFlags& flags = GetTranslateFlags();
    if (flags.m_ctrlPick) {
        for (int pane = 0; pane < kPaneCount; ++pane)
            if (pane != c.GetPaneIndex())
                if (auto* other = FindWindowService<CToolPane>(wndGLPane0 + pane))
                    other->QuickDrawVertices();
        return;
    }
    obj->UpdateCurveHandles();
    SendToRegisteredWindows(notifyHideStatusText);
    RedrawAllPanes();
    c.m_scratch.DeleteAllVertices();
    flags.m_connectDone = 0;
    flags.m_onePointSaved = 0;
}
