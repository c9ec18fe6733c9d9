// The POV-Ray front end: which files a render writes, what the run file
// says, how the renderer is started, and what the user is told when
// something is missing.
#include "app/mouse_mode.h"
#include "render_fixture.h"

using namespace qf::test;

class PovExporterTest : public RenderFixture {
protected:
    PovExporterTest() { GetAppState().m_english = 0; }
    ~PovExporterTest() override { GetAppState().m_english = 1; }
};

TEST_F(PovExporterTest, RenderWritesTheThreeFilesAndStartsTheDefinitionWithTheRunFile) {
    doc->m_settings.m_mouseModeLeft = mouseModeRenderWindow;
    doc->m_render.preview_render_camera = 2;
    doc->m_render.output_filename = "picture";
    CPovExporter().RenderActive();

    const std::string runFile = WorkFile(CPovExporter::runFileName);
    EXPECT_EQ(AwaitArguments(), runFile + "\n") << "the program gets the run file and nothing else";
    EXPECT_TRUE(boxes.GetRequests().empty());
    EXPECT_EQ(doc->m_settings.m_mouseModeLeft, mouseModeTranslate) << "a render leaves the translate tool";
    EXPECT_EQ(doc->m_render.render_pane_flag, 1);
    EXPECT_EQ(doc->m_render.render_pane, 2) << "the preview pane, not the active one";
    EXPECT_EQ(doc->m_render.output_filename, "picture.png");

    const std::string scene = ReadFileBytes(WorkFile(CPovExporter::sceneName));
    EXPECT_EQ(scene.rfind("#include \"quel_pov_obj.inc\"\n\n#version 3.7;", 0), 0u) << scene.substr(0, 80);
    EXPECT_NE(scene.find("camera{ camera_c }"), std::string::npos);
    EXPECT_NE(ReadFileBytes(WorkFile(CPovExporter::includeName)).find("#declare quel_obj0"),
              std::string::npos);

    const std::string ini = ReadFileBytes(runFile);
    EXPECT_NE(ini.find("Input_File_Name=\"" + WorkFile(CPovExporter::sceneName) + "\"\n"), std::string::npos);
    EXPECT_NE(ini.find("Width=200\nHeight=100\n"), std::string::npos) << "the pane's size";
    EXPECT_NE(ini.find("Output_File_Name=\"" + dir.File("picture.png") + "\"\nOutput_File_Type=N\n"),
              std::string::npos)
        << ini;
    EXPECT_NE(ini.find("Library_Path=\"" + CPovExporter::GetWorkFolder() + "\"\n"), std::string::npos);
    EXPECT_EQ(ini.find("Start_Column"), std::string::npos);
}

TEST_F(PovExporterTest, TheRenderSettingSteersTheRunFile) {
    CRenderSetting& rs = doc->m_render;
    rs.rendering_type = 1;
    rs.image_w = 400;
    rs.image_h = 200;
    rs.image_type = 1;
    rs.use_anti = 1;
    rs.sampling_method = 0;
    rs.anti_rays = 4;
    rs.anti_threshold = 0.05f;
    rs.output_folder = CString(dir.path().string() + "/");
    CPovExporter().RenderRegion(10, 20, 30, 40, 1);
    ASSERT_FALSE(AwaitArguments().empty());
    const std::string ini = ReadFileBytes(WorkFile(CPovExporter::runFileName));
    EXPECT_NE(ini.find("Width=400\nHeight=200\n"), std::string::npos);
    EXPECT_NE(ini.find("Output_File_Name=\"" + dir.File("untitled.bmp") + "\"\nOutput_File_Type=B\n"),
              std::string::npos)
        << "one slash after a folder given with its own: " << ini;
    EXPECT_EQ(ini.find("//"), std::string::npos);
    EXPECT_NE(ini.find("Start_Column=21\nStart_Row=41\nEnd_Column=60\nEnd_Row=80\n"), std::string::npos)
        << "the pane rectangle scaled to the image: " << ini;
    EXPECT_NE(ini.find("Antialias=on\nSampling_Method=1\nAntialias_Threshold=0.050\n"), std::string::npos);
    EXPECT_NE(ini.find("Antialias_Depth=4\n"), std::string::npos);
}

TEST_F(PovExporterTest, WithoutADefinitionNothingIsWrittenOrStarted) {
    doc->m_render.renderer_index = doc->m_renderers.GetCount();
    doc->m_settings.m_mouseModeLeft = mouseModeRenderWindow;
    CPovExporter().Render(1);
    ASSERT_EQ(boxes.GetRequests().size(), 1u);
    EXPECT_EQ(boxes.GetRequests()[0].text, "レンダラーの設定がありません");
    EXPECT_EQ(boxes.GetRequests()[0].caption, "エラー");
    EXPECT_EQ(boxes.GetRequests()[0].owner, view.GetSafeHwnd());
    for (const char* name : {CPovExporter::includeName, CPovExporter::sceneName, CPovExporter::runFileName})
        EXPECT_FALSE(std::filesystem::exists(WorkFile(name))) << name;
    EXPECT_EQ(doc->m_settings.m_mouseModeLeft, mouseModeRenderWindow);
    EXPECT_EQ(main.calls.back(), "SetBusyCursor 0");
}

TEST_F(PovExporterTest, AProgramThatCannotStartIsNamedAndTheFilesStay) {
    doc->m_renderers.GetAt(doc->m_render.renderer_index)->path = "/opt/nowhere/povray";
    GetAppState().m_english = 1;
    CPovExporter().Render(0);
    ASSERT_EQ(boxes.GetRequests().size(), 1u);
    const CString& text = boxes.GetRequests()[0].text;
    EXPECT_EQ(text.Find("fail to render"), 0) << text.str();
    EXPECT_GT(text.Find("/opt/nowhere/povray"), 0) << text.str();
    EXPECT_TRUE(std::filesystem::exists(WorkFile(CPovExporter::runFileName)));
}

TEST_F(PovExporterTest, AnOutputNameOutsideAsciiIsAskedAbout) {
    doc->m_render.output_filename = "画像";
    boxes.Answer(IDCANCEL);
    CPovExporter().Render(1);
    ASSERT_EQ(boxes.GetRequests().size(), 1u);
    EXPECT_GT(boxes.GetRequests()[0].text.Find("画像.png"), 0) << boxes.GetRequests()[0].text.str();
    EXPECT_FALSE(std::filesystem::exists(WorkFile(CPovExporter::runFileName)))
        << "cancelled before the run file";
}

TEST_F(PovExporterTest, TheCommandLineAddsRenderOnlyWhenTheDefinitionAsksForIt) {
    CRendererInfo info;
    info.path = "/usr/bin/povray";
    EXPECT_EQ(RendererCommandLine(info, "/w/quel_ini.ini"),
              (std::vector<std::string>{"/usr/bin/povray", "/w/quel_ini.ini"}));
    info.commandline_render = 1;
    EXPECT_EQ(RendererCommandLine(info, "/w/quel_ini.ini"),
              (std::vector<std::string>{"/usr/bin/povray", "/render", "/w/quel_ini.ini"}));
}

TEST_F(PovExporterTest, ExportWritesOneFileOrTheSceneWithItsIncludeBeside) {
    CRendererInfo info;
    info.official_version = "3.7";
    info.separate_pov_inc = 0;
    std::string error;
    ASSERT_TRUE(CPovExporter().ExportPov(CString(dir.File("one.pov")), info, setting, &error)) << error;
    const std::string one = ReadFileBytes(dir.File("one.pov"));
    EXPECT_EQ(one.find("#include \"one_obj.inc\""), std::string::npos);
    EXPECT_NE(one.find("#declare quel_obj0"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.File("one_obj.inc")));

    info.separate_pov_inc = 1;
    for (const char* name : {"scene.pov", "SCENE2.POV", "scene3.txt"}) {
        ASSERT_TRUE(CPovExporter().ExportPov(CString(dir.File(name)), info, setting, &error)) << error;
        std::string stem = name;
        if (stem.ends_with(".pov") || stem.ends_with(".POV"))
            stem.resize(stem.size() - 4);
        const std::string include = stem + "_obj.inc";
        EXPECT_EQ(ReadFileBytes(dir.File(name)).rfind("#include \"" + include + "\"\n\n", 0), 0u) << name;
        EXPECT_NE(ReadFileBytes(dir.File(include)).find("#declare quel_obj0"), std::string::npos) << name;
    }
    EXPECT_FALSE(CPovExporter().ExportPov(CString(dir.File("missing folder/x.pov")), info, setting, &error));
    EXPECT_FALSE(error.empty());
}
