#include "app/default_material.h"
#include "app/material_data.h"
#include "platform/base/archive.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <string>

namespace {

std::string FullMaterialBytes() {
    return qf::test::ReadFileBytes((qf::test::DataDir() / "records/material_full.bin").string());
}

// The material of the reference record: every element kind with values unlike
// its defaults and unlike each other.
CMaterialData FullMaterial() {
    CMaterialData m;
    CTextureData& t = m.m_texture;
    CPigmentData& p = t.m_pigment;
    CNormalData& n = t.m_normal;
    CFinishData& f = t.m_finish;
    CInteriorData& i = m.m_interior;
    // clang-format off
    m.m_declared = 1; m.m_useTexture = 0; m.m_useInterior = 1; m.m_name = "金属A"; m.m_declaredName = "M_Decl";
    t.m_declared = 1; t.m_usePigment = 0; t.m_useNormal = 1; t.m_useFinish = 1; t.m_declaredName = "T_Decl";
    for (int k = 0; k < CPigmentData::colorCount; ++k) {
        p.m_colors[k] = {((k + 1) * 0x030507u) & 0xFFFFFF, k * 0.25f, k * 0.125f};
        p.m_positions[k] = k * 40;
    }
    p.m_count = 5; p.m_declaredName = "P_Decl"; p.m_mortar = 0.75f; p.m_useTurbulence = 1;
    p.m_brickSize[0] = 1.5f; p.m_brickSize[1] = 2.5f; p.m_brickSize[2] = 3.5f; p.m_kind = 4; p.m_megaPov = 9;
    p.m_pattern = {19, 0.25f, 1.75f, 33, 7, 0.125f, 0.875f, {1, -1, 0}};
    p.m_turbulence = {{0.5f, 0.25f, 0.75f}, 4, 0.375f, 2.5f, 3.0f, 0.625f, 2};
    CImageMapData& pm = p.m_imageMap;
    pm.m_fileName = "maps/wood.png"; pm.m_mapType = 2; pm.m_fileType = 5; pm.m_interpolate = 2; pm.m_once = 1;
    pm.m_useIndex = 3;
    n.m_bumpSize = 0.5f; n.m_declaredName = "N_Decl"; n.m_kind = 1; n.m_megaPov = 4; n.m_useTurbulence = 1;
    n.m_useBumpSize = 1;
    n.m_pattern = {3, 0.75f, 2.0f, 12, 3, 0.25f, 0.5f, {0, 1, 0}};
    n.m_turbulence = {{1.0f, 0.0f, 0.5f}, 8, 0.25f, 3.0f, 0.5f, 1.25f, 3};
    CImageMapData& nm = n.m_bumpMap;
    nm.m_fileName = "bump.tga"; nm.m_mapType = 1; nm.m_fileType = 1; nm.m_interpolate = 1;
    f.m_specular = 0.5f; f.m_roughness = 0.03125f; f.m_phong = 0.75f; f.m_phongSize = 60;
    f.m_ambient[0] = 0.25f; f.m_ambient[1] = 0.375f; f.m_ambient[2] = 0.5f;
    f.m_reflection[0] = 0.5f; f.m_reflection[1] = 0.625f; f.m_reflection[2] = 0.75f;
    f.m_iridTurbulence[0] = 0.8125f; f.m_iridTurbulence[1] = 0.875f; f.m_iridTurbulence[2] = 1.125f;
    f.m_diffuse = 0.6875f; f.m_brilliance = 2; f.m_useReflection = 1; f.m_crand = 0.0625f; f.m_useMetallic = 1;
    f.m_metallic = 0.5f; f.m_useIrid = 1; f.m_iridAmount = 0.34375f; f.m_iridThickness = 0.4375f;
    f.m_declaredName = "F_Decl"; f.m_megaPov = 1; f.m_useBlinn = 1; f.m_blinn[0] = 0.9375f; f.m_blinn[1] = 0.1875f;
    f.m_reflectionMin = 0.09375f; f.m_reflectionMax = 0.96875f; f.m_useReflectionBlur = 1;
    f.m_reflectionBlur = 0.3125f; f.m_reflectionSamples = 12; f.m_conserveEnergy = 1;
    f.m_useReflectionMetallic = 1; f.m_reflectionMetallic = 0.65625f; f.m_useReflectionType = 1;
    f.m_reflectionType = 2; f.m_reflectionFalloff = 1.5f;
    i.m_ior = 1.5f; i.m_useCaustics = 1; i.m_caustics = 0.8125f; i.m_useFade = 1; i.m_fadeDistance = 5;
    i.m_fadePower = 3; i.m_declaredName = "I_Decl"; i.m_megaPov = 1; i.m_reserved[0] = 7; i.m_reserved[1] = 8;
    // clang-format on
    return m;
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

TEST(MaterialDataTest, RecordsMatchTheReferenceAndRoundTrip) {
    EXPECT_EQ(Stored(FullMaterial()), FullMaterialBytes());
    CMaterialData loaded;
    CArchive in(FullMaterialBytes());
    EXPECT_EQ(loaded.Load(in), 1);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(Stored(loaded), FullMaterialBytes());

    CMaterialData fresh;
    fresh.m_name = "mat";
    const std::string bytes = Stored(fresh);
    // Version, declared, use texture, use interior, the two names, then the
    // texture: version, declared, use pigment, use normal, use finish.
    const std::string start = Word(1) + Word(0) + Word(1) + Word(0) + std::string("\x03mat\x00", 5) +
                              Word(1) + Word(0) + Word(1) + Word(0) + Word(0);
    EXPECT_EQ(bytes.substr(0, start.size()), start);
    CArchive freshIn(bytes);
    loaded.Load(freshIn);
    EXPECT_EQ(loaded.m_texture.m_normal.m_bumpMap.m_option2, 0) << "a bump map's second option word";
    EXPECT_EQ(loaded.m_texture.m_pigment.m_imageMap.m_option2, 1);
}

TEST(MaterialDataTest, ImpossibleTableValuesAreADamagedFile) {
    // The colour count follows the material (4 + 12 bytes and names of 6 and 7
    // bytes), the texture (4 + 16 + 7) and the pigment's version and 25
    // colour entries of 16 bytes; the pigment's map and file types follow its
    // image map's version and file name.
    const std::string bytes = FullMaterialBytes();
    const size_t countAt = 4 + 12 + 6 + 7 + 4 + 16 + 7 + 4 + 25 * 16;
    const size_t mapAt = bytes.find("\x0Dmaps/wood.png") + 14;
    ASSERT_EQ(bytes.substr(countAt, 4), Word(5));
    ASSERT_EQ(bytes.substr(mapAt, 8), Word(2) + Word(5));
    for (const auto& [at, bad] :
         {std::pair{countAt, -1}, std::pair{countAt, 26}, std::pair{mapAt, 4}, std::pair{mapAt + 4, 7}}) {
        std::string damaged = bytes;
        damaged.replace(at, 4, Word(bad));
        CArchive in(damaged);
        CMaterialData loaded;
        EXPECT_THROW(loaded.Load(in), CArchiveException) << "offset " << at << ", value " << bad;
    }
}

TEST(MaterialDataTest, CopyTakesTheDescriptionNotTheIdentity) {
    CMaterialData source = FullMaterial();
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
    saved.Emplace()->m_name = "gold";
    CMaterialData* glass = saved.Emplace();
    glass->m_id = 9;
    CDefaultMatSetting setting;
    CArchive fresh;
    setting.Store(fresh, saved);
    EXPECT_EQ(fresh.GetBytes(), Word(0) + Word(0) + "\x01 ") << "no reference: a blank";

    setting.m_colorType = setting.m_useReference = 1;
    setting.m_referencedMaterial = 9;
    glass->m_name = "ガラス2"; // renamed before saving: the current name is stored
    CArchive out;
    setting.Store(out, saved);
    // The file's materials get new ids on reading.
    CObjList<CMaterialData> read;
    read.Emplace()->m_name = "gold";
    read.Emplace()->m_name = "ガラス2";
    read.GetTail()->m_id = 1;
    CDefaultMatSetting loaded;
    CArchive in(out.GetBytes());
    loaded.Load(in, read);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(loaded.m_colorType, 1);
    EXPECT_EQ(loaded.m_referencedMaterial, 1);

    setting.m_referencedMaterial = 77; // no material has it
    CArchive lost;
    setting.Store(lost, saved);
    EXPECT_EQ(lost.GetBytes(), Word(1) + Word(1) + "\x01 ");
    CArchive lostIn(lost.GetBytes());
    loaded.Load(lostIn, read);
    EXPECT_EQ(loaded.m_referencedMaterial, -1);
}
