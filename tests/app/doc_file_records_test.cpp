// The patch object's and polygon object's records in the document file: the
// byte layout that a document written on either platform depends on.
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
    expected.Str("パッチ").Int(0x00010203);
    expected.Int(0).Int(1).Int(0).Int(1).Int(1).Int(0).Int(1).Str("partner").Int(1);
    expected.Int(2).Float(1).Float(2).Float(3).Int(1).Float(-1).Float(0.5f).Float(0).Int(0);
    expected.Int(1).Int(1).Int(77).Int(2).Int(0).Float(0.3f).Int(0).Int(1).Float(0.5f).Int(1);
    expected.Int(2).Int(1).Int(0).Int(0).Int(1).Int(0).Int(1);
    EXPECT_EQ(Written(obj, "partner"), expected.Get());
}

TEST(DocFileRecordsTest, OptionRecordLayout) {
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

    CArchive shortRecord(ar.GetBytes().substr(0, 67));
    CSpatchObj untouched;
    EXPECT_THROW(untouched.ReadOptions(shortRecord), CArchiveException);
    EXPECT_EQ(untouched.GetFivePointOn(), 0) << "a short record changes nothing";
    EXPECT_EQ(untouched.GetSeeThrough(), 0);
}

TEST(DocFileRecordsTest, PolygonObjectRecordLayout) {
    // Without faces: V, the vertices and F = 0; no edges are built.
    CPolygonObj bare;
    bare.SetName("p");
    bare.AddVertex(1, 2, 3)->m_value = 0.5f;
    CArchive bareAr;
    bare.Write(bareAr);
    FileBytes expected;
    expected.Str("p").Int(0x0000C8C8).Int(0).Int(1).Int(1).Int(1);
    expected.Int(0).Int(0).Int(1).Float(60.0f).Int(0).Int(1);
    expected.Int(1).Float(1).Float(2).Float(3).Float(0.5f).Int(0xFFFFFF).Int(0);
    EXPECT_EQ(bareAr.GetBytes(), expected.Get());
    CPolygonObj bareCopy;
    CArchive bareIn(bareAr.GetBytes());
    bareCopy.Load(bareIn);
    EXPECT_EQ(bareCopy.GetEdges().GetCount(), 0);
}
