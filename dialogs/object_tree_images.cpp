#include "dialogs/object_tree_images.h"

#include "model/base_obj.h"
#include "platform/ui/resource_lookup.h"
#include "resources/resource_tables.h"

BOOL CreateObjectTreeImages(CImageList& images) {
    if (!images.Create(16, 16, ILC_MASK, 3, 4))
        return FALSE;
    for (const UINT id : {IDI_PATCH_OBJECT, IDI_POLYGON_OBJECT, IDI_FOLDER}) {
        const IconResource* icon = FindIconResource(id);
        if (!icon || images.Add(icon->image) < 0)
            return FALSE;
    }
    return TRUE;
}

int ObjectTreeImageOf(const CBaseObj* obj) {
    if (!obj)
        return 2;
    switch (obj->GetObjType()) {
    case objTypePatch:
        return 0;
    case objTypePolygon:
        return 1;
    default:
        return 2;
    }
}
