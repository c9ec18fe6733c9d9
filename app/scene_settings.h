#pragma once
// The scene-wide renderer settings the document stores with the scene: POV-Ray
// global settings, two radiosity variants and MegaPOV post-processing. Each
// record copies itself, writes its own section keyword and fields into the
// document file, and reads its fields back once the reader has matched the
// keyword. Colours are packed 0x00BBGGRR.
#include <cstdint>

class CArchive;

class CGlobalSettingsData {
public:
    static constexpr const char* keyword = "global_settings";

    void CopyFrom(const CGlobalSettingsData& other) { *this = other; }
    int Store(CArchive& ar) const;
    int Load(CArchive& ar);

    float m_adcBailout = 0.0039f;
    uint32_t m_ambientLight = 0xFFFFFF;
    float m_assumedGamma = 2.2f;
    int m_hfGray16 = 0;
    uint32_t m_iridWavelength = 0x242E44;
    int m_maxIntersections = 64;
    int m_maxTraceLevel = 10;
    int m_numberOfWaves = 10;
};

class CRadiosityData {
public:
    static constexpr const char* keyword = "radiosity_info";

    void CopyFrom(const CRadiosityData& other) { *this = other; }
    int Store(CArchive& ar) const;
    int Load(CArchive& ar);

    float m_brightness = 3.3f;
    int m_count = 100;
    float m_distanceMaximum = 0.0f;
    float m_errorBound = 0.4f;
    float m_grayThreshold = 0.5f;
    float m_lowErrorFactor = 0.8f;
    float m_minimumReuse = 0.015f;
    int m_nearestCount = 6;
    int m_recursionLimit = 1;
};

class CRadiosity2Data {
public:
    static constexpr const char* keyword = "radiosity2_info";

    void CopyFrom(const CRadiosity2Data& other) { *this = other; }
    int Store(CArchive& ar) const;
    int Load(CArchive& ar);

    float m_adcBailout = 0.01f;
    int m_alwaysSample = 1;
    float m_brightness = 1.0f;
    int m_count = 35;
    float m_errorBound = 1.8f;
    float m_grayThreshold = 0.0f;
    float m_lowErrorFactor = 0.5f;
    float m_maxSample = -1.0f;
    int m_media = 0;
    float m_minimumReuse = 0.015f;
    int m_nearestCount = 5;
    int m_normal = 0;
    float m_pretraceEnd = 0.04f;
    float m_pretraceStart = 0.08f;
    int m_recursionLimit = 3;
};

// Each effect has its own on flag; the scene writer uses an effect only when
// the render settings enable it as well.
class CPostProcessData {
public:
    static constexpr const char* keyword = "post_process_info";

    void CopyFrom(const CPostProcessData& other) { *this = other; }
    int Store(CArchive& ar) const;
    int Load(CArchive& ar);

    int m_focalBlurOn = 0;
    float m_focalBlur[3] = {5.0f, 10.0f, 6.0f};
    int m_softGlowOn = 0;
    float m_softGlow[2] = {1.0f, 8.0f};
    int m_depthOn = 0;
    float m_depth[2] = {0.0f, 100.0f};
    int m_starsOn = 0;
    float m_starsDensity = 0.05f;
    uint32_t m_starsColor[2] = {0x969696, 0xFFFFFF};
    int m_posterizeOn = 0;
    int m_posterizeLevels[3] = {1000, 1000, 1000}; // red, green, blue
    int m_normalOn = 0;
    int m_clipColorsOn = 0;
    uint32_t m_clipColors[2] = {0x960096, 0xFF14FF};
    int m_invertOn = 0;
    int m_findEdgesOn = 0;
    float m_findEdges[5] = {1.0f, 0.3f, 0.15f, 2.0f, 1.0f};
    uint32_t m_findEdgesColor = 0;
};
