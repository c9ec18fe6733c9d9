#pragma once
// What the light page's buttons and the light panel do to the scene, free of
// windows: new lights, copies, deletion and renaming, each one undo step,
// and the panel's values, its enabling rules and each control's change of
// the selected light, also one undo step each. The light page (registered
// window 28) is told which items to add, select, rename and remove;
// selecting an item selects its light and shows its panel. Without the
// page the commands work the same.
#include "model/vector3.h"
#include "platform/base/cstring.h"
#include "platform/base/win_types.h"

class CLightData;
class CQuelDoc;

// "light_00", then the first free of light_01 ... light_09, light_10 ...;
// white, its item added and selected.
CLightData* CreateLight(CQuelDoc& doc);
// A copy of the selected light named after it with "(copy)", "(copy)01"
// ...; its item added and selected. Without a selected light the user is
// told and nothing is made.
CLightData* CopySelectedLight(CQuelDoc& doc);
// Asks, then deletes the selected light. Without a selected light the user is told.
void DeleteSelectedLight(CQuelDoc& doc);
// Gives the light the name (which the caller checked) and its item the new
// text, the top level sorted again.
void RenameLight(CQuelDoc& doc, CLightData& light, const CString& name);

// The panel's values, one per control.
struct CLightValues {
    CString name;
    COLORREF color = 0;
    CVector3 location;
    CVector3 pointAt;
    int type = 0;
    int shadowless = 0;
    int mediaAttenuation = 0;
    int mediaInteraction = 0;
    float radius = 30.0f;
    float falloff = 40.0f;
    float tightness = 10.0f;
    int areaSizeU = 2;
    int areaSizeV = 2;
    CVector3 axisU;
    CVector3 axisV;
    int adaptive = 1;
    int jitter = 0;
    int areaSpot = 0;
    int fade = 0;
    float fadeDistance = 0.0f;
    float fadePower = 1.0f;
    int parallel = 0;
    int circular = 0;
    int orient = 0;
    int shadowPigment = 0;
    COLORREF shadowColor = 0;
};
CLightValues ReadLightValues(const CLightData& light);

// Which groups of controls are enabled.
struct CLightEnabling {
    bool fade = false; // fade distance and power: fade on
    bool spot = false; // point_at, radius, falloff, tightness: spot, cylinder or a spot-like area light
    bool area = false; // axes, steps, adaptive, area spot, jitter: area light
    bool shadowColor = false; // the shadow pigment's colour: shadow pigment on
};
CLightEnabling LightEnabling(const CLightValues& values);

enum class LightField {
    color,
    location,
    pointAt,
    type,
    shadowless,
    mediaAttenuation,
    mediaInteraction,
    radius,
    falloff,
    tightness,
    areaSizeU,
    areaSizeV,
    axisU,
    axisV,
    adaptive,
    jitter,
    areaSpot,
    fade,
    fadeDistance,
    fadePower,
    parallel,
    circular,
    orient,
    shadowPigment,
    shadowColor,
};
// One change of the panel as one undo step: the field of the light set from
// values; a radius above the falloff raises the falloff to it, a falloff
// below the radius lowers the radius (values then show both); the panes
// that show lights repaint where the change shows in them.
void ChangeLight(CQuelDoc& doc, CLightData& light, LightField field, CLightValues& values);
// The panes show the light's change: all four repaint while the light is
// shown.
void RedrawLitPanes(const CLightData& light);
