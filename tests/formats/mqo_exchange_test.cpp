// Metasequoia documents: the export's layout and values, what the import
// makes of each key of an Object chunk (text and binary vertices, mirror,
// lathe, colour, names), the round trip with the import's 0.1 scale, and
// files that are refused whole.
#include "exchange_fixture.h"
#include "formats/mqo_exporter.h"
#include "support/mesh_builders.h"
#include "support/model_builders.h"
#include "support/model_shapes.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>

using qf::test::DocumentBytes;
using qf::test::SameDocumentBytes;

namespace {

class MqoExchangeTest : public ExchangeTest {
protected:
    std::string Export(float scale = 1.0f, int subdivision = 1) {
        CExportSettings settings;
        settings.scale = scale;
        settings.subdivision = subdivision;
        const std::string file = dir.File("out.mqo");
        EXPECT_TRUE(CMqoExporter().ExportTo(*doc, file.c_str(), settings));
        return Read(file);
    }

    BOOL ImportText(const std::string& text) {
        const std::string file = dir.File("in.mqo");
        qf::test::WriteFileBytes(file, text);
        return CMqoExporter().ImportFrom(*doc, file.c_str());
    }
};

// Sorted control-point positions, each scaled, to three decimals.
std::vector<std::string> SortedPoints(const CSpatchObj& obj, float scale = 1.0f) {
    std::vector<std::string> points;
    for (const CPatchVertex* v : obj.GetVertices()) {
        char text[96];
        std::snprintf(text, sizeof text, "%.3f %.3f %.3f", v->GetX() * scale + 0.0f, v->GetY() * scale + 0.0f,
                      v->GetZ() * scale + 0.0f);
        points.push_back(text);
    }
    std::sort(points.begin(), points.end());
    return points;
}

// An object chunk around the given lines.
std::string Document(const std::string& chunk) {
    return "Metasequoia Document\nFormat Text Ver 1.0\n\nScene {\n\tpos 0 0 1500\n}\n"
           "Material 1 {\n\t\"mat\" col(1.000 1.000 1.000 1.000)\n}\n" +
           chunk + "Eof\n";
}

const char* const kQuadObject = "Object \"quad\" {\n"
                                "\tcolor 1.0 0.5 0.0\n"
                                "\tvertex 4 {\n\t\t10 20 30\n\t\t20 20 30\n\t\t20 30 30\n\t\t10 30 30\n\t}\n"
                                "\tface 1 {\n\t\t4 V(0 1 2 3) M(0) UV(0 0 1 0 1 1 0 1)\n\t}\n"
                                "}\n";

// A lathe object chunk whose profile is a polyline of points swept round
// segments times, with further keys.
std::string Lathe(int points, int segments, const std::string& keys) {
    std::string text = "Object \"o\" {\n" + keys + "\tlathe 1\n\tlathe_axis 1\n\tlathe_seg " +
                       std::to_string(segments) + "\n\tvertex " + std::to_string(points) + " {\n";
    for (int i = 0; i < points; ++i)
        text += "\t\t10 " + std::to_string(i) + " 0\n";
    text += "\t}\n\tface " + std::to_string(points - 1) + " {\n";
    for (int i = 0; i + 1 < points; ++i)
        text += "\t\t2 V(" + std::to_string(i) + " " + std::to_string(i + 1) + ")\n";
    return text + "\t}\n}\n";
}

} // namespace

TEST_F(MqoExchangeTest, ExportWritesTheSceneMaterialsAndObjectChunks) {
    CSpatchObj* square = Add(MakeSquare(1, 2, 3), "square");
    square->SetColor(0x000000FF);
    square->SetMirrorMode(2);
    square->SetMirrorLimitDistance(0.5f);
    square->SetMirrorAxis(0, 1);
    square->SetMirrorAxis(2, 1);
    const std::string text = Export(2.0f);
    EXPECT_EQ(
        text.substr(0, text.find("Object")),
        "Metasequoia Document\nFormat Text Ver 1.0\n\nScene {\n\tpos 0.0000 0.0000 1000.0f\n"
        "\thead 5.6864\n\tpich 0.3736\n\tpers 80.00\n\tortho 0\n\tzoom 8.8881\n\tamb 0.250 0.250 0.250\n"
        "}\nMaterial 1 {\n\t\"mat_square\" col(1.000 0.000 0.000 1.0)\n}\n\n");
    const std::string chunk = text.substr(text.find("Object"));
    EXPECT_EQ(chunk.substr(0, chunk.find("\tvertex")),
              "Object \"square\" {\n\tpatch 0\n\tsegment 4\n\tshading 1\n\tfacet 59.5\n\tmirror 2\n"
              "\tmirror_axis 5\n\tmirror_dis 0.500\n\tcolor 1.000 0.000 0.000\n");
    EXPECT_NE(chunk.find("\tvertex 4 {\n"), std::string::npos);
    EXPECT_NE(chunk.find("\t\t2.0000 4.0000 -6.0000\n"), std::string::npos) << chunk;
    EXPECT_NE(chunk.find("\tface 1 {\n\t\t4 V("), std::string::npos) << chunk;
    EXPECT_TRUE(chunk.ends_with(") M(0)\n\t}\n}\nEof")) << chunk;
}

TEST_F(MqoExchangeTest, MaterialsNumberTheExportableObjectsInListOrder) {
    Add(qf::test::MakeClosedBox(), "box");
    HideFromExport(Add(qf::test::MakeClosedBox(), "hidden"));
    Add(qf::test::MakeTriangleFan(4), "fan");
    doc->AddPolygonObject()->SetName("poly");
    const std::string text = Export();
    EXPECT_NE(text.find("Material 3 {\n\t\"mat_box\" col(0.784 0.784 0.000 1.0)\n\t\"mat_fan\" col("),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\t\"mat_poly\" col("), std::string::npos);
    EXPECT_EQ(text.find("hidden"), std::string::npos);
    const std::string fan = text.substr(text.find("Object \"fan\""));
    EXPECT_NE(fan.find("\t\t3 V("), std::string::npos);
    EXPECT_EQ(fan.find("M(0)"), std::string::npos);
    EXPECT_NE(fan.find("M(1)"), std::string::npos);

    doc->DeleteAllObjects();
    EXPECT_TRUE(CMqoExporter().CanExport()) << "the polygon object is enough";
    const std::string polygonsOnly = Export();
    EXPECT_NE(polygonsOnly.find("Material 1 {"), std::string::npos);
    EXPECT_TRUE(polygonsOnly.ends_with("}\n\nEof")) << "no Object chunk";
}

TEST_F(MqoExchangeTest, NamesAreWrittenInShiftJisWithoutQuotes) {
    Add(MakeSquare(1, 2, 3), "箱\"1\"");
    const std::string text = Export();
    std::string expected;
    ASSERT_TRUE(qf::Utf8ToCp932("Object \"箱_1_\" {", expected));
    EXPECT_NE(text.find(expected), std::string::npos);
}

TEST_F(MqoExchangeTest, ImportTakesTheKeysOfAnObjectChunk) {
    ASSERT_TRUE(ImportText(Document(kQuadObject)));
    ASSERT_EQ(doc->m_objects.GetCount(), 1);
    CSpatchObj* quad = doc->m_objects.GetHead();
    EXPECT_EQ(quad->GetName(), "quad");
    EXPECT_EQ(quad->GetColor(), 0x00007FFFu);
    EXPECT_EQ(quad->GetVertices().GetCount(), 4);
    EXPECT_EQ(quad->GetCurves().GetCount(), 4);
    EXPECT_EQ(quad->CountQuadPatches(), 1);
    qf::test::ExpectVectorNear(*quad->GetVertices().GetHead(), CVector3(1, 2, -3), "first point");
    EXPECT_EQ(qf::test::CheckLinkInvariants(*quad), "");
}

TEST_F(MqoExchangeTest, ImportNamesAreUniqueAndMayHoldBlanks) {
    const std::string unnamed = "Object \"\" {\n\tvertex 1 {\n\t\t0 0 0\n\t}\n}\n";
    ASSERT_TRUE(ImportText(Document(unnamed + unnamed + "Object \"my part\" {\n\tvertex 0 {\n\t}\n}\n")));
    ASSERT_EQ(doc->m_objects.GetCount(), 3);
    EXPECT_EQ(doc->m_objects.GetAtIndex(0)->GetName(), "metaseq_obj_01");
    EXPECT_EQ(doc->m_objects.GetAtIndex(1)->GetName(), "metaseq_obj_01 _01");
    EXPECT_EQ(doc->m_objects.GetAtIndex(2)->GetName(), "my part");
    EXPECT_EQ(doc->m_objects.GetAtIndex(0)->GetColor(), CSpatchObj().GetColor());
}

TEST_F(MqoExchangeTest, BinaryVerticesReadLikeTextOnes) {
    std::string binary = "Object \"quad\" {\n\tBVertex 4 {\n\t\tVector 4 [48]\n";
    const float points[12] = {10, 20, 30, 20, 20, 30, 20, 30, 30, 10, 30, 30};
    for (float v : points) {
        uint32_t bits;
        std::memcpy(&bits, &v, 4);
        for (int i = 0; i < 4; ++i)
            binary += static_cast<char>((bits >> (8 * i)) & 0xFF);
    }
    binary += "\n\t}\n\tface 1 {\n\t\t4 V(0 1 2 3)\n\t}\n}\n";
    ASSERT_TRUE(ImportText(Document(binary)));
    ASSERT_TRUE(ImportText(Document(kQuadObject)));
    ASSERT_EQ(doc->m_objects.GetCount(), 2);
    EXPECT_EQ(DescribeGeometry(*doc->m_objects.GetAtIndex(0)),
              DescribeGeometry(*doc->m_objects.GetAtIndex(1)));
}

TEST_F(MqoExchangeTest, MirrorAndLatheBecomeRealGeometry) {
    const std::string mirrored = "Object \"half\" {\n\tmirror 1\n\tmirror_axis 1\n"
                                 "\tvertex 4 {\n\t\t10 0 0\n\t\t20 0 0\n\t\t20 10 0\n\t\t10 10 0\n\t}\n"
                                 "\tface 1 {\n\t\t4 V(0 1 2 3)\n\t}\n}\n";
    const std::string lathe = "Object \"lathe\" {\n\tlathe 1\n\tlathe_axis 1\n\tlathe_seg 2\n"
                              "\tvertex 2 {\n\t\t10 0 0\n\t\t10 10 0\n\t}\n"
                              "\tface 1 {\n\t\t2 V(0 1)\n\t}\n}\n";
    ASSERT_TRUE(ImportText(Document(mirrored + lathe)));
    ASSERT_EQ(doc->m_objects.GetCount(), 2);
    CSpatchObj* half = doc->m_objects.GetAtIndex(0);
    EXPECT_EQ(half->GetVertices().GetCount(), 8);
    EXPECT_EQ(half->CountQuadPatches(), 2);
    const std::vector<std::string> points = SortedPoints(*half);
    for (const char* mirror : {"-1.000 0.000 0.000", "-2.000 0.000 0.000", "-2.000 1.000 0.000"})
        EXPECT_TRUE(std::find(points.begin(), points.end(), mirror) != points.end()) << mirror;
    // Three segments at least: two profile points swept three times round Y.
    CSpatchObj* swept = doc->m_objects.GetAtIndex(1);
    EXPECT_EQ(swept->GetVertices().GetCount(), 6);
    EXPECT_EQ(swept->CountQuadPatches(), 3);
}

TEST_F(MqoExchangeTest, ExportThenImportGivesTheSameShapeAtATenthOfTheScale) {
    Add(qf::test::MakeClosedBox(1.5f), "box");
    Add(qf::test::MakeTriangleFan(5), "fan");
    const std::string file = dir.File("round.mqo");
    for (float scale : {1.0f, 10.0f}) {
        SCOPED_TRACE(scale);
        CExportSettings settings;
        settings.scale = scale;
        ASSERT_TRUE(CMqoExporter().ExportTo(*doc, file.c_str(), settings));
        ASSERT_TRUE(CMqoExporter().ImportFrom(*doc, file.c_str()));
        for (int i = 0; i < 2; ++i) {
            CSpatchObj* original = doc->m_objects.GetAtIndex(i);
            CSpatchObj* imported = doc->m_objects.GetAtIndex(doc->m_objects.GetCount() - 2 + i);
            EXPECT_EQ(SortedPoints(*imported), SortedPoints(*original, scale * 0.1f));
            EXPECT_EQ(imported->CountQuadPatches(), original->CountQuadPatches());
            EXPECT_EQ(imported->CountTriPatches(), original->CountTriPatches());
            // Each channel is written with three decimals and read back truncated.
            for (int channel = 0; channel < 3; ++channel)
                EXPECT_NEAR((imported->GetColor() >> (8 * channel)) & 0xFF,
                            (original->GetColor() >> (8 * channel)) & 0xFF, 1);
        }
        doc->DeleteObject(doc->m_objects.GetTail());
        doc->DeleteObject(doc->m_objects.GetTail());
    }
}

TEST_F(MqoExchangeTest, ImportIsOneUndoStepAndReadsAReadOnlyFile) {
    Add(qf::test::MakeClosedBox(), "box");
    const std::string before = DocumentBytes(*doc);
    const std::string file = dir.File("locked.mqo");
    qf::test::WriteFileBytes(file, Document(kQuadObject));
    std::filesystem::permissions(file, std::filesystem::perms::owner_read);
    ui.path = file;
    CMqoExporter().ImportAndRedraw(ui);
    EXPECT_EQ(doc->m_objects.GetCount(), 2);
    EXPECT_EQ(ui.filters, std::vector<std::string>{"Metasequoia(*.mqo)|*.mqo||"});
    ASSERT_EQ(doc->m_undoBuffer.GetPosition(), 1);
    EXPECT_EQ(doc->m_undoBuffer.GetRecord(0)->m_kind, undoImport);
    doc->m_undoBuffer.Undo();
    EXPECT_TRUE(SameDocumentBytes(before, DocumentBytes(*doc)));
}

TEST_F(MqoExchangeTest, RefusedFilesChangeNothing) {
    struct Case {
        const char* name;
        std::string text;
        const char* told;
    };
    const std::string head = "Metasequoia Document\nObject \"o\" {\n";
    const Case cases[] = {
        {"another program's file", "Wavefront\nObject \"o\" {\n}\n", "isn't mqo"},
        {"vertex count past the end", head + "\tvertex 90 {\n\t\t0 0 0\n\t}\n}\n", "count"},
        {"face on a missing vertex",
         head + "\tvertex 1 {\n\t\t0 0 0\n\t}\n\tface 1 {\n\t\t2 V(0 1)\n\t}\n}\n", "index"},
        {"negative vertex index", head + "\tvertex 1 {\n\t\t0 0 0\n\t}\n\tface 1 {\n\t\t2 V(0 -1)\n\t}\n}\n",
         "index"},
        {"fewer indices than corners",
         head + "\tvertex 2 {\n\t\t0 0 0\n\t\t1 0 0\n\t}\n\tface 1 {\n\t\t3 V(0 1)\n\t}\n}\n", "form"},
        {"face count past its lines",
         head + "\tvertex 2 {\n\t\t0 0 0\n\t\t1 0 0\n\t}\n\tface 9 {\n\t\t2 V(0 1)\n\t}\n}\n", "count"},
        {"binary size that does not match", head + "\tBVertex 1 {\n\t\tVector 1 [16]\n123456789012\n\t}\n}\n",
         "binary"},
        {"binary data cut short", head + "\tBVertex 2 {\n\t\tVector 2 [24]\n123456789012", "count"},
        {"a word for a coordinate", head + "\tvertex 1 {\n\t\t0 zero 0\n\t}\n}\n", "number"},
        {"an object that never closes", head + "\tvertex 1 {\n\t\t0 0 0\n\t}\n", "ends"},
        {"an endless lathe", head + "\tlathe 1\n\tlathe_seg 100000\n\tvertex 0 {\n\t}\n}\n", "lathe"},
        // A 53 KB file would otherwise sweep eight million points.
        {"a lathe of too many points", "Metasequoia\n" + Lathe(1950, 4096, ""),
         "more points than can be edited (line "},
        {"a mirrored lathe of too many points",
         "Metasequoia\n" + Lathe(130, 4096, "\tmirror 1\n\tmirror_axis 1\n"), "more points"},
        {"lathes too large together", "Metasequoia\n" + Lathe(130, 4096, "") + Lathe(130, 4096, ""),
         "more points"},
    };
    Add(qf::test::MakeClosedBox(), "box");
    const std::string before = DocumentBytes(*doc);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectRefused([&] { return ImportText(c.text); }, c.told, before);
    }
}

TEST_F(MqoExchangeTest, AFileCutShortAnywhereIsRefusedWhole) {
    Add(MakeSquare(1, 2, 3), "square");
    // The exported square, then a chunk as other programs write it. Cut
    // between the two, or with nothing after the first word, the file lacks
    // only its closing "Eof".
    std::string whole = Export();
    whole.insert(whole.rfind("Eof"), kQuadObject);
    const std::string path = dir.File("cut.mqo");
    ExpectEveryCutRefused(whole, "Metasequoia", path,
                          [&] { return CMqoExporter().ImportFrom(*doc, path.c_str()); });
}
