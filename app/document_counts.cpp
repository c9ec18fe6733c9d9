#include "app/document_counts.h"

#include "app/quel_doc.h"

namespace {

void AddObject(CSpatchObj& object, bool selectedCount, CScopeCounts& counts) {
    if (object.GetNeedsRebuild())
        object.Rebuild();
    for (const CPatch* patch : object.GetPatches()) {
        counts.threeSided += patch->m_sides == 3;
        counts.fourSided += patch->m_sides == 4;
    }
    counts.fiveSided += object.CountFivePointPatches();
    counts.curves += object.GetCurves().GetCount();
    counts.vertices += object.GetVertices().GetCount();
    if (selectedCount)
        counts.selectedVertices += object.CountSelectedVertices();
    counts.hiddenVertices += object.CountHiddenVertices();
}

} // namespace

CScopeCounts CountScope(CQuelDoc& doc, int scope) {
    CScopeCounts counts;
    for (CSpatchObj* object : doc.m_objects) {
        if (scope == countSelectedObject) {
            if (!object->GetSelected())
                continue;
            AddObject(*object, true, counts);
            break;
        }
        if (scope == countExported && !object->IsExportEffective())
            continue;
        AddObject(*object, object->GetSelected() != 0, counts);
    }
    return counts;
}
