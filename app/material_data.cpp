#include "app/material_data.h"

#include "platform/base/archive.h"

#include <string>

namespace {

constexpr int32_t kRecordVersion = 1;

// Every record starts with a version word that readers skip.
void SkipVersion(CArchive& ar) {
    int32_t version = 0;
    ar >> version;
}

// A value that selects an entry of a table of tableSize must lie inside it.
int LoadTableIndex(CArchive& ar, int tableSize, const char* what) {
    int32_t v = 0;
    ar >> v;
    if (v < 0 || v >= tableSize)
        ar.Fail(CArchiveException::badSchema, std::string("impossible ") + what + " " + std::to_string(v));
    return v;
}

} // namespace

int CPatternData::Store(CArchive& ar) const {
    ar << kRecordVersion;
    ar << int32_t{m_pattern} << m_bumpDepth << m_agateTurb << int32_t{m_mandelIterations}
       << int32_t{m_spiralArms} << m_control0 << m_control1 << int32_t{m_gradient[0]}
       << int32_t{m_gradient[1]} << int32_t{m_gradient[2]};
    return 1;
}

int CPatternData::Load(CArchive& ar) {
    SkipVersion(ar);
    ar >> m_pattern >> m_bumpDepth >> m_agateTurb >> m_mandelIterations >> m_spiralArms >> m_control0 >>
        m_control1 >> m_gradient[0] >> m_gradient[1] >> m_gradient[2];
    return 1;
}

int CTurbulenceData::Store(CArchive& ar) const {
    ar << kRecordVersion;
    ar << m_turbulence[0] << m_turbulence[1] << m_turbulence[2] << int32_t{m_octaves} << m_omega << m_lambda
       << m_frequency << m_phase << int32_t{m_waveType};
    return 1;
}

int CTurbulenceData::Load(CArchive& ar) {
    SkipVersion(ar);
    ar >> m_turbulence[0] >> m_turbulence[1] >> m_turbulence[2] >> m_octaves >> m_omega >> m_lambda >>
        m_frequency >> m_phase >> m_waveType;
    return 1;
}

int CImageMapData::Store(CArchive& ar) const {
    ar << kRecordVersion;
    ar << m_fileName << int32_t{m_mapType} << int32_t{m_fileType} << int32_t{m_interpolate} << int32_t{m_once}
       << int32_t{m_useIndex} << int32_t{m_option2};
    return 1;
}

int CImageMapData::Load(CArchive& ar) {
    SkipVersion(ar);
    ar >> m_fileName;
    m_mapType = LoadTableIndex(ar, mapTypeCount, "image map type");
    m_fileType = LoadTableIndex(ar, fileTypeCount, "image file type");
    ar >> m_interpolate >> m_once >> m_useIndex >> m_option2;
    return 1;
}

CPigmentData::CPigmentData() {
    for (int& position : m_positions)
        position = 0;
    m_positions[1] = 1000;
}

int CPigmentData::Store(CArchive& ar) const {
    ar << kRecordVersion;
    for (int i = 0; i < colorCount; ++i)
        ar << m_colors[i].m_color << m_colors[i].m_filter << m_colors[i].m_transmit
           << int32_t{m_positions[i]};
    ar << int32_t{m_count} << m_declaredName << m_brickSize[0] << m_brickSize[1] << m_brickSize[2] << m_mortar
       << int32_t{m_useTurbulence} << int32_t{m_kind} << int32_t{m_megaPov};
    m_pattern.Store(ar);
    m_turbulence.Store(ar);
    m_imageMap.Store(ar);
    return 1;
}

int CPigmentData::Load(CArchive& ar) {
    SkipVersion(ar);
    for (int i = 0; i < colorCount; ++i)
        ar >> m_colors[i].m_color >> m_colors[i].m_filter >> m_colors[i].m_transmit >> m_positions[i];
    m_count = LoadTableIndex(ar, colorCount + 1, "colour count");
    ar >> m_declaredName >> m_brickSize[0] >> m_brickSize[1] >> m_brickSize[2] >> m_mortar >>
        m_useTurbulence >> m_kind >> m_megaPov;
    m_pattern.Load(ar);
    m_turbulence.Load(ar);
    m_imageMap.Load(ar);
    return 1;
}

int CNormalData::Store(CArchive& ar) const {
    ar << kRecordVersion;
    ar << m_bumpSize << m_declaredName << int32_t{m_kind} << int32_t{m_megaPov} << int32_t{m_useTurbulence}
       << int32_t{m_useBumpSize};
    m_pattern.Store(ar);
    m_turbulence.Store(ar);
    m_bumpMap.Store(ar);
    return 1;
}

int CNormalData::Load(CArchive& ar) {
    SkipVersion(ar);
    ar >> m_bumpSize >> m_declaredName >> m_kind >> m_megaPov >> m_useTurbulence >> m_useBumpSize;
    m_pattern.Load(ar);
    m_turbulence.Load(ar);
    m_bumpMap.Load(ar);
    return 1;
}

int CFinishData::Store(CArchive& ar) const {
    ar << kRecordVersion;
    ar << m_specular << m_roughness << m_phong << m_phongSize;
    // Ambient, reflection and irid turbulence alternate by component.
    for (int i = 0; i < 3; ++i)
        ar << m_ambient[i] << m_reflection[i] << m_iridTurbulence[i];
    ar << m_diffuse << m_brilliance << int32_t{m_useReflection} << m_crand << int32_t{m_useMetallic}
       << m_metallic << int32_t{m_useIrid} << m_iridAmount << m_iridThickness << int32_t{m_declared}
       << m_declaredName << int32_t{m_megaPov} << int32_t{m_useBlinn};
    ar << m_blinn[0] << m_reflectionMin << m_blinn[1] << m_reflectionMax;
    ar << int32_t{m_useReflectionBlur} << m_reflectionBlur << int32_t{m_reflectionSamples}
       << int32_t{m_conserveEnergy} << int32_t{m_useReflectionMetallic} << m_reflectionMetallic
       << int32_t{m_useReflectionType} << int32_t{m_reflectionType} << m_reflectionFalloff;
    return 1;
}

int CFinishData::Load(CArchive& ar) {
    SkipVersion(ar);
    ar >> m_specular >> m_roughness >> m_phong >> m_phongSize;
    for (int i = 0; i < 3; ++i)
        ar >> m_ambient[i] >> m_reflection[i] >> m_iridTurbulence[i];
    ar >> m_diffuse >> m_brilliance >> m_useReflection >> m_crand >> m_useMetallic >> m_metallic >>
        m_useIrid >> m_iridAmount >> m_iridThickness >> m_declared >> m_declaredName >> m_megaPov >>
        m_useBlinn;
    ar >> m_blinn[0] >> m_reflectionMin >> m_blinn[1] >> m_reflectionMax;
    ar >> m_useReflectionBlur >> m_reflectionBlur >> m_reflectionSamples >> m_conserveEnergy >>
        m_useReflectionMetallic >> m_reflectionMetallic >> m_useReflectionType >> m_reflectionType >>
        m_reflectionFalloff;
    return 1;
}

int CInteriorData::Store(CArchive& ar) const {
    ar << kRecordVersion;
    ar << m_ior << int32_t{m_useCaustics} << m_caustics << int32_t{m_useFade} << m_fadeDistance << m_fadePower
       << int32_t{m_declared} << m_declaredName << int32_t{m_megaPov} << int32_t{m_reserved[0]}
       << int32_t{m_reserved[1]};
    return 1;
}

int CInteriorData::Load(CArchive& ar) {
    SkipVersion(ar);
    ar >> m_ior >> m_useCaustics >> m_caustics >> m_useFade >> m_fadeDistance >> m_fadePower >> m_declared >>
        m_declaredName >> m_megaPov >> m_reserved[0] >> m_reserved[1];
    return 1;
}

int CTextureData::Store(CArchive& ar) const {
    ar << kRecordVersion;
    ar << int32_t{m_declared} << int32_t{m_usePigment} << int32_t{m_useNormal} << int32_t{m_useFinish}
       << m_declaredName;
    m_pigment.Store(ar);
    m_normal.Store(ar);
    m_finish.Store(ar);
    return 1;
}

int CTextureData::Load(CArchive& ar) {
    SkipVersion(ar);
    ar >> m_declared >> m_usePigment >> m_useNormal >> m_useFinish >> m_declaredName;
    m_pigment.Load(ar);
    m_normal.Load(ar);
    m_finish.Load(ar);
    return 1;
}

void CMaterialData::CopyFrom(const CMaterialData& other) {
    m_declared = other.m_declared;
    m_useTexture = other.m_useTexture;
    m_useInterior = other.m_useInterior;
    m_name = other.m_name;
    m_declaredName = other.m_declaredName;
    m_texture.CopyFrom(other.m_texture);
    m_interior.CopyFrom(other.m_interior);
}

int CMaterialData::Store(CArchive& ar) const {
    ar << kRecordVersion;
    ar << int32_t{m_declared} << int32_t{m_useTexture} << int32_t{m_useInterior} << m_name << m_declaredName;
    m_texture.Store(ar);
    m_interior.Store(ar);
    return 1;
}

int CMaterialData::Load(CArchive& ar) {
    SkipVersion(ar);
    ar >> m_declared >> m_useTexture >> m_useInterior >> m_name >> m_declaredName;
    m_texture.Load(ar);
    m_interior.Load(ar);
    return 1;
}
