#pragma once
// The tool numbers stored per mouse button, and the setters that store them.
// Choosing a tool only stores its number; the pane's mouse-tool controller
// reads it when a button goes down. The left-button setter also arranges what
// belongs to the new tool: the transform read-outs, the knife dialog, the
// "Select Multi Objects" dialog and the repaints that show or hide
// tool-specific drawing in the panes.

enum MouseMode {
    mouseModePopupMenu = -1,
    mouseModeCameraRotate1 = 0,
    mouseModeCameraRotate2 = 1,
    mouseModeCameraPan = 2,
    mouseModeCameraZoom = 3,
    mouseModeCameraAngle = 4,
    mouseModeCameraLocationX = 5,
    mouseModeCameraLocationY = 6,
    mouseModeCameraLocationZ = 7,
    mouseModeCameraLookAtX = 8,
    mouseModeCameraLookAtY = 9,
    mouseModeCameraLookAtZ = 10,
    mouseModeCameraDolly = 11,
    mouseModeSelect = 300,
    mouseModeLasso = 301,
    mouseModeSelectCurve = 302,
    mouseModeTranslate = 303,
    mouseModeScale = 304,
    mouseModeRotate = 305,
    mouseModeAddPoint = 306,
    mouseModeCurveWeight = 307,
    mouseModeNoise = 308,
    mouseModeExtrude = 309,
    mouseModeTranslateMulti = 310,
    mouseModeScaleMulti = 311,
    mouseModeRotateMulti = 312,
    mouseModeFreeHand = 313,
    mouseModeTranslateCP = 314,
    mouseModeTranslateCP2 = 315,
    mouseModeKnife = 317,
    mouseModeAxisTranslate = 400,
    mouseModeAxisScale = 401,
    mouseModeAxisRotate = 402,
    mouseModePolygonFirst = 500, // 500-505: polygon-object tools
    mouseModePolygonLast = 505,
    mouseModeLightTranslate = 800,
    mouseModeLightRotate = 801,
    mouseModeLightScale = 802,
    mouseModeLightSelect = 803,
    mouseModeRenderWindow = 1000,
    mouseModeRenderParts = 1001,
    mouseModeDebug = 2000,
};

// The English name the mouse-assignment strip shows for a mode; null for a
// mode it does not name (316, the polygon tools).
const char* MouseModeName(int mode);

// isLeft non-zero sets the left button's tool, zero the right button's.
void SetMouseMode(int mode, int isLeft);
void SetMiddleMouseMode(int mode);
// The tool of the left+right chord.
void SetBothButtonsMode(int mode);
