#include "app/mouse_mode.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"

#include <algorithm>
#include <iterator>

namespace {

struct ModeName {
    int mode;
    const char* name;
};

constexpr ModeName kModeNames[] = {
    {mouseModePopupMenu, "Show Popup Menu"},
    {mouseModeCameraRotate1, "(Camera) Rotate1"},
    {mouseModeCameraRotate2, "(Camera) Rotate2"},
    {mouseModeCameraPan, "(Camera) Pan"},
    {mouseModeCameraZoom, "(Camera) Zoom"},
    {mouseModeCameraAngle, "(Camera) Set angle"},
    {mouseModeCameraLocationX, "(Camera) Set location.x"},
    {mouseModeCameraLocationY, "(Camera) Set location.y"},
    {mouseModeCameraLocationZ, "(Camera) Set location.z"},
    {mouseModeCameraLookAtX, "(Camera) Set look_at.x"},
    {mouseModeCameraLookAtY, "(Camera) Set look_at.y"},
    {mouseModeCameraLookAtZ, "(Camera) Set look_at.z"},
    {mouseModeCameraDolly, "(Camera) Dolly"},
    {mouseModeSelect, "(Patch) Select"},
    {mouseModeLasso, "(Patch) Select with Rope"},
    {mouseModeSelectCurve, "(Patch) Select Curve"},
    {mouseModeTranslate, "(Patch) Translate"},
    {mouseModeScale, "(Patch) Scale"},
    {mouseModeRotate, "(Patch) Rotate"},
    {mouseModeAddPoint, "(Patch) Add Point"},
    {mouseModeCurveWeight, "(Patch) Set Weit"},
    {mouseModeNoise, "(Patch) Noise"},
    {mouseModeExtrude, "(Patch) Extrude"},
    {mouseModeTranslateMulti, "(Patch) Translate Multi Objects"},
    {mouseModeScaleMulti, "(Patch) Scale Multi Objects"},
    {mouseModeRotateMulti, "(Patch) Rotate Multi Objects"},
    {mouseModeFreeHand, "(Patch) Free Hand"},
    {mouseModeTranslateCP, "(Patch) Translate CP"},
    {mouseModeTranslateCP2, "(Patch) Translate CP 2"},
    {mouseModeKnife, "(Patch) Knife"},
    {mouseModeAxisTranslate, "(Material Axis) Translate"},
    {mouseModeAxisScale, "(Material Axis) Scale"},
    {mouseModeAxisRotate, "(Material Axis) Rotate"},
    {mouseModeLightTranslate, "(Light) Translate"},
    {mouseModeLightRotate, "(Light) Rotate"},
    {mouseModeLightScale, "(Light) Scale"},
    {mouseModeLightSelect, "(Light) Select"},
    {mouseModeRenderWindow, "(POV-Ray) Rendering Select Window"},
    {mouseModeRenderParts, "(POV-Ray) Rendering Select Parts"},
    {mouseModeDebug, "(Debug) "},
};

template <class Fn> void ForEachGLPane(const CQuelDoc& doc, Fn fn) {
    for (int id = wndGLPane0; id < wndGLPane0 + kPaneCount; ++id)
        if (auto* pane = doc.FindWindowService<CGLPaneServices>(id))
            fn(*pane);
}

void SetObjectModeButtons(const CQuelDoc& doc, bool multi) {
    if (auto* bar = doc.FindWindowService<CTransformBarServices>(wndCommandBar2))
        bar->SetObjectModeButtons(!multi, multi);
}

void ShowTransformReadout(const CQuelDoc& doc, int mode) {
    if (!IsWindow(doc.FindRegisteredWindow(wndCommandBar2)))
        return;
    switch (mode) {
    case mouseModeTranslate:
    case mouseModeTranslateMulti:
        ShowTransformFeedback(CVector3(), CTransformBarServices::readoutTranslation);
        break;
    case mouseModeRotate:
    case mouseModeRotateMulti:
        ShowTransformFeedback(CVector3(), CTransformBarServices::readoutRotation);
        break;
    case mouseModeScale:
    case mouseModeScaleMulti:
        ShowTransformFeedback(CVector3(1.0f, 1.0f, 1.0f), CTransformBarServices::readoutScale);
        break;
    default:
        for (int which = 1; which <= 3; ++which)
            ClearTransformFeedback(which);
    }
}

void ShowMultiObjectDialog(CQuelDoc& doc) {
    CMultiObjectDialogServices* dialog = doc.GetMultiObjectDialog();
    if (!dialog && (dialog = doc.EnsureMultiObjectDialog())) {
        // It first opens over the side bar, as wide as the bar.
        auto* sideBar = doc.FindWindowService<CWindowServices>(wndSideBar);
        if (sideBar && sideBar->IsShown() && IsWindow(dialog->GetWindowHandle())) {
            const CRect bar = sideBar->GetScreenRect();
            dialog->PlaceAt(CRect(bar.left, bar.top, bar.right, bar.top + 400));
        }
    }
    if (dialog) {
        dialog->RefreshList();
        if (IsWindow(dialog->GetWindowHandle()))
            dialog->Show(TRUE);
    }
    ForEachGLPane(doc, [](CGLPaneServices& pane) { pane.QuickDrawCurves(); });
    SetObjectModeButtons(doc, true);
}

void HideMultiObjectDialog(CQuelDoc& doc, int previous) {
    if (IsMultiObjectMode(previous))
        ForEachGLPane(doc, [](CGLPaneServices& pane) { pane.QuickDrawCurves(); });
    if (CMultiObjectDialogServices* dialog = doc.GetMultiObjectDialog())
        if (IsWindow(dialog->GetWindowHandle()))
            dialog->Show(FALSE);
    SetObjectModeButtons(doc, false);
}

// The panes show handles, gizmos and control points only in their tools.
void RepaintForToolChange(CQuelDoc& doc, int previous, int mode) {
    if (IsLightMode(mode) != IsLightMode(previous)) {
        if (IsLightMode(mode))
            for (CLightData* light : doc.m_lights)
                light->m_locationSelected = light->m_pointAtSelected = 0;
        doc.RedrawPanes();
    }
    if (IsAxisMode(mode) != IsAxisMode(previous))
        doc.RedrawPanes();
    if (doc.m_settings.m_manipulatorShown && mode != previous &&
        (IsManipulatorMode(mode) || IsManipulatorMode(previous)))
        doc.RedrawPanes();
    if (IsControlPointMode(mode) && !IsControlPointMode(previous))
        ForEachGLPane(doc, [](CGLPaneServices& pane) { pane.RedrawControlPoints(); });
    else if (IsControlPointMode(previous) && !IsControlPointMode(mode))
        doc.RedrawPanes();
}

void ShowButtonChoice(const CQuelDoc& doc, CMouseButtonPageServices::Button button, int mode) {
    if (auto* page = doc.FindWindowService<CMouseButtonPageServices>(wndMouseButtonPage))
        page->SetButtonChoice(button, mode + 1);
}

} // namespace

const char* MouseModeName(int mode) {
    const auto found = std::find_if(std::begin(kModeNames), std::end(kModeNames),
                                    [mode](const ModeName& m) { return m.mode == mode; });
    return found == std::end(kModeNames) ? nullptr : found->name;
}

void SetMouseMode(int mode, int isLeft) {
    CQuelDoc* doc = GetDoc();
    if (!doc)
        return;
    if (auto* toolBar = doc->FindWindowService<CWindowServices>(wndToolBar))
        toolBar->RedrawNow();
    auto* strip = doc->FindWindowService<CMouseAssignStripServices>(wndMouseAssignStrip);
    if (!isLeft) {
        doc->m_settings.m_mouseModeRight = mode;
        if (strip)
            strip->SetRightText(mode);
        ShowButtonChoice(*doc, CMouseButtonPageServices::buttonRight, mode);
        return;
    }
    ShowTransformReadout(*doc, mode);
    const int previous = doc->m_settings.m_mouseModeLeft;
    doc->m_settings.m_mouseModeLeft = mode;
    if (strip)
        strip->SetLeftText(mode);

    if (mode == mouseModeKnife) {
        if (CKnifeDialogServices* knife = doc->EnsureKnifeDialog())
            knife->Show(TRUE);
    } else if (CKnifeDialogServices* knife = doc->GetKnifeDialog()) {
        knife->Show(FALSE);
    }

    if (IsMultiObjectMode(mode))
        ShowMultiObjectDialog(*doc);
    else
        HideMultiObjectDialog(*doc, previous);
    RepaintForToolChange(*doc, previous, mode);
}

void SetMiddleMouseMode(int mode) {
    CQuelDoc* doc = GetDoc();
    if (!doc)
        return;
    doc->m_settings.m_mouseModeMiddle = mode;
    if (auto* strip = doc->FindWindowService<CMouseAssignStripServices>(wndMouseAssignStrip))
        strip->SetMiddleText(mode);
    ShowButtonChoice(*doc, CMouseButtonPageServices::buttonMiddle, mode);
}

void SetBothButtonsMode(int mode) {
    CQuelDoc* doc = GetDoc();
    if (!doc)
        return;
    doc->m_settings.m_mouseModeBoth = mode;
    ShowButtonChoice(*doc, CMouseButtonPageServices::buttonBoth, mode);
}
