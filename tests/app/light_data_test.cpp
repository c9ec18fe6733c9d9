#include "app/light_data.h"
#include "platform/base/archive.h"
#include "platform/base/text_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <string>

using qf::test::DataDir;
using qf::test::ReadFileBytes;

namespace {

std::string DefaultLightBytes() {
    return ReadFileBytes((DataDir() / "records/light_default.bin").string());
}

// A light with every stored field away from its default.
CLightData EditedLight() {
    CLightData light;
    light.m_name = "スポット";
    light.m_location = CVector3(1, 2, 3);
    light.m_pointAt = CVector3(-1, -2, -3);
    light.m_type = lightSpot;
    light.m_color = 0x102030;
    light.m_radius = 15;
    light.m_falloff = 25;
    light.m_reserved1 = 4;
    light.m_fadeOn = 1;
    light.m_fadeDistance = 20;
    light.m_fadePower = 2;
    light.m_tightness = 5;
    light.m_areaAxis1 = CVector3(2, 0, 0);
    light.m_areaAxis2 = CVector3(0, 0, 3);
    light.m_areaSize1 = 4;
    light.m_areaSize2 = 5;
    light.m_shadowless = 1;
    light.m_mediaAttenuation = 1;
    light.m_mediaInteraction = 0;
    light.m_enabled = 0;
    light.m_shown = 0;
    light.m_areaSpotlight = 1;
    light.m_jitter = 1;
    light.m_adaptive = 3;
    light.m_reserved2 = 9;
    light.m_parallel = 1;
    light.m_circular = 1;
    light.m_orient = 1;
    light.m_shadowPigmentOn = 1;
    light.m_shadowPigmentColor = 0x00FF00;
    return light;
}

std::string StoreBoth(const CLightData& light) {
    CArchive out;
    light.Store(out);
    light.StoreExtra(out);
    return out.GetBytes();
}

std::string RenderManText(const CLightData& light) {
    qf::test::TempDir dir;
    const std::string path = dir.File("light.rib");
    qf::CTextFileWriter file(path);
    light.WriteRenderMan(file);
    EXPECT_TRUE(file.Close());
    return ReadFileBytes(path);
}

} // namespace

TEST(LightDataTest, NewLightMatchesTheReferenceBytes) {
    CLightData light;
    CArchive out;
    EXPECT_EQ(light.Store(out), 1);
    EXPECT_EQ(out.GetBytes(), DefaultLightBytes());

    CLightData loaded;
    loaded.m_name = "other";
    CArchive in(DefaultLightBytes());
    EXPECT_EQ(loaded.Load(in), 1);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(loaded.m_name, "light");
    EXPECT_EQ(loaded.m_location, CVector3(5, 5, 5));
}

TEST(LightDataTest, EveryStoredFieldRoundTrips) {
    const CLightData light = EditedLight();
    const std::string bytes = StoreBoth(light);
    CArchive in(bytes);
    CLightData loaded;
    loaded.Load(in);
    loaded.LoadExtra(in);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(StoreBoth(loaded), bytes);
    EXPECT_EQ(loaded.m_name, "スポット");
    EXPECT_EQ(loaded.m_reserved1, 4);
    EXPECT_EQ(loaded.m_shadowPigmentColor, 0x00FF00u);
    // The extra record is the shadow pigment alone.
    CArchive extra;
    light.StoreExtra(extra);
    EXPECT_EQ(extra.GetBytes().size(), 8u);
}

TEST(LightDataTest, ImpossibleAreaSizeIsADamagedFile) {
    // The two sizes follow the name "light" (6 bytes) and 21 four-byte values.
    for (size_t at : {90u, 94u})
        for (int32_t bad : {-1, CLightData::maxAreaSize + 1}) {
            std::string bytes = DefaultLightBytes();
            bytes.replace(at, 4, std::string(reinterpret_cast<const char*>(&bad), 4));
            CArchive in(bytes);
            CLightData loaded;
            EXPECT_THROW(loaded.Load(in), CArchiveException) << "offset " << at << ", size " << bad;
        }
    std::string bytes = DefaultLightBytes();
    const int32_t largest = CLightData::maxAreaSize;
    bytes.replace(90, 4, std::string(reinterpret_cast<const char*>(&largest), 4));
    CArchive in(bytes);
    CLightData loaded;
    loaded.Load(in);
    EXPECT_EQ(loaded.m_areaSize1, CLightData::maxAreaSize);
}

TEST(LightDataTest, CopyLeavesSelectionAndNumbering) {
    CLightData source = EditedLight();
    source.m_selected = 1;
    source.m_locationSelected = 1;
    source.m_index = 7;
    CLightData copy;
    copy.m_selected = 1;
    copy.m_pointAtSelected = 1;
    copy.m_index = 2;
    copy.CopyFrom(source);
    EXPECT_EQ(copy.m_selected, 0) << "a copy of a selected light is not selected";
    EXPECT_EQ(copy.m_locationSelected, 0);
    EXPECT_EQ(copy.m_pointAtSelected, 1);
    EXPECT_EQ(copy.m_index, 2);
    EXPECT_EQ(StoreBoth(copy), StoreBoth(source));
}

TEST(LightDataTest, RenderManLightSources) {
    struct Case {
        const char* name;
        int type;
        int shadowless;
        const char* text;
    } cases[] = {
        {"point", lightPoint, 0,
         "Attribute \"light\" \"shadows\" \"on\"\nLightSource \"pointlight\" 3  \"intensity\" [100]  "
         "\"lightcolor\" [0.188 0.125 0.063]  \"from\" [1.000 2.000 3.000] \n"},
        {"spot ignores radius and falloff", lightSpot, 1,
         "Attribute \"light\" \"shadows\" \"off\"\nLightSource \"spotlight\" 3  \"intensity\" [100]  "
         "\"lightcolor\" [0.188 0.125 0.063]  \"from\" [1.000 2.000 3.000]  \"to\" [-1.000 -2.000 -3.000]  "
         "\"coneangle\" [0.520] \"conedeltaangle\" [0.087] \n"},
        {"cylinder is a spot", lightCylinder, 0,
         "Attribute \"light\" \"shadows\" \"on\"\nLightSource \"spotlight\" 3  \"intensity\" [100]  "
         "\"lightcolor\" [0.188 0.125 0.063]  \"from\" [1.000 2.000 3.000]  \"to\" [-1.000 -2.000 -3.000]  "
         "\"coneangle\" [0.520] \"conedeltaangle\" [0.087] \n"},
        {"area has no position", lightArea, 0,
         "Attribute \"light\" \"shadows\" \"on\"\nAreaLightSource \"arealight\" 3  \"intensity\" [100]  "
         "\"lightcolor\" [0.188 0.125 0.063] \n"},
    };
    for (const Case& c : cases) {
        CLightData light = EditedLight();
        light.m_type = c.type;
        light.m_shadowless = c.shadowless;
        light.m_index = 3;
        EXPECT_EQ(RenderManText(light), c.text) << c.name;
    }
}
