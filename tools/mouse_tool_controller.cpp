#include "tools/mouse_tool_controller.h"

#include "app/doc_helpers.h"
#include "app/mouse_mode.h"
#include "app/quel_doc.h"
#include "tools/tool_pane.h"
#include "tools/tool_table.h"
#include "tools/translate_tool.h"
#include "tools/view_history.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Beyond any pane: the pick limit that a negative limit stands for.
constexpr int kUnlimitedPixels = 10000;
// Farther than any point the picks compare.
constexpr float kFarDepth = 100000.0f;
// How close on screen a point must be for the translate drag's right-press join.
constexpr int kConnectPixels = 10;

void Run(ToolHandler handler, CMouseToolController& c, int x, int y) {
    if (handler)
        handler(c, x, y);
}

// The button's mode when it runs a camera drag, else null.
const CToolHandlers* CameraToolOf(const CQuelDoc* doc, int CCoreSettings::*mode) {
    return doc ? FindCameraTool(doc->m_settings.*mode) : nullptr;
}

} // namespace

CCamera* CMouseToolController::GetCamera() const {
    CQuelDoc* doc = GetDoc();
    if (!doc || m_paneIndex < 0 || m_paneIndex >= kPaneCount)
        return nullptr;
    return &doc->m_cameras[static_cast<size_t>(m_paneIndex)];
}

CSize CMouseToolController::GetPaneSize() const {
    const CSize size = m_pane ? m_pane->GetClientSize() : CSize();
    return CSize(std::max(size.cx, 1), std::max(size.cy, 1));
}

void CMouseToolController::StartDrag(int& dragFlag, CPoint& pressPoint, int x, int y) {
    dragFlag = 1;
    m_moved = 0;
    pressPoint = CPoint(x, y);
    m_lastPoint = pressPoint;
    // A drag that ended on another tool's release leaves no copies behind
    // for the next one to pair with the wrong points.
    m_scratch.DeleteAllCurves();
    m_scratch.DeleteAllVertices();
    m_objectStarts.RemoveAll();
    m_stroke.clear();
    m_pane->CaptureMouse();
}

void CMouseToolController::OnLButtonDown(int x, int y, UINT keys) {
    m_keys = keys;
    m_leftHeld = 1;
    if (m_rightDrag || m_middleDrag)
        return;
    StartDrag(m_leftDrag, m_leftPress, x, y);
    if (const CQuelDoc* doc = GetDoc())
        if (const CToolHandlers* tool = FindLeftTool(doc->m_settings.m_mouseModeLeft))
            Run(tool->begin, *this, x, y);
}

void CMouseToolController::OnLButtonUp(int x, int y, UINT keys) {
    m_keys = keys;
    m_leftHeld = 0;
    m_pane->GetHandleState().ClearHighlight();
    if (!m_leftDrag)
        return;
    m_pane->ReleaseMouse();
    if (const CQuelDoc* doc = GetDoc())
        if (const CToolHandlers* tool = FindLeftTool(doc->m_settings.m_mouseModeLeft))
            Run(tool->end, *this, x, y);
    m_leftDrag = 0;
    SendToRegisteredWindows(notifyHideStatusText);
}

void CMouseToolController::AbandonLeftDrag() {
    if (!m_leftDrag)
        return;
    m_leftDrag = 0;
    m_pane->GetHandleState().ClearHighlight();
    m_pane->ReleaseMouse();
    SendToRegisteredWindows(notifyHideStatusText);
}

void CMouseToolController::OnRButtonDown(int x, int y, UINT keys) {
    m_keys = keys;
    const CQuelDoc* doc = GetDoc();
    // During a one-point translate drag the right button joins the dragged
    // point to a point next to it and ends the drag there.
    if (m_leftDrag && doc && doc->m_settings.m_mouseModeLeft == mouseModeTranslate && ConnectToNearVertex()) {
        GetTranslateFlags().m_connectDone = 1;
        OnLButtonUp(x, y, keys);
        m_moved = 1;
        SendToRegisteredWindows(notifyHideStatusText);
        return;
    }
    if (m_leftDrag || m_middleDrag)
        return;
    StartDrag(m_rightDrag, m_rightPress, x, y);
    if (const CToolHandlers* tool = CameraToolOf(doc, &CCoreSettings::m_mouseModeRight))
        Run(tool->begin, *this, x, y);
}

void CMouseToolController::OnRButtonUp(int x, int y, UINT keys) {
    m_keys = keys;
    m_leftHeld = 0;
    if (!m_rightDrag)
        return;
    const CQuelDoc* doc = GetDoc();
    if (const CToolHandlers* tool = CameraToolOf(doc, &CCoreSettings::m_mouseModeRight))
        Run(tool->end, *this, x, y);
    m_rightDrag = 0;
    m_pane->ReleaseMouse();
    const bool menuOnly = doc && doc->m_settings.m_mouseModeRight == mouseModePopupMenu;
    if (menuOnly || (!m_moved && CPoint(x, y) == m_rightPress)) {
        SetActivePane(m_paneIndex);
        m_pane->OpenPaneMenu(CPoint(x, y));
    }
}

void CMouseToolController::OnMButtonDown(int x, int y, UINT keys) {
    m_keys = keys;
    if (m_leftDrag || m_rightDrag)
        return;
    StartDrag(m_middleDrag, m_middlePress, x, y);
    if (const CToolHandlers* tool = CameraToolOf(GetDoc(), &CCoreSettings::m_mouseModeMiddle))
        Run(tool->begin, *this, x, y);
}

void CMouseToolController::OnMButtonUp(int x, int y, UINT keys) {
    m_keys = keys;
    if (!m_middleDrag)
        return;
    if (const CToolHandlers* tool = CameraToolOf(GetDoc(), &CCoreSettings::m_mouseModeMiddle))
        Run(tool->end, *this, x, y);
    m_middleDrag = 0;
    m_pane->ReleaseMouse();
}

void CMouseToolController::OnMouseMove(int x, int y, UINT keys) {
    m_keys = keys;
    if (const CQuelDoc* doc = GetDoc()) {
        const CToolHandlers* tool = nullptr;
        if (m_leftDrag)
            tool = FindLeftTool(doc->m_settings.m_mouseModeLeft);
        else if (m_rightDrag)
            tool = FindCameraTool(m_leftHeld ? doc->m_settings.m_mouseModeBoth
                                             : doc->m_settings.m_mouseModeRight);
        else if (m_middleDrag)
            tool = FindCameraTool(doc->m_settings.m_mouseModeMiddle);
        else if (doc->m_settings.m_mouseModeLeft == mouseModeDebug)
            m_vertexInfo.OnHover(x, y);
        if (tool)
            Run(tool->drag, *this, x, y);
    }
    m_lastPoint = CPoint(x, y);
    m_moved = 1;
}

void CMouseToolController::PushViewHistory() {
    if (CQuelDoc* doc = GetDoc())
        ::PushViewHistory(*doc, m_paneIndex);
}

int CMouseToolController::PickNearest(int x, int y, int limit, bool unselectedOnly) {
    const CQuelDoc* doc = GetDoc();
    CSpatchObj* obj = GetSelectedObject();
    const CCamera* camera = GetCamera();
    if (!doc || !obj || !camera)
        return -1;
    obj->ProjectVertices(*camera);
    obj->NumberVertices();
    if (limit < 0)
        limit = kUnlimitedPixels;
    const auto nearDistance = static_cast<float>(doc->m_openGLSetting.near_plane);
    const CPatchVertex* best = nullptr;
    float bestDepth = kFarDepth;
    for (const CPatchVertex* v : obj->GetVertices()) {
        if (v->m_hidden || (unselectedOnly && v->m_selected))
            continue;
        const float depth = v->m_viewPos.GetZ();
        if (depth < nearDistance)
            continue;
        const int d = std::abs(v->m_screenX - x) + std::abs(v->m_screenY - y);
        if (d < limit) {
            limit = d;
            best = v;
            bestDepth = depth;
        } else if (d == limit && depth < bestDepth) {
            best = v;
            bestDepth = depth;
        }
    }
    return best ? best->m_index : -1;
}

int CMouseToolController::PickNearestVertex(int x, int y, int limit) {
    return PickNearest(x, y, limit, false);
}

int CMouseToolController::PickNearestUnselectedVertex(int x, int y, int limit) {
    return PickNearest(x, y, limit, true);
}

int CMouseToolController::ConnectToNearVertex() {
    CSpatchObj* obj = GetSelectedObject();
    const CCamera* camera = GetCamera();
    if (!obj || !camera || obj->CountSelectedVertices() != 1)
        return 0;
    CPatchVertex* dragged = nullptr;
    for (CPatchVertex* v : obj->GetVertices()) {
        if (v->m_selected) {
            dragged = v;
            break;
        }
    }
    obj->ProjectVertices(*camera);
    const int index = PickNearestUnselectedVertex(dragged->m_screenX, dragged->m_screenY, kConnectPixels);
    if (index < 0)
        return 0;
    // The press saved the positions only; the join changes the curves, so
    // its step takes the whole object as it was at the press.
    CUndoBuffer* undo = GetTranslateFlags().m_onePointSaved ? &GetDoc()->m_undoBuffer : nullptr;
    if (undo)
        undo->WidenToWholeObject(obj);
    const int joined = obj->ConnectVertices(dragged, obj->GetVertices().GetAtIndex(index));
    if (undo && !joined)
        undo->ReduceToPositions();
    return joined;
}

namespace {

// Degrees clockwise from straight up on the screen (y downwards) of the
// direction (dx, dy); 0 for no direction.
double ScreenBearing(int dx, int dy) {
    if (dx == 0)
        return dy > 0 ? 180.0 : 0.0;
    if (dy == 0)
        return dx > 0 ? 90.0 : 270.0;
    const double t =
        std::atan2(std::abs(static_cast<double>(dy)), std::abs(static_cast<double>(dx))) * 180.0 / 3.1415927;
    if (dx > 0)
        return dy < 0 ? 90.0 - t : 90.0 + t;
    return dy > 0 ? 270.0 - t : 270.0 + t;
}

} // namespace

float CMouseToolController::GetScreenAngle(int x0, int y0, int x1, int y1, int x2, int y2) {
    const double a = ScreenBearing(x1 - x0, y1 - y0);
    const double b = ScreenBearing(x2 - x0, y2 - y0);
    const double d = std::max(a, b) - std::min(a, b);
    return static_cast<float>(d > 180.0 ? 360.0 - d : d);
}

void CMouseToolController::RepaintOtherPanes() const {
    for (int pane = 0; pane < kPaneCount; ++pane)
        if (pane != m_paneIndex)
            if (auto* window = FindWindowService<CWindowServices>(wndGLPane0 + pane))
                window->RedrawNow();
}
