#pragma once
// The add-point tool (mode 306) adds control points with curves by dragging.
// A press in empty space (no unselected point within 15 pixels, |dx| + |dy|)
// puts a new two-point curve under the cursor in the plane through the
// target, on the grid where the pane locks it. A press on a point pulls a
// new point out of it at the first move: along the curve whose screen
// direction from that point is nearest to the drag's (a new node next to
// it, or beyond the end of an open curve), or as a new curve when no curve
// passes through it. Either way the new point is selected and the left
// button turns into the translate tool, which carries the point with the
// cursor until the release and ends the drag; a right press on the way
// joins it to a point within 10 pixels. One drag is one undo step of the
// whole object, recorded at the press.
class CMouseToolController;

void BeginAddPoint(CMouseToolController& c, int x, int y);
void DragAddPoint(CMouseToolController& c, int x, int y);
