#include "app/light_data.h"
#include "platform/base/archive.h"
#include "platform/base/text_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <string>

namespace {

std::string DefaultLightBytes() {
    return qf::test::ReadFileBytes((qf::test::DataDir() / "records/light_default.bin").string());
}

// A light whose neighbouring stored fields all differ.
CLightData EditedLight() {
    return CLightData{.m_name = "スポット",
                      .m_location = {1, 2, 3},
                      .m_pointAt = {-1, -2, -3},
                      .m_type = lightSpot,
                      .m_color = 0x102030,
                      .m_fadeDistance = 20,
                      .m_areaSize1 = 4,
                      .m_areaSize2 = 5,
                      .m_mediaInteraction = 0,
                      .m_shown = 0,
                      .m_reserved2 = 9,
                      .m_orient = 1,
                      .m_shadowPigmentColor = 0x00FF00};
}

std::string Stored(const CLightData& light) {
    CArchive out;
    EXPECT_EQ(light.Store(out), 1);
    light.StoreExtra(out);
    return out.GetBytes();
}

} // namespace

TEST(LightDataTest, RecordsMatchTheReferenceAndRoundTrip) {
    const std::string reference = DefaultLightBytes();
    EXPECT_EQ(Stored(CLightData()), reference + std::string(8, '\0'));

    const std::string bytes = Stored(EditedLight());
    CArchive in(bytes);
    CLightData loaded;
    EXPECT_EQ(loaded.Load(in), 1);
    EXPECT_EQ(loaded.LoadExtra(in), 1);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(Stored(loaded), bytes);

    // The two area sizes follow the name "light" (6 bytes) and 21 four-byte values.
    for (size_t at : {90u, 94u})
        for (int32_t bad : {-1, CLightData::maxAreaSize + 1}) {
            std::string damaged = reference;
            damaged.replace(at, 4, std::string(reinterpret_cast<const char*>(&bad), 4));
            CArchive damagedIn(damaged);
            EXPECT_THROW(loaded.Load(damagedIn), CArchiveException) << "offset " << at << ", size " << bad;
        }
}

TEST(LightDataTest, CopyLeavesSelectionAndNumbering) {
    CLightData source = EditedLight();
    source.m_selected = source.m_locationSelected = 1;
    source.m_index = 7;
    CLightData copy;
    copy.m_selected = copy.m_pointAtSelected = 1;
    copy.CopyFrom(source);
    EXPECT_EQ(copy.m_selected, 0) << "a copy of a selected light is not selected";
    EXPECT_EQ(copy.m_locationSelected, 0);
    EXPECT_EQ(copy.m_pointAtSelected, 1);
    EXPECT_EQ(copy.m_index, 0);
    EXPECT_EQ(Stored(copy), Stored(source));
}

TEST(LightDataTest, RenderManLightSources) {
    const std::string head = " \"intensity\" [100]  \"lightcolor\" [0.188 0.125 0.063] ";
    const std::string from = " \"from\" [1.000 2.000 3.000] ";
    const std::string spot =
        "LightSource \"spotlight\" 3 " + head + from +
        " \"to\" [-1.000 -2.000 -3.000]  \"coneangle\" [0.520] \"conedeltaangle\" [0.087] \n";
    struct Case {
        int type, shadowless;
        std::string text;
    } cases[] = {
        {lightPoint, 0,
         "Attribute \"light\" \"shadows\" \"on\"\nLightSource \"pointlight\" 3 " + head + from + "\n"},
        {lightSpot, 1, "Attribute \"light\" \"shadows\" \"off\"\n" + spot},
        {lightCylinder, 0, "Attribute \"light\" \"shadows\" \"on\"\n" + spot},
        {lightArea, 0,
         "Attribute \"light\" \"shadows\" \"on\"\nAreaLightSource \"arealight\" 3 " + head + "\n"},
    };
    qf::test::TempDir dir;
    for (const Case& c : cases) {
        CLightData light = EditedLight();
        light.m_type = c.type;
        light.m_shadowless = c.shadowless;
        light.m_index = 3;
        qf::CTextFileWriter file(dir.File("light.rib"));
        light.WriteRenderMan(file);
        ASSERT_TRUE(file.Close());
        EXPECT_EQ(qf::test::ReadFileBytes(dir.File("light.rib")), c.text) << "type " << c.type;
    }
}
