#pragma once
// What the mouse tools work on: the current object (the first selected patch
// object) while it is shown, and for the edit drags while it is editable too;
// and the panes they redraw. Each drag asks anew at every event.
#include <functional>

class CSpatchObj;
class CToolPane;

// Null when there is no current object, or it is hidden. Selecting points
// is not editing: a locked object takes a selection.
CSpatchObj* TakeShownObject();
// Null when there is no current object, or it is hidden or not editable.
CSpatchObj* TakeEditableObject();
// The same, and null also while none of its points is selected.
CSpatchObj* TakeObjectWithSelection();
// Each live OpenGL pane of the current document, in pane order.
void ForEachToolPane(const std::function<void(CToolPane&)>& fn);
