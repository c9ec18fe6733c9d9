#include "tools/tool_target.h"

#include "app/doc_helpers.h"
#include "model/spatch_obj.h"
#include "tools/tool_pane.h"

CSpatchObj* TakeShownObject() {
    CSpatchObj* obj = GetSelectedObject();
    return obj && obj->IsShownEffective() ? obj : nullptr;
}

CSpatchObj* TakeEditableObject() {
    CSpatchObj* obj = TakeShownObject();
    return obj && obj->IsEditable() ? obj : nullptr;
}

CSpatchObj* TakeObjectWithSelection() {
    CSpatchObj* obj = TakeEditableObject();
    return obj && obj->CountSelectedVertices() > 0 ? obj : nullptr;
}

void ForEachToolPane(const std::function<void(CToolPane&)>& fn) {
    for (int pane = 0; pane < kPaneCount; ++pane)
        if (auto* window = FindWindowService<CToolPane>(wndGLPane0 + pane))
            fn(*window);
}
