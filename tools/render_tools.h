#pragma once
// The left-button tools that render a pane with POV-Ray (mode 1000 renders
// the whole view of the pane released in, mode 1001 the rectangle dragged in
// it, shown as a frame while dragged), and the polygon-point tool (modes 500
// and 505) that adds a point under the cursor to the selected polygon object.
class CMouseToolController;

void EndRenderWindow(CMouseToolController& c, int x, int y);
void BeginRenderRegion(CMouseToolController& c, int x, int y);
void DragRenderRegion(CMouseToolController& c, int x, int y);
void EndRenderRegion(CMouseToolController& c, int x, int y);

// The point lies in the plane through the camera's target facing the
// camera, in world coordinates. Nothing without an editable selected
// polygon object; no undo step.
void BeginPolygonPoint(CMouseToolController& c, int x, int y);
