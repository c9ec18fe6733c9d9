#include "tools/vertex_info_tool.h"

#include "app/doc_helpers.h"
#include "tools/mouse_tool_controller.h"
#include "tools/tool_pane.h"
#include "tools/tool_target.h"

void CVertexInfoTool::OnHover(int x, int y) {
    CSpatchObj* obj = GetSelectedObject();
    if (!obj || !obj->IsShownEffective())
        return;
    const int index = m_owner.GetPane().PickVertex(CPoint(x, y));
    SetStatusText("(" + IntToString(x) + "," + IntToString(y) + ")vertex : " + IntToString(index));
    CPatchVertex* v = index >= 0 ? obj->GetVertices().GetAtIndex(index) : nullptr;
    if (!v)
        return;
    // The point is drawn selected for the moment only; the selection stays.
    const int selected = v->m_selected;
    v->m_selected = 1;
    ForEachToolPane([](CToolPane& pane) { pane.QuickDrawVertices(); });
    v->m_selected = selected;
}
