#pragma once
// A folder of the object hierarchy. Its own show and export switches apply to
// everything below it.
#include "model/base_obj.h"

class CFolderObj : public CBaseObj {
public:
    int GetObjType() const override { return objTypeFolder; }
};
