#include "app/hdr_background.h"
#include "platform/base/archive.h"
#include "platform/base/text_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <string>

namespace {

std::string PovText(const CHdrBackground& hdr, int megaPov = 0) {
    qf::test::TempDir dir;
    qf::CTextFileWriter file(dir.File("hdr.pov"));
    hdr.WritePov(file, megaPov, false);
    EXPECT_TRUE(file.Close());
    return qf::test::ReadFileBytes(dir.File("hdr.pov"));
}

const char* const kFinish = "\tfinish  { ambient<0.200, 0.200, 0.200> diffuse 0.000 }\n\thollow\n";

} // namespace

TEST(HdrBackgroundTest, SphereTextOnlyWhenInUse) {
    CHdrBackground hdr;
    hdr.m_imageFile = "sky.hdr";
    EXPECT_EQ(PovText(hdr), "") << "a new record is not in use";
    hdr.m_use = 1;
    EXPECT_EQ(PovText(hdr),
              std::string("sphere{ <0.000, 0.000, 0.000> , 200.000\n\tpigment { image_map { hdr "
                          "\"sky.hdr\" once interpolate 2 map_type 1 } }\n") +
                  kFinish + "}\n");
    hdr.m_extraLine = "scale <1,1,-1>";
    hdr.m_imageFile = "a\"b.hdr";
    EXPECT_EQ(PovText(hdr),
              std::string("sphere{ <0.000, 0.000, 0.000> , 200.000\n\tpigment { image_map { hdr "
                          "concat(\"a\",chr(34),\"b.hdr\") once interpolate 2 map_type 1 } }\n") +
                  kFinish + "\tscale <1,1,-1>\n}\n");
}

TEST(HdrBackgroundTest, OfficialPovRayGetsOnlyTheMapTypesItReads) {
    CHdrBackground hdr;
    hdr.m_use = 1;
    const struct {
        int mapType;
        int megaPov;
        const char* written;
    } cases[] = {{0, 0, "map_type 0 "}, {2, 0, "map_type 2 "},  {5, 0, "map_type 5 "}, {3, 0, "map_type 1 "},
                 {7, 0, "map_type 1 "}, {-1, 0, "map_type 1 "}, {7, 1, "map_type 7 "}};
    for (const auto& c : cases) {
        hdr.m_mapType = c.mapType;
        EXPECT_NE(PovText(hdr, c.megaPov).find(c.written), std::string::npos)
            << c.mapType << " " << c.megaPov;
    }
}

TEST(HdrBackgroundTest, StoreLoadAndCopyLeaveTheMapType) {
    CHdrBackground hdr;
    hdr.m_center[2] = -2;
    hdr.m_radius = 50;
    hdr.m_ambient[1] = 0.5f;
    hdr.m_imageFile = "空.hdr";
    hdr.m_extraLine = "rotate y*90";
    hdr.m_lightsOff = 0;
    hdr.m_use = 1;
    hdr.m_mapType = 2;
    CArchive out;
    EXPECT_EQ(hdr.Store(out), 1);
    EXPECT_EQ(out.GetBytes().size(), 12 + 8 * 4 + 7 + 12 + 2 * 4u) << "keyword, floats, strings, ints";
    CArchive in(out.GetBytes());
    CString keyword;
    in >> keyword;
    EXPECT_EQ(keyword, "hdr_setting");
    CHdrBackground loaded;
    loaded.m_mapType = 2;
    EXPECT_EQ(loaded.Load(in), 1);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(PovText(loaded), PovText(hdr));

    CHdrBackground copy;
    copy = hdr;
    EXPECT_EQ(copy.m_mapType, 1) << "the map type is not copied";
    copy.SetDefaults();
    EXPECT_EQ(copy.m_use, 0);
    EXPECT_EQ(copy.m_lightsOff, 1);
    EXPECT_TRUE(copy.m_imageFile.IsEmpty());
}
