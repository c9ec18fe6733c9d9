#include "app/hdr_background.h"
#include "platform/base/archive.h"
#include "platform/base/text_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <string>

namespace {

std::string PovText(const CHdrBackground& hdr) {
    qf::test::TempDir dir;
    const std::string path = dir.File("hdr.pov");
    qf::CTextFileWriter file(path);
    hdr.WritePov(file);
    EXPECT_TRUE(file.Close());
    return qf::test::ReadFileBytes(path);
}

} // namespace

TEST(HdrBackgroundTest, SphereTextOnlyWhenInUse) {
    CHdrBackground hdr;
    hdr.m_imageFile = "sky.hdr";
    EXPECT_EQ(PovText(hdr), "") << "a new record is not in use";
    hdr.m_use = 1;
    EXPECT_EQ(PovText(hdr), "sphere{ <0.000, 0.000, 0.000> , 200.000\n"
                            "\tpigment { image_map { hdr \"sky.hdr\" once interpolate 2 map_type 7 } }\n"
                            "\tfinish  { ambient<0.200, 0.200, 0.200> diffuse 0.000 }\n"
                            "\thollow\n}\n");
    hdr.m_extraLine = "scale <1,1,-1>";
    hdr.m_imageFile = "dir\\\"sky\".hdr";
    EXPECT_EQ(PovText(hdr),
              "sphere{ <0.000, 0.000, 0.000> , 200.000\n"
              "\tpigment { image_map { hdr concat(\"dir\",chr(92),chr(34),\"sky\",chr(34),\".hdr\") once "
              "interpolate 2 map_type 7 } }\n"
              "\tfinish  { ambient<0.200, 0.200, 0.200> diffuse 0.000 }\n"
              "\thollow\n\tscale <1,1,-1>\n}\n");
}

TEST(HdrBackgroundTest, StoreLoadAndCopyLeaveTheMapType) {
    CHdrBackground hdr;
    hdr.m_center[0] = 1;
    hdr.m_center[2] = -2;
    hdr.m_radius = 50;
    hdr.m_ambient[1] = 0.5f;
    hdr.m_diffuse = 0.25f;
    hdr.m_imageFile = "空.hdr";
    hdr.m_extraLine = "rotate y*90";
    hdr.m_lightsOff = 0;
    hdr.m_use = 1;
    hdr.m_mapType = 1;
    CArchive out;
    EXPECT_EQ(hdr.Store(out), 1);
    // The keyword, eight floats, two strings and two ints.
    EXPECT_EQ(out.GetBytes().size(), 12 + 8 * 4 + 1 + 6 + 1 + 11 + 2 * 4);

    CArchive in(out.GetBytes());
    CString keyword;
    in >> keyword;
    EXPECT_EQ(keyword, "hdr_setting");
    CHdrBackground loaded;
    loaded.m_mapType = 3;
    EXPECT_EQ(loaded.Load(in), 1);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(loaded.m_mapType, 3) << "the map type is not in the file";
    loaded.m_mapType = 1;
    CArchive again;
    loaded.Store(again);
    EXPECT_EQ(again.GetBytes(), out.GetBytes());

    CHdrBackground copy;
    copy = hdr;
    EXPECT_EQ(copy.m_mapType, 7);
    copy.m_mapType = 1;
    EXPECT_EQ(PovText(copy), PovText(hdr));

    copy.SetDefaults();
    EXPECT_EQ(copy.m_use, 0);
    EXPECT_EQ(copy.m_lightsOff, 1);
    EXPECT_EQ(copy.m_radius, 200);
    EXPECT_EQ(copy.m_mapType, 7);
    EXPECT_TRUE(copy.m_imageFile.IsEmpty());
}
