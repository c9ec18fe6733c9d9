// The Lightflow script: its lights for export and for a render, the quoted
// option names Python needs, the patch objects, the checks a render makes
// before writing, and the script compiled and run against a stand-in module.
#include "render/lightflow_writer.h"
#include "render_fixture.h"
#include "support/run_program.h"

using namespace qf::test;

class LightflowWriterTest : public RenderFixture {
protected:
    std::string Script(bool forRender, const char* image = "scene") {
        qf::CTextFileWriter file(dir.File("scene.py"), qf::TextEncoding::Utf8);
        EXPECT_TRUE(CLightflowExporter().WriteScript(file, image, 320, 240, forRender));
        EXPECT_TRUE(file.Close());
        return ReadFileBytes(dir.File("scene.py"));
    }
};

TEST_F(LightflowWriterTest, WithoutLightsExportAndRenderLightDifferently) {
    const std::string exported = Script(false);
    EXPECT_EQ(Count(exported, "\"color\", vector3( 1.0, 1.0, 1.0 )"), 3);
    EXPECT_EQ(Count(exported, "transformBegin"), 0);
    const std::string rendered = Script(true);
    EXPECT_EQ(Count(rendered, "s.transformBegin( transform().translation( vector3( "), 3);
    EXPECT_NE(rendered.find("vector3( -500.000, 500.000, 300.000 )"), std::string::npos);
    EXPECT_EQ(Count(rendered, "\"color\", vector3( 10.0, 10.0, 10.0 ), \"decay\", 0.000000 ]  ) )"), 2);
    EXPECT_EQ(Count(rendered, "\"color\", vector3( 10.0, 10.0, 10.0 ), \"decay\", 0.000000 ] ) )"), 1);
}

TEST_F(LightflowWriterTest, LightsQuoteTheirOptionNames) {
    const struct {
        int type;
        int shadowless;
        const char* expected;
    } cases[] = {
        {lightPoint, 1,
         "s.lightOn( s.newLight( \"point\", [ \"position\", vector3( 1.000, 2.000, -3.000 ), \"shadows\",0, "
         "\"decay\", 0.000000, \"color\", vector3( 300.000, 0.000, 0.000 ) ] ) )\n\n"},
        {lightSpot, 0,
         "s.lightOn( s.newLight( \"conic\", [ \"position\", vector3( 1.000, 2.000, -3.000 ), \"direction\", "
         "vector3( 0.000, 0.000, -1.000 ), \"angle\", 0.524,0.698,  \"decay\", 0.000000, \"color\", vector3( "
         "300.000, 0.000, 0.000 ) ] ) )\n\n"},
        {lightArea, 1,
         "s.lightOn( s.newLight( \"soft\", [ \"position\", vector3( 1.000, 2.000, -3.000 ),  \"decay\", "
         "0.000000, \"color\", vector3( 300.000, 0.000, 0.000 ) ] ) )\n\n"},
    };
    for (const auto& c : cases) {
        doc->DeleteAllLights();
        CLightData* light = doc->AddLight();
        light->m_type = c.type;
        light->m_shadowless = c.shadowless;
        light->m_location = {1, 2, 3};
        light->m_pointAt = {0, 0, 1};
        light->m_color = 0x0000FF;
        EXPECT_NE(Script(false).find(c.expected), std::string::npos) << c.expected << "\n" << Script(false);
    }
}

TEST_F(LightflowWriterTest, PatchesBecomeOneObjectPerNet) {
    AddObject(MakeTriangle(), "triangle");
    AddObject(MakeTriangle(), "hidden")->SetExport(0);
    const std::string script = Script(false, "my \"scene\"");
    EXPECT_EQ(Count(script, "s.addObject("), 6 + 3);
    EXPECT_EQ(Count(script, "s.materialBegin("), 2);
    EXPECT_EQ(Count(script, "p.set(15,"), 9);
    EXPECT_NE(script.find("[ \"file\", \"my \\\"scene\\\".tga\" ]"), std::string::npos)
        << "the image name stays inside its string";
}

TEST_F(LightflowWriterTest, ExportNamesTheImageAfterTheFile) {
    std::string error;
    ASSERT_TRUE(CLightflowExporter().ExportLightflow(CString(dir.File("scene.py")), &error)) << error;
    const std::string script = ReadFileBytes(dir.File("scene.py"));
    EXPECT_NE(script.find("\"scene.tga\""), std::string::npos);
    EXPECT_NE(script.find("s.render( camera, 320, 240 )\n"), std::string::npos);
}

TEST_F(LightflowWriterTest, RenderChecksTheFoldersBeforeWritingAnything) {
    GetAppState().m_english = 1;
    doc->m_settings.m_lightflowFolder = CString(dir.path().string());
    doc->m_settings.m_pythonPath = CString(program);
    CLightflowExporter().RenderWithLightflow();
    ASSERT_EQ(boxes.GetRequests().size(), 1u);
    EXPECT_EQ(boxes.GetRequests()[0].text, "Check Lightflow Path");
    WriteFileBytes(dir.File("lftinfo"), "");
    doc->m_settings.m_pythonPath = "/no/python";
    CLightflowExporter().RenderWithLightflow();
    ASSERT_EQ(boxes.GetRequests().size(), 2u);
    EXPECT_EQ(boxes.GetRequests()[1].text, "Check Python Path");
    EXPECT_FALSE(std::filesystem::exists(dir.File("quel.py")));

    doc->m_settings.m_pythonPath = CString(program);
    CLightflowExporter().RenderWithLightflow();
    EXPECT_EQ(boxes.GetRequests().size(), 2u);
    EXPECT_NE(ReadFileBytes(dir.File("quel.py")).find("s.render( camera, 200, 100 )"), std::string::npos)
        << "the size of pane 1";
    EXPECT_EQ(AwaitArguments(), dir.File("quel.py") + "\n") << "lightflow.sh ran Python on the script";
}

class LightflowScriptPeerTest : public LightflowWriterTest {};

TEST_F(LightflowScriptPeerTest, ScriptRunsAgainstAStandInModule) {
    if (!IsOnPath("python3"))
        GTEST_SKIP() << "python3 is not installed";
    AddObject(MakeTriangle(), "triangle");
    for (int type : {lightPoint, lightSpot, lightArea})
        doc->AddLight()->m_type = type;
    for (bool forRender : {false, true}) {
        Script(forRender);
        const std::string name = forRender ? "lightflow_render" : "lightflow_export";
        const std::string log = (OutputDir() / (name + ".log")).string();
        ASSERT_EQ(RunProgram({"python3", "-m", "py_compile", dir.File("scene.py")}, log), 0)
            << ReadFileBytes(log);
        ASSERT_EQ(RunProgram({"env", "PYTHONPATH=" + (DataDir() / "lightflow").string(), "python3",
                              dir.File("scene.py")},
                             log),
                  0)
            << ReadFileBytes(log);
        const std::string calls = ReadFileBytes(log);
        EXPECT_EQ(Count(calls, "addObject bspline"), 9) << calls;
        EXPECT_EQ(Count(calls, "lightOn"), 3);
        EXPECT_EQ(Count(calls, "newLight conic"), 1);
        EXPECT_NE(calls.find("render 320 240"), std::string::npos);
    }
}

TEST_F(LightflowScriptPeerTest, AScriptWithAJapaneseNameRunsUnderPython2) {
    const std::string log = (OutputDir() / "lightflow_python2.log").string();
    if (RunProgram({"python2", "-c", "pass"}, log) != 0)
        GTEST_SKIP() << "python2 is not installed";
    const std::string script = dir.File("シーン.py");
    std::string error;
    ASSERT_TRUE(CLightflowExporter().ExportLightflow(CString(script), &error)) << error;
    EXPECT_EQ(RunProgram({"env", "PYTHONPATH=" + (DataDir() / "lightflow").string(), "python2", script}, log),
              0)
        << ReadFileBytes(log);
    EXPECT_EQ(Count(ReadFileBytes(log), "addObject"), 6) << "the script ran through the box's patches";
}

TEST_F(LightflowScriptPeerTest, ShellcheckFindsNothingInTheLightflowScript) {
    if (!IsOnPath("shellcheck"))
        GTEST_SKIP() << "shellcheck is not installed";
    WriteFileBytes(dir.File("lightflow.sh"),
                   CLightflowExporter::LightflowScript("/opt/Light flow", "/usr/bin/python3",
                                                       "/opt/Light flow/quel.py"));
    const std::string log = (OutputDir() / "lightflow_shellcheck.log").string();
    EXPECT_EQ(RunProgram({"shellcheck", dir.File("lightflow.sh")}, log), 0) << ReadFileBytes(log);
}
