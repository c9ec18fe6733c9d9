// The export plug-in host with real plug-ins built for the tests: which
// files it lists and under which names, the layers, resolutions and
// records a run hands over, and what it does with plug-ins that refuse,
// repeat, never finish or lack a function.
#include "app/quel_doc.h"
#include "exchange_fixture.h"
#include "formats/export_plugin_manager.h"
#include "support/mesh_builders.h"
#include "support/model_shapes.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <regex>

namespace fs = std::filesystem;

namespace {

int Count(const std::string& text, const std::string& what) {
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

class ExportPluginTest : public ExchangeTest {
protected:
    void SetUp() override {
        ExchangeTest::SetUp();
        folder = ExportPluginFolder(*doc);
        fs::create_directories(folder);
    }

    void Install(const std::string& plugin) {
        fs::copy_file(fs::path(QF_TEST_PLUGIN_DIR) / (plugin + ".so"), fs::path(folder) / (plugin + ".so"),
                      fs::copy_options::overwrite_existing);
    }

    // Installs the plug-in alone, lists it and runs its export into out.obj;
    // the file's text, empty when nothing was written.
    std::string Run(const std::string& plugin) {
        fs::remove_all(folder);
        fs::create_directories(folder);
        Install(plugin);
        EXPECT_EQ(manager.ListPlugins(folder).size(), 1u);
        ui.path = dir.File("out.obj");
        fs::remove(*ui.path);
        EXPECT_TRUE(manager.RunPluginExport(PluginMenuCommand(0), *doc, ui));
        EXPECT_EQ(doc->m_pluginExportBusy, 0);
        return fs::exists(*ui.path) ? Read(*ui.path) : std::string();
    }

    // count boxes with six four-sided patches each, side by side.
    void AddBoxes(int count) {
        for (int i = 0; i < count; ++i) {
            CSpatchObj* box = Add(qf::test::MakeClosedBox(), ("box" + std::to_string(i)).c_str());
            for (CPatchVertex* v : box->GetVertices())
                *v += CVector3(3.0f * static_cast<float>(i), 0.0f, 0.0f);
            box->UpdateCurveHandles();
        }
    }

    std::string folder;
    CExportPluginManager manager;
};

} // namespace

TEST_F(ExportPluginTest, ListsTheUsablePluginsSortedWithTheirNamesBounded) {
    for (const char* plugin : {"offers_high", "no_describe", "long_name", "good", "blank_description"})
        Install(plugin);
    qf::test::WriteFileBytes(folder + "/notes.txt", "not a plug-in");
    fs::create_directories(folder + "/a folder.so");

    const std::vector<CString> names = manager.ListPlugins(folder);
    ASSERT_EQ(names.size(), 4u) << "no describe function, a text file and a folder are left out";
    EXPECT_EQ(names[0], "blank_description.so") << "a plug-in without a name shows its file's";
    EXPECT_EQ(names[1], "Test good");
    EXPECT_EQ(names[2], CString(std::string(64, 'N'))) << "a name that fills its field ends there";
    EXPECT_EQ(names[3], "Test offers high");
    EXPECT_EQ(manager.GetPluginCount(), 4);

    EXPECT_TRUE(manager.ListPlugins(folder + "/missing").empty());
    EXPECT_EQ(manager.GetPluginCount(), 0);
    EXPECT_FALSE(manager.RunPluginExport(PluginMenuCommand(0), *doc, ui)) << "no plug-in listed any more";
}

TEST_F(ExportPluginTest, EachObjectWithPatchesIsOneLayerAndEightAtMostWhenAsked) {
    AddBoxes(10);
    HideFromExport(Add(qf::test::MakeClosedBox(), "hidden"));
    Add(std::make_unique<CSpatchObj>(), "empty");

    std::string text = Run("good");
    EXPECT_EQ(ui.filters.back(), "Test good(*.obj)|*.obj||");
    ASSERT_EQ(ui.pluginOffers.size(), 1u);
    EXPECT_FALSE(ui.pluginOffers[0].resolutionOffered);
    EXPECT_TRUE(ui.pluginOffers[0].atMostEight);
    EXPECT_EQ(Count(text, "# layer "), 8);
    EXPECT_NE(text.find("# layer 7 patches 6\n"), std::string::npos);
    EXPECT_EQ(Count(text, "# patch points 9 triangles 8 ok"), 8 * 6);
    EXPECT_TRUE(text.starts_with("# begin centre 10.5000 0.0000 0.0000 size 23.0000\n"))
        << "eight boxes' box";
    EXPECT_TRUE(text.ends_with("# end layer 7\n# end\n"));

    ui.pluginOptions->atMostEight = FALSE;
    text = Run("good");
    EXPECT_EQ(Count(text, "# layer "), 10) << "the hidden and the empty object take no layer";
    EXPECT_NE(text.find("# layer 9 patches 6\n"), std::string::npos);
}

TEST_F(ExportPluginTest, TheCentreKeepsTheModellersAxesWhileThePatchesCarryZNegated) {
    CSpatchObj* box = Add(qf::test::MakeClosedBox(), "raised");
    for (CPatchVertex* v : box->GetVertices())
        *v += CVector3(0.0f, 0.0f, 4.0f);
    box->UpdateCurveHandles();

    const std::string text = Run("good");
    EXPECT_TRUE(text.starts_with("# begin centre 0.0000 0.0000 4.0000 size 2.0000\n")) << text.substr(0, 60);
    const std::regex vertex(R"(\nv \S+ \S+ (\S+))");
    int seen = 0;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), vertex); it != std::sregex_iterator();
         ++it) {
        const float z = std::stof((*it)[1].str());
        EXPECT_TRUE(z >= -5.0001f && z <= -2.9999f) << z;
        ++seen;
    }
    EXPECT_EQ(seen, 6 * 9);
}

TEST_F(ExportPluginTest, TheResolutionGivesThePointsAndTrianglesOfEachPatch) {
    AddBoxes(1);
    const std::pair<int, const char*> resolutions[] = {
        {0, "points 9 triangles 8 ok"}, {1, "points 25 triangles 32 ok"}, {2, "points 64 triangles 98 ok"}};
    for (const auto& [resolution, told] : resolutions) {
        ui.pluginOptions->resolution = resolution;
        EXPECT_EQ(Count(Run("offers_high"), told), 6) << resolution;
    }
    EXPECT_TRUE(ui.pluginOffers.back().resolutionOffered);
    EXPECT_EQ(ui.pluginOffers.back().resolution, 2) << "the plug-in's preference is offered";

    ui.pluginOptions.reset();
    EXPECT_EQ(Count(Run("offers_high"), "points 64 triangles 98 ok"), 6) << "closed: the preference is used";
}

TEST_F(ExportPluginTest, MisbehavingPluginsAreStoppedAndTold) {
    AddBoxes(2);
    std::string text = Run("endless_layer");
    EXPECT_EQ(Count(text, "# end layer 0\n"), CExportPluginManager::kMaxLayerSends);
    EXPECT_EQ(Count(text, "# end layer 1\n"), CExportPluginManager::kMaxLayerSends);
    EXPECT_TRUE(text.ends_with("# end\n"));
    ASSERT_EQ(boxes.GetRequests().size(), 1u);
    EXPECT_NE(boxes.GetRequests()[0].text.str().find("again and again"), std::string::npos);

    text = Run("repeat_once");
    EXPECT_EQ(Count(text, "# end layer 0\n"), 2);
    EXPECT_EQ(Count(text, "# patch points"), 2 * 2 * 6) << "each layer sent whole twice";
    EXPECT_EQ(boxes.GetRequests().size(), 1u) << "a plug-in that asks once more is no fault";

    text = Run("refuses");
    EXPECT_EQ(text, "# begin centre 1.5000 0.0000 0.0000 size 5.0000\n# end\n") << "no layers, but the end";

    const size_t asked = ui.filters.size();
    text = Run("no_end_layer");
    EXPECT_EQ(text, "") << "none of its functions is called";
    EXPECT_EQ(ui.filters.size(), asked) << "not even the file is asked for";
    ASSERT_EQ(boxes.GetRequests().size(), 2u);
    EXPECT_NE(boxes.GetRequests()[1].text.str().find("no function SPEndLayer"), std::string::npos);

    doc->DeleteAllObjects();
    EXPECT_EQ(Run("refuses"), "# begin centre 0.0000 0.0000 0.0000 size 2.0000\n# end\n")
        << "nothing to export: a box of size 2 at the origin";
}

TEST_F(ExportPluginTest, APluginThatNoLongerLoadsLeavesTheCommandUnhandled) {
    Install("good");
    ASSERT_EQ(manager.ListPlugins(folder).size(), 1u);
    fs::remove(fs::path(folder) / "good.so");
    EXPECT_FALSE(manager.RunPluginExport(PluginMenuCommand(0), *doc, ui));
    EXPECT_FALSE(manager.RunPluginExport(PluginMenuCommand(1), *doc, ui));
    EXPECT_FALSE(manager.RunPluginExport(kFirstPluginCommand - 1, *doc, ui));
    EXPECT_TRUE(ui.filters.empty());
}

TEST_F(ExportPluginTest, ThePatchRecordHoldsTheNetWithZNegatedAndItsSampling) {
    auto grid = qf::test::MakeFlatQuadGrid(1);
    for (CPatchVertex* v : grid->GetVertices())
        *v += CVector3(0.0f, 2.0f, 3.0f);
    grid->UpdateCurveHandles();
    grid->Rebuild();
    ASSERT_EQ(grid->GetPatches().GetCount(), 1);
    const CPatch& patch = *grid->GetPatches().GetHead();
    PatchNet net{};
    patch.BuildNet(net);

    SPPatch record;
    manager.FillPatchRecord(patch, record, 0);
    ASSERT_EQ(record.pointCount, 9);
    ASSERT_EQ(record.triangleCount, 8);
    for (int r = 0; r < 4; ++r)
        for (int k = 0; k < 4; ++k) {
            const CVector3 p = GetNetPoint(net, r * 4 + k);
            EXPECT_EQ(record.net[r][k][0], p.GetX());
            EXPECT_EQ(record.net[r][k][1], p.GetY());
            EXPECT_EQ(record.net[r][k][2], -p.GetZ());
        }
    const auto point = [&](int index) {
        return CVector3(record.points[3 * index], record.points[3 * index + 1], record.points[3 * index + 2]);
    };
    const auto netPoint = [&](int r, int k) {
        return CVector3(record.net[r][k][0], record.net[r][k][1], record.net[r][k][2]);
    };
    EXPECT_LT((point(0) - netPoint(0, 0)).Length(), 1e-5f);
    EXPECT_LT((point(2) - netPoint(0, 3)).Length(), 1e-5f) << "i runs along a row";
    EXPECT_LT((point(6) - netPoint(3, 0)).Length(), 1e-5f) << "j runs down a column";
    EXPECT_LT((point(8) - netPoint(3, 3)).Length(), 1e-5f);
    for (int i = 0; i < record.pointCount; ++i) {
        EXPECT_FLOAT_EQ(record.points[3 * i + 1], 2.0f) << "a flat patch";
        EXPECT_FLOAT_EQ(std::fabs(record.normals[3 * i + 1]), 1.0f);
    }
    EXPECT_EQ(std::vector<int32_t>(record.triangles, record.triangles + 6),
              (std::vector<int32_t>{4, 1, 0, 0, 3, 4}));
    EXPECT_EQ(std::vector<int32_t>(record.triangles + 18, record.triangles + 24),
              (std::vector<int32_t>{8, 5, 4, 4, 7, 8}));
    EXPECT_EQ(CExportPluginManager::Subdivision(7), 2) << "an unknown resolution is Low";
}
