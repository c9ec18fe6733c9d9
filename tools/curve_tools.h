#pragma once
// Two tools on the current object's curves. Curve select (mode 302): a
// click selects the curve segment under the cursor, that is its first node
// and that node's point, and nothing else; a click on empty space
// deselects everything. The knife (mode 317): the line dragged from the
// press shows over the pane; at the release the current object's curves
// (by the document's knife mode: and its patches, or a new curve through
// the cuts) are cut along the plane through the eye and that line. A cut
// is one undo step of the whole object; a line that cuts nothing records
// none.
class CMouseToolController;

void BeginCurveSelect(CMouseToolController& c, int x, int y);
void DragKnife(CMouseToolController& c, int x, int y);
void EndKnife(CMouseToolController& c, int x, int y);
