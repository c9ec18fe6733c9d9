#pragma once
// The view history of each pane: the ten cameras before the latest camera
// drags and camera commands, with a redo stack that view Undo fills and a
// new push empties. Only the view of a camera moves through it (eye, target,
// roll, angle, projection); nothing of it is stored in files.
class CQuelDoc;

// The pane's current camera onto its history; the oldest of ten drops out.
void PushViewHistory(CQuelDoc& doc, int pane);
// The pane's camera one step back (forward); false, and nothing changed,
// when there is no step to take. The caller repaints the pane.
bool UndoViewHistory(CQuelDoc& doc, int pane);
bool RedoViewHistory(CQuelDoc& doc, int pane);
