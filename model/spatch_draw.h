#pragma once
// What drawing a patch object reads of the pane, the document and the
// object's own display state. The pane fills one record before it draws an
// object; the model itself never looks into the document for these.
#include "model/mouse_modes.h"

#include <cstdint>

struct CPatchDrawSettings {
    // Document colours, packed 0x00BBGGRR.
    uint32_t unselectedObjectColor = 0x85A3C4; // curves of an object that is not selected
    uint32_t curveColor = 0x6A612E;            // segments between two visible points
    uint32_t invisibleCurveColor = 0x648C96;   // segments at a point that may not be a corner
    uint32_t selectedColor = 0x00FF00;         // selected nodes and selected control points
    uint32_t pointColor = 0x0000FF;            // control points
    uint32_t multiSelectColor = 0x00FFFF;      // curves of an object marked for the multi-object tools
    float vertexPointSize = 4.0f;
    // The document's left-button tool (mouse mode): the light tools hide the
    // control points, the multi-object tools colour curves by object.
    int leftButtonMode = mouseModeTranslate;
    // OpenGL settings "draw_curve_on_surface" and "draw_alpha_surface_with_light".
    int drawCurveOnSurface = 1;
    int drawAlphaSurfaceWithLight = 0;
    // The object's surface colour by the document's colour mode and its
    // opacity in percent by the see-through mode; 0 draws no surface.
    uint32_t surfaceColor = 0x0000C8C8;
    int surfaceAlpha = 100;
};

// The red, green and blue of a packed colour, each divided by 255.
struct CGlColor {
    float r, g, b;
};
CGlColor UnpackColor(uint32_t packed);
