#pragma once
// The translate tool (mode 303): a press grabs a handle of the translate
// manipulator, or the control point nearest to the cursor, or with Ctrl
// toggles the selection of the nearest point; the drag moves every selected
// point of the current object by the cursor's offset from the press in the
// view plane (a grabbed axis handle keeps that axis, Shift on an axis handle
// the plane across it, Shift without a handle the dominant screen
// direction), snapped to the pane's grid where locked; the release redraws
// the four panes. One drag is one undo step of the points' positions; when
// the right button joins a single dragged point to another, the step becomes
// the whole object as it was at the press, so that the join is undone too.
class CMouseToolController;

// Shared by all panes.
struct CTranslateFlags {
    // 1 while the current left drag began as a Ctrl click of this tool.
    int m_ctrlPick = 0;
    // 1 once a right press joined the dragged point to a near one.
    int m_connectDone = 0;
    // 1 from a press of a single point until its release: a join during the
    // drag widens that press's step, and no other, to the whole object.
    int m_onePointSaved = 0;
};
CTranslateFlags& GetTranslateFlags();

void BeginTranslate(CMouseToolController& c, int x, int y);
void DragTranslate(CMouseToolController& c, int x, int y);
void EndTranslate(CMouseToolController& c, int x, int y);
