// Wavefront OBJ: the export's one "o" block with its tenfold vertices and
// faces, the objects each scope takes, names made single words; the
// import's words, references and fans, the round trip, and files refused.
#include "exchange_fixture.h"
#include "formats/export_framework.h"
#include "formats/obj_exporter.h"
#include "formats/obj_format.h"
#include "mesh/polygon_obj.h"
#include "platform/base/file_util.h"
#include "support/mesh_builders.h"
#include "support/model_shapes.h"

#include <algorithm>
#include <gtest/gtest.h>

using qf::test::DocumentBytes;
using qf::test::SameDocumentBytes;

namespace {

int CountLines(const std::string& text, const std::string& start) {
    int n = 0;
    for (size_t at = 0; at < text.size(); at = text.find('\n', at) + 1) {
        if (text.compare(at, start.size(), start) == 0)
            ++n;
        if (text.find('\n', at) == std::string::npos)
            break;
    }
    return n;
}

// The corners of each face as positions, in face order.
std::vector<std::vector<CVector3>> FacePositions(const CPolygonObj& obj) {
    std::vector<std::vector<CVector3>> faces;
    for (const CPolyFace* face : obj.GetFaces()) {
        if (face->IsLine())
            continue;
        std::vector<CVector3>& corners = faces.emplace_back();
        for (int k = 0; k < face->m_count; ++k)
            corners.push_back(*face->m_vertices[k]);
    }
    return faces;
}

void ExpectSameFaces(const std::vector<std::vector<CVector3>>& actual,
                     const std::vector<std::vector<CVector3>>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t f = 0; f < actual.size(); ++f) {
        ASSERT_EQ(actual[f].size(), expected[f].size()) << "face " << f;
        for (size_t k = 0; k < actual[f].size(); ++k)
            EXPECT_LT((actual[f][k] - expected[f][k]).Length(), 1e-3f) << "face " << f << " corner " << k;
    }
}

class ObjExchangeTest : public ExchangeTest {
protected:
    std::string Export(int scope, int subdivision = 1) {
        CExportSettings settings;
        settings.scope = scope;
        settings.subdivision = subdivision;
        const std::string file = dir.File("out.obj");
        EXPECT_TRUE(CObjExporter().ExportTo(*doc, file.c_str(), settings));
        return Read(file);
    }

    BOOL ImportText(const std::string& name, const std::string& text) {
        const std::string file = dir.File(name);
        qf::test::WriteFileBytes(file, text);
        return CObjExporter().ImportFrom(*doc, file.c_str());
    }
};

} // namespace

TEST_F(ObjExchangeTest, ABoxNetIsOneObjectOfTenfoldVerticesAndSixQuads) {
    CSpatchObj* box = Add(qf::test::MakeClosedBox(), "box");
    box->SetSelected(1);
    const std::string text = Export(exportScopeSelected);
    EXPECT_TRUE(text.starts_with("# exported by quelaForm\n\no box\nv -10.0000 -10.0000 -10.0000\n"
                                 "v 10.0000 -10.0000 -10.0000\n"))
        << text;
    EXPECT_EQ(CountLines(text, "o "), 1);
    EXPECT_EQ(CountLines(text, "v "), 8);
    EXPECT_EQ(CountLines(text, "f "), 6);
    EXPECT_EQ(CountLines(text, "g mesh_box\nf "), 1) << "the group comes after the vertices";
    for (size_t at = text.find("\nf "); at != std::string::npos; at = text.find("\nf ", at + 1)) {
        int a = 0, b = 0, c = 0, d = 0;
        ASSERT_EQ(std::sscanf(text.c_str() + at, "\nf %d %d %d %d", &a, &b, &c, &d), 4);
        for (int index : {a, b, c, d})
            EXPECT_TRUE(index >= 1 && index <= 8) << index;
    }
}

TEST_F(ObjExchangeTest, TrianglesComeBeforeQuadsAndAllObjectsMergeUnderTheSelectedName) {
    CSpatchObj* fan = Add(qf::test::MakeTriangleFan(4), "fan one");
    fan->SetColor(0x00123456);
    HideFromExport(Add(qf::test::MakeClosedBox(), "hidden box"));
    fan->SetSelected(1);

    const std::string one = Export(exportScopeSelected);
    EXPECT_NE(one.find("o fan_one\n"), std::string::npos) << "a blank becomes _";
    EXPECT_NE(one.find("g mesh_fan_one\n"), std::string::npos);
    EXPECT_EQ(CountLines(one, "v "), 5);

    const std::string all = Export(exportScopeAll);
    EXPECT_EQ(CountLines(all, "o "), 1);
    EXPECT_NE(all.find("o fan_one\n"), std::string::npos);
    EXPECT_EQ(CountLines(all, "v "), 5 + 8) << "export switches are not consulted";
    bool quadSeen = false;
    for (size_t at = all.find("\nf "); at != std::string::npos; at = all.find("\nf ", at + 1)) {
        const size_t end = all.find('\n', at + 1);
        const bool quad = std::count(all.begin() + static_cast<long>(at) + 1,
                                     all.begin() + static_cast<long>(end), ' ') == 4;
        EXPECT_FALSE(quadSeen && !quad) << "a triangle after a quad";
        quadSeen = quadSeen || quad;
    }
    EXPECT_TRUE(quadSeen);

    EXPECT_EQ(ObjName("箱 と\tbox"), ObjName("箱_と_box"));
}

TEST_F(ObjExchangeTest, WithoutASelectedObjectNothingIsWritten) {
    Add(qf::test::MakeClosedBox(), "box");
    EXPECT_FALSE(CObjExporter().CanExport());
    const std::string file = dir.File("none.obj");
    EXPECT_FALSE(CObjExporter().ExportTo(*doc, file.c_str(), CExportSettings()));
    ASSERT_EQ(boxes.GetRequests().size(), 1u);
    EXPECT_EQ(boxes.GetRequests()[0].text, "unselect obj");
    EXPECT_FALSE(qf::FileExists(file));
}

TEST_F(ObjExchangeTest, ImportReadsReferencesFansAndNamesWordByWord) {
    ASSERT_TRUE(ImportText("shape.obj", "# a comment with the words o and v 1 2\n"
                                        "v 0 0 0\nv 1 0 0\nv 1 1 0 1.0\nv 0 1 0\nv 0 2 0\nv 1 2 0\n"
                                        "vt 0.5 0.5\nvn 0 0 1\n"
                                        "o first\ng group usemtl x\n"
                                        "f 1/1/1 2/2/2 3/3/3\n"
                                        "f -1 -2 -3\n"
                                        "f 1//1 2//1 3//1 4//1\n"
                                        "f 1 2 3 4 6 5\n"
                                        "f 1 2 9\n"
                                        "f 0 1 2\n"
                                        "f 1 2\n"
                                        "o second\n"));
    ASSERT_EQ(doc->m_polygonObjects.GetCount(), 1);
    const CPolygonObj& obj = *doc->m_polygonObjects.GetHead();
    EXPECT_EQ(obj.GetName(), "second") << "the last name wins";
    EXPECT_EQ(obj.GetVertices().GetCount(), 6);
    const auto faces = FacePositions(obj);
    ASSERT_EQ(faces.size(), 1u + 1u + 4u) << "the triangle, the quad and a fan of four";
    ExpectSameFaces({faces[0], faces[5]}, {{CVector3(0, 0, 0), CVector3(1, 0, 0), CVector3(1, 1, 0)},
                                           {CVector3(0, 0, 0), CVector3(1, 2, 0), CVector3(0, 2, 0)}});
    EXPECT_EQ(faces[1].size(), 4u);

    ASSERT_TRUE(ImportText("shape.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n"));
    ASSERT_TRUE(ImportText("shape.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n"));
    EXPECT_EQ(doc->m_polygonObjects.GetAtIndex(1)->GetName(), "shape");
    EXPECT_EQ(doc->m_polygonObjects.GetAtIndex(2)->GetName(), "shape _01");
}

TEST_F(ObjExchangeTest, ExportThenImportGivesTheSameMeshTenfold) {
    CSpatchObj* box = Add(qf::test::MakeClosedBox(), "box _01");
    box->SetSelected(1);
    Add(qf::test::MakeFlatQuadGrid(2), "grid");
    const std::string file = dir.File("round.obj");
    CExportSettings settings;
    settings.scope = exportScopeAll;
    settings.subdivision = 4;
    ASSERT_TRUE(CObjExporter().ExportTo(*doc, file.c_str(), settings));
    ASSERT_TRUE(CObjExporter().ImportFrom(*doc, file.c_str()));

    auto merged = std::make_unique<CSpatchObj>();
    for (CSpatchObj* obj : doc->m_objects)
        merged->AppendGeometry(obj, 0);
    const std::unique_ptr<CPatchMesh> mesh = BuildExportMesh(*merged, 4);
    auto expected = std::make_unique<CPolygonObj>();
    for (const CFloat3& p : mesh->m_vertices.m_positions)
        expected->AddVertex(p.x * 10, p.y * 10, p.z * 10);
    for (const CMeshFace& face : mesh->m_faces.m_triangles)
        expected->SetTriFace(expected->AddFace(), face.vertex[0], face.vertex[1], face.vertex[2]);
    for (const CMeshFace& face : mesh->m_faces.m_quads)
        expected->SetQuadFace(expected->AddFace(), face.vertex[0], face.vertex[1], face.vertex[2],
                              face.vertex[3]);

    ASSERT_EQ(doc->m_polygonObjects.GetCount(), 1);
    const CPolygonObj& imported = *doc->m_polygonObjects.GetHead();
    EXPECT_EQ(imported.GetName(), "box__01") << "the name as the file holds it";
    EXPECT_EQ(imported.GetVertices().GetCount(), mesh->m_vertices.GetCount());
    ExpectSameFaces(FacePositions(imported), FacePositions(*expected));
}

TEST_F(ObjExchangeTest, ImportIsOneUndoStepAndRefusedFilesChangeNothing) {
    Add(qf::test::MakeClosedBox(), "box");
    const std::string before = DocumentBytes(*doc);
    ASSERT_TRUE(ImportText("tri.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n"));
    ASSERT_EQ(doc->m_undoBuffer.GetPosition(), 1);
    EXPECT_EQ(doc->m_undoBuffer.GetRecord(0)->m_kind, undoImport);
    doc->m_undoBuffer.Undo();
    EXPECT_TRUE(SameDocumentBytes(before, DocumentBytes(*doc)));
    doc->m_undoBuffer.Clear();

    struct Case {
        const char* name;
        const char* file;
        const char* text;
        const char* told;
    };
    const Case cases[] = {
        {"extension in mixed case", "a.Obj", "v 0 0 0\n", "Not Wavefront File"},
        {"another extension", "a.txt", "v 0 0 0\n", "Not Wavefront File"},
        {"a word for a coordinate", "a.obj", "v 0 zero 0\nf 1 1 1\n", "number"},
        {"a vertex cut short", "a.obj", "v 0 0", "ends"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectRefused([&] { return ImportText(c.file, c.text); }, c.told, before);
    }
}

TEST_F(ObjExchangeTest, CommandsAskForTheSettingsAndTheFile) {
    CSpatchObj* box = Add(qf::test::MakeClosedBox(), "box");
    box->SetSelected(1);
    EXPECT_TRUE(CObjExporter().CanExport());
    EXPECT_FALSE(CObjExporter().CanImport()) << "the import's menu item stays disabled";
    CExportSettings settings;
    settings.subdivision = 2;
    ui.settings = settings;
    ui.path = dir.File("box.obj");
    CObjExporter().Export(ui);
    CObjExporter().Import(ui);
    EXPECT_EQ(ui.modes, (std::vector<ExportSettingMode>{exportModeSubdivisionAndScope}));
    EXPECT_EQ(ui.filters, (std::vector<std::string>{"Wavefront(*.obj)|*.obj||", "obj file(*.obj)|*.obj||"}));
    ASSERT_EQ(doc->m_polygonObjects.GetCount(), 1);
    EXPECT_EQ(doc->m_polygonObjects.GetHead()->GetFaces().GetCount(), 24) << "four quads per side";
}
