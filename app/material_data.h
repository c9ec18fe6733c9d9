#pragma once
// A POV-Ray material: one texture (pigment, normal, finish) and one interior,
// each given by its own parameters or by the name of an identifier declared in
// an include file. Element records are held by value inside their owner. Each
// record copies itself (undo), stores itself in the document file (a version
// word 1, its own fields, then its embedded records) and writes itself as a
// POV-Ray block (material_pov.cpp). Colours are packed 0x00BBGGRR.
#include "platform/base/cstring.h"

#include <cstdint>

class CArchive;
namespace qf {
class CTextFileWriter;
}

// One colour of a pigment: solid colour, checker/brick/hexagon colour or
// colour-map stop.
class CColorMapEntry {
public:
    uint32_t m_color = 0xFFFFFF;
    float m_filter = 0.0f;
    float m_transmit = 0.0f;
};

enum PatternKind {
    patternAgate = 0,
    patternBozo,
    patternCrackle,
    patternGradient,
    patternGranite,
    patternLeopard,
    patternMandel,
    patternMarble,
    patternOnion,
    patternRadial,
    patternSpiral1,
    patternSpiral2,
    patternSpotted,
    patternWood,
    patternBumps,
    patternRipples,
    patternDents,
    patternWaves,
    patternWrinkles,
    patternQuilted,
    patternBoxed,
    patternCylindrical,
    patternPlanar,
    patternSpherical,
    patternCount
};

class CPatternData {
public:
    void CopyFrom(const CPatternData& other) { *this = other; }
    int Store(CArchive& ar) const;
    int Load(CArchive& ar);
    // The pattern lines; a pattern number outside the table writes nothing.
    void Write(qf::CTextFileWriter& file, int megaPov) const;

    int m_pattern = patternAgate;
    float m_bumpDepth = 0.5f;
    float m_agateTurb = 1.0f;
    int m_mandelIterations = 25;
    int m_spiralArms = 5;
    float m_control0 = 0.0f;
    float m_control1 = 1.0f;
    int m_gradient[3] = {0, 0, 1};
};

enum WaveType { waveRamp = 0, waveTriangle, waveSine, waveScallop };

// Turbulence and warp parameters.
class CTurbulenceData {
public:
    void CopyFrom(const CTurbulenceData& other) { *this = other; }
    int Store(CArchive& ar) const;
    int Load(CArchive& ar);
    // The values that differ from POV-Ray's defaults, then the wave line.
    void Write(qf::CTextFileWriter& file, int megaPov) const;

    float m_turbulence[3] = {0.0f, 0.0f, 0.0f};
    int m_octaves = 6;
    float m_omega = 0.5f;
    float m_lambda = 2.0f;
    float m_frequency = 1.0f;
    float m_phase = 0.0f;
    int m_waveType = waveRamp;
};

enum ImageMapType { mapPlanar = 0, mapSpherical, mapCylindrical, mapTorus, mapTypeCount };
enum ImageFileType { fileGif = 0, fileTga, fileIff, filePpm, filePgm, filePng, fileSys, fileTypeCount };

// The image map of a pigment or the bump map of a normal.
class CImageMapData {
public:
    // A bump map starts its second option word at 0, an image map at 1.
    explicit CImageMapData(int option2 = 1) : m_option2(option2) {}

    void CopyFrom(const CImageMapData& other) { *this = other; }
    int Store(CArchive& ar) const;
    // Throws CArchiveException for a map or file type outside the tables.
    int Load(CArchive& ar);
    void WriteImageMap(qf::CTextFileWriter& file, int megaPov) const;
    void WriteBumpMap(qf::CTextFileWriter& file, int megaPov) const;

    CString m_fileName;
    int m_mapType = mapPlanar;
    int m_fileType = fileTga;
    int m_interpolate = 0; // 0 none, 1 interpolate 2, 2 interpolate 4
    int m_once = 0;
    int m_useIndex = 0;
    int m_option2; // stored and copied only

private:
    void WriteMap(qf::CTextFileWriter& file, const char* keyword) const;
};

enum PigmentKind {
    pigmentSolid = 0,
    pigmentChecker,
    pigmentHexagon,
    pigmentBrick,
    pigmentColorMap,
    pigmentImageMap,
    pigmentDeclared
};

class CPigmentData {
public:
    static constexpr int colorCount = 25;

    CPigmentData();
    void CopyFrom(const CPigmentData& other) { *this = other; }
    int Store(CArchive& ar) const;
    // Throws CArchiveException for a colour count outside 0..25.
    int Load(CArchive& ar);
    void Write(qf::CTextFileWriter& file, int megaPov) const;

    // Entry 0 is the solid colour; checker and brick use 0-1, hexagon 0-2, a
    // colour map 0 .. count-1.
    CColorMapEntry m_colors[colorCount];
    int m_positions[colorCount]; // 0..1000 along the colour map
    int m_count = 2;             // colour-map entries in use
    CPatternData m_pattern;
    CTurbulenceData m_turbulence;
    CImageMapData m_imageMap;
    CString m_declaredName;
    float m_brickSize[3] = {8.0f, 3.0f, 4.5f};
    float m_mortar = 0.5f;
    int m_useTurbulence = 0;
    int m_kind = pigmentSolid;
    int m_megaPov = 0;
};

enum NormalKind { normalPattern = 0, normalBumpMap, normalDeclared };

class CNormalData {
public:
    void CopyFrom(const CNormalData& other) { *this = other; }
    int Store(CArchive& ar) const;
    int Load(CArchive& ar);
    void Write(qf::CTextFileWriter& file, int megaPov) const;

    CPatternData m_pattern;
    CImageMapData m_bumpMap{0};
    CTurbulenceData m_turbulence;
    float m_bumpSize = 1.0f;
    CString m_declaredName;
    int m_kind = normalPattern;
    int m_megaPov = 0;
    int m_useTurbulence = 0;
    int m_useBumpSize = 0;
};

class CFinishData {
public:
    void CopyFrom(const CFinishData& other) { *this = other; }
    int Store(CArchive& ar) const;
    int Load(CArchive& ar);
    // The MegaPOV values are written only when megaPov and m_megaPov are both 1.
    void Write(qf::CTextFileWriter& file, int megaPov) const;

    float m_specular = 0.0f;
    float m_roughness = 0.05f;
    float m_phong = 0.0f;
    float m_phongSize = 40.0f;
    float m_ambient[3] = {0.1f, 0.1f, 0.1f};
    float m_diffuse = 0.6f;
    float m_brilliance = 1.0f;
    float m_reflection[3] = {1.0f, 1.0f, 1.0f};
    int m_useReflection = 0;
    float m_crand = 0.0f;
    int m_useMetallic = 0;
    float m_metallic = 1.0f;
    int m_useIrid = 0;
    float m_iridAmount = 1.0f;
    float m_iridThickness = 0.5f;
    float m_iridTurbulence[3] = {1.0f, 1.0f, 1.0f};
    int m_declared = 0;
    CString m_declaredName;
    int m_megaPov = 0;
    int m_useBlinn = 0;
    float m_blinn[2] = {1.0f, 0.0f};
    int m_useReflectionBlur = 0;
    float m_reflectionBlur = 0.0f;
    int m_reflectionSamples = 1;
    int m_conserveEnergy = 0;
    int m_useReflectionMetallic = 0;
    float m_reflectionMetallic = 1.0f;
    int m_useReflectionType = 0;
    int m_reflectionType = 0;
    float m_reflectionMin = 0.0f;
    float m_reflectionMax = 1.0f;
    float m_reflectionFalloff = 1.0f;
};

class CInteriorData {
public:
    void CopyFrom(const CInteriorData& other) { *this = other; }
    int Store(CArchive& ar) const;
    int Load(CArchive& ar);
    void Write(qf::CTextFileWriter& file, int megaPov) const;

    float m_ior = 1.0f;
    int m_useCaustics = 0;
    float m_caustics = 1.0f;
    int m_useFade = 0;
    float m_fadeDistance = 10.0f;
    float m_fadePower = 2.0f;
    int m_declared = 0;
    CString m_declaredName;
    int m_megaPov = 0;
    int m_reserved[2] = {0, 0};
};

class CTextureData {
public:
    void CopyFrom(const CTextureData& other) { *this = other; }
    int Store(CArchive& ar) const;
    int Load(CArchive& ar);
    void Write(qf::CTextFileWriter& file, int megaPov) const;

    int m_declared = 0;
    CString m_declaredName;
    CPigmentData m_pigment;
    CNormalData m_normal;
    CFinishData m_finish;
    int m_usePigment = 1;
    int m_useNormal = 0;
    int m_useFinish = 0;
};

class CMaterialData {
public:
    // The description only: not the selection, the running index or the id.
    void CopyFrom(const CMaterialData& other);
    // One material of the "material_info" section (the document writes the
    // keyword and the count).
    int Store(CArchive& ar) const;
    int Load(CArchive& ar);
    // "material{ ... }" followed by an empty line; the caller writes the
    // "#declare" in front.
    void Write(qf::CTextFileWriter& file, int megaPov) const;

    CTextureData m_texture;
    CInteriorData m_interior;
    int m_useInterior = 0;
    int m_useTexture = 1;
    CString m_name;
    CString m_declaredName;
    int m_selected = 0; // 1: the material the editor works on
    int m_index = 0;    // running number, written by the document's renumbering
    int m_declared = 0; // 1: the whole material is its declared name
    int m_id = 0;       // what objects' material slots refer to; given by the document
};
