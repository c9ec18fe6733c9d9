#include "app/scene_settings.h"
#include "platform/base/archive.h"
#include "platform/base/cstring.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <string>

using qf::test::DataDir;
using qf::test::ReadFileBytes;

namespace {

std::string Reference(const char* name) {
    return ReadFileBytes((DataDir() / "records" / name).string());
}

// Stores the record, checks the keyword in front, and loads the body into a
// fresh record; returns the stored bytes.
template <class Record> std::string StoreAndLoad(const Record& record, Record& loaded) {
    CArchive out;
    EXPECT_EQ(record.Store(out), 1);
    CArchive in(out.GetBytes());
    CString keyword;
    in >> keyword;
    EXPECT_EQ(keyword, Record::keyword);
    EXPECT_EQ(loaded.Load(in), 1);
    EXPECT_TRUE(in.AtEnd()) << Record::keyword;
    return out.GetBytes();
}

} // namespace

TEST(SceneSettingsTest, NewRecordsMatchTheReferenceBytes) {
    CGlobalSettingsData global;
    CArchive globalOut;
    global.Store(globalOut);
    EXPECT_EQ(globalOut.GetBytes(), Reference("global_settings.bin"));

    CPostProcessData post;
    CArchive postOut;
    post.Store(postOut);
    EXPECT_EQ(postOut.GetBytes(), Reference("post_process_info.bin"));
    // The keyword, then 30 fields and the closing word.
    EXPECT_EQ(postOut.GetBytes().size(), 1 + std::string("post_process_info").size() + 31 * 4);
}

TEST(SceneSettingsTest, EveryFieldRoundTrips) {
    CGlobalSettingsData global;
    global.m_adcBailout = 0.5f;
    global.m_ambientLight = 0x123456;
    global.m_assumedGamma = 1.0f;
    global.m_hfGray16 = 1;
    global.m_iridWavelength = 0x654321;
    global.m_maxIntersections = 5;
    global.m_maxTraceLevel = 6;
    global.m_numberOfWaves = 7;
    CGlobalSettingsData globalBack;
    const std::string globalBytes = StoreAndLoad(global, globalBack);
    CArchive again;
    globalBack.Store(again);
    EXPECT_EQ(again.GetBytes(), globalBytes);

    CRadiosityData radiosity;
    radiosity.m_brightness = 1.25f;
    radiosity.m_count = 200;
    radiosity.m_distanceMaximum = 3.5f;
    radiosity.m_recursionLimit = 3;
    CRadiosityData radiosityBack;
    const std::string radiosityBytes = StoreAndLoad(radiosity, radiosityBack);
    EXPECT_EQ(radiosityBytes.size(), 1 + std::string("radiosity_info").size() + 9 * 4);
    EXPECT_EQ(radiosityBack.m_count, 200);
    EXPECT_EQ(radiosityBack.m_distanceMaximum, 3.5f);
    EXPECT_EQ(radiosityBack.m_recursionLimit, 3);

    CRadiosity2Data radiosity2;
    radiosity2.m_alwaysSample = 0;
    radiosity2.m_maxSample = 2.5f;
    radiosity2.m_media = 1;
    radiosity2.m_normal = 1;
    radiosity2.m_pretraceStart = 0.125f;
    CRadiosity2Data radiosity2Back;
    const std::string radiosity2Bytes = StoreAndLoad(radiosity2, radiosity2Back);
    EXPECT_EQ(radiosity2Bytes.size(), 1 + std::string("radiosity2_info").size() + 15 * 4);
    EXPECT_EQ(radiosity2Back.m_alwaysSample, 0);
    EXPECT_EQ(radiosity2Back.m_maxSample, 2.5f);
    EXPECT_EQ(radiosity2Back.m_media, 1);
    EXPECT_EQ(radiosity2Back.m_normal, 1);
    EXPECT_EQ(radiosity2Back.m_pretraceStart, 0.125f);
    EXPECT_EQ(radiosity2Back.m_recursionLimit, 3);
}

TEST(SceneSettingsTest, PostProcessClosingWordIsIgnored) {
    std::string bytes = Reference("post_process_info.bin");
    bytes[bytes.size() - 4] = 7;
    CArchive in(bytes);
    CString keyword;
    in >> keyword;
    CPostProcessData post;
    post.m_focalBlurOn = 1;
    post.Load(in);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(post.m_focalBlurOn, 0);
    EXPECT_EQ(post.m_clipColors[1], 0xFF14FFu);
    EXPECT_EQ(post.m_findEdges[4], 1.0f);
}

TEST(SceneSettingsTest, CopyTakesEveryFieldIncludingDisabledEffects) {
    CPostProcessData source;
    source.m_focalBlurOn = 1;
    source.m_starsOn = 1;
    source.m_starsColor[1] = 0x010203;
    source.m_posterizeLevels[2] = 4;
    source.m_invertOn = 1;
    source.m_findEdgesColor = 0x0000FF;
    CPostProcessData copy;
    copy.CopyFrom(source);
    CArchive a, b;
    source.Store(a);
    copy.Store(b);
    EXPECT_EQ(a.GetBytes(), b.GetBytes());
}

TEST(SceneSettingsTest, TruncatedBodyThrows) {
    std::string bytes = Reference("global_settings.bin");
    bytes.resize(bytes.size() - 2);
    CArchive in(bytes);
    CString keyword;
    in >> keyword;
    CGlobalSettingsData global;
    EXPECT_THROW(global.Load(in), CArchiveException);
}
