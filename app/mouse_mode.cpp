#include "app/mouse_mode.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"

#include <algorithm>
#include <iterator>

namespace {

struct ModeName {
    int mode;
    const char* english;
    const char* japanese;
};

constexpr ModeName kModeNames[] = {
    {mouseModePopupMenu, "Show Popup Menu", "ポップアップメニューを表示"},
    {mouseModeCameraRotate1, "(Camera) Rotate1", "(カメラ) 回転"},
    {mouseModeCameraRotate2, "(Camera) Rotate2", "(カメラ) 回転2"},
    {mouseModeCameraPan, "(Camera) Pan", "(カメラ) 移動"},
    {mouseModeCameraZoom, "(Camera) Zoom", "(カメラ) ズーム"},
    {mouseModeCameraAngle, "(Camera) Set angle", "(カメラ) angleを変更"},
    {mouseModeCameraLocationX, "(Camera) Set location.x", "(カメラ) location.xを変更"},
    {mouseModeCameraLocationY, "(Camera) Set location.y", "(カメラ) location.yを変更"},
    {mouseModeCameraLocationZ, "(Camera) Set location.z", "(カメラ) location.zを変更"},
    {mouseModeCameraLookAtX, "(Camera) Set look_at.x", "(カメラ) look_at.xを変更"},
    {mouseModeCameraLookAtY, "(Camera) Set look_at.y", "(カメラ) look_at.yを変更"},
    {mouseModeCameraLookAtZ, "(Camera) Set look_at.z", "(カメラ) look_at.zを変更"},
    {mouseModeCameraDolly, "(Camera) Dolly", "(カメラ) ドリー"},
    {mouseModeSelect, "(Patch) Select", "(パッチ) 頂点を選択"},
    {mouseModeLasso, "(Patch) Select with Rope", "(パッチ) 頂点を投げ縄選択"},
    {mouseModeSelectCurve, "(Patch) Select Curve", "(パッチ) カーブを選択"},
    {mouseModeTranslate, "(Patch) Translate", "(パッチ) 頂点を移動"},
    {mouseModeScale, "(Patch) Scale", "(パッチ) 頂点を拡大/縮小"},
    {mouseModeRotate, "(Patch) Rotate", "(パッチ) 頂点を回転"},
    {mouseModeAddPoint, "(Patch) Add Point", "(パッチ) 頂点を追加"},
    {mouseModeCurveWeight, "(Patch) Set Weit", "(パッチ) カーブの曲がり方を調整"},
    {mouseModeNoise, "(Patch) Noise", "(パッチ) 頂点をランダムに移動"},
    {mouseModeExtrude, "(Patch) Extrude", "(パッチ) 押し出し"},
    {mouseModeTranslateMulti, "(Patch) Translate Multi Objects", "(パッチ) 複数オブジェクトを移動"},
    {mouseModeScaleMulti, "(Patch) Scale Multi Objects", "(パッチ) 複数オブジェクトを拡大/縮小"},
    {mouseModeRotateMulti, "(Patch) Rotate Multi Objects", "(パッチ) 複数オブジェクトを回転"},
    {mouseModeFreeHand, "(Patch) Free Hand", "(パッチ) フリーハンド"},
    {mouseModeTranslateCP, "(Patch) Translate CP", "(パッチ) コントロールポイントを移動"},
    {mouseModeTranslateCP2, "(Patch) Translate CP 2", "(パッチ) コントロールポイントを移動 2"},
    {mouseModeKnife, "(Patch) Knife", "(パッチ) ナイフ"},
    {mouseModeAxisTranslate, "(Material Axis) Translate", "(マテリアル座標) 移動"},
    {mouseModeAxisScale, "(Material Axis) Scale", "(マテリアル座標) 拡大/縮小"},
    {mouseModeAxisRotate, "(Material Axis) Rotate", "(マテリアル座標) 回転"},
    {mouseModeLightTranslate, "(Light) Translate", "(ライト) 移動"},
    {mouseModeLightRotate, "(Light) Rotate", "(ライト) 回転"},
    {mouseModeLightScale, "(Light) Scale", "(ライト) 拡大/縮小"},
    {mouseModeLightSelect, "(Light) Select", "(ライト) 選択"},
    {mouseModeRenderWindow, "(POV-Ray) Rendering Select Window",
     "(POV-Ray)\t選択したウィンドウをレンダリング"},
    {mouseModeRenderParts, "(POV-Ray) Rendering Select Parts", "(POV-Ray)\t選択した部分をレンダリング"},
    {mouseModeDebug, "(Debug) ", "(Debug)"},
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

const char* MouseModeName(int mode, int english) {
    const auto found = std::find_if(std::begin(kModeNames), std::end(kModeNames),
                                    [mode](const ModeName& m) { return m.mode == mode; });
    if (found == std::end(kModeNames))
        return nullptr;
    return english ? found->english : found->japanese;
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
