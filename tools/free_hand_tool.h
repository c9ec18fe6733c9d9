#pragma once
// The free-hand tool (mode 313) draws a new open curve into the current
// object: the press and every later cursor position at least 0.1 units
// from the stroke's previous point become control points on the plane
// through the camera target (snapped to the pane's grid where locked),
// chained in drawing order on one new curve, the last of the object's
// curves. A stroke of one point (a click) is taken back at the release.
// One stroke is one undo step of the whole object.
class CMouseToolController;

void BeginFreeHand(CMouseToolController& c, int x, int y);
void DragFreeHand(CMouseToolController& c, int x, int y);
void EndFreeHand(CMouseToolController& c, int x, int y);
