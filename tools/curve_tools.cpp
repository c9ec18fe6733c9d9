#include "tools/curve_tools.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "model/curve_tool.h"
#include "tools/mouse_tool_controller.h"
#include "tools/tool_pane.h"
#include "tools/tool_target.h"

namespace {

enum KnifeMode { knifeCutCurves = 0, knifeCutPatches = 1, knifeCutWithCurve = 2 };

// The cut of the knife mode along the line from the press to (x, y): 1 when
// the object changed.
int Cut(const CMouseToolController& c, const CCamera& camera, CSpatchObj& obj, int mode, int x, int y) {
    CCurveTool tool(&obj);
    const CSize size = c.GetPaneSize();
    const CPoint press = c.m_leftPress;
    switch (mode) {
    case knifeCutCurves:
        return tool.KnifeCutCurves(camera, size.cx, size.cy, press.x, press.y, x, y);
    case knifeCutPatches:
        return tool.KnifeCutPatches(camera, size.cx, size.cy, press.x, press.y, x, y);
    case knifeCutWithCurve:
        return tool.KnifeCutWithCurve(camera, size.cx, size.cy, press.x, press.y, x, y);
    default:
        return 0;
    }
}

} // namespace

void BeginCurveSelect(CMouseToolController& c, int x, int y) {
    CSpatchObj* obj = TakeShownObject();
    if (!obj)
        return;
    CCurvePoint* node = c.GetPane().PickCurveSegment(CPoint(x, y));
    obj->SelectAllVertices(0);
    obj->SelectAllCurvePoints(0);
    if (node) {
        node->m_selected = 1;
        if (node->m_vertex)
            node->m_vertex->SetSelected(1);
    }
    ForEachToolPane([](CToolPane& pane) {
        pane.QuickDrawCurves();
        pane.QuickDrawVertices();
    });
}

void DragKnife(CMouseToolController& c, int x, int y) {
    if (!TakeEditableObject())
        return;
    CPixelStroke line;
    line.m_points = {c.m_leftPress, CPoint(x, y)};
    line.m_style = CPixelStroke::dotted;
    line.m_colour = RGB(255, 255, 255);
    c.GetPane().ShowOverlay({line});
    SetStatusText("< " + IntToString(c.m_leftPress.x) + ", " + IntToString(c.m_leftPress.y) + " >  < " +
                  IntToString(x) + ", " + IntToString(y) + " >");
}

void EndKnife(CMouseToolController& c, int x, int y) {
    CQuelDoc* doc = GetDoc();
    CSpatchObj* obj = TakeEditableObject();
    const CCamera* camera = c.GetCamera();
    c.GetPane().ShowOverlay({});
    if (!doc || !obj || !camera)
        return;
    if (RecordWholeObjectStep(doc->m_undoBuffer, *obj, "(パッチ) ナイフ", "(Patch) Knife",
                              [&] { return Cut(c, *camera, *obj, doc->m_knifeMode, x, y) != 0; }))
        RedrawAllPanes();
}
