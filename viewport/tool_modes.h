#pragma once
// Groups of left-button tools that change what the panes draw.
#include "app/mouse_mode.h"

// The control-point tools show the selected curve's handles.
inline bool IsControlPointTool(int mode) {
    return mode == mouseModeTranslateCP || mode == mouseModeTranslateCP2;
}

// The light tools, up to 804, show the lights' handles instead of control points.
inline bool IsLightTool(int mode) {
    return mode >= mouseModeLightTranslate && mode <= 804;
}

// The object and material-axis transform tools show the manipulator.
inline bool IsManipulatorTool(int mode) {
    return mode == mouseModeTranslate || mode == mouseModeScale || mode == mouseModeRotate ||
           mode == mouseModeAxisTranslate || mode == mouseModeAxisScale || mode == mouseModeAxisRotate;
}
