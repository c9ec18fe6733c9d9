#pragma once
// One material slot of a scene object: the material it shows (by id) and the
// placement of that material's axes on the object.
#include "model/vector3.h"

class CTransformData {
public:
    void CopyFrom(const CTransformData& other) { *this = other; }

    CVector3 m_translation;
    CVector3 m_rotation{0.0f, 0.0f, 0.0f}; // degrees
    CVector3 m_scale{1.0f, 1.0f, 1.0f};
    int m_slotOption = 0;
    int m_materialId = -1; // -1: no material
    int m_reserved = 0;    // carried with the slot, not interpreted
};
