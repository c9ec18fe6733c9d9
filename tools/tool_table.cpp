#include "tools/tool_table.h"

#include "app/mouse_mode.h"
#include "tools/add_point_tool.h"
#include "tools/camera_drag.h"
#include "tools/control_point_tool.h"
#include "tools/curve_tools.h"
#include "tools/free_hand_tool.h"
#include "tools/light_tool.h"
#include "tools/many_object_tool.h"
#include "tools/material_axis_tool.h"
#include "tools/render_tools.h"
#include "tools/rotate_scale_tool.h"
#include "tools/select_area_tool.h"
#include "tools/translate_tool.h"
#include "tools/weight_noise_tool.h"

#include <algorithm>
#include <iterator>

namespace {

struct CToolRow {
    int mode;
    CToolHandlers handlers;
};

template <int Axis> void DragLocationAxis(CMouseToolController& c, int x, int y) {
    DragLocation(c, Axis, x, y);
}
template <int Axis> void DragLookAtAxis(CMouseToolController& c, int x, int y) {
    DragLookAt(c, Axis, x, y);
}

constexpr CToolHandlers Camera(ToolHandler drag) {
    return {BeginCameraDrag, drag, EndCameraDrag};
}

// Modes 0 to 11 lead the table, so the camera lookup reads only them.
constexpr CToolRow kTools[] = {
    {mouseModeCameraRotate1, Camera(DragOrbitEye)},
    {mouseModeCameraRotate2, Camera(DragTurnTarget)},
    {mouseModeCameraPan, Camera(DragPan)},
    {mouseModeCameraZoom, Camera(DragZoom)},
    {mouseModeCameraAngle, Camera(DragViewAngle)},
    {mouseModeCameraLocationX, Camera(DragLocationAxis<0>)},
    {mouseModeCameraLocationY, Camera(DragLocationAxis<1>)},
    {mouseModeCameraLocationZ, Camera(DragLocationAxis<2>)},
    {mouseModeCameraLookAtX, Camera(DragLookAtAxis<0>)},
    {mouseModeCameraLookAtY, Camera(DragLookAtAxis<1>)},
    {mouseModeCameraLookAtZ, Camera(DragLookAtAxis<2>)},
    {mouseModeCameraDolly, Camera(DragDolly)},
    {mouseModeSelect, {BeginSelectRect, DragSelectRect, EndSelectRect}},
    {mouseModeLasso, {BeginLasso, DragLasso, EndLasso}},
    {mouseModeTranslate, {BeginTranslate, DragTranslate, EndTranslate}},
    {mouseModeScale, {BeginScale, DragScale, EndRotateScale}},
    {mouseModeRotate, {BeginRotate, DragRotate, EndRotateScale}},
    {mouseModeAddPoint, {BeginAddPoint, DragAddPoint, nullptr}},
    {mouseModeCurveWeight, {BeginWeight, DragWeight, EndWeightNoise}},
    {mouseModeNoise, {BeginNoise, DragNoise, EndWeightNoise}},
    {mouseModeTranslateCP, {BeginControlPointDrag, DragSmoothHandle, EndControlPointDrag}},
    {mouseModeTranslateCP2, {BeginControlPointDrag, DragCornerHandle, EndControlPointDrag}},
    {mouseModeTranslateMulti, {BeginTranslateMany, DragTranslateMany, EndManyObjects}},
    {mouseModeScaleMulti, {BeginScaleMany, DragScaleMany, EndManyObjects}},
    {mouseModeRotateMulti, {BeginRotateMany, DragRotateMany, EndManyObjects}},
    {mouseModeFreeHand, {BeginFreeHand, DragFreeHand, EndFreeHand}},
    {mouseModeSelectCurve, {BeginCurveSelect, nullptr, nullptr}},
    {mouseModeKnife, {nullptr, DragKnife, EndKnife}},
    {mouseModeAxisTranslate, {BeginAxisTranslate, DragAxisTranslate, EndAxisTransform}},
    {mouseModeAxisScale, {BeginAxisScale, DragAxisScale, EndAxisTransform}},
    {mouseModeAxisRotate, {BeginAxisRotate, DragAxisRotate, EndAxisTransform}},
    {mouseModeLightTranslate, {BeginLightTranslate, DragLightTranslate, EndLightTranslate}},
    {mouseModeLightSelect, {BeginLightSelect, DragLightSelect, EndLightSelect}},
    {mouseModePolygonFirst, {BeginPolygonPoint, nullptr, nullptr}},
    {mouseModePolygonLast, {BeginPolygonPoint, nullptr, nullptr}},
    {mouseModeRenderWindow, {nullptr, nullptr, EndRenderWindow}},
    {mouseModeRenderParts, {BeginRenderRegion, DragRenderRegion, EndRenderRegion}},
};
constexpr int kCameraRows = 12;

const CToolHandlers* FindIn(const CToolRow* first, const CToolRow* last, int mode) {
    const CToolRow* row = std::find_if(first, last, [mode](const CToolRow& r) { return r.mode == mode; });
    return row == last ? nullptr : &row->handlers;
}

} // namespace

const CToolHandlers* FindLeftTool(int mode) {
    return FindIn(std::begin(kTools), std::end(kTools), mode);
}

const CToolHandlers* FindCameraTool(int mode) {
    return FindIn(std::begin(kTools), std::begin(kTools) + kCameraRows, mode);
}
