#pragma once
// CLwoImporter: File > Import > Lightwave. The item stays disabled and the
// import reads nothing: no dialog, no file, no undo step.
#include "platform/base/win_types.h"

class CLwoImporter {
public:
    virtual ~CLwoImporter() = default;

    void Import() {}
    BOOL CanImport() const { return FALSE; }
};
