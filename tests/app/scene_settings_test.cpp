#include "app/scene_settings.h"
#include "platform/base/archive.h"
#include "platform/base/cstring.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <string>

namespace {

std::string Reference(const char* name) {
    return qf::test::ReadFileBytes((qf::test::DataDir() / "records" / name).string());
}

template <class Record> std::string Stored(const Record& record) {
    CArchive out;
    EXPECT_EQ(record.Store(out), 1);
    return out.GetBytes();
}

// Loads a stored record after its keyword and stores it again.
template <class Record> std::string Restored(const std::string& bytes) {
    CArchive in(bytes);
    CString keyword;
    in >> keyword;
    EXPECT_EQ(keyword, Record::keyword);
    Record record;
    EXPECT_EQ(record.Load(in), 1);
    EXPECT_TRUE(in.AtEnd()) << Record::keyword;
    return Stored(record);
}

} // namespace

TEST(SceneSettingsTest, RecordsMatchTheReferenceAndRoundTrip) {
    EXPECT_EQ(Stored(CGlobalSettingsData()), Reference("global_settings.bin"));
    EXPECT_EQ(Stored(CPostProcessData()), Reference("post_process_info.bin"));

    CGlobalSettingsData global;
    global.m_iridWavelength = 0x654321;
    global.m_numberOfWaves = 7;
    EXPECT_EQ(Restored<CGlobalSettingsData>(Stored(global)), Stored(global));
    CRadiosityData radiosity;
    radiosity.m_distanceMaximum = 3.5f;
    radiosity.m_recursionLimit = 3;
    EXPECT_EQ(Restored<CRadiosityData>(Stored(radiosity)), Stored(radiosity));
    EXPECT_EQ(Stored(radiosity).size(), 15 + 9 * 4u);
    CRadiosity2Data radiosity2;
    radiosity2.m_alwaysSample = 0;
    radiosity2.m_maxSample = 2.5f;
    radiosity2.m_normal = 1;
    EXPECT_EQ(Restored<CRadiosity2Data>(Stored(radiosity2)), Stored(radiosity2));
    EXPECT_EQ(Stored(radiosity2).size(), 16 + 15 * 4u);
}

TEST(SceneSettingsTest, PostProcessClosingWordIsReadAndIgnored) {
    std::string bytes = Reference("post_process_info.bin");
    EXPECT_EQ(bytes.size(), 18 + 31 * 4u) << "the keyword, 30 fields and the closing word";
    bytes[bytes.size() - 4] = 7;
    EXPECT_EQ(Restored<CPostProcessData>(bytes), Reference("post_process_info.bin"));
}

TEST(SceneSettingsTest, CopyTakesEveryFieldIncludingDisabledEffects) {
    CPostProcessData source;
    source.m_starsOn = 1;
    source.m_starsColor[1] = 0x010203;
    source.m_posterizeLevels[2] = 4;
    source.m_findEdgesColor = 0x0000FF;
    CPostProcessData copy;
    copy.CopyFrom(source);
    EXPECT_EQ(Stored(copy), Stored(source));
}
