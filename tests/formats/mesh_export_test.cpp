// The DirectX and DXF exports: faces, materials and layers as written, the
// objects each one takes, and what happens when there is nothing to write
// or the file cannot be written.
#include "app/doc_helpers.h"
#include "exchange_fixture.h"
#include "formats/dxf_exporter.h"
#include "formats/xfile_exporter.h"
#include "support/mesh_builders.h"
#include "support/model_shapes.h"

#include <gtest/gtest.h>

namespace {

// Three points and three straight curves: one three-sided patch.
std::unique_ptr<CSpatchObj> MakeTriangle(float x) {
    auto obj = std::make_unique<CSpatchObj>();
    CPatchVertex* a = obj->AddVertex(x, 0, 0);
    CPatchVertex* b = obj->AddVertex(x + 1, 0, 0);
    CPatchVertex* c = obj->AddVertex(x, 1, 0.5f);
    qf::test::AddCurveThrough(*obj, {a, b});
    qf::test::AddCurveThrough(*obj, {b, c});
    qf::test::AddCurveThrough(*obj, {c, a});
    obj->UpdateCurveHandles();
    return obj;
}

// The text after the header object: the mesh.
std::string MeshPart(const std::string& text) {
    const std::string header = "Header{\n1;\n0;\n1;\n}\n\n";
    return text.substr(text.find(header) + header.size());
}

int Count(const std::string& text, const std::string& what) {
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

class MeshExportTest : public ExchangeTest {
protected:
    std::string ExportX(int scope) {
        const std::string file = dir.File("out.x");
        EXPECT_TRUE(CXFileExporter().ExportTo(*doc, file.c_str(), scope));
        return Read(file);
    }
    std::string ExportDxf(int subdivision = 1) {
        const std::string file = dir.File("out.dxf");
        EXPECT_TRUE(CDxfExporter().ExportTo(*doc, file.c_str(), subdivision));
        return Read(file);
    }
};

} // namespace

TEST_F(MeshExportTest, DirectXWritesEachPatchBothWaysRoundWithTheObjectsMaterial) {
    CSpatchObj* triangle = Add(MakeTriangle(0), "triangle");
    triangle->SetSelected(1);
    triangle->SetColor(0x00FF8000);
    const std::string text = ExportX(exportScopeSelected);
    EXPECT_TRUE(
        text.starts_with("xof 0302txt 0064\ntemplate Header {\n <3D82AB43-62DA-11cf-AB39-0020AF71E433>\n"
                         " WORD major;\n WORD minor;\n DWORD flags;\n}\n\n"));
    EXPECT_EQ(Count(text, "template "), 19);
    EXPECT_EQ(MeshPart(text),
              "Mesh {\n 3;\n 0.00000;0.00000;0.00000;,\n 1.00000;0.00000;0.00000;,\n"
              " 0.00000;1.00000;0.50000;;\n\n 2;\n 3;0,1,2;,\n 3;0,2,1;;\n\n"
              " MeshMaterialList {\n  1;\n  2;\n  0,\n  0;;\n"
              "  Material {\n   0.000000;0.501961;1.000000;1.000000;;\n   0.000000;\n"
              "   0.000000;0.000000;0.000000;;\n   0.000000;0.000000;0.000000;;\n  }\n }\n}\n");
}

TEST_F(MeshExportTest, DirectXAllObjectsAreOneMeshWithAMaterialEach) {
    Add(MakeTriangle(0), "first");
    CSpatchObj* second = Add(MakeTriangle(5), "second");
    HideFromExport(second);
    Add(qf::test::MakeFlaggedPentagon(), "pentagon");
    ASSERT_EQ(doc->m_objects.GetTail()->CountFivePointPatches(), 1);
    const std::string mesh = MeshPart(ExportX(exportScopeAll));
    EXPECT_NE(mesh.find("Mesh {\n 11;\n"), std::string::npos);
    EXPECT_NE(mesh.find(" 4;\n 3;0,1,2;,\n 3;0,2,1;,\n 3;3,4,5;,\n 3;3,5,4;;\n"), std::string::npos) << mesh;
    EXPECT_NE(mesh.find(" MeshMaterialList {\n  3;\n  4;\n  0,\n  0,\n  1,\n  1;;\n  Material {"),
              std::string::npos)
        << mesh;
    EXPECT_EQ(Count(mesh, "  Material {"), 3);
    EXPECT_TRUE(mesh.ends_with("  }\n}\n}\n"));
}

TEST_F(MeshExportTest, DirectXWithoutPatchesTellsTheUserAndKeepsTheOldFile) {
    auto line = std::make_unique<CSpatchObj>();
    qf::test::AddCurveThrough(*line, {line->AddVertex(0, 0, 0), line->AddVertex(1, 0, 0)});
    Add(std::move(line), "line")->SetSelected(1);
    const std::string file = dir.File("old.x");
    qf::test::WriteFileBytes(file, "old");
    ui.path = file;
    ui.settings->scope = exportScopeAll;
    CXFileExporter().Export(ui);
    EXPECT_TRUE(ui.filters.empty());
    EXPECT_FALSE(CXFileExporter().ExportTo(*doc, file.c_str(), exportScopeSelected));
    EXPECT_EQ(Read(file), "old");
    ASSERT_EQ(boxes.GetRequests().size(), 2u);
    EXPECT_NE(boxes.GetRequests()[0].text.str().find("nothing to export"), std::string::npos);
}

TEST_F(MeshExportTest, DirectXAsksForTheScopeAndWantsASelectionForScopeZero) {
    Add(MakeTriangle(0), "triangle");
    CXFileExporter exporter;
    EXPECT_TRUE(exporter.CanExport());
    ui.path = dir.File("chosen.x");
    exporter.Export(ui);
    EXPECT_EQ(ui.modes, std::vector<ExportSettingMode>{exportModeScope});
    EXPECT_TRUE(ui.filters.empty());
    ASSERT_EQ(boxes.GetRequests().size(), 1u);
    EXPECT_EQ(boxes.GetRequests()[0].text, "unselect obj");

    ui.settings->scope = exportScopeAll;
    exporter.Export(ui);
    EXPECT_EQ(ui.filters, std::vector<std::string>{"Xﾌｧｲﾙ(*.x)|*.x||"});
    EXPECT_TRUE(Read(dir.File("chosen.x")).starts_with("xof "));
}

TEST_F(MeshExportTest, AFileThatCannotBeWrittenIsReported) {
    Add(MakeTriangle(0), "triangle");
    const std::string file = dir.File("no such folder/out.dxf");
    EXPECT_FALSE(CDxfExporter().ExportTo(*doc, file.c_str(), 1));
    ASSERT_EQ(boxes.GetRequests().size(), 1u);
    EXPECT_NE(boxes.GetRequests()[0].text.str().find("could not be saved"), std::string::npos);
    EXPECT_EQ(main->calls.back(), "SetBusyCursor 0");
}

TEST_F(MeshExportTest, DxfWritesOneFacePerTriangleAndQuadOnTheObjectsLayer) {
    Add(MakeTriangle(0), "tri");
    Add(MakeSquare(0, 0, 2), "sq");
    const std::string text = ExportDxf();
    EXPECT_TRUE(text.starts_with("0\nSECTION\n2\nENTITIES\n0\n3DFACE\n8\ntri\n62\n1\n10\n"));
    EXPECT_TRUE(text.ends_with("0\nENDSEC\n0\nEOF\n"));
    EXPECT_EQ(Count(text, "3DFACE"), 2);
    // The triangle repeats its third corner.
    const std::string tri = text.substr(0, text.find("8\nsq"));
    EXPECT_NE(tri.find("12\n0.0000\n22\n1.0000\n32\n0.5000\n13\n0.0000\n23\n1.0000\n33\n0.5000\n"),
              std::string::npos)
        << tri;
    const std::string quad = text.substr(text.find("8\nsq"));
    for (const char* corner : {"10\n", "11\n", "12\n", "13\n"})
        EXPECT_NE(quad.find(corner), std::string::npos) << corner;
    EXPECT_NE(quad.find("30\n2.0000\n"), std::string::npos);
}

TEST_F(MeshExportTest, DxfTakesTheExportableObjectsAtTheSubdivisionAndNeverTheScale) {
    Add(qf::test::MakeClosedBox(), "box");
    CFolderObj* folder = HideFromExport(Add(qf::test::MakeClosedBox(), "hidden"));
    EXPECT_EQ(Count(ExportDxf(1), "3DFACE"), 6);
    EXPECT_EQ(Count(ExportDxf(2), "3DFACE"), 24);
    EXPECT_EQ(Count(ExportDxf(4), "3DFACE"), 96);

    ui.path = dir.File("scaled.dxf");
    ui.settings->scale = 10.0f;
    CDxfExporter().Export(ui);
    EXPECT_EQ(ui.modes, std::vector<ExportSettingMode>{exportModeSubdivision});
    EXPECT_EQ(Read(*ui.path), ExportDxf(1));

    doc->m_tree.MoveIntoFolder(doc->m_objects.GetHead(), folder);
    EXPECT_EQ(ExportDxf(), "0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nEOF\n");
}

TEST(DxfLayerNameTest, NamesBecomeValidLayers) {
    struct Case {
        const char* name;
        const char* layer;
    };
    const Case cases[] = {
        {"box_1", "box_1"},     {"my part", "my_part"}, {"a<b>/c\\d", "a_b__c_d"}, {"", "0"},
        {"球体", "__"},         {"$-x", "$-x"},         {"a;b,c=d", "a_b_c_d"},    {"tab\there", "tab_here"},
        {"quote\"s", "quote_s"}};
    for (const Case& c : cases)
        EXPECT_EQ(DxfLayerName(c.name), c.layer) << c.name;
}
