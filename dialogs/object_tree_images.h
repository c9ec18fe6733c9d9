#pragma once
// The pictures of the items of the object trees (the object page's and the
// parent-folder picker's): 0 a patch object, 1 a polygon object, 2 a folder
// and "Root".
#include "platform/ui/tree_ctrl.h"

class CBaseObj;

// Fills an empty list with the three pictures; FALSE when it could not.
BOOL CreateObjectTreeImages(CImageList& images);
// The picture of an object's item; null stands for "Root".
int ObjectTreeImageOf(const CBaseObj* obj);
