#include "tools/light_tool.h"

#include "app/doc_helpers.h"
#include "app/light_data.h"
#include "app/quel_doc.h"
#include "tools/drag_offset.h"
#include "tools/mouse_tool_controller.h"
#include "tools/select_area_tool.h"
#include "tools/tool_pane.h"
#include "tools/tool_target.h"

#include <cstdlib>

namespace {

// Farther on screen than any handle a press compares.
constexpr int kFarPixels = 100000;

// Where a handle shows in the pane: its camera-space depth and pixel.
struct CShownHandle {
    float depth;
    CPoint pixel;
};

CShownHandle Show(const CCamera& camera, double nearDistance, const CVector3& position) {
    const CVector3 view = TransformPoint(position, camera.GetWorldToCamera());
    const CIntPair pixel = ProjectViewPoint(camera, nearDistance, view);
    return {view.GetZ(), CPoint(pixel.m_x, pixel.m_y)};
}

std::vector<CLightHandle> SelectedHandles(CQuelDoc& doc) {
    std::vector<CLightHandle> selected;
    for (const CLightHandle& h : LightHandles(doc))
        if (h.Selected())
            selected.push_back(h);
    return selected;
}

// The handle nearest to (x, y) on screen, which becomes the only selected
// one; false, with no handle selected, when none lies beyond the near distance.
bool GrabNearestHandle(CMouseToolController& c, CQuelDoc& doc, const CCamera& camera, int x, int y) {
    const double nearDistance = doc.m_openGLSetting.near_plane;
    int best = kFarPixels;
    const CLightHandle* chosen = nullptr;
    float chosenDepth = 0.0f;
    const std::vector<CLightHandle> handles = LightHandles(doc);
    for (const CLightHandle& h : handles) {
        h.Selected() = 0;
        const CShownHandle shown = Show(camera, nearDistance, h.Position());
        if (!(shown.depth > nearDistance))
            continue;
        const int d = std::abs(x - shown.pixel.x) + std::abs(y - shown.pixel.y);
        if (d < best) {
            best = d;
            chosen = &h;
            chosenDepth = shown.depth;
        }
    }
    if (!chosen)
        return false;
    chosen->Selected() = 1;
    c.m_dragDepth = chosenDepth;
    const CVector3& p = chosen->Position();
    c.m_scratch.AddVertex(p.GetX(), p.GetY(), p.GetZ());
    return true;
}

void RefreshLightPanel() {
    if (auto* panel = FindWindowService<CPanelServices>(wndLightPanel))
        panel->Refresh();
}

} // namespace

CVector3& CLightHandle::Position() const {
    return pointAt ? light->m_pointAt : light->m_location;
}

int& CLightHandle::Selected() const {
    return pointAt ? light->m_pointAtSelected : light->m_locationSelected;
}

std::vector<CLightHandle> LightHandles(CQuelDoc& doc) {
    std::vector<CLightHandle> handles;
    for (CLightData* light : doc.m_lights) {
        handles.push_back({light, false});
        if (light->m_type == lightSpot || light->m_type == lightCylinder)
            handles.push_back({light, true});
    }
    return handles;
}

void BeginLightTranslate(CMouseToolController& c, int x, int y) {
    ShowTransformFeedback(CVector3(), CTransformBarServices::readoutTranslation);
    CQuelDoc* doc = GetDoc();
    const CCamera* camera = c.GetCamera();
    if (!doc || !camera)
        return;
    const std::vector<CLightHandle> selected = SelectedHandles(*doc);
    if (selected.size() <= 1) {
        if (!GrabNearestHandle(c, *doc, *camera, x, y))
            return;
    } else {
        double depth = 0.0;
        for (const CLightHandle& h : selected) {
            depth += Show(*camera, doc->m_openGLSetting.near_plane, h.Position()).depth;
            const CVector3& p = h.Position();
            c.m_scratch.AddVertex(p.GetX(), p.GetY(), p.GetZ());
        }
        c.m_dragDepth = static_cast<float>(depth / static_cast<double>(selected.size()));
    }
    CUndoBuffer& undo = doc->m_undoBuffer;
    undo.BeginRecord("(ライト) ライトを移動", "(Light) Translate Light", undoLightPosition);
    for (CLightData* light : doc->m_lights)
        if (light->m_locationSelected || light->m_pointAtSelected)
            undo.SaveLightPosition(light);
}

void DragLightTranslate(CMouseToolController& c, int x, int y) {
    CQuelDoc* doc = GetDoc();
    if (!doc)
        return;
    const std::vector<CLightHandle> selected = SelectedHandles(*doc);
    CObjList<CPatchVertex>& starts = c.m_scratch.GetVertices();
    if (selected.empty() || starts.IsEmpty())
        return;
    const CVector3 w = ViewPlaneDragOffset(c, x, y, c.m_dragDepth, DocumentAxisConstraint());
    if (selected.size() == 1) {
        CPatchVertex& start = *starts.GetHead();
        SnapStartToPaneGrid(c, start);
        selected.front().Position() = start + w;
    } else {
        POSITION start = starts.GetHeadPosition();
        for (const CLightHandle& h : selected) {
            if (!start)
                break;
            h.Position() = *starts.GetNext(start) + w;
        }
    }
    RefreshLightPanel();
    c.GetPane().RepaintNow();
    if (doc->m_settings.m_syncRedraw)
        c.RepaintOtherPanes();
}

void EndLightTranslate(CMouseToolController& c, int, int) {
    CQuelDoc* doc = GetDoc();
    if (!doc || SelectedHandles(*doc).empty())
        return;
    c.RepaintOtherPanes();
    c.m_scratch.DeleteAllVertices();
}

void BeginLightSelect(CMouseToolController& c, int x, int y) {
    c.GetPane().ShowOverlay(MakeDragFrame(SpannedRect(CPoint(x, y), CPoint(x, y))));
    CQuelDoc* doc = GetDoc();
    if (!doc || SelectedHandles(*doc).size() != 1)
        return;
    for (CLightData* light : doc->m_lights)
        light->m_locationSelected = light->m_pointAtSelected = 0;
}

void DragLightSelect(CMouseToolController& c, int x, int y) {
    c.GetPane().ShowOverlay(MakeDragFrame(SpannedRect(c.m_leftPress, CPoint(x, y))));
}

void EndLightSelect(CMouseToolController& c, int x, int y) {
    CQuelDoc* doc = GetDoc();
    const CCamera* camera = c.GetCamera();
    c.GetPane().ShowOverlay({});
    if (!doc || !camera)
        return;
    const CRect area = SpannedRect(c.m_leftPress, CPoint(x, y));
    const double nearDistance = doc->m_openGLSetting.near_plane;
    const int option = doc->m_settings.m_vertexSelectOption;
    for (const CLightHandle& h : LightHandles(*doc)) {
        const CShownHandle shown = Show(*camera, nearDistance, h.Position());
        if (!(shown.depth > nearDistance) || !area.PtInRect(shown.pixel))
            continue;
        h.Selected() = ApplySelectOption(option, h.Selected());
    }
    c.GetPane().RepaintNow();
    for (int pane = 0; pane < kPaneCount; ++pane)
        if (pane != c.GetPaneIndex())
            if (auto* other = FindWindowService<CToolPane>(wndGLPane0 + pane))
                other->RedrawLights();
}
