#include "app/object_flags.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"

bool CanSetObjectFlags(const CQuelDoc& doc) {
    if (doc.m_objects.GetCount() < 2)
        return false;
    for (const CSpatchObj* object : doc.m_objects)
        if (object->GetSelected())
            return true;
    return false;
}

bool SetObjectFlags(CQuelDoc& doc, ObjectFlag flag, bool onlySelected) {
    bool revealed = false;
    for (CSpatchObj* object : doc.m_objects) {
        const int value = onlySelected ? (object->GetSelected() ? 1 : 0) : 1;
        switch (flag) {
        case ObjectFlag::editable:
            object->SetEditable(value);
            break;
        case ObjectFlag::exported:
            object->SetExport(value);
            break;
        case ObjectFlag::shown:
            if (!object->IsShownEffective() && !object->GetVertices().IsEmpty())
                revealed = true;
            object->SetShow(value);
            break;
        }
    }
    if (!doc.m_objects.IsEmpty())
        if (auto* panel = doc.FindWindowService<CPanelServices>(wndObjectPanel1))
            panel->Refresh();
    return flag == ObjectFlag::shown && (onlySelected || revealed);
}
