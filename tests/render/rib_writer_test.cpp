// The RenderMan RIB of a small scene against its kept text, the blocks and
// patch statements every RIB must have, which objects and lights it takes,
// and the BMRT script.
#include "golden.h"
#include "render/rib_writer.h"
#include "render_fixture.h"
#include "support/run_program.h"

#include <cmath>
#include <regex>
#include <sstream>

using namespace qf::test;

class RibWriterTest : public RenderFixture {
protected:
    std::string Rib(int width = 320, int height = 240) {
        qf::CTextFileWriter file(dir.File("out.rib"), qf::TextEncoding::Utf8);
        EXPECT_TRUE(CRibWriter().WriteRib(file, width, height));
        EXPECT_TRUE(file.Close());
        return ReadFileBytes(dir.File("out.rib"));
    }
};

TEST_F(RibWriterTest, SmallSceneMatchesItsKeptText) {
    AddObject(MakeTriangle(), "triangle")->SetColor(0x336699);
    ExpectGolden(Rib(), "rib", "small.rib");
}

TEST_F(RibWriterTest, BlocksBalanceAndEveryPatchHasSixteenPoints) {
    AddObject(MakeTriangle(), "triangle");
    AddObject(MakeFlaggedPentagon(), "pentagon");
    const std::string rib = Rib();
    for (const char* block : {"Frame", "World", "Attribute", "Transform"}) {
        const std::string begin = std::string(block) + "Begin";
        const std::string end = std::string(block) + "End";
        std::istringstream lines(rib);
        int depth = 0;
        for (std::string line; std::getline(lines, line);) {
            depth += line.rfind(begin, 0) == 0;
            depth -= line.rfind(end, 0) == 0;
            ASSERT_GE(depth, 0) << end << " before " << begin;
        }
        EXPECT_EQ(depth, 0) << block;
    }
    EXPECT_EQ(Count(rib, "AttributeBegin"), 3) << "the pentagon gets a block without patches";
    const std::regex patch(R"(^Patch "bicubic" "P" \[(.*)\]$)");
    int patches = 0;
    std::istringstream lines(rib);
    for (std::string line; std::getline(lines, line);) {
        std::smatch m;
        if (!std::regex_match(line, m, patch))
            continue;
        ++patches;
        std::istringstream numbers(m[1].str());
        int count = 0;
        for (double v; numbers >> v;)
            ++count;
        EXPECT_EQ(count, 48) << line;
    }
    EXPECT_EQ(patches, 6 + 3) << "a box has six four-sided patches, a triangle three nets";
}

TEST_F(RibWriterTest, LightsAndExportFlagsDecideWhatIsWritten) {
    const std::string rig = Rib();
    EXPECT_EQ(Count(rig, "\"distantlight\""), 3);
    EXPECT_EQ(Count(rig, "\"ambientlight\""), 1);

    CLightData* light = doc->AddLight();
    light->m_type = lightSpot;
    CSpatchObj* hidden = AddObject(MakeTriangle(), "hidden");
    hidden->SetExport(0);
    CFolderObj* folder = doc->AddFolder();
    folder->SetExport(0);
    AddObject(MakeTriangle(), "in a closed folder")->SetParentFolder(folder);
    const std::string lit = Rib();
    EXPECT_EQ(Count(lit, "\"distantlight\""), 0);
    EXPECT_EQ(Count(lit, "\"ambientlight\""), 1);
    EXPECT_EQ(Count(lit, "LightSource \"spotlight\" 0"), 1);
    EXPECT_EQ(Count(lit, "## "), 1) << "only the box";
}

TEST_F(RibWriterTest, FieldOfViewSpansTheWidth) {
    doc->m_cameras[1].m_angle = 40.0f;
    const double expected =
        2.0 * std::atan(std::tan(20.0 / 180.0 * 3.1415927) / (320.0 / 240.0)) * 180.0 / 3.1415927;
    char line[80];
    std::snprintf(line, sizeof line, "Projection \"perspective\" \"fov\" [%0.3f ]\n", expected);
    EXPECT_NE(Rib().find(line), std::string::npos) << line;
}

TEST_F(RibWriterTest, BmrtScriptQuotesEveryPathForTheShell) {
    GetAppState().m_english = 0;
    const std::string script =
        CRibWriter::BmrtScript("/opt/BMRT 2.5", "/opt/BMRT 2.5/bin/rendrib", "/tmp/it's/quel_rib.rib");
    GetAppState().m_english = 1;
    EXPECT_EQ(script,
              "#!/bin/sh\n"
              "cd '/opt/BMRT 2.5/bin' || exit 1\n"
              "PATH=\"$PATH\":'/opt/BMRT 2.5/bin'\n"
              "HOME='/opt/BMRT 2.5/'\n"
              "SHADERS='/opt/BMRT 2.5/shaders'\n"
              "export PATH HOME SHADERS\n"
              "'/opt/BMRT 2.5/bin/rendrib' -d 8 -res 640 480 -samples 1 1 '/tmp/it'\\''s/quel_rib.rib'\n"
              "echo 終了しました\n"
              "exit\n");
    EXPECT_FALSE(CRibWriter::IsRenderEnabled());
    EXPECT_FALSE(CRibWriter::IsSettingEnabled());
}

TEST_F(RibWriterTest, ExportWritesTheChosenFileAtFixedSize) {
    std::string error;
    ASSERT_TRUE(CRibExporter().ExportRib(CString(dir.File("scene.rib")), &error)) << error;
    EXPECT_NE(ReadFileBytes(dir.File("scene.rib")).find("Format 320 240 1\n"), std::string::npos);
    EXPECT_FALSE(CRibExporter().ExportRib(CString(dir.File("no folder/scene.rib")), &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(CRibExporter::IsExportEnabled());
    doc->DeleteAllObjects();
    EXPECT_FALSE(CRibExporter::IsExportEnabled());
}

class RibScriptPeerTest : public RibWriterTest {};

TEST_F(RibScriptPeerTest, ShellcheckFindsNothingInTheBmrtScript) {
    if (!IsOnPath("shellcheck"))
        GTEST_SKIP() << "shellcheck is not installed";
    WriteFileBytes(dir.File("bmrt.sh"),
                   CRibWriter::BmrtScript("/opt/BMRT", "/opt/BMRT/bin/rendrib", "/t/q.rib"));
    const std::string log = (OutputDir() / "bmrt_shellcheck.log").string();
    EXPECT_EQ(RunProgram({"shellcheck", dir.File("bmrt.sh")}, log), 0) << ReadFileBytes(log);
}
