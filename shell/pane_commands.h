#pragma once
// The main frame's commands of the pane menus that act on the document
// alone: which camera drag each mouse button runs, what the active pane
// shows, its grid lock, its camera (axis views, projection, the numeric,
// grid and view dialogs, the look at the selection, the memo cameras and
// the view history), and the OpenGL options. Every camera change records
// the camera before it in the pane's view history. The frame routes the
// commands it does not handle itself here; the shortcut keys call the
// public operations directly.
#include "platform/base/cmd_target.h"

class CCamera;
class CQuelDoc;
struct CPaneDisplaySettings;

class CPaneCommands : public CCmdTarget {
public:
    // The active pane's camera looking down, from the front or from the
    // right; nothing when it already does.
    void ShowTopView();
    void ShowFrontView();
    void ShowSideView();
    // Parallel projection becomes perspective and the other way round.
    void ToggleProjection();
    // Memo camera index (0 to 3) into the active pane's camera, or the
    // active pane's camera into it.
    void LoadMemoCamera(int index);
    void SaveMemoCamera(int index);
    // What the active pane shows: control points, curves, surfaces.
    void ToggleShowVertices();
    void ToggleShowCurves();
    void ToggleShowSurfaces();

protected:
    const CommandMap& GetCommandMap() const override;

private:
    void OnMouseMode(UINT id);
    void OnUpdateMouseMode(CCmdUI* ui);
    void OnShowToggle(UINT id);
    void OnUpdateShowToggle(CCmdUI* ui);
    void OnLightSource(UINT id);
    void OnUpdateLightSource(CCmdUI* ui);
    void OnGridLock(UINT id);
    void OnUpdateGridLock(CCmdUI* ui);
    void OnDocumentToggle(UINT id);
    void OnUpdateDocumentToggle(CCmdUI* ui);
    void OnAxisView(UINT id);
    void OnUpdateAxisView(CCmdUI* ui);
    void OnProjection(UINT id);
    void OnUpdateProjection(CCmdUI* ui);
    void OnMemoCamera(UINT id);
    void OnLookAtSelection();
    void OnUpdateLookAtSelection(CCmdUI* ui);
    void OnUpdateNeverEnabled(CCmdUI* ui);
    void OnViewUndo();
    void OnUpdateViewUndo(CCmdUI* ui);
    void OnViewRedo();
    void OnUpdateViewRedo(CCmdUI* ui);
    void OnCameraSetting();
    void OnGridSetting();
    void OnViewSetting();
    void OnOpenGLSetting();
};
