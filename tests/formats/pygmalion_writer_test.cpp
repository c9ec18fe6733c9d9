// The Pygmalion graph file: a square's whole text, the segment numbering of
// open and closed curves, the patches "Create All Surface" lets in, and
// every number of a larger model within its range.
#include "exchange_fixture.h"
#include "formats/export_text.h"
#include "formats/pygmalion_writer.h"
#include "support/mesh_builders.h"
#include "support/model_shapes.h"

#include <gtest/gtest.h>
#include <sstream>

using qf::test::AddCurveThrough;

namespace {

std::string Write(CSpatchObj& obj, int createAllSurfaces = 0) {
    CExportText text;
    WritePygmalion(text, obj, createAllSurfaces);
    return text.GetBytes();
}

const char* const kCameras = "normal\ncamera \n0.000000 0.000000 0.000000\n20.000000 10.000000 90.000000\n"
                             "320 240 60.000000\n"
                             "xy\ncamera \n0.100000\n0.000000 0.000000 10.000000\n320 240 60.000000\n"
                             "yz\ncamera \n0.100000\n10.000000 0.000000 0.000000\n320 240 60.000000\n"
                             "xz\ncamera \n0.100000\n0.000000 10.000000 0.000000\n320 240 60.000000\n";

// One closed curve through four corners at z = 1.
std::unique_ptr<CSpatchObj> MakeClosedSquare() {
    auto obj = std::make_unique<CSpatchObj>();
    AddCurveThrough(
        *obj,
        {obj->AddVertex(0, 0, 1), obj->AddVertex(1, 0, 1), obj->AddVertex(1, 1, 1), obj->AddVertex(0, 1, 1)},
        true);
    obj->UpdateCurveHandles();
    return obj;
}

} // namespace

TEST(PygmalionWriterTest, AClosedSquareIsFourPointsFourSegmentsAndOnePatch) {
    auto square = MakeClosedSquare();
    // A patch bounded by one curve alone needs "Create All Surface".
    const std::string text = Write(*square, 1);
    EXPECT_EQ(text, std::string("PYG\nversion1.0\n# comment line \n4 4 1 4 0\n") + kCameras +
                        "0.000000 0.000000 -1.000000 2 1 0.500000\n3 0 0 \n"
                        "1.000000 0.000000 -1.000000 2 1 0.500000\n1 0 0 \n"
                        "1.000000 1.000000 -1.000000 2 1 0.500000\n2 1 0 \n"
                        "0.000000 1.000000 -1.000000 2 1 0.500000\n3 2 0 \n"
                        "0 1 1 0.500000\n0 \n"
                        "1 2 1 0.500000\n0 \n"
                        "2 3 1 0.500000\n0 \n"
                        "3 0 1 0.500000\n0 \n"
                        "0 4\n0 1 2 3\n0 1 2 3\n");
    EXPECT_EQ(square->GetAllowHiddenCorners(), 0) << "the object is left as it was";
    EXPECT_NE(Write(*square).find("\n4 4 0 4 0\n"), std::string::npos) << "without the option no patch";
}

TEST(PygmalionWriterTest, AnOpenCurveHasOneSegmentFewerAndItsEndsOneEach) {
    CSpatchObj obj;
    CPatchVertex* a = obj.AddVertex(0, 0, 2);
    CPatchVertex* b = obj.AddVertex(1, 0, 2);
    CPatchVertex* c = obj.AddVertex(2, 0, 2);
    CPatchVertex* d = obj.AddVertex(2, 1, 2);
    AddCurveThrough(obj, {a, b, c});
    AddCurveThrough(obj, {c, d});
    obj.UpdateCurveHandles();
    const std::string text = Write(obj);
    const std::string points = text.substr(text.find(kCameras) + std::string(kCameras).size());
    EXPECT_EQ(points, "0.000000 0.000000 -2.000000 1 0 0.500000\n0 \n"
                      "1.000000 0.000000 -2.000000 2 0 0.500000\n1 0 \n"
                      "2.000000 0.000000 -2.000000 2 0 0.500000\n1 2 \n"
                      "2.000000 1.000000 -2.000000 1 0 0.500000\n2 \n"
                      "0 1 0 0.500000\n\n1 2 0 0.500000\n\n2 3 0 0.500000\n\n");
    EXPECT_TRUE(text.starts_with("PYG\nversion1.0\n# comment line \n4 3 0 4 0\n"));
}

TEST(PygmalionWriterTest, EveryNumberOfALargerModelLiesInItsRange) {
    CSpatchObj obj;
    obj.AppendGeometry(qf::test::MakeClosedBox().get(), 0);
    obj.AppendGeometry(qf::test::MakeTriangleFan(5).get(), 0);
    obj.AppendGeometry(qf::test::MakeFlatQuadGrid(3).get(), 0);
    std::istringstream in(Write(obj));
    std::string line;
    for (int i = 0; i < 3; ++i)
        std::getline(in, line);
    int points = 0, segments = 0, patches = 0, four = 0, zero = 0;
    in >> points >> segments >> patches >> four >> zero;
    EXPECT_EQ(points, 8 + 6 + 16);
    EXPECT_EQ(segments, 12 + 5 + 5 + 2 * 4 * 3) << "box edges, fan rim and spokes, grid rows and columns";
    EXPECT_EQ(patches, 6 + 5 + 9);
    for (int i = 0; i < 4; ++i) // the cameras: name, "camera" and their numbers
        for (int k = 0; k < (i == 0 ? 11 : 9); ++k)
            in >> line;
    const auto expectIndex = [&](int limit, const char* what) {
        int value = -1;
        ASSERT_TRUE(in >> value) << what;
        EXPECT_TRUE(value >= 0 && value < limit) << what << " " << value;
    };
    int segmentEnds = 0;
    for (int p = 0; p < points; ++p) {
        float x, y, z, half;
        int ends = 0, around = 0;
        ASSERT_TRUE(in >> x >> y >> z >> ends >> around >> half);
        segmentEnds += ends;
        for (int k = 0; k < ends; ++k)
            expectIndex(segments, "segment of a point");
        for (int k = 0; k < around; ++k)
            expectIndex(patches, "patch of a point");
    }
    EXPECT_EQ(segmentEnds, 2 * segments) << "each segment has two ends";
    for (int s = 0; s < segments; ++s) {
        expectIndex(points, "segment start");
        expectIndex(points, "segment end");
        int along = 0;
        float half = 0;
        ASSERT_TRUE(in >> along >> half);
        for (int k = 0; k < along; ++k)
            expectIndex(patches, "patch of a segment");
    }
    for (int p = 0; p < patches; ++p) {
        int flag = -1, sides = 0;
        ASSERT_TRUE(in >> flag >> sides);
        ASSERT_TRUE(sides == 3 || sides == 4);
        for (int k = 0; k < sides; ++k)
            expectIndex(segments, "segment of a patch");
        for (int k = 0; k < sides; ++k)
            expectIndex(points, "corner of a patch");
    }
    EXPECT_FALSE(in >> line) << "nothing after the patches";
}
