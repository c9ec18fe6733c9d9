// sPatch files: what the export writes, what the import makes of it (names,
// colours, layers, centring), the round trip, the version-1 body the Clip
// Shapes share, and files that are refused whole.
#include "app/doc_helpers.h"
#include "exchange_fixture.h"
#include "formats/spt_exporter.h"
#include "formats/spt_format.h"
#include "support/mesh_builders.h"
#include "support/model_shapes.h"

#include <gtest/gtest.h>

using qf::test::DocumentBytes;
using qf::test::SameDocumentBytes;

namespace {

class SptExchangeTest : public ExchangeTest {
protected:
    // The three test shapes, with a hidden point, a sharp node, a changed
    // weight and a closed curve among them.
    void AddShapes() {
        CSpatchObj* grid = Add(qf::test::MakeFlatQuadGrid(3), "grid");
        grid->GetVertices().GetHead()->m_visible = 0;
        CCurvePoint* node = qf::test::NodeAt(*grid, 1, 2);
        node->m_sharp = 1;
        node->m_weight = 0.55f;
        grid->Rebuild();
        Add(qf::test::MakeTriangleFan(5), "fan");
        Add(qf::test::MakeClosedBox(2.0f), "box");
    }

    BOOL Import(const std::string& file, const CSptImportSettings& settings = {}) {
        return CSptExporter().ImportFrom(*doc, file.c_str(), settings);
    }

    // Writes text to a file of that name and imports it.
    BOOL ImportText(const std::string& name, const std::string& text,
                    const CSptImportSettings& settings = {}) {
        const std::string file = dir.File(name);
        qf::test::WriteFileBytes(file, text);
        return Import(file, settings);
    }
};

// Two points on layers 0 and 2 and one straight curve on each.
const char* const kTwoLayers = "sPatches version 2 visibility FALSE selection FALSE\n"
                               "num_points 4\n"
                               "0 0 0  0 0 1 0 0\n"
                               "1 0 0  0 0 1 0 1\n"
                               "0 5 0  2 0 1 1 0\n"
                               "0 5 1  2 0 1 1 1\n"
                               "num_curves 2\n"
                               "2 0  0 1 0.3  1 1 0.3\n"
                               "2 0  2 1 0.3  3 0 0.3\n"
                               "end_patches";

} // namespace

TEST_F(SptExchangeTest, ExportThenImportGivesTheSameObjects) {
    AddShapes();
    const std::string file = dir.File("shapes.spt");
    ASSERT_TRUE(CSptExporter().ExportTo(*doc, file.c_str()));
    ASSERT_TRUE(Import(file));

    ASSERT_EQ(doc->m_objects.GetCount(), 6);
    const char* names[] = {"shapes[Layer1]", "shapes[Layer2]", "shapes[Layer3]"};
    for (int i = 0; i < 3; ++i) {
        CSpatchObj* original = doc->m_objects.GetAtIndex(i);
        CSpatchObj* imported = doc->m_objects.GetAtIndex(i + 3);
        SCOPED_TRACE(original->GetName().str());
        EXPECT_EQ(imported->GetName(), names[i]);
        EXPECT_EQ(imported->GetColor(), CSptImportSettings().layerColors[i]);
        EXPECT_EQ(DescribeGeometry(*imported), DescribeGeometry(*original));
        EXPECT_EQ(imported->CountQuadPatches(), original->CountQuadPatches());
        EXPECT_EQ(imported->CountTriPatches(), original->CountTriPatches());
        EXPECT_GT(imported->GetPatches().GetCount(), 0);
    }
}

TEST_F(SptExchangeTest, WrittenLayoutNegatesZAndEndsWithoutALineEnd) {
    auto obj = std::make_unique<CSpatchObj>();
    CPatchVertex* a = obj->AddVertex(1.0f, 2.0f, 3.0f);
    CPatchVertex* b = obj->AddVertex(-1.5f, 0.0f, 0.25f);
    b->m_visible = 0;
    CCurve* curve = qf::test::AddCurveThrough(*obj, {a, b});
    curve->m_nodes.GetTail()->m_sharp = 1;
    Add(std::move(obj), "line");
    const std::string file = dir.File("line.spt");
    ASSERT_TRUE(CSptExporter().ExportTo(*doc, file.c_str()));
    EXPECT_EQ(Read(file), "sPatches\nversion 2\nvisibility FALSE\nselection FALSE\nnum_points 2\n"
                          "\t1.000000 2.000000 -3.000000\n\t\t0\n\t\t0\n\t\t1\n\t\t0 0\n"
                          "\t-1.500000 0.000000 -0.250000\n\t\t0\n\t\t1\n\t\t1\n\t\t0 1\n"
                          "\nnum_curves 1\n\t2 0\n\t\t0 1 0.300000\n\t\t1 0 0.300000\nend_patches");
}

TEST_F(SptExchangeTest, ExportTellsWhichObjectsDidNotFitTheEightLayers) {
    for (int i = 0; i < 10; ++i)
        Add(qf::test::MakeFlatQuadGrid(1), ("grid" + std::to_string(i)).c_str());
    const std::string file = dir.File("many.spt");
    ASSERT_TRUE(CSptExporter().ExportTo(*doc, file.c_str()));

    ASSERT_EQ(boxes.GetRequests().size(), 1u);
    const std::string told = boxes.GetRequests()[0].text.str();
    EXPECT_NE(told.find("grid8"), std::string::npos) << told;
    EXPECT_NE(told.find("grid9"), std::string::npos) << told;
    EXPECT_EQ(told.find("grid7"), std::string::npos) << told;
    const std::string written = Read(file);
    CTokenScanner scanner(written);
    ASSERT_EQ(ReadSptHeader(scanner), 2);
    const auto layers = ReadSptLayers(scanner);
    for (const auto& layer : layers)
        EXPECT_TRUE(layer);
}

TEST_F(SptExchangeTest, ImportNamesLayersAfterTheFileAndKeepsNamesUnique) {
    ASSERT_TRUE(ImportText("wing.spt", kTwoLayers));
    ASSERT_TRUE(ImportText("wing.spt", kTwoLayers));
    ASSERT_EQ(doc->m_objects.GetCount(), 4);
    EXPECT_EQ(doc->m_objects.GetAtIndex(0)->GetName(), "wing[Layer1]");
    EXPECT_EQ(doc->m_objects.GetAtIndex(1)->GetName(), "wing[Layer3]");
    EXPECT_EQ(doc->m_objects.GetAtIndex(2)->GetName(), "wing[Layer1] _01");
    EXPECT_EQ(doc->m_objects.GetAtIndex(3)->GetName(), "wing[Layer3] _01");
    EXPECT_EQ(doc->m_objects.GetAtIndex(1)->GetColor(), CSptImportSettings().layerColors[2]);
    EXPECT_EQ(doc->m_objects.GetAtIndex(1)->GetVertices().GetCount(), 2);
    EXPECT_EQ(doc->m_objects.GetAtIndex(1)->GetCurves().GetCount(), 1);
}

TEST_F(SptExchangeTest, VersionOneIsOneObjectInItsOwnColourNeverCentred) {
    const std::string text = "sPatches version 1 visibility FALSE\nnum_points 2\n"
                             "10 0 1.5 0 1 0 0\n12 0 1.5 1 1 0 1\n"
                             "num_curves 1\n2 0 0 0 0.3 1 1 0.4\nend";
    CSptImportSettings centred;
    centred.shiftCenter = TRUE;
    for (int i = 0; i < 11; ++i)
        ASSERT_TRUE(ImportText("wing.spt", text, centred));
    EXPECT_EQ(doc->m_objects.GetAtIndex(0)->GetName(), "wing");
    EXPECT_EQ(doc->m_objects.GetAtIndex(1)->GetName(), "wing01");
    EXPECT_EQ(doc->m_objects.GetAtIndex(10)->GetName(), "wing10");
    CSpatchObj* obj = doc->m_objects.GetHead();
    EXPECT_EQ(obj->GetColor(), 0x00FA9600u);
    EXPECT_EQ(DescribeGeometry(*obj), "p 10.0000 0.0000 -1.5000 visible 1 links 0:0\n"
                                      "p 12.0000 0.0000 -1.5000 visible 0 links 0:1\n"
                                      "c closed 0 (0 1 0.3000) (1 0 0.4000)\n");
}

TEST_F(SptExchangeTest, ShiftCentreMovesTheFilesBoxCentreToTheOrigin) {
    const std::string text = "sPatches version 2 a b c d\nnum_points 2\n"
                             "0 0 2 0 0 0\n10 4 6 1 0 0\nnum_curves 0\nend";
    CSptImportSettings settings;
    settings.shiftCenter = TRUE;
    ASSERT_TRUE(ImportText("box.spt", text, settings));
    ASSERT_EQ(doc->m_objects.GetCount(), 2);
    EXPECT_EQ(doc->m_objects.GetAtIndex(0)->GetVertices().GetHead()->GetX(), -5.0f);
    EXPECT_EQ(doc->m_objects.GetAtIndex(0)->GetVertices().GetHead()->GetY(), -2.0f);
    EXPECT_EQ(doc->m_objects.GetAtIndex(0)->GetVertices().GetHead()->GetZ(), -2.0f + 4.0f);
    EXPECT_EQ(doc->m_objects.GetAtIndex(1)->GetVertices().GetHead()->GetZ(), -6.0f + 4.0f);
}

TEST_F(SptExchangeTest, ImportIsOneUndoStepThatRemovesExactlyWhatItAdded) {
    AddShapes();
    const std::string before = DocumentBytes(*doc);
    ASSERT_TRUE(ImportText("wing.spt", kTwoLayers));
    ASSERT_EQ(doc->m_undoBuffer.GetPosition(), 1);
    EXPECT_EQ(doc->m_undoBuffer.GetRecord(0)->m_kind, undoImport);
    EXPECT_EQ(doc->m_undoBuffer.GetRecord(0)->m_english, "(File) Import");
    doc->m_undoBuffer.Undo();
    EXPECT_TRUE(SameDocumentBytes(before, DocumentBytes(*doc)));
}

TEST_F(SptExchangeTest, RefusedFilesChangeNothing) {
    struct Case {
        const char* name;
        const char* file;
        const char* text;
        const char* told;
    };
    const Case cases[] = {
        {"extension in capitals", "wing.SPT", kTwoLayers, "Not sPatch File"},
        {"extension in mixed case", "wing.Spt", kTwoLayers, "Not sPatch File"},
        {"another magic word", "a.spt", "sPatch version 2 a b c d n 0 n 0 e", "Not sPatch File"},
        {"version 3", "a.spt", "sPatches version 3 a b c d n 0 n 0 e", "Not sPatch File"},
        {"point count past the end", "a.spt", "sPatches version 2 a b c d n 900 0 0 0 0 0 0", "count"},
        {"negative count", "a.spt", "sPatches version 2 a b c d n -1 n 0 e", "count"},
        {"layer 8", "a.spt", "sPatches version 2 a b c d n 1 0 0 0 8 0 0 n 0 e", "layer"},
        {"node on a missing point", "a.spt", "sPatches version 1 a b n 1 0 0 0 0 1 0 0 n 1 1 0 1 1 0.3 e",
         "index"},
        {"link to a missing curve", "a.spt", "sPatches version 1 a b n 1 0 0 0 0 1 1 0 n 1 1 0 0 1 0.3 e",
         "index"},
        {"link to another point's node", "a.spt",
         "sPatches version 1 a b n 2 0 0 0 0 1 0 1 1 0 0 0 1 0 0 n 1 2 0 0 1 0.3 1 1 0.3 e", "link"},
        {"node without a link", "a.spt", "sPatches version 1 a b n 1 0 0 0 0 0 n 1 1 0 0 1 0.3 e", "link"},
        {"curve across layers", "a.spt",
         "sPatches version 2 a b c d n 2 0 0 0 0 0 1 0 0 1 0 0 1 0 1 0 1 n 1 2 0 0 1 0.3 1 1 0.3 e", "layer"},
        {"a word for a number", "a.spt", "sPatches version 1 a b n 1 0 zero 0 0 0 n 0 e", "number"},
        {"not a finite number", "a.spt", "sPatches version 1 a b n 1 0 nan 0 0 0 n 0 e", "number"},
        {"no end word", "a.spt", "sPatches version 1 a b n 0 n 0", "ends"},
    };
    AddShapes();
    const std::string before = DocumentBytes(*doc);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectRefused([&] { return ImportText(c.file, c.text); }, c.told, before);
    }
}

TEST_F(SptExchangeTest, AFileCutShortAnywhereIsRefusedWhole) {
    Add(qf::test::MakeTriangleFan(3), "fan");
    const std::string file = dir.File("whole.spt");
    ASSERT_TRUE(CSptExporter().ExportTo(*doc, file.c_str()));
    const std::string whole = Read(file);
    const std::string before = DocumentBytes(*doc);
    // The end word is the last token: cutting inside it still leaves a word.
    const size_t lastWord = whole.rfind('\n') + 2;
    for (size_t length = 0; length < lastWord; ++length) {
        EXPECT_FALSE(ImportText("cut.spt", whole.substr(0, length))) << "cut at " << length;
        if (HasFailure())
            break;
    }
    EXPECT_EQ(doc->m_undoBuffer.GetPosition(), 0);
    EXPECT_TRUE(SameDocumentBytes(before, DocumentBytes(*doc)));
}

TEST(SptBodyTest, VersionOneBodyIsReadIntoAnEmptyObjectOnly) {
    const std::string text =
        "sPatches version 1 a b n 2 0 0 1.5 0 1 0 0 1 0 0 0 1 0 1 n 1 2 1 0 0 0.3 1 1 0.3 e";
    CTokenScanner scanner(text);
    ASSERT_EQ(ReadSptHeader(scanner), 1);
    CSpatchObj shape;
    ReadSptBody(scanner, shape);
    ASSERT_EQ(shape.GetVertices().GetCount(), 2);
    EXPECT_EQ(shape.GetVertices().GetHead()->GetZ(), -1.5f);
    EXPECT_EQ(shape.GetCurves().GetHead()->m_closed, 1);
    EXPECT_EQ(shape.GetCurves().GetHead()->m_nodes.GetHead()->m_sharp, 1);
    EXPECT_EQ(shape.GetCurves().GetHead()->m_nodes.GetTail()->m_sharp, 0);

    CTokenScanner again(text);
    ReadSptHeader(again);
    ReadSptBody(again, shape);
    EXPECT_EQ(shape.GetVertices().GetCount(), 2);
}
