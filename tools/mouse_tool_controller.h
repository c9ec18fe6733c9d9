#pragma once
// The mouse-tool controller of one pane. The pane forwards its button and
// move messages with the cursor in client pixels (x right, y down) and the
// message's MK_ key flags; the controller keeps which button started the
// drag, the press points and the last point, and runs the begin, drag and
// end handlers of the tool the document assigns to that button. A press of
// another button during a drag is ignored. The mode is read anew at every
// event, so a mode changed during a drag takes the next event.
#include "model/spatch_obj.h"
#include "platform/base/win_types.h"
#include "tools/vertex_info_tool.h"

#include <vector>

class CCamera;
class CQuelDoc;
class CToolPane;

class CMouseToolController {
public:
    // Once, by the pane that owns the controller.
    void SetWindow(CToolPane* pane) { m_pane = pane; }
    void SetPaneIndex(int index) { m_paneIndex = index; }
    int GetPaneIndex() const { return m_paneIndex; }
    CToolPane& GetPane() const { return *m_pane; }

    void OnLButtonDown(int x, int y, UINT keys);
    void OnLButtonUp(int x, int y, UINT keys);
    void OnRButtonDown(int x, int y, UINT keys);
    void OnRButtonUp(int x, int y, UINT keys);
    void OnMButtonDown(int x, int y, UINT keys);
    void OnMButtonUp(int x, int y, UINT keys);
    void OnMouseMove(int x, int y, UINT keys);
    // Ends a left drag without its tool's end handler: the step its press
    // began was taken back, and the rest of the drag would edit unrecorded.
    void AbandonLeftDrag();

    // This pane's camera in the current document; null without a document.
    CCamera* GetCamera() const;
    // The client size, an empty dimension counting as one pixel.
    CSize GetPaneSize() const;

    // The current camera of this pane onto its view history.
    void PushViewHistory();

    // The index of the current object's control point nearest to (x, y) by
    // |dx| + |dy| in this pane, up to and including limit pixels (a negative
    // limit means 10000), ties to the nearer depth, then to the earlier
    // point; hidden points and points before the near distance never count.
    // The points are projected for this pane first. -1 when none qualifies.
    int PickNearestVertex(int x, int y, int limit);
    // The same among the points that are not selected.
    int PickNearestUnselectedVertex(int x, int y, int limit);
    // With exactly one point selected, joins it to the unselected point
    // within 10 pixels of it on screen (ConnectVertices): 1 when joined.
    int ConnectToNearVertex();
    // The angle in degrees (0 to 180) at (x0, y0) between the directions to
    // (x1, y1) and to (x2, y2), in pixels with y downwards; 0 towards a
    // point on the origin.
    static float GetScreenAngle(int x0, int y0, int x1, int y1, int x2, int y2);

    // Repaints the other three panes now.
    void RepaintOtherPanes() const;

    // Where the drags began, and the anchor of per-event deltas: the press
    // point at a press, the cursor after every move.
    CPoint m_leftPress;
    CPoint m_rightPress;
    CPoint m_middlePress;
    CPoint m_lastPoint;
    // 0 at every accepted press, 1 after every move.
    int m_moved = 0;
    // The MK_ flags of the message being handled.
    UINT m_keys = 0;
    // World depth at which the edit drags turn pixels into offsets.
    float m_dragDepth = 0.0f;
    // Copies of what an edit drag moves, taken at its press: the start
    // positions of the dragged points or the start offset of a handle.
    // Emptied at every accepted press.
    CSpatchObj m_scratch;
    // The same for drags that move whole objects: per object its name and
    // the start copies of its points. Emptied at every accepted press.
    CObjList<CSpatchObj> m_objectStarts;
    // The lasso's outline from its press to its release, one point per event.
    std::vector<CPoint> m_stroke;
    // The selection's centre at a scale press.
    CVector3 m_scaleCentre;
    // The control point an add-point press found, -1 for none.
    int m_pickedVertex = -1;

private:
    int PickNearest(int x, int y, int limit, bool unselectedOnly);
    // Accepted press of a button: drag state, capture, empty scratch copies.
    void StartDrag(int& dragFlag, CPoint& pressPoint, int x, int y);

    CToolPane* m_pane = nullptr;
    // Shows the point under the cursor while the left button has mode 2000.
    CVertexInfoTool m_vertexInfo{*this};
    int m_paneIndex = 0;
    int m_leftDrag = 0;
    int m_rightDrag = 0;
    int m_middleDrag = 0;
    // From any left press until the next left or right release: turns a
    // right drag into a left+right drag.
    int m_leftHeld = 0;
};
