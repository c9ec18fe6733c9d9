// The pages of the scene's POV-Ray text driven with the mouse and keys: the
// global settings, the include files, image-based lighting, both radiosity
// sets and post-processing. Each change reaches the document at once (no
// undo step: these pages record none), marks it modified, and shows in the
// scene the POV-Ray writer gives, which POV-Ray reads.
#include "scene_page_fixture.h"

#include <filesystem>
#include <sstream>

using qf::test::PumpEvents;
using qf::test::WriteFileBytes;

namespace {

bool Contains(const std::string& text, const std::string& piece) {
    return text.find(piece) != std::string::npos;
}

// The "#include" lines of a scene, in order.
std::vector<std::string> IncludeLines(const std::string& scene) {
    std::vector<std::string> lines;
    std::istringstream in(scene);
    for (std::string line; std::getline(in, line);)
        if (line.rfind("#include ", 0) == 0)
            lines.push_back(line);
    return lines;
}

// A Radiance picture of 2 x 2 grey pixels, flat (too narrow to be run-length coded).
std::string TinyHdrPicture() {
    std::string bytes = "#?RADIANCE\nFORMAT=32-bit_rle_rgbe\n\n-Y 2 +X 2\n";
    for (int i = 0; i < 4; ++i)
        bytes += std::string{'\x80', '\x80', '\x80', '\x81'};
    return bytes;
}

CRendererInfo PovRay37() {
    CRendererInfo info;
    info.official_version = "3.7";
    return info;
}

} // namespace

TEST_F(ScenePageGuiTest, GlobalSettingsClampStoreAndReachTheScene) {
    for (const bool english : {false, true}) {
        Open(english);
        CGlobalSettingsPanel& global = Show<CGlobalSettingsPanel>("global_settings");
        Enter(global, 1278, "1001");
        EXPECT_EQ(doc->m_globalSettings.m_maxTraceLevel, 1000) << "clamped to the range";
        EXPECT_EQ(Text(global, 1278), "1000");
        EXPECT_TRUE(doc->IsModified());
        Enter(global, 1278, "0");
        EXPECT_EQ(doc->m_globalSettings.m_maxTraceLevel, 1);
        Enter(global, 1238, "1.8");
        EXPECT_FLOAT_EQ(doc->m_globalSettings.m_assumedGamma, 1.8f);
        ChooseColor(global, 1330, RGB(255, 128, 0));
        EXPECT_EQ(doc->m_globalSettings.m_ambientLight, RGB(255, 128, 0));
        Click(global, 1323);
        EXPECT_EQ(doc->m_globalSettings.m_hfGray16, 1);
        EXPECT_EQ(doc->m_undoBuffer.GetPosition(), 0) << "no undo step";

        const std::string scene = Scene(PovRay37());
        EXPECT_TRUE(Contains(scene, "\tmax_trace_level 1\n"));
        EXPECT_TRUE(Contains(scene, "\tassumed_gamma 1.800\n"));
        EXPECT_TRUE(Contains(scene, "\tambient_light rgb <255/255,128/255,0/255>\n"));
        EXPECT_TRUE(Contains(scene, "\thf_gray_16 1\n"));
        ExpectPovRayParses(scene, english ? "global_settings_en" : "global_settings_ja");
    }
}

TEST_F(ScenePageGuiTest, IncludeFilesAreAddedDeletedAndMovedInTheSceneOrder) {
    Open(false);
    const std::string dir = work.path().string();
    for (const char* name : {"a.inc", "b.inc", "c.inc"})
        WriteFileBytes(work.File(name), std::string("#declare Was_") + name[0] + " = 1;\n");
    CIncludeFilePanel& include = Show<CIncludeFilePanel>("インクルードファイル");
    for (const char* name : {"a.inc", "b.inc", "c.inc"})
        ChooseFile(include, 1062, work.File(name));
    EXPECT_EQ(include.GetSelectedIndex(), 2) << "the new file is selected";
    EXPECT_TRUE(doc->IsModified());
    const auto line = [&](const char* name) { return "#include \"" + work.File(name) + "\""; };
    EXPECT_EQ(IncludeLines(Scene(PovRay37())),
              (std::vector<std::string>{line("a.inc"), line("b.inc"), line("c.inc")}));

    doc->SetModifiedFlag(FALSE);
    Click(include, 1072);
    EXPECT_FALSE(doc->IsModified()) << "the last file cannot go down";
    Click(include, 1068);
    Click(include, 1068);
    EXPECT_EQ(include.GetSelectedIndex(), 0);
    EXPECT_TRUE(doc->IsModified());
    doc->SetModifiedFlag(FALSE);
    Click(include, 1068);
    EXPECT_FALSE(doc->IsModified()) << "the first file cannot go up";
    Click(include, 1072);
    EXPECT_EQ(include.GetSelectedIndex(), 1);
    EXPECT_EQ(IncludeLines(Scene(PovRay37())),
              (std::vector<std::string>{line("a.inc"), line("c.inc"), line("b.inc")}));
    Shoot("include_file_three", false);

    Click(include, 1064);
    EXPECT_EQ(IncludeLines(Scene(PovRay37())), (std::vector<std::string>{line("a.inc"), line("b.inc")}));
    ExpectPovRayParses(Scene(PovRay37()), "include_files");

    // A name the document file cannot hold is refused whole.
    boxes.Answer(IDOK);
    ChooseFile(include, 1062, dir + "/\xF0\x9F\x99\x82.inc");
    ASSERT_FALSE(boxes.GetRequests().empty());
    EXPECT_EQ(doc->m_includeFiles.size(), 2U);
    EXPECT_EQ(include.GetTree().GetCount(), 2U);

    ClickItem("背景設定");
    CIncludeFilePanel& again = Show<CIncludeFilePanel>("インクルードファイル");
    Click(again, 1064);
    Click(again, 1064);
    EXPECT_TRUE(doc->m_includeFiles.empty());
    EXPECT_EQ(again.GetTree().GetCount(), 0U);
    doc->SetModifiedFlag(FALSE);
    Click(again, 1064);
    Click(again, 1068);
    EXPECT_FALSE(doc->IsModified()) << "nothing to delete or move";

    // A cancelled file dialog adds nothing.
    boxes.AnswerModal(IDCANCEL);
    Click(again, 1062);
    EXPECT_TRUE(doc->m_includeFiles.empty());
}

// Image-based lighting: every change stores the whole record and marks the
// document modified (it is saved with the scene); the map type lives only
// while the document is open.
TEST_F(ScenePageGuiTest, ImageBasedLightingStoresTheSphereAndMarksTheDocument) {
    for (const bool english : {false, true}) {
        Open(english);
        const std::string picture = work.File("sky.hdr");
        WriteFileBytes(picture, TinyHdrPicture());
        CImageBasedLightingPanel& lighting = Show<CImageBasedLightingPanel>("Image Based Lighting");
        // A typed path is taken on leaving the field, as a chosen one is.
        Enter(lighting, 1677, work.File("typed.hdr").c_str());
        EXPECT_EQ(doc->m_hdr.m_imageFile, work.File("typed.hdr"));
        EXPECT_TRUE(doc->IsModified());
        Click(lighting, 1422);
        EXPECT_EQ(doc->m_hdr.m_use, 1);
        ChooseFile(lighting, 1478, picture);
        EXPECT_EQ(doc->m_hdr.m_imageFile, picture);
        EXPECT_EQ(Text(lighting, 1677), picture);
        Enter(lighting, 1675, "50");
        EXPECT_FLOAT_EQ(doc->m_hdr.m_radius, 50.0f);
        Enter(lighting, 1063, "1.5");
        EXPECT_FLOAT_EQ(doc->m_hdr.m_center[0], 1.5f);

        // Sync copies one ambient value to the others; the swatch shows the three.
        Click(lighting, 1426);
        Enter(lighting, 1681, "0.5");
        EXPECT_EQ(Text(lighting, 1679), "0.50");
        EXPECT_EQ(Text(lighting, 1682), "0.50");
        EXPECT_FLOAT_EQ(doc->m_hdr.m_ambient[0], 0.5f);
        EXPECT_FLOAT_EQ(doc->m_hdr.m_ambient[2], 0.5f);
        Shoot("image_based_lighting_synced", english);
        ChooseColor(lighting, 1486, RGB(0, 0, 0));
        EXPECT_EQ(Text(lighting, 1679), "0.00") << "the swatch sets all three, Sync or not";
        EXPECT_FLOAT_EQ(doc->m_hdr.m_ambient[1], 0.0f);

        // The map type takes whole numbers only.
        Enter(lighting, 1686, "2");
        EXPECT_EQ(doc->m_hdr.m_mapType, 2);
        boxes.Answer(IDOK);
        Enter(lighting, 1686, "one");
        EXPECT_EQ(doc->m_hdr.m_mapType, 2) << "refused with a message";
        EXPECT_FALSE(boxes.GetRequests().empty());
        // POV-Ray 3.7 maps a picture round a sphere with map type 1.
        user.Type(lighting, 1686, "1");
        Enter(lighting, 1684, "0.3");
        EXPECT_EQ(doc->m_hdr.m_mapType, 1);
        EXPECT_FLOAT_EQ(doc->m_hdr.m_diffuse, 0.3f);

        // Another leaf and back: the values come from the document.
        ClickItem("global_settings");
        CImageBasedLightingPanel& again = Show<CImageBasedLightingPanel>("Image Based Lighting");
        EXPECT_EQ(Text(again, 1675), "50.0");
        EXPECT_FALSE(Checked(again, 1426)) << "Sync lives with the window";

        CRendererInfo info = PovRay37();
        info.hdr = 1;
        const std::string scene = Scene(info);
        EXPECT_TRUE(Contains(scene, "sphere{ <1.500, 0.000, 0.000> , 50.000\n"));
        EXPECT_TRUE(Contains(scene, "\tpigment { image_map { hdr \"" + picture +
                                        "\" once interpolate 2 map_type 1 } }\n"));
        EXPECT_TRUE(Contains(scene, "\tfinish  { ambient<0.000, 0.000, 0.000> diffuse 0.300 }\n"));
        ExpectPovRayParses(scene, english ? "image_based_lighting_en" : "image_based_lighting_ja");
    }
}

TEST_F(ScenePageGuiTest, BothRadiositySetsClampStoreAndMarkTheDocument) {
    Open(true);
    CRadiosityPanel& radiosity = Show<CRadiosityPanel>("radiosity");
    EXPECT_EQ(Text(radiosity, 1349), "3.300");
    EXPECT_EQ(Text(radiosity, 1226), "100");
    EXPECT_EQ(Text(radiosity, 1339), "1");
    EXPECT_EQ(Text(radiosity, 1351), "0.010");
    EXPECT_EQ(Text(radiosity, 1244), "35");
    EXPECT_TRUE(Checked(radiosity, 1422));

    Enter(radiosity, 1339, "3");
    EXPECT_EQ(doc->m_radiosity.m_recursionLimit, 2);
    EXPECT_TRUE(doc->IsModified());
    doc->SetModifiedFlag(FALSE);
    Enter(radiosity, 1244, "0");
    EXPECT_EQ(doc->m_radiosity2.m_count, 1);
    EXPECT_TRUE(doc->IsModified()) << "the second set is saved with the scene too";
    doc->SetModifiedFlag(FALSE);
    Click(radiosity, 1426);
    EXPECT_EQ(doc->m_radiosity2.m_media, 1);
    EXPECT_TRUE(doc->IsModified());
    Enter(radiosity, 1314, "2.5");
    EXPECT_FLOAT_EQ(doc->m_radiosity2.m_maxSample, 2.5f);

    // The first set is the older POV-Ray's: 3.7 gets it without the distance_maximum it no longer knows.
    CRendererInfo info = PovRay37();
    info.radiosity_type = 0;
    std::string scene = Scene(info, true);
    EXPECT_TRUE(Contains(scene, "\t\trecursion_limit 2\n"));
    ExpectPovRayParses(scene, "radiosity_type1");
    info.radiosity_type = 1;
    scene = Scene(info, true);
    EXPECT_TRUE(Contains(scene, "\t\tcount 1\n"));
    EXPECT_TRUE(Contains(scene, "\t\tmedia on\n"));
    EXPECT_TRUE(Contains(scene, "\t\tmax_sample 2.500\n"));
    ExpectPovRayParses(scene, "radiosity_type2");
}

TEST_F(ScenePageGuiTest, PostProcessingOpensAnEffectsFieldsWithItsUseBox) {
    Open(false);
    CPostProcessPanel& post = Show<CPostProcessPanel>("post_process");
    for (const int field : {1125, 1136, 1140, 1144, 1148, 1648})
        EXPECT_FALSE(Enabled(post, field)) << field;
    Click(post, 1647);
    EXPECT_EQ(doc->m_postProcess.m_findEdgesOn, 1);
    EXPECT_TRUE(doc->IsModified());
    for (const int field : {1125, 1136, 1140, 1144, 1148, 1648})
        EXPECT_TRUE(Enabled(post, field)) << field;
    Enter(post, 1144, "3");
    ChooseColor(post, 1648, RGB(10, 20, 30));

    Click(post, 1641);
    Enter(post, 1021, "3000");
    EXPECT_EQ(doc->m_postProcess.m_posterizeLevels[0], 2559);
    Enter(post, 1025, "17");
    Shoot("post_process_edited", false);

    CRendererInfo megaPov;
    megaPov.is_official = 0;
    megaPov.post_process = megaPov.pp_posterize = megaPov.pp_find_edge = 1;
    std::string scene = Scene(megaPov);
    EXPECT_TRUE(Contains(scene, "\tpost_process{posterize{rgb <2559/255, 1000/255, 17/255>}}\n"));
    EXPECT_TRUE(Contains(
        scene, "\tpost_process{find_edges{1.000,0.300,0.150,3.000,1.000,rgb <10/255, 20/255, 30/255>}}\n"));
    // POV-Ray itself knows no post-processing: a definition without it leaves it out.
    scene = Scene(PovRay37());
    EXPECT_FALSE(Contains(scene, "post_process"));
    ExpectPovRayParses(scene, "post_process_off");
}
