#pragma once
// One underlay (sketch) image of a pane: where it lies, how large it is, and
// whether its picture and texture are ready. The document keeps four, one per
// pane, beside their file names.
#include "model/vector3.h"

class CUnderlayImage {
public:
    // A new document's underlay: no picture, no offset, unit scale.
    void Reset() { *this = CUnderlayImage(); }

    CVector3 m_offset;
    CVector3 m_scale{1.0f, 1.0f, 1.0f};
    int m_loaded = 0;
    int m_textureReady = 0;
};
