// AnimationMaster model files: the splines, attachments, magnitudes, groups
// and bounds as written; the keyword forms, attachment chains and names of
// the import; the round trip; and files that are refused whole.
#include "exchange_fixture.h"
#include "formats/export_text.h"
#include "formats/mdl_exporter.h"
#include "formats/mdl_format.h"
#include "support/mesh_builders.h"
#include "support/model_shapes.h"

#include <algorithm>
#include <sstream>

#include <gtest/gtest.h>

using qf::test::AddCurveThrough;
using qf::test::DocumentBytes;
using qf::test::SameDocumentBytes;

namespace {

// Points A(0,0,1), B(1,0,2), C(2,1,3), D(3,0,1): an open sharp curve A-B-C
// and an open smooth curve C-D that shares C.
std::unique_ptr<CSpatchObj> MakeJoinedCurves() {
    auto obj = std::make_unique<CSpatchObj>();
    CPatchVertex* a = obj->AddVertex(0, 0, 1);
    CPatchVertex* b = obj->AddVertex(1, 0, 2);
    CPatchVertex* c = obj->AddVertex(2, 1, 3);
    CPatchVertex* d = obj->AddVertex(3, 0, 1);
    for (CCurvePoint* node : AddCurveThrough(*obj, {a, b, c})->m_nodes)
        node->m_sharp = 1;
    AddCurveThrough(*obj, {c, d});
    obj->UpdateCurveHandles();
    return obj;
}

// The text between two markers of the file, both excluded.
std::string Between(const std::string& text, const std::string& from, const std::string& to) {
    const size_t start = text.find(from);
    if (start == std::string::npos)
        return {};
    const size_t begin = start + from.size();
    return text.substr(begin, text.find(to, begin) - begin);
}

class MdlExchangeTest : public ExchangeTest {
protected:
    std::string Write(const CMdlSettings& settings = {}) {
        std::vector<CSpatchObj*> objects;
        for (CSpatchObj* obj : doc->m_objects)
            objects.push_back(obj);
        CExportText text;
        WriteMdlDocument(text, objects, settings);
        return text.GetBytes();
    }

    BOOL ImportText(const std::string& name, const std::string& text) {
        const std::string file = dir.File(name);
        qf::test::WriteFileBytes(file, text);
        return CMdlExporter().ImportFrom(*doc, file.c_str());
    }
};

const char* const kMagnitudes = "0 0 1.36364\n0 0 1.36364\n";

// Each curve's nodes by position, sharpness and weight, in order, then the
// points by position with their link counts, sorted: a description that
// does not depend on the order of the points.
std::string DescribeCurves(const CSpatchObj& obj) {
    std::ostringstream out;
    out.setf(std::ios::fixed);
    out.precision(4);
    for (const CCurve* curve : obj.GetCurves()) {
        out << "curve " << curve->m_closed;
        for (const CCurvePoint* node : curve->m_nodes)
            out << " (" << node->m_vertex->GetX() << ' ' << node->m_vertex->GetY() << ' '
                << node->m_vertex->GetZ() << ' ' << node->m_sharp << ' ' << node->m_weight << ')';
        out << '\n';
    }
    std::vector<std::string> points;
    for (const CPatchVertex* v : obj.GetVertices()) {
        std::ostringstream point;
        point.setf(std::ios::fixed);
        point.precision(4);
        point << v->GetX() << ' ' << v->GetY() << ' ' << v->GetZ() << " links " << v->m_links.GetCount();
        points.push_back(point.str());
    }
    std::sort(points.begin(), points.end());
    for (const std::string& point : points)
        out << point << '\n';
    return out.str();
}

// A mesh section around the given splines.
std::string Model(const std::string& mesh) {
    return "[MODELFILE]\nExpanded=TRUE\n[OBJECTS]\n[MODEL]\n[MESH]\n" + mesh + "[ENDMESH]\n[ENDMODELFILE]";
}

} // namespace

TEST_F(MdlExchangeTest, SplinesAttachTheLaterCpsOfASharedPointAndNegateZ) {
    Add(MakeJoinedCurves(), "joined");
    const std::string mesh = Between(Write(), "[MESH]\n", "[ENDMESH]");
    const std::string m = kMagnitudes;
    EXPECT_EQ(mesh, "Version=2\nSplines=2\n"
                    "CPs=3\n0 0 1\n0.00000 0.00000 -1.00000\n" +
                        m + "0 0 2\n1.00000 0.00000 -2.00000\n" + m + "0 0 3\n2.00000 1.00000 -3.00000\n" +
                        m + "CPs=2\n1 1 4\n3\n" + m + "1 0 5\n3.00000 0.00000 -1.00000\n" + m);
}

TEST_F(MdlExchangeTest, ClosedCurvesFlagTheirLastCpAndChainsRunThroughEachEarlierCp) {
    auto obj = std::make_unique<CSpatchObj>();
    CPatchVertex* a = obj->AddVertex(0, 0, 0);
    CPatchVertex* b = obj->AddVertex(1, 0, 0);
    CPatchVertex* c = obj->AddVertex(0, 1, 0);
    AddCurveThrough(*obj, {a, b, c}, true);
    CCurve* sharp = AddCurveThrough(*obj, {a, c}, true);
    sharp->m_nodes.GetTail()->m_sharp = 1;
    AddCurveThrough(*obj, {b, a});
    obj->UpdateCurveHandles();
    Add(std::move(obj), "loops");
    const std::string mesh = Write();
    EXPECT_NE(mesh.find("CPs=3\n1 0 1\n"), std::string::npos) << mesh;
    EXPECT_NE(mesh.find("\n5 0 3\n"), std::string::npos) << "a smooth last CP of a closed curve: 1 + 4";
    EXPECT_NE(mesh.find("CPs=2\n1 1 4\n1\n"), std::string::npos) << "a again, attached to CP 1";
    EXPECT_NE(mesh.find("\n4 1 5\n3\n"), std::string::npos) << "a sharp closing CP on c, attached to 3";
    EXPECT_NE(mesh.find("CPs=2\n1 1 6\n2\n"), std::string::npos) << "b again, attached to CP 2";
    EXPECT_NE(mesh.find("\n1 1 7\n4\n"), std::string::npos) << "a a third time: the CP written just before";
}

TEST_F(MdlExchangeTest, MagnitudesComeFromTheWeightsOrTheCustomValues) {
    CSpatchObj* obj = Add(MakeJoinedCurves(), "joined");
    obj->GetCurves().GetHead()->m_nodes.GetHead()->m_weight = 0.44f;
    const std::string original = Write();
    EXPECT_NE(original.find("0.00000 0.00000 -1.00000\n0 0 2.00000\n0 0 2.00000\n"), std::string::npos)
        << original;

    CMdlSettings custom;
    custom.magnitudeMode = mdlMagnitudeCustom;
    const std::string text = Write(custom);
    EXPECT_NE(text.find("-2.00000\n0 0 0.00000\n0 0 0.00000\n"), std::string::npos) << "sharp: the peak";
    EXPECT_NE(text.find("1 1 4\n3\n0 0 1.67000\n0 0 1.67000\n"), std::string::npos) << "smooth: the round";
}

TEST_F(MdlExchangeTest, GroupsBoundsAndObjectsOutsideTheExport) {
    CSpatchObj* joined = Add(MakeJoinedCurves(), "joined one");
    joined->SetColor(0x00FF8000);
    CSpatchObj* hidden = Add(MakeSquare(-5, 7, -9), "hidden");
    HideFromExport(hidden);
    Add(MakeSquare(0, 0, 0), "square");
    const std::string text = Write();

    EXPECT_TRUE(
        text.starts_with("[MODELFILE]\nExpanded=TRUE\n[MATERIALS]\n[ENDMATERIALS]\n[OBJECTS]\n[MODEL]\n"
                         "Bounds=3.0000 8.0000 3.0000 3.0000 8.0000 -9.0000 3.0000 0.0000 -9.0000 "
                         "3.0000 0.0000 3.0000 -5.0000 8.0000 3.0000 -5.0000 8.0000 -9.0000 "
                         "-5.0000 0.0000 -9.0000 -5.0000 0.0000 3.0000\n[MESH]\nVersion=2\nSplines=6\n"))
        << "the hidden object widens the bounds but adds no splines";
    EXPECT_EQ(text.find("-9.00000"), std::string::npos) << "no CP of the hidden object";
    EXPECT_NE(text.find("[ENDMESH]\n[PATCHES]\nVersion=1\nCount=0\n[ENDPATCHES]\n"
                        "[GROUP]\nName=joined one\nHasAttributes=TRUE\n"
                        "DiffuseColor=1.000000 0.501961 0.000000\nCount=5\n1\n2\n3\n4\n5\n[ENDGROUP]\n"
                        "[GROUP]\nName=square\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Count=8\n6\n7\n8\n9\n10\n11\n12\n13\n[ENDGROUP]\n[ENDMODEL]\n"), std::string::npos);
    EXPECT_TRUE(text.ends_with("[CHOREOGRAPHIES]\n[ENDCHOREOGRAPHIES]\n[ENDMODELFILE]"));

    doc->DeleteAllObjects();
    EXPECT_NE(Write().find("Bounds=0.0000 0.0000 0.0000 0.0000"), std::string::npos) << "an empty scene";
}

TEST_F(MdlExchangeTest, ExportThenImportGivesTheSameCurvesUnmirrored) {
    CSpatchObj* joined = Add(MakeJoinedCurves(), "joined");
    joined->GetCurves().GetHead()->m_nodes.GetTail()->m_weight = 0.5f;
    Add(qf::test::MakeTriangleFan(5), "fan");
    CSpatchObj* box = Add(qf::test::MakeClosedBox(), "box");
    auto merged = std::make_unique<CSpatchObj>();
    for (CSpatchObj* obj : doc->m_objects)
        merged->AppendGeometry(obj, 0);
    const std::string file = dir.File("scene.mdl");
    ASSERT_TRUE(CMdlExporter().ExportTo(*doc, file.c_str(), CMdlSettings()));
    ASSERT_TRUE(CMdlExporter().ImportFrom(*doc, file.c_str()));

    CSpatchObj* imported = doc->m_objects.GetTail();
    EXPECT_EQ(imported->GetName(), "scene");
    EXPECT_EQ(DescribeCurves(*imported), DescribeCurves(*merged));
    merged->Rebuild();
    EXPECT_EQ(imported->GetPatches().GetCount(), merged->GetPatches().GetCount());
    EXPECT_GT(imported->GetPatches().GetCount(), box->GetPatches().GetCount());
}

TEST_F(MdlExchangeTest, ImportReadsEveryKeywordFormAndResolvesChains) {
    const std::string cps = "CPs=3\n"
                            "1 0 1\n0 0 -2\n0 0 1.0\n0 0 1.5\n"
                            "17 1 2 9\n3\n0\n1 2\n"
                            "4 1 4\n2\n0\n0\n" // closed: back onto CP 2, which is attached to 3
                            "CPs = 1\n0 0 3\n5 0 0\n0 0 1\n0 0 1\n";
    const std::pair<const char*, const char*> forms[] = {{"Version=2", "Splines=2"},
                                                         {"Version =2", "Splines= 2"},
                                                         {"Version= 2", "Splines =2"},
                                                         {"Version = 2", "Spline=2"}};
    for (const auto& [version, splines] : forms) {
        SCOPED_TRACE(version);
        doc->DeleteAllObjects();
        ASSERT_TRUE(ImportText("chain.mdl", Model(std::string(version) + "\n" + splines + "\n" + cps)));
        ASSERT_EQ(doc->m_objects.GetCount(), 1);
        CSpatchObj& obj = *doc->m_objects.GetHead();
        ASSERT_EQ(obj.GetCurves().GetCount(), 1) << "the spline of one CP is dropped";
        ASSERT_EQ(obj.GetVertices().GetCount(), 2) << "its point stays";
        const CCurve& curve = *obj.GetCurves().GetHead();
        EXPECT_EQ(curve.m_closed, 1);
        ASSERT_EQ(curve.m_nodes.GetCount(), 3);
        const CCurvePoint* first = curve.m_nodes.GetHead();
        EXPECT_EQ(first->m_vertex->GetZ(), 2.0f) << "z negated";
        EXPECT_FLOAT_EQ(first->m_weight, 0.33f) << "the third number of the second magnitude line";
        EXPECT_EQ(first->m_sharp, 0);
        const CCurvePoint* second = curve.m_nodes.GetAt(curve.m_nodes.FindIndex(1));
        EXPECT_EQ(second->m_vertex->GetX(), 5.0f) << "attached to CP 3 of the dropped spline";
        EXPECT_EQ(second->m_sharp, 0);
        EXPECT_FLOAT_EQ(second->m_weight, 0.3f) << "lines of fewer numbers keep the weight";
        EXPECT_EQ(curve.m_nodes.GetTail()->m_vertex, second->m_vertex) << "along the chain 2 -> 3";
        EXPECT_EQ(curve.m_nodes.GetTail()->m_sharp, 1);
        EXPECT_EQ(second->m_vertex->m_links.GetCount(), 2);
    }
    doc->DeleteAllObjects();
    ASSERT_TRUE(ImportText("none.mdl", Model("Version=2\n")));
    ASSERT_TRUE(ImportText("none.mdl", Model("Version=2\nSplines=0\n")));
    ASSERT_EQ(doc->m_objects.GetCount(), 2);
    EXPECT_EQ(doc->m_objects.GetHead()->GetName(), "none");
    EXPECT_EQ(doc->m_objects.GetTail()->GetName(), "none_01");
    EXPECT_TRUE(doc->m_objects.GetTail()->GetVertices().IsEmpty());
}

TEST_F(MdlExchangeTest, ImportIsOneUndoStepThatRemovesExactlyWhatItAdded) {
    Add(MakeSquare(0, 0, 0), "square");
    const std::string before = DocumentBytes(*doc);
    ASSERT_TRUE(ImportText("two.mdl",
                           Model("Version=2\nSplines=1\nCPs=2\n0 0 1\n0 0 0\n0\n0\n0 0 2\n1 0 0\n0\n0\n")));
    ASSERT_EQ(doc->m_undoBuffer.GetPosition(), 1);
    EXPECT_EQ(doc->m_undoBuffer.GetRecord(0)->m_kind, undoImport);
    doc->m_undoBuffer.Undo();
    EXPECT_TRUE(SameDocumentBytes(before, DocumentBytes(*doc)));
}

TEST_F(MdlExchangeTest, RefusedFilesChangeNothing) {
    struct Case {
        const char* name;
        const char* file;
        std::string text;
        const char* told;
    };
    const std::string twoCps = "CPs=2\n0 0 1\n0 0 0\n0\n0\n0 1 2\n";
    const Case cases[] = {
        {"extension in mixed case", "a.Mdl", Model("Version=2\n"), "Not AnimationMaster File"},
        {"another extension", "a.txt", Model("Version=2\n"), "Not AnimationMaster File"},
        {"no model file", "a.mdl", "[MODEL]\n[MESH]\nVersion=2\n", "Not AnimationMaster File"},
        {"no mesh", "a.mdl", "[MODELFILE]\n[MODEL]\n", "Fail To Load This File"},
        {"version 3", "a.mdl", Model("Version=3\n"), "Fail To Load This File"},
        {"spline count past the end", "a.mdl", Model("Version=2\nSplines=900\n"), "count"},
        {"CP count past the end", "a.mdl", Model("Version=2\nSplines=1\nCPs=1000\n"), "count"},
        {"negative count", "a.mdl", Model("Version=2\nSplines=-1\n"), "count"},
        {"ends inside a CP", "a.mdl", "[MODELFILE]\n[MESH]\nVersion=2\nSplines=1\nCPs=1\n0 0 1\n0 0", "ends"},
        {"a word for a number", "a.mdl", Model("Version=2\nSplines=1\nCPs=1\n0 0 1\nx 0 0\n0\n0\n"),
         "number"},
        {"attached to no CP", "a.mdl", Model("Version=2\nSplines=1\n" + twoCps + "7\n0\n0\n"), "attached"},
        {"attached to itself", "a.mdl", Model("Version=2\nSplines=1\n" + twoCps + "2\n0\n0\n"), "attached"},
        {"attachments in a loop", "a.mdl",
         Model("Version=2\nSplines=1\nCPs=3\n0 0 1\n0 0 0\n0\n0\n0 1 2\n3\n0\n0\n0 1 3\n2\n0\n0\n"),
         "attached"},
        {"a magnitude line of four numbers", "a.mdl",
         Model("Version=2\nSplines=1\nCPs=1\n0 0 1\n0 0 0\n0 0 0 0\n0\n"), "form"},
    };
    Add(MakeSquare(0, 0, 0), "square");
    const std::string before = DocumentBytes(*doc);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectRefused([&] { return ImportText(c.file, c.text); }, c.told, before);
    }
}

TEST_F(MdlExchangeTest, AFileCutShortAnywhereIsRefusedWhole) {
    Add(MakeJoinedCurves(), "joined");
    Add(MakeSquare(0, 0, 0), "square");
    // Cut inside the mesh's head the file has no splines; cut inside a
    // spline's "CPs=" it has one spline less; cut after "[ENDMESH]" its
    // splines are all there, but not the rest of the model.
    const std::string path = dir.File("cut.mdl");
    ExpectEveryCutRefused(Write(), "[MESH]", path,
                          [&] { return CMdlExporter().ImportFrom(*doc, path.c_str()); });
}

TEST_F(MdlExchangeTest, CommandsAskForTheSettingsAndTheFile) {
    EXPECT_FALSE(CMdlExporter().CanExport());
    EXPECT_TRUE(CMdlExporter().CanImport());
    Add(MakeJoinedCurves(), "joined");
    EXPECT_TRUE(CMdlExporter().CanExport());

    ui.mdlSettings.reset();
    CMdlExporter().Export(ui);
    EXPECT_TRUE(ui.filters.empty()) << "cancelled in the settings";
    ui.mdlSettings = CMdlSettings{2.0f, 0.5f, mdlMagnitudeCustom};
    ui.path = dir.File("custom.mdl");
    CMdlExporter().Export(ui);
    EXPECT_NE(Read(*ui.path).find("1 1 4\n3\n0 0 2.00000\n0 0 2.00000\n"), std::string::npos);
    CMdlExporter().Import(ui);
    EXPECT_EQ(ui.filters, (std::vector<std::string>{"AnimationMaster(*.mdl)|*.mdl||",
                                                    "AnimationMaster file(*.mdl)|*.mdl||"}));
    EXPECT_EQ(doc->m_objects.GetTail()->GetName(), "custom");
    EXPECT_FLOAT_EQ(doc->m_objects.GetTail()->GetCurves().GetTail()->m_nodes.GetHead()->m_weight, 0.44f);
}
