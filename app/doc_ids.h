#pragma once
// The fixed ids of the document's window registry and the codes of the
// update message that the document helpers broadcast to registered windows.
#include "model/model_document.h"
#include "platform/base/message.h"

// The program's own update message; lParam carries a DocNotifyCode, wParam an optional value.
constexpr UINT WM_DOC_NOTIFY = WM_USER + 200;

enum RegisteredWindowId {
    wndBroadcastOnly = -1, // registered only to receive the update message
    wndView = 0,
    wndMainFrame = 1,
    wndSplitter = 2,
    wndViewportPane0 = 3, // 3-6: the viewport panes 0-3
    wndPaneFrame0 = 7,    // 7-10
    wndGLPane0 = 11,      // 11-14: the OpenGL windows of panes 0-3
    wndPaneHeader0 = 15,  // 15-18
    wndToolBar = 19,
    wndStatusBar = 20,
    wndSideBar = 21,
    wndToolDialogBar = 22,
    wndMouseStatusBar = 23,
    wndToolTab = 24,
    wndMouseAssignStrip = 25,
    wndPanelTab = 26,
    wndObjectPage = 27,
    wndLightPage = 28,
    wndMaterialPage = 29,
    wndScenePage = 30,
    wndObjectPanel1 = 31,
    wndObjectPanel2 = 32,
    wndLightPanel = 33,
    wndObjectPanel3 = 34,
    wndColorSettingPage = 134,
    wndMouseButtonPage = 135,
    wndIncludeFilePanel = 142,
    wndBackgroundColorPage = 143,
    wndPostProcessPanel = 145,
    wndRadiosityPanel = 146,
    wndGlobalSettingsPanel = 147,
    wndMouseSettingPage = 150,
    wndRendererPathPanel = 151,
    wndEtcSettingPage = 152,
    wndPovSettingListPanel = 153,
    wndCommandBar = 400,
    wndCommandBar2 = 401,
    wndStatusText = 500,
};

enum DocNotifyCode {
    notifySceneMerged = 1,            // sent: lists and scene page refresh
    notifyRepaintPanes = 6,           // posted: every OpenGL pane repaints at once
    notifyShowStatusText = 100,       // sent by SetStatusText
    notifyHideStatusText = 101,       // the mouse-assignment strip comes back
    notifyInvalidateOtherPanes = 200, // posted by a pane's tool, that pane excluded
    notifyRenameTreeItems = 300,
    notifyUpdateTreeItem = 301, // wParam: the object or folder
    notifyDrawFivePointVertices = 500,
    notifyDrawInvisibleVertices = 501,
    notifySurfaceShortage = 502, // posted by a pane that drew an object without its surfaces
    notifyStepTakenBack = 503,   // a request ran out of memory: what it began is taken back
};
