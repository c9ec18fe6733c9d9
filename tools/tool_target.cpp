#include "tools/tool_target.h"

#include "app/doc_helpers.h"
#include "model/spatch_obj.h"

CSpatchObj* TakeEditableObject() {
    CSpatchObj* obj = GetSelectedObject();
    return obj && obj->IsShownEffective() && obj->IsEditable() ? obj : nullptr;
}
