#pragma once
// The area selections of the current object's control points: a dragged
// rectangle (mode 300) and a free lasso outline (mode 301), shown over the
// pane while the button is held. At the release every point shown inside
// the area, and not before the near distance, is selected, deselected or
// toggled as the document's vertex selection option says; the curve nodes
// lose their selection. A press while exactly one point is selected
// deselects it first. Neither records an undo step.
#include "platform/base/win_types.h"

#include <vector>

class CMouseToolController;

// The rectangle spanned by two points, left and top edges inside.
CRect SpannedRect(CPoint a, CPoint b);
// Whether a pixel lies inside an outline by the winding rule: inside any
// loop of it, also where it crosses itself. The pixel counts by its centre,
// so of a pixel on the outline those on left and top edges are inside and
// those on right and bottom edges outside, as with a rectangle. An outline
// of fewer than three points holds nothing.
bool IsInsideOutline(const std::vector<CPoint>& outline, CPoint pixel);

// A selection flag after the document's vertex selection option: 0 sets
// it, 1 clears it, 2 inverts it, any other value keeps it.
int ApplySelectOption(int option, int selected);

void BeginSelectRect(CMouseToolController& c, int x, int y);
void DragSelectRect(CMouseToolController& c, int x, int y);
void EndSelectRect(CMouseToolController& c, int x, int y);
void BeginLasso(CMouseToolController& c, int x, int y);
void DragLasso(CMouseToolController& c, int x, int y);
void EndLasso(CMouseToolController& c, int x, int y);
