#include "app/default_material.h"

#include "platform/base/archive.h"

namespace {

// Stands for "no material" in the file.
const char* const kNoMaterialName = " ";

} // namespace

void CDefaultMatSetting::Reset() {
    m_colorType = 0;
    m_useReference = 0;
    m_referencedMaterial = -1;
}

int CDefaultMatSetting::Store(CArchive& ar, const CObjList<CMaterialData>& materials) const {
    CString name = kNoMaterialName;
    for (const CMaterialData* material : materials)
        if (material->m_id == m_referencedMaterial) {
            name = material->m_name;
            break;
        }
    ar << int32_t{m_colorType} << int32_t{m_useReference} << name;
    return 1;
}

int CDefaultMatSetting::Load(CArchive& ar, const CObjList<CMaterialData>& materials) {
    CString name;
    ar >> m_colorType >> m_useReference >> name;
    m_referencedMaterial = -1;
    for (const CMaterialData* material : materials)
        if (material->m_name == name) {
            m_referencedMaterial = material->m_id;
            break;
        }
    return 1;
}
