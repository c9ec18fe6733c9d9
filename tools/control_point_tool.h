#pragma once
// The control-point tools (modes 314 and 315) drag a Bezier handle of one
// node of the current object's selected curve: the selected node when its
// point is selected, else the node after it. The press grabs the nearer of
// its two handles on screen (a tie takes the in-handle) without a distance
// limit; 314 turns the other handle opposite it at its old length (a smooth
// node), 315 moves the grabbed one alone (a corner). The node's handles
// become manual. One drag is one undo step of the object's curves.
class CMouseToolController;

void BeginControlPointDrag(CMouseToolController& c, int x, int y);
void DragSmoothHandle(CMouseToolController& c, int x, int y);
void DragCornerHandle(CMouseToolController& c, int x, int y);
void EndControlPointDrag(CMouseToolController& c, int x, int y);
