#include "app/default_material.h"
#include "app/material_data.h"
#include "platform/base/archive.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>

using qf::test::DataDir;
using qf::test::ReadFileBytes;

namespace {

std::string FullMaterialBytes() {
    return ReadFileBytes((DataDir() / "records/material_full.bin").string());
}

void SetPattern(CPatternData& p, int pattern, float option, float agateTurb, int mandel, int arms, float c0,
                float c1, int gx, int gy, int gz) {
    p.m_pattern = pattern;
    p.m_option = option;
    p.m_agateTurb = agateTurb;
    p.m_mandelIterations = mandel;
    p.m_spiralArms = arms;
    p.m_control0 = c0;
    p.m_control1 = c1;
    p.m_gradient[0] = gx;
    p.m_gradient[1] = gy;
    p.m_gradient[2] = gz;
}

void SetTurbulence(CTurbulenceData& t, float x, float y, float z, int octaves, float omega, float lambda,
                   float frequency, float phase, int wave) {
    t.m_turbulence[0] = x;
    t.m_turbulence[1] = y;
    t.m_turbulence[2] = z;
    t.m_octaves = octaves;
    t.m_omega = omega;
    t.m_lambda = lambda;
    t.m_frequency = frequency;
    t.m_phase = phase;
    t.m_waveType = wave;
}

void SetMap(CImageMapData& m, const char* file, int mapType, int fileType, int interpolate, int once, int o1,
            int o2) {
    m.m_fileName = file;
    m.m_mapType = mapType;
    m.m_fileType = fileType;
    m.m_interpolate = interpolate;
    m.m_once = once;
    m.m_option1 = o1;
    m.m_option2 = o2;
}

// The material of the reference record: every element kind with values unlike
// its defaults and unlike each other.
void SetFullMaterial(CMaterialData& m) {
    m.m_declared = 1;
    m.m_useTexture = 0;
    m.m_useInterior = 1;
    m.m_name = "金属A";
    m.m_declaredName = "M_Decl";

    CTextureData& t = m.m_texture;
    t.m_declared = 1;
    t.m_usePigment = 0;
    t.m_useNormal = 1;
    t.m_useFinish = 1;
    t.m_declaredName = "T_Decl";

    CPigmentData& p = t.m_pigment;
    for (int k = 0; k < CPigmentData::colorCount; ++k) {
        p.m_colors[k].m_color = ((k + 1) * 0x030507) & 0xFFFFFF;
        p.m_colors[k].m_filter = k * 0.25f;
        p.m_colors[k].m_transmit = k * 0.125f;
        p.m_positions[k] = k * 40;
    }
    p.m_count = 5;
    p.m_declaredName = "P_Decl";
    p.m_brickSize[0] = 1.5f;
    p.m_brickSize[1] = 2.5f;
    p.m_brickSize[2] = 3.5f;
    p.m_mortar = 0.75f;
    p.m_useTurbulence = 1;
    p.m_kind = pigmentColorMap;
    p.m_option = 9;
    SetPattern(p.m_pattern, 19, 0.25f, 1.75f, 33, 7, 0.125f, 0.875f, 1, -1, 0);
    SetTurbulence(p.m_turbulence, 0.5f, 0.25f, 0.75f, 4, 0.375f, 2.5f, 3.0f, 0.625f, 2);
    SetMap(p.m_imageMap, "maps/wood.png", 2, 5, 2, 1, 3, 1);

    CNormalData& n = t.m_normal;
    n.m_bumpSize = 0.5f;
    n.m_declaredName = "N_Decl";
    n.m_kind = normalBumpMap;
    n.m_option = 4;
    n.m_useTurbulence = 1;
    n.m_useBumpSize = 1;
    SetPattern(n.m_pattern, 3, 0.75f, 2.0f, 12, 3, 0.25f, 0.5f, 0, 1, 0);
    SetTurbulence(n.m_turbulence, 1.0f, 0.0f, 0.5f, 8, 0.25f, 3.0f, 0.5f, 1.25f, 3);
    SetMap(n.m_bumpMap, "bump.tga", 1, 1, 1, 0, 0, 0);

    CFinishData& f = t.m_finish;
    f.m_specular = 0.5f;
    f.m_roughness = 0.03125f;
    f.m_phong = 0.75f;
    f.m_phongSize = 60;
    const float ambient[3] = {0.25f, 0.375f, 0.5f}, reflection[3] = {0.5f, 0.625f, 0.75f},
                irid[3] = {0.8125f, 0.875f, 1.125f};
    for (int c = 0; c < 3; ++c) {
        f.m_ambient[c] = ambient[c];
        f.m_reflection[c] = reflection[c];
        f.m_iridTurbulence[c] = irid[c];
    }
    f.m_diffuse = 0.6875f;
    f.m_brilliance = 2;
    f.m_useReflection = 1;
    f.m_crand = 0.0625f;
    f.m_useMetallic = 1;
    f.m_metallic = 0.5f;
    f.m_useIrid = 1;
    f.m_iridAmount = 0.34375f;
    f.m_iridThickness = 0.4375f;
    f.m_declared = 0;
    f.m_declaredName = "F_Decl";
    f.m_megaPov = 1;
    f.m_useBlinn = 1;
    f.m_blinn[0] = 0.9375f;
    f.m_reflectionMin = 0.09375f;
    f.m_blinn[1] = 0.1875f;
    f.m_reflectionMax = 0.96875f;
    f.m_useReflectionBlur = 1;
    f.m_reflectionBlur = 0.3125f;
    f.m_reflectionSamples = 12;
    f.m_conserveEnergy = 1;
    f.m_useReflectionMetallic = 1;
    f.m_reflectionMetallic = 0.65625f;
    f.m_useReflectionType = 1;
    f.m_reflectionType = 2;
    f.m_reflectionFalloff = 1.5f;

    CInteriorData& i = m.m_interior;
    i.m_ior = 1.5f;
    i.m_useCaustics = 1;
    i.m_caustics = 0.8125f;
    i.m_useFade = 1;
    i.m_fadeDistance = 5;
    i.m_fadePower = 3;
    i.m_declared = 0;
    i.m_declaredName = "I_Decl";
    i.m_megaPov = 1;
    i.m_reserved[0] = 7;
    i.m_reserved[1] = 8;
}

std::string Stored(const CMaterialData& material) {
    CArchive out;
    EXPECT_EQ(material.Store(out), 1);
    return out.GetBytes();
}

// A little-endian 4-byte value as the archive holds it.
std::string Word(int32_t v) {
    return std::string(reinterpret_cast<const char*>(&v), 4);
}

} // namespace

TEST(MaterialDataTest, FullMaterialMatchesTheReferenceBytes) {
    CMaterialData material;
    SetFullMaterial(material);
    EXPECT_EQ(Stored(material), FullMaterialBytes());

    CMaterialData loaded;
    CArchive in(FullMaterialBytes());
    EXPECT_EQ(loaded.Load(in), 1);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(Stored(loaded), FullMaterialBytes());
    EXPECT_EQ(loaded.m_texture.m_finish.m_reflection[1], 0.625f) << "interleaved finish order";
    EXPECT_EQ(loaded.m_texture.m_pigment.m_colors[24].m_transmit, 3.0f) << "entries past the count";
}

TEST(MaterialDataTest, DefaultMaterialRecordStart) {
    CMaterialData material;
    material.m_name = "mat";
    const std::string bytes = Stored(material);
    // Version, declared, use texture, use interior, the two names, then the
    // texture: version, declared, use pigment, use normal, use finish.
    const std::string start = Word(1) + Word(0) + Word(1) + Word(0) + std::string("\x03mat\x00", 5) +
                              Word(1) + Word(0) + Word(1) + Word(0) + Word(0);
    EXPECT_EQ(bytes.substr(0, start.size()), start);
    CMaterialData loaded;
    CArchive in(bytes);
    loaded.Load(in);
    EXPECT_EQ(Stored(loaded), bytes);
    EXPECT_EQ(loaded.m_texture.m_normal.m_bumpMap.m_option2, 0) << "a bump map's second option word";
    EXPECT_EQ(loaded.m_texture.m_pigment.m_imageMap.m_option2, 1);
    EXPECT_EQ(loaded.m_texture.m_pigment.m_positions[1], 1000);
}

TEST(MaterialDataTest, ImpossibleTableValuesAreADamagedFile) {
    // Offsets in the reference record: the colour count follows the material
    // (4 + 12 bytes and its two names of 6 and 7 bytes), the texture (4 + 16 +
    // 7) and the pigment's version and 25 colour entries of 16 bytes.
    const size_t countAt = 4 + 12 + 6 + 7 + 4 + 16 + 7 + 4 + 25 * 16;
    std::string bytes = FullMaterialBytes();
    ASSERT_EQ(bytes.substr(countAt, 4), Word(5));
    for (int32_t bad : {-1, 26}) {
        std::string damaged = bytes;
        damaged.replace(countAt, 4, Word(bad));
        CArchive in(damaged);
        CMaterialData loaded;
        EXPECT_THROW(loaded.Load(in), CArchiveException) << "colour count " << bad;
    }
    // The pigment's image map: version, "maps/wood.png", map type 2, file type 5.
    const size_t mapAt = bytes.find("\x0Dmaps/wood.png") + 14;
    ASSERT_EQ(bytes.substr(mapAt, 8), Word(2) + Word(5));
    for (const auto& [offset, bad] : {std::pair{mapAt, 4}, std::pair{mapAt + 4, 7}}) {
        std::string damaged = bytes;
        damaged.replace(offset, 4, Word(bad));
        CArchive in(damaged);
        CMaterialData loaded;
        EXPECT_THROW(loaded.Load(in), CArchiveException) << "map or file type " << bad;
    }
    bytes.resize(bytes.size() - 1);
    CArchive truncated(bytes);
    CMaterialData loaded;
    EXPECT_THROW(loaded.Load(truncated), CArchiveException);
}

TEST(MaterialDataTest, CopyTakesTheDescriptionNotTheIdentity) {
    CMaterialData source;
    SetFullMaterial(source);
    source.m_selected = 1;
    source.m_index = 4;
    source.m_id = 12;
    CMaterialData copy;
    copy.m_id = 3;
    copy.CopyFrom(source);
    EXPECT_EQ(Stored(copy), Stored(source));
    EXPECT_EQ(copy.m_selected, 0);
    EXPECT_EQ(copy.m_index, 0);
    EXPECT_EQ(copy.m_id, 3);
}

TEST(DefaultMatSettingTest, StoresTheReferenceByName) {
    CObjList<CMaterialData> saved;
    CMaterialData* gold = saved.Emplace();
    gold->m_name = "gold";
    gold->m_id = 4;
    CMaterialData* glass = saved.Emplace();
    glass->m_name = "ガラス";
    glass->m_id = 9;

    CDefaultMatSetting fresh;
    CArchive freshOut;
    fresh.Store(freshOut, saved);
    EXPECT_EQ(freshOut.GetBytes(), Word(0) + Word(0) + std::string("\x01 ", 2)) << "no reference: a blank";

    CDefaultMatSetting setting;
    setting.m_colorType = 1;
    setting.m_useReference = 1;
    setting.m_referencedMaterial = 9;
    glass->m_name = "ガラス2"; // renamed before saving: the current name is stored
    CArchive out;
    setting.Store(out, saved);

    // The file's materials get new ids on reading.
    CObjList<CMaterialData> read;
    read.Emplace()->m_name = "gold";
    read.GetTail()->m_id = 0;
    read.Emplace()->m_name = "ガラス2";
    read.GetTail()->m_id = 1;
    CDefaultMatSetting loaded;
    CArchive in(out.GetBytes());
    loaded.Load(in, read);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(loaded.m_colorType, 1);
    EXPECT_EQ(loaded.m_useReference, 1);
    EXPECT_EQ(loaded.m_referencedMaterial, 1);

    setting.m_referencedMaterial = 77; // no material has it
    CArchive lost;
    setting.Store(lost, saved);
    EXPECT_EQ(lost.GetBytes(), Word(1) + Word(1) + std::string("\x01 ", 2));
    CArchive lostIn(lost.GetBytes());
    loaded.Load(lostIn, read);
    EXPECT_EQ(loaded.m_referencedMaterial, -1);

    loaded.Reset();
    EXPECT_EQ(loaded.m_colorType, 0);
    EXPECT_EQ(loaded.m_useReference, 0);
    EXPECT_EQ(loaded.m_referencedMaterial, -1);
}
