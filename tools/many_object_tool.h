#pragma once
// The many-object tools move (mode 310), scale (311) and turn (312) every
// control point of the objects chosen for the multi-object tools (in the
// "Select Multi Objects" window) at once, as one undo step. Targets are
// those chosen objects that are editable and have points, hidden ones too.
// Each drag measures from its press and sets every point from the start
// copies the tool took there, so a drag brought back to its press restores
// everything exactly: translate by the view-plane offset at the middle depth
// of all points; scale and rotate about the mean of the objects' box
// centres (every object counting once), rotate about the pane's viewing
// axis. Scale and rotate change only the coordinates of the document's
// enabled axes, manual handle offsets with them.
#include "model/vector3.h"

#include <vector>

class CMouseToolController;
class CSpatchObj;

// The targets of the current document, in list order.
std::vector<CSpatchObj*> ManyObjectTargets();

void BeginTranslateMany(CMouseToolController& c, int x, int y);
void DragTranslateMany(CMouseToolController& c, int x, int y);
void BeginScaleMany(CMouseToolController& c, int x, int y);
void DragScaleMany(CMouseToolController& c, int x, int y);
void BeginRotateMany(CMouseToolController& c, int x, int y);
void DragRotateMany(CMouseToolController& c, int x, int y);
// The release of all three: the four panes repaint when there is a target.
void EndManyObjects(CMouseToolController& c, int x, int y);
