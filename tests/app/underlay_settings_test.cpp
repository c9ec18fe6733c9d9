// The background image dialog's values reach the document: centre and scale
// always, a picture whenever its file changed or did not load before.
#include "app/underlay_settings.h"
#include "doc_fixture.h"
#include "support/temp_dir.h"

using namespace qf::test;

class UnderlaySettingsTest : public DocTest {
protected:
    // A 2 x 1 bitmap of 24 bits.
    static std::string TinyBmp() {
        std::string bytes(54 + 8, '\0');
        bytes[0] = 'B';
        bytes[1] = 'M';
        bytes[10] = 54;
        bytes[14] = 40;
        bytes[18] = 2;
        bytes[22] = 1;
        bytes[26] = 1;
        bytes[28] = 24;
        return bytes;
    }
    TempDir dir;
};

TEST_F(UnderlaySettingsTest, EachImageKeepsTheAxesOfItsView) {
    CUnderlayEntries entries = ReadUnderlayEntries(*doc);
    for (const CUnderlayEntry& e : entries) {
        EXPECT_EQ(e.path, "");
        EXPECT_EQ(e.scale[0], 1.0f);
    }
    for (int i = 0; i < 4; ++i) {
        entries[i].centre[0] = 1.0f + i;
        entries[i].centre[1] = 10.0f + i;
        entries[i].scale[0] = 2.0f;
        entries[i].scale[1] = 3.0f;
    }
    EXPECT_TRUE(ApplyUnderlayEntries(*doc, entries).empty());
    EXPECT_EQ(doc->m_underlays[0].m_offset, CVector3(1, 0, 10)) << "top: x and z";
    EXPECT_EQ(doc->m_underlays[0].m_scale, CVector3(2, 1, 3));
    EXPECT_EQ(doc->m_underlays[1].m_offset, CVector3(2, 11, 0)) << "front: x and y";
    EXPECT_EQ(doc->m_underlays[2].m_offset, CVector3(0, 3, 12)) << "right: y and z";
    EXPECT_EQ(doc->m_underlays[2].m_scale, CVector3(1, 2, 3));
    EXPECT_EQ(doc->m_underlays[3].m_offset, CVector3(4, 13, 0));
    const CUnderlayEntries back = ReadUnderlayEntries(*doc);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(back[i].centre[0], entries[i].centre[0]) << i;
        EXPECT_EQ(back[i].centre[1], entries[i].centre[1]) << i;
        EXPECT_EQ(back[i].scale[1], entries[i].scale[1]) << i;
    }
}

TEST_F(UnderlaySettingsTest, CentreAndScaleAreKeptWhenOnlyTheyChanged) {
    WriteFileBytes(dir.File("a.bmp"), TinyBmp());
    CUnderlayEntries entries = ReadUnderlayEntries(*doc);
    entries[1].path = CString(dir.File("a.bmp"));
    ASSERT_TRUE(ApplyUnderlayEntries(*doc, entries).empty());
    EXPECT_EQ(doc->m_underlays[1].IsTextureReady(), 1);
    entries[1].centre[0] = 5.0f;
    entries[1].scale[1] = 0.5f;
    ApplyUnderlayEntries(*doc, entries);
    EXPECT_EQ(doc->m_underlays[1].m_offset.GetX(), 5.0f);
    EXPECT_EQ(doc->m_underlays[1].m_scale.GetY(), 0.5f);
    EXPECT_EQ(doc->m_underlays[1].IsTextureReady(), 1);

    entries[1].path = CString();
    EXPECT_TRUE(ApplyUnderlayEntries(*doc, entries).empty()) << "clearing is no failure";
    EXPECT_EQ(doc->m_underlayFiles[1], "");
    EXPECT_EQ(doc->m_underlays[1].IsTextureReady(), 0);
}

TEST_F(UnderlaySettingsTest, AFailedPictureIsReportedAndTriedAgain) {
    const std::string path = dir.File("later.bmp");
    CUnderlayEntries entries = ReadUnderlayEntries(*doc);
    entries[3].path = CString(path);
    const std::vector<CUnderlayFailure> failures = ApplyUnderlayEntries(*doc, entries);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].path, CString(path));
    EXPECT_FALSE(failures[0].reason.empty());
    EXPECT_EQ(doc->m_underlayFiles[3], CString(path)) << "the name is kept";

    WriteFileBytes(path, TinyBmp());
    EXPECT_TRUE(ApplyUnderlayEntries(*doc, entries).empty());
    EXPECT_EQ(doc->m_underlays[3].IsTextureReady(), 1) << "the same name is tried again";
}
