#pragma once
// The tool numbers of the mouse buttons (MouseMode) and the groups of tools
// that change what the panes draw. The model reads them to draw, the
// application stores them per button, the panes and tools act on them.

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
    mouseModeLightLast = 804, // the light tools' range takes in 804 as well
    mouseModeRenderWindow = 1000,
    mouseModeRenderParts = 1001,
    mouseModeDebug = 2000,
};

inline bool IsMultiObjectMode(int mode) {
    return mode >= mouseModeTranslateMulti && mode <= mouseModeRotateMulti;
}
// The light tools show the lights' handles instead of control points.
inline bool IsLightMode(int mode) {
    return mode >= mouseModeLightTranslate && mode <= mouseModeLightLast;
}
inline bool IsAxisMode(int mode) {
    return mode >= mouseModeAxisTranslate && mode <= mouseModeAxisRotate;
}
// The control-point tools show the selected curve's handles.
inline bool IsControlPointMode(int mode) {
    return mode == mouseModeTranslateCP || mode == mouseModeTranslateCP2;
}
// The object and material-axis transform tools show the manipulator.
inline bool IsManipulatorMode(int mode) {
    return mode == mouseModeTranslate || mode == mouseModeRotate || mode == mouseModeScale ||
           IsAxisMode(mode);
}
