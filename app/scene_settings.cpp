#include "app/scene_settings.h"

#include "platform/base/archive.h"
#include "platform/base/cstring.h"

int CGlobalSettingsData::Store(CArchive& ar) const {
    ar << CString(keyword);
    ar << m_adcBailout << m_ambientLight << m_assumedGamma << int32_t{m_hfGray16} << m_iridWavelength
       << int32_t{m_maxIntersections} << int32_t{m_maxTraceLevel} << int32_t{m_numberOfWaves};
    return 1;
}

int CGlobalSettingsData::Load(CArchive& ar) {
    ar >> m_adcBailout >> m_ambientLight >> m_assumedGamma >> m_hfGray16 >> m_iridWavelength >>
        m_maxIntersections >> m_maxTraceLevel >> m_numberOfWaves;
    return 1;
}

int CRadiosityData::Store(CArchive& ar) const {
    ar << CString(keyword);
    ar << m_brightness << int32_t{m_count} << m_distanceMaximum << m_errorBound << m_grayThreshold
       << m_lowErrorFactor << m_minimumReuse << int32_t{m_nearestCount} << int32_t{m_recursionLimit};
    return 1;
}

int CRadiosityData::Load(CArchive& ar) {
    ar >> m_brightness >> m_count >> m_distanceMaximum >> m_errorBound >> m_grayThreshold >>
        m_lowErrorFactor >> m_minimumReuse >> m_nearestCount >> m_recursionLimit;
    return 1;
}

int CRadiosity2Data::Store(CArchive& ar) const {
    ar << CString(keyword);
    ar << m_adcBailout << int32_t{m_alwaysSample} << m_brightness << int32_t{m_count} << m_errorBound
       << m_grayThreshold << m_lowErrorFactor << m_maxSample << int32_t{m_media} << m_minimumReuse
       << int32_t{m_nearestCount} << int32_t{m_normal} << m_pretraceEnd << m_pretraceStart
       << int32_t{m_recursionLimit};
    return 1;
}

int CRadiosity2Data::Load(CArchive& ar) {
    ar >> m_adcBailout >> m_alwaysSample >> m_brightness >> m_count >> m_errorBound >> m_grayThreshold >>
        m_lowErrorFactor >> m_maxSample >> m_media >> m_minimumReuse >> m_nearestCount >> m_normal >>
        m_pretraceEnd >> m_pretraceStart >> m_recursionLimit;
    return 1;
}

int CPostProcessData::Store(CArchive& ar) const {
    ar << CString(keyword);
    ar << int32_t{m_focalBlurOn} << m_focalBlur[0] << m_focalBlur[1] << m_focalBlur[2];
    ar << int32_t{m_softGlowOn} << m_softGlow[0] << m_softGlow[1];
    ar << int32_t{m_depthOn} << m_depth[0] << m_depth[1];
    ar << int32_t{m_starsOn} << m_starsDensity << m_starsColor[0] << m_starsColor[1];
    ar << int32_t{m_posterizeOn} << int32_t{m_posterizeLevels[0]} << int32_t{m_posterizeLevels[1]}
       << int32_t{m_posterizeLevels[2]};
    ar << int32_t{m_normalOn};
    ar << int32_t{m_clipColorsOn} << m_clipColors[0] << m_clipColors[1];
    ar << int32_t{m_invertOn};
    ar << int32_t{m_findEdgesOn};
    for (float v : m_findEdges)
        ar << v;
    ar << m_findEdgesColor;
    // A closing word, always 1; readers skip its value.
    ar << int32_t{1};
    return 1;
}

int CPostProcessData::Load(CArchive& ar) {
    ar >> m_focalBlurOn >> m_focalBlur[0] >> m_focalBlur[1] >> m_focalBlur[2];
    ar >> m_softGlowOn >> m_softGlow[0] >> m_softGlow[1];
    ar >> m_depthOn >> m_depth[0] >> m_depth[1];
    ar >> m_starsOn >> m_starsDensity >> m_starsColor[0] >> m_starsColor[1];
    ar >> m_posterizeOn >> m_posterizeLevels[0] >> m_posterizeLevels[1] >> m_posterizeLevels[2];
    ar >> m_normalOn;
    ar >> m_clipColorsOn >> m_clipColors[0] >> m_clipColors[1];
    ar >> m_invertOn;
    ar >> m_findEdgesOn;
    for (float& v : m_findEdges)
        ar >> v;
    ar >> m_findEdgesColor;
    int32_t closing = 0;
    ar >> closing;
    return 1;
}
