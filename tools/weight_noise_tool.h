#pragma once
// Two drags that work per event, from the previous cursor position, on the
// selection of the current object; one drag is one undo step.
// Weight (mode 307): the curves bend more or less at the selected points,
// +0.01 of weight per pixel upwards and +0.001 per pixel to the right,
// without limit (AddWeight).
// Noise (mode 308): the selected points move by (dy + dx / 10) / 10 times a
// fixed direction each, drawn per point from a generator restarted with the
// same seed at every event, so the points only ever move along their own
// directions: a drag back to the press point restores the shape, and two
// drags of the same net motion give the same result. An axis the document
// has switched off does not move.
class CMouseToolController;

void BeginWeight(CMouseToolController& c, int x, int y);
void DragWeight(CMouseToolController& c, int x, int y);
void BeginNoise(CMouseToolController& c, int x, int y);
void DragNoise(CMouseToolController& c, int x, int y);
// The release of both: the four panes repainted.
void EndWeightNoise(CMouseToolController& c, int x, int y);
