#include "viewport/model_command.h"

#include "app/doc_helpers.h"
#include "app/mouse_mode.h"
#include "app/quel_doc.h"
#include "model/mouse_modes.h"
#include "platform/base/cmd_target.h"
#include "platform/ui/wnd.h"

namespace {

bool HasSelection(const CSpatchObj& obj) {
    return obj.CountSelectedVertices() > 0;
}

} // namespace

CSpatchObj* TakeCurrentObject(unsigned tests) {
    CSpatchObj* obj = GetSelectedObject();
    if (!obj) {
        if (tests & testObjectOrMessage)
            ShowMessage(msgNoObject);
        return nullptr;
    }
    if ((tests & testSelectedVertex) && !HasSelection(*obj))
        return nullptr;
    if ((tests & testSelectedCurve) && !obj->GetSelectedCurve())
        return nullptr;
    if ((tests & testEditable) && !obj->IsEditable())
        return nullptr;
    return obj;
}

void RecordUndoStep(CSpatchObj* obj, const CommandTexts& texts, UndoKind kind) {
    CQuelDoc* doc = GetDoc();
    if (!doc)
        return;
    CUndoBuffer& undo = doc->m_undoBuffer;
    undo.BeginRecord();
    undo.SetDescription(texts.japanese, texts.english);
    undo.SetKind(kind);
    switch (kind) {
    case undoPatchPositions:
        undo.SavePatchPositions(obj);
        break;
    case undoPatchGeometry:
        undo.SavePatchGeometry(obj);
        break;
    case undoPatchCurves:
        undo.SavePatchCurves(obj);
        break;
    default:
        undo.SaveWholePatchObject(obj);
        break;
    }
}

void SelectAppendedVertices(CSpatchObj& obj, int first) {
    int index = 0;
    for (CPatchVertex* v : obj.GetVertices())
        v->SetSelected(index++ >= first ? 1 : 0);
}

void CLeftButtonModes::SetLeftMouseMode(int mode) {
    SetMouseMode(mode, 1);
}

void RepaintPanes(RepaintRule rule, bool hadSelectedCurvePoint) {
    CQuelDoc* doc = GetDoc();
    if (!doc)
        return;
    const bool manipulator = doc->m_settings.m_manipulatorShown != 0;
    const bool controlPointTool = IsControlPointMode(doc->m_settings.m_mouseModeLeft);
    for (int p = 0; p < kPaneCount; ++p) {
        auto* window = doc->FindWindowService<CWindowServices>(wndGLPane0 + p);
        auto* pane = doc->FindWindowService<CPaneQuickDraws>(wndGLPane0 + p);
        if (!window || !pane)
            continue;
        const CPaneDisplaySettings& show = doc->m_settings.m_panes[static_cast<size_t>(p)];
        bool full = false;
        bool curves = false;
        bool vertices = false;
        bool verticesFirst = false;
        switch (rule) {
        case repaintAll:
            full = true;
            break;
        case repaintShape:
            full = show.m_showSurfaces;
            curves = show.m_showCurves;
            vertices = show.m_showVertices;
            break;
        case repaintCurves:
            full = show.m_showCurves || show.m_showSurfaces;
            break;
        case repaintSelection:
            full = manipulator || hadSelectedCurvePoint || controlPointTool;
            vertices = true;
            break;
        case repaintSelectionNoCurveTest:
            full = manipulator;
            vertices = true;
            break;
        case repaintSelectionOnCurve:
            full = manipulator || controlPointTool;
            curves = vertices = true;
            break;
        case repaintHiddenPoints:
            full = show.m_showVertices || manipulator;
            break;
        case repaintShowAgain:
            full = show.m_showSurfaces;
            vertices = show.m_showVertices;
            curves = show.m_showCurves;
            verticesFirst = true;
            break;
        case repaintCurveSelection:
            full = controlPointTool;
            curves = true;
            break;
        case repaintNewVertex:
            vertices = true;
            break;
        }
        if (full) {
            window->RedrawNow();
            continue;
        }
        if (vertices && verticesFirst)
            pane->QuickDrawVertices();
        if (curves)
            pane->QuickDrawCurves();
        if (vertices && !verticesFirst)
            pane->QuickDrawVertices();
    }
}

bool IsEnabledByRule(UpdateRule rule) {
    if (rule == enableWithoutDrag)
        return CWnd::GetCapture() == nullptr;
    if (rule == enableWithAnyObject) {
        const CQuelDoc* doc = GetDoc();
        return doc && !doc->m_objects.IsEmpty();
    }
    const CSpatchObj* obj = GetSelectedObject();
    if (!obj)
        return false;
    const bool editable = obj->IsEditable() != 0;
    switch (rule) {
    case enableWithObject:
        return true;
    case enableWithShownSelection:
        return HasSelection(*obj) && editable && obj->IsShownEffective();
    case enableWithSelection:
        return HasSelection(*obj);
    case enableWithOneSelected:
        return obj->CountSelectedVertices() == 1;
    case enableWithCurvePoint:
        return obj->GetSelectedCurve() != nullptr;
    case enableWithEditableSelection:
        return editable && HasSelection(*obj);
    case enableWithEditableCurvePoint:
        return editable && obj->GetSelectedCurve() != nullptr;
    case enableWithEditable:
        return editable;
    case enableWithEditableShown:
        return editable && obj->IsShownEffective();
    case enableWithVertices:
        return !obj->GetVertices().IsEmpty();
    case enableWithInvisibleVertices:
        return obj->CountInvisibleVertices() > 0;
    case enableWithClipboard: {
        const CQuelDoc* doc = GetDoc();
        return editable && doc && !doc->m_clipboardObject.GetVertices().IsEmpty();
    }
    default:
        return false;
    }
}

void EnableByRule(CCmdUI* ui, UpdateRule rule) {
    ui->Enable(IsEnabledByRule(rule));
}
