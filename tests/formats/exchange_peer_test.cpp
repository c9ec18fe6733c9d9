// Real readers of our exports: assimp reads the DirectX, DXF and OBJ files
// and what the sample plug-in writes, ezdxf recovers and audits the DXF file
// and counts its faces per layer, and xmllint checks the Redqueen file.
#include "exchange_fixture.h"
#include "formats/dxf_exporter.h"
#include "formats/export_framework.h"
#include "formats/export_plugin_manager.h"
#include "formats/obj_exporter.h"
#include "formats/rrt_exporter.h"
#include "formats/xfile_exporter.h"
#include "support/mesh_builders.h"
#include "support/model_shapes.h"
#include "support/run_program.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <regex>

using namespace qf::test;

namespace {

// The number after "label:" in assimp's report; -1 when missing.
int ReportedCount(const std::string& report, const std::string& label) {
    std::smatch match;
    if (std::regex_search(report, match, std::regex(label + R"(:\s+(\d+))")))
        return std::stoi(match[1].str());
    return -1;
}

// A Python that has ezdxf: the one on PATH, else the system's.
std::string PythonWithEzdxf() {
    for (const char* python : {"python3", "/usr/bin/python3"}) {
        if (python[0] != '/' && !IsOnPath(python))
            continue;
        const std::string log = (OutputDir() / "ezdxf-probe.log").string();
        if (RunProgram({python, "-c", "import ezdxf"}, log) == 0)
            return python;
    }
    return {};
}

class ExchangePeerTest : public ExchangeTest {
protected:
    // A closed box, a triangle fan and a grid apart from each other (no
    // point shared by two objects), one named with a blank.
    void AddShapes() {
        Add(MakeClosedBox(), "box");
        Add(MakeTriangleFan(6), "fan one");
        CSpatchObj* grid = Add(MakeFlatQuadGrid(4), "grid");
        for (CPatchVertex* v : grid->GetVertices())
            *v += CVector3(10.0f, 0.0f, 0.0f);
        grid->UpdateCurveHandles();
    }

    std::string Run(const std::vector<std::string>& argv, const std::string& name) {
        const std::string log = (OutputDir() / name).string();
        EXPECT_EQ(RunProgram(argv, log), 0) << "see " << log;
        return ReadFileBytes(log);
    }
};

} // namespace

TEST_F(ExchangePeerTest, AssimpReadsTheDirectXMeshAsWritten) {
    if (!IsOnPath("assimp"))
        GTEST_SKIP() << "assimp (assimp-utils) is not installed";
    AddShapes();
    const std::string file = dir.File("shapes.x");
    ASSERT_TRUE(CXFileExporter().ExportTo(*doc, file.c_str(), exportScopeAll));
    const std::string raw = Run({"assimp", "info", file, "--raw"}, "assimp-x-raw.log");
    const std::string joined = Run({"assimp", "info", file}, "assimp-x.log");
    int vertices = 0, faces = 0;
    for (CSpatchObj* obj : doc->m_objects) {
        vertices += obj->GetVertices().GetCount();
        faces += 2 * obj->GetPatches().GetCount();
    }
    EXPECT_EQ(ReportedCount(raw, "Faces"), faces) << raw;
    EXPECT_EQ(ReportedCount(raw, "Materials"), 3) << raw;
    // Unprocessed, assimp gives every face corner a vertex of its own; its
    // default steps join those that share a position again.
    EXPECT_EQ(ReportedCount(joined, "Vertices"), vertices) << joined;
}

TEST_F(ExchangePeerTest, AssimpReadsTheDxfFaces) {
    if (!IsOnPath("assimp"))
        GTEST_SKIP() << "assimp (assimp-utils) is not installed";
    AddShapes();
    const std::string file = dir.File("shapes.dxf");
    ASSERT_TRUE(CDxfExporter().ExportTo(*doc, file.c_str(), 2));
    const std::string raw = Run({"assimp", "info", file, "--raw"}, "assimp-dxf-raw.log");
    int faces = 0;
    for (CSpatchObj* obj : doc->m_objects) {
        const std::unique_ptr<CPatchMesh> mesh = BuildExportMesh(*obj, 2);
        faces += mesh->m_faces.TriangleCount() + mesh->m_faces.QuadCount();
    }
    EXPECT_EQ(ReportedCount(raw, "Faces"), faces) << raw;
}

TEST_F(ExchangePeerTest, EzdxfFindsNoErrorAndCountsTheFacesPerLayer) {
    const std::string python = PythonWithEzdxf();
    if (python.empty())
        GTEST_SKIP() << "python3-ezdxf is not installed";
    AddShapes();
    // Names that only differ where a layer name cannot hold them.
    for (const char* name : {"箱 <1>", "箱", "球", "fan_one", "BOX"})
        Add(MakeClosedBox(), name);
    const std::string file = dir.File("shapes.dxf");
    ASSERT_TRUE(CDxfExporter().ExportTo(*doc, file.c_str(), 1));
    const char* script = "import sys\n"
                         "from collections import Counter\n"
                         "from ezdxf import recover\n"
                         "doc, recovered = recover.readfile(sys.argv[1])\n"
                         "print('recover errors', len(recovered.errors))\n"
                         "print('audit errors', len(doc.audit().errors))\n"
                         "faces = Counter(e.dxf.layer for e in doc.modelspace() if e.dxftype() == '3DFACE')\n"
                         "for layer in sorted(faces): print('layer', layer, faces[layer])\n";
    const std::string report = Run({python, "-c", script, file}, "ezdxf-audit.log");
    EXPECT_NE(report.find("recover errors 0\naudit errors 0\n"), std::string::npos) << report;
    for (const char* layer :
         {"___1_ 6", "_ 6", "__2 6", "box 6", "BOX_2 6", "fan_one 6", "fan_one_2 6", "grid 16"})
        EXPECT_NE(report.find("\nlayer " + std::string(layer) + "\n"), std::string::npos) << layer << report;
}

TEST_F(ExchangePeerTest, AssimpReadsTheObjMeshTenTimesTheModel) {
    if (!IsOnPath("assimp"))
        GTEST_SKIP() << "assimp (assimp-utils) is not installed";
    CSpatchObj* box = Add(MakeClosedBox(), "box _01");
    for (CPatchVertex* v : box->GetVertices())
        *v += CVector3(1.0f, 2.0f, 3.0f);
    box->UpdateCurveHandles();
    box->SetSelected(1);
    const std::string file = dir.File("box.obj");
    ASSERT_TRUE(CObjExporter().ExportTo(*doc, file.c_str(), CExportSettings()));
    const std::string raw = Run({"assimp", "info", file, "--raw"}, "assimp-obj-raw.log");
    EXPECT_EQ(ReportedCount(raw, "Faces"), 6) << raw;
    const std::string joined = Run({"assimp", "info", file}, "assimp-obj.log");
    EXPECT_EQ(ReportedCount(joined, "Vertices"), 8) << joined;
    EXPECT_NE(joined.find("Minimum point      (0.000000 10.000000 20.000000)"), std::string::npos) << joined;
    EXPECT_NE(joined.find("Maximum point      (20.000000 30.000000 40.000000)"), std::string::npos) << joined;

    // Names whose last CP932 byte is a backslash, which would join the
    // "o" and "g" lines with the next ones.
    for (const char* name : {"表", "ソ", "十\\"}) {
        box->SetName(name);
        ASSERT_TRUE(CObjExporter().ExportTo(*doc, file.c_str(), CExportSettings()));
        const std::string named = Run({"assimp", "info", file, "--raw"}, "assimp-obj-named.log");
        EXPECT_EQ(ReportedCount(named, "Faces"), 6) << name << named;
    }
}

TEST_F(ExchangePeerTest, TheSamplePluginsObjFileIsReadByAssimp) {
    if (!IsOnPath("assimp"))
        GTEST_SKIP() << "assimp (assimp-utils) is not installed";
    Add(MakeClosedBox(), "box");
    const std::string folder = ExportPluginFolder(*doc);
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(QF_SAMPLE_PLUGIN, folder + "/sample_obj_export.so");
    CExportPluginManager manager;
    ASSERT_EQ(manager.ListPlugins(folder), std::vector<CString>{"Wavefront OBJ (sample plug-in)"});
    ui.path = dir.File("sample.obj");
    ui.pluginOptions->resolution = 1;
    ASSERT_TRUE(manager.RunPluginExport(PluginMenuCommand(0), *doc, ui));
    EXPECT_TRUE(ui.pluginOffers.at(0).resolutionOffered);
    EXPECT_EQ(ui.pluginOffers.at(0).resolution, 1);
    const std::string raw = Run({"assimp", "info", *ui.path, "--raw"}, "assimp-sample-raw.log");
    EXPECT_EQ(ReportedCount(raw, "Faces"), 6 * 32) << raw;
    // The patches pass through the box's corners, which the file keeps in our own axes.
    const std::string text = ReadFileBytes(*ui.path);
    EXPECT_NE(text.find("\nv -1.000000 -1.000000 -1.000000\n"), std::string::npos);
    EXPECT_NE(text.find("\nv 1.000000 1.000000 1.000000\n"), std::string::npos);
}

TEST_F(ExchangePeerTest, XmllintFindsTheRedqueenFileWellFormed) {
    if (!IsOnPath("xmllint"))
        GTEST_SKIP() << "xmllint (libxml2-utils) is not installed";
    Add(MakeClosedBox(), "box");
    const std::string file = dir.File("scene.rrt");
    ASSERT_TRUE(CRrtExporter().ExportTo(file.c_str()));
    const std::string report = Run({"xmllint", "--noout", file}, "xmllint-rrt.log");
    EXPECT_EQ(report, "");
}
