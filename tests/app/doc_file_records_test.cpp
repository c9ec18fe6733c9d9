// The patch object's and polygon object's records in the document file: their
// byte layout, which a document written on either platform depends on, and
// what reading them back restores.
#include "doc_file_builder.h"
#include "mesh/polygon_obj.h"
#include "model/spatch_obj.h"
#include "support/model_shapes.h"

#include <gtest/gtest.h>

using qf::test::AddCurveThrough;

namespace {

std::string Written(CSpatchObj& obj, const char* partner = " ") {
    CArchive ar;
    obj.Write(ar, partner);
    return ar.GetBytes();
}

// The object read back from its own record, with the partner name it carried.
std::unique_ptr<CSpatchObj> ReadBack(const std::string& bytes, CString* partner = nullptr) {
    auto obj = std::make_unique<CSpatchObj>();
    CArchive ar(bytes);
    CString name;
    obj->Read(ar, name);
    EXPECT_TRUE(ar.AtEnd());
    if (partner)
        *partner = name;
    return obj;
}

void ExpectVector(const CVector3& actual, const CVector3& expected, const char* what) {
    EXPECT_EQ(actual.GetX(), expected.GetX()) << what;
    EXPECT_EQ(actual.GetY(), expected.GetY()) << what;
    EXPECT_EQ(actual.GetZ(), expected.GetZ()) << what;
}

} // namespace

TEST(DocFileRecordsTest, PatchObjectRecordLayout) {
    CSpatchObj empty;
    empty.SetName("e");
    EXPECT_EQ(Written(empty), FileBytes().EmptyObject("e").Get())
        << "name, eight integers, the partner, hollow, then V = 0, NC = 0 and V = 0";

    // Two points on one closed curve; the second may not be a patch corner
    // and its node is sharp.
    CSpatchObj obj;
    obj.SetName("パッチ");
    obj.SetColor(0x00010203);
    obj.SetHollow(1);
    obj.SetMotionBlur(1);
    CPatchVertex* a = obj.AddVertex(1, 2, 3);
    CPatchVertex* b = obj.AddVertex(-1, 0.5f, 0);
    b->m_visible = 0;
    CCurve* curve = AddCurveThrough(obj, {a, b}, true);
    curve->m_curveWord = 77;
    curve->m_nodes.GetTail()->m_sharp = 1;
    curve->m_nodes.GetTail()->m_weight = 0.5f;
    FileBytes expected;
    expected.Str("パッチ")
        .Int(0x00010203)
        .Int(0)
        .Int(1)
        .Int(0)
        .Int(1)
        .Int(1)
        .Int(0)
        .Int(1)
        .Str("partner")
        .Int(1);
    expected.Int(2).Float(1).Float(2).Float(3).Int(1).Float(-1).Float(0.5f).Float(0).Int(0);
    expected.Int(1).Int(1).Int(77).Int(2).Int(0).Float(0.3f).Int(0).Int(1).Float(0.5f).Int(1);
    expected.Int(2).Int(1).Int(0).Int(0).Int(1).Int(0).Int(1);
    EXPECT_EQ(Written(obj, "partner"), expected.Get());
}

TEST(DocFileRecordsTest, PatchObjectReadsBackWhatItWrote) {
    auto source = qf::test::MakePentagonWithNeighbours();
    CSpatchObj& obj = *source;
    obj.SetName("shape");
    obj.SetSmoothing(1);
    obj.SetEditable(0);
    obj.SetShow(0);
    obj.SetExport(0);
    obj.SetNoShadow(1);
    obj.SetDoubleIlluminate(1);
    obj.SetHollow(1);
    obj.GetVertices().GetAtIndex(6)->m_visible = 0;
    CCurve* last = obj.GetCurves().GetTail();
    last->m_closed = 1;
    last->m_curveWord = -5;
    CCurvePoint* node = last->m_nodes.GetHead();
    node->m_sharp = 1;
    node->m_weight = 0.7f;
    obj.UpdateCurveHandles();

    CString partner;
    auto copy = ReadBack(Written(obj, "friend"), &partner);
    EXPECT_EQ(partner, "friend");
    EXPECT_EQ(Written(*copy, "friend"), Written(obj, "friend"))
        << "points, visibility, curves, nodes, links and switches come back as they were";
    EXPECT_EQ(copy->GetSmoothing(), 1);
    EXPECT_EQ(copy->IsEditable(), 0);
    EXPECT_EQ(copy->GetNeedsRebuild(), 1) << "patches are found again on first use";
    for (const CPatchVertex* point : copy->GetVertices())
        for (const CVertexLink* link : point->m_links)
            EXPECT_EQ(link->m_node->m_vertex, point) << "a link leads to a node on its own point";
    for (int c = 0; c < obj.GetCurves().GetCount(); ++c)
        for (int n = 0; n < obj.GetCurves().GetAtIndex(c)->m_nodes.GetCount(); ++n) {
            const CCurvePoint* was = qf::test::NodeAt(obj, c, n);
            const CCurvePoint* is = qf::test::NodeAt(*copy, c, n);
            ExpectVector(is->m_handleIn, was->m_handleIn, "handles are derived again");
            ExpectVector(is->m_handleOut, was->m_handleOut, "handles are derived again");
        }
}

TEST(DocFileRecordsTest, OptionRecordLayoutAndReadBack) {
    CSpatchObj obj;
    obj.SetFivePointOn(1);
    obj.SetSeeThrough(1);
    obj.SetSeeThroughAmount(20);
    obj.SetNoImage(1);
    obj.SetNoReflection(1);
    obj.SetMirrorMode(2);
    obj.SetMirrorLimitDistance(0.5f);
    obj.SetMirrorLimit(1);
    obj.SetMirrorAxis(0, 0);
    obj.SetMirrorAxis(1, 1);
    obj.SetMirrorAxis(2, 1);
    obj.SetPolygonize(1);
    obj.SetDivision(4);
    obj.SetSmoothOn(1);
    obj.SetSmoothAngle(33.0f);
    obj.SetSubdivisionOn(1);
    obj.SetSubdivisionCount(3);
    CArchive ar;
    obj.WriteOptions(ar);
    FileBytes expected;
    expected.Int(1).Int(1).Int(20).Int(1).Int(1).Int(2).Float(0.5f).Int(1).Int(0).Int(1).Int(1);
    expected.Int(1).Int(4).Int(1).Float(33.0f).Int(1).Int(3);
    ASSERT_EQ(ar.GetBytes().size(), 68u);
    EXPECT_EQ(ar.GetBytes(), expected.Get());

    CSpatchObj copy;
    CArchive in(ar.GetBytes());
    copy.ReadOptions(in);
    CArchive again;
    copy.WriteOptions(again);
    EXPECT_EQ(again.GetBytes(), ar.GetBytes());

    CArchive shortRecord(ar.GetBytes().substr(0, 67));
    CSpatchObj untouched;
    EXPECT_THROW(untouched.ReadOptions(shortRecord), CArchiveException);
    EXPECT_EQ(untouched.GetFivePointOn(), 0) << "a short record changes nothing";
    EXPECT_EQ(untouched.GetSeeThrough(), 0);
}

TEST(DocFileRecordsTest, PolygonObjectRecord) {
    // Without faces: V, the vertices and F = 0; no edges are built.
    CPolygonObj bare;
    bare.SetName("p");
    bare.AddVertex(1, 2, 3)->m_value = 0.5f;
    CArchive bareAr;
    bare.Write(bareAr);
    FileBytes expected;
    expected.Str("p")
        .Int(0x0000C8C8)
        .Int(0)
        .Int(1)
        .Int(1)
        .Int(1)
        .Int(0)
        .Int(0)
        .Int(1)
        .Float(60.0f)
        .Int(0)
        .Int(1);
    expected.Int(1).Float(1).Float(2).Float(3).Float(0.5f).Int(0xFFFFFF).Int(0);
    EXPECT_EQ(bareAr.GetBytes(), expected.Get());
    CPolygonObj bareCopy;
    CArchive bareIn(bareAr.GetBytes());
    bareCopy.Load(bareIn);
    EXPECT_EQ(bareCopy.GetEdges().GetCount(), 0);

    // A quad with texture coordinates, a triangle on its side and a wire edge.
    CPolygonObj obj;
    obj.SetName("mesh");
    obj.SetSmooth(0);
    obj.SetCullBackFaces(0);
    obj.SetExtraWord(1, 9);
    for (const CVector3& p : {CVector3(0, 0, 0), CVector3(1, 0, 0), CVector3(1, 1, 0), CVector3(0, 1, 0),
                              CVector3(2, 0, 0), CVector3(0, 2, 0)})
        obj.AddVertex(p.GetX(), p.GetY(), p.GetZ());
    CPolyFace* quad = obj.AddFace();
    obj.SetQuadFace(quad, 0, 1, 2, 3);
    quad->m_hasTexCoords = 1;
    quad->m_u[3] = 0.5f;
    quad->m_v[2] = 0.25f;
    obj.SetTriFace(obj.AddFace(), 1, 4, 2);
    obj.SetLineFace(obj.AddFace(), 3, 5);
    obj.BuildTopology();
    obj.ComputeNormals();
    obj.ClearAdjacency();
    CArchive ar;
    obj.Write(ar);

    CPolygonObj copy;
    CArchive in(ar.GetBytes());
    copy.Load(in);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(copy.GetName(), "mesh");
    EXPECT_EQ(copy.GetSmooth(), 0);
    EXPECT_EQ(copy.GetCullBackFaces(), 0);
    EXPECT_EQ(copy.GetExtraWord(1), 9);
    ASSERT_EQ(copy.GetFaces().GetCount(), 3);
    const CPolyFace* copiedQuad = copy.GetFaces().GetHead();
    EXPECT_EQ(copiedQuad->m_count, 4);
    EXPECT_EQ(copiedQuad->m_hasTexCoords, 1);
    EXPECT_EQ(copiedQuad->m_u[3], 0.5f);
    EXPECT_EQ(copiedQuad->m_v[2], 0.25f);
    EXPECT_TRUE(copy.GetFaces().GetTail()->IsLine()) << "the wire edge stays a line face";
    EXPECT_EQ(copy.GetEdges().GetCount(), 7);
    ExpectVector(copiedQuad->m_normals[0], quad->m_normals[0], "corner normals are computed again");
    EXPECT_EQ(copy.IsAdjacencyBuilt(), 0);
    CArchive again;
    copy.Write(again);
    EXPECT_EQ(again.GetBytes(), ar.GetBytes());
}
