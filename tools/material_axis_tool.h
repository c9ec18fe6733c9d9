#pragma once
// The material-axis tools move (mode 400), scale (401) and turn (402) the
// axis of the current object's current material slot, as one undo step of
// the object's settings. With the manipulator shown, the press picks one of
// its handles, which constrains the drag: an axis handle keeps that axis
// (with Shift, at a move or scale press, the other two), the centre frees
// all; without a handle the document's axis switches constrain it. All
// three measure from the press: the move adds the view-plane offset to the
// start position (cut to the pane's grid where locked), the scale
// multiplies the start factors, the turn turns the start frame about the
// handle's axis or the pane's viewing axis.
class CMouseToolController;

void BeginAxisTranslate(CMouseToolController& c, int x, int y);
void DragAxisTranslate(CMouseToolController& c, int x, int y);
void BeginAxisScale(CMouseToolController& c, int x, int y);
void DragAxisScale(CMouseToolController& c, int x, int y);
void BeginAxisRotate(CMouseToolController& c, int x, int y);
void DragAxisRotate(CMouseToolController& c, int x, int y);
// The release of all three: the four panes repaint.
void EndAxisTransform(CMouseToolController& c, int x, int y);
