#pragma once
// The light tools of the left button. Every light has a location handle;
// spot and cylinder lights also a point_at handle. Light translate (mode
// 800) drags handles: with none or one selected, a press grabs the handle
// nearest to it on screen (|dx| + |dy|, the earlier on a tie, the location
// before the point_at) and selects only that one; with two or more
// selected, it drags all of them. The drag adds the view-plane offset of
// the cursor since the press to each handle's start position, a single
// handle starting from the pane's grid where locked; it is one undo step.
// Light select (mode 803) selects, deselects or toggles (the document's
// vertex selection option) the handles shown inside a dragged rectangle;
// a press drops a selection of exactly one handle first. Handles nearer
// than the camera's near distance take no part. Modes 801 and 802 do
// nothing.
#include "model/vector3.h"

#include <vector>

class CLightData;
class CMouseToolController;
class CQuelDoc;

// One handle of a light.
struct CLightHandle {
    CLightData* light;
    bool pointAt;

    CVector3& Position() const;
    int& Selected() const;
};
// The handles of the document's lights in list order, each light's location
// before its point_at.
std::vector<CLightHandle> LightHandles(CQuelDoc& doc);

void BeginLightTranslate(CMouseToolController& c, int x, int y);
void DragLightTranslate(CMouseToolController& c, int x, int y);
void EndLightTranslate(CMouseToolController& c, int x, int y);
void BeginLightSelect(CMouseToolController& c, int x, int y);
void DragLightSelect(CMouseToolController& c, int x, int y);
void EndLightSelect(CMouseToolController& c, int x, int y);
