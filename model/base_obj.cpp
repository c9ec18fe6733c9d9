#include "model/base_obj.h"

#include "model/folder_obj.h"

namespace {

bool InRange(int i, int count) {
    return i >= 0 && i < count;
}

} // namespace

CVector3 CBaseObj::GetExtraVector(int i) const {
    return InRange(i, 4) ? m_extraVectors[i] : CVector3();
}

void CBaseObj::SetExtraVector(int i, const CVector3& v) {
    if (InRange(i, 4))
        m_extraVectors[i] = v;
}

CTransformData* CBaseObj::GetMaterialSlot(int i) {
    return InRange(i, materialSlotCount) ? &m_materialSlots[i] : nullptr;
}

const CTransformData* CBaseObj::GetMaterialSlot(int i) const {
    return InRange(i, materialSlotCount) ? &m_materialSlots[i] : nullptr;
}

void CBaseObj::SetCurrentSlot(int i) {
    if (InRange(i, materialSlotCount))
        m_currentSlot = i;
}

int CBaseObj::GetMirrorAxis(int i) const {
    return InRange(i, 3) ? m_mirrorAxis[i] : 0;
}

void CBaseObj::SetMirrorAxis(int i, int v) {
    if (InRange(i, 3))
        m_mirrorAxis[i] = v;
}

void CBaseObj::SetParentFolder(CFolderObj* folder) {
    m_parent = folder;
    m_parentKey = folder ? folder->GetKey() : CString();
}

int CBaseObj::IsShownEffective() const {
    for (const CBaseObj* obj = this; obj; obj = obj->m_parent)
        if (!obj->m_showOn)
            return 0;
    return 1;
}

int CBaseObj::IsExportEffective() const {
    for (const CBaseObj* obj = this; obj; obj = obj->m_parent)
        if (!obj->m_exportOn)
            return 0;
    return 1;
}

void CBaseObj::CopyAttributes(const CBaseObj& other) {
    // The texts are copied first: a copy that runs out of memory leaves
    // every attribute as it was.
    CString name = other.m_name;
    CString motionBlurTarget = other.m_motionBlurTarget;
    std::swap(m_name, name);
    std::swap(m_motionBlurTarget, motionBlurTarget);
    m_color = other.m_color;
    m_noShadow = other.m_noShadow;
    m_exportOn = other.m_exportOn;
    m_doubleIlluminate = other.m_doubleIlluminate;
    m_showOn = other.m_showOn;
    m_editable = other.m_editable;
    m_motionBlur = other.m_motionBlur;
    m_noImage = other.m_noImage;
    m_noReflection = other.m_noReflection;
    m_hollow = other.m_hollow;
    m_seeThrough = other.m_seeThrough;
    m_seeThroughAmount = other.m_seeThroughAmount;
    for (int i = 0; i < materialSlotCount; ++i)
        m_materialSlots[i].CopyFrom(other.m_materialSlots[i]);
    m_mirrorMode = other.m_mirrorMode;
    m_mirrorLimitDistance = other.m_mirrorLimitDistance;
    m_mirrorLimit = other.m_mirrorLimit;
    m_mirrorAxis = other.m_mirrorAxis;
    m_extraVectors = other.m_extraVectors;
}
