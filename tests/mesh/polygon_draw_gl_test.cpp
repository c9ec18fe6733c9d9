// A polygon object drawn in a pane: the smoothing preview of quads and
// triangles, the edges and the points.
#include "mesh/polygon_obj.h"
#include "model/spatch_draw.h"
#include "support/gl_fixture.h"

#include <GL/gl.h>

using qf::test::Image;

namespace {

constexpr int kSize = 64;

class PolygonDrawGlTest : public qf::test::GlFixture {
protected:
    void SetUp() override { MakePixelSurface(kSize, kSize); }

    // The pixel colour (0xRRGGBB) at GL coordinates x, y.
    uint32_t At(int x, int y) const { return Pixels().At(x, kSize - 1 - y); }
    int CountLit() const {
        const Image image = Pixels();
        int lit = 0;
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x)
                lit += image.At(x, y) != 0 ? 1 : 0;
        return lit;
    }

    // One face through the given pixel corners, topology built as after loading.
    void MakeFace(std::initializer_list<CVector3> corners) {
        for (const CVector3& p : corners)
            obj.AddVertex(p.GetX(), p.GetY(), p.GetZ());
        CPolyFace* face = obj.AddFace();
        if (corners.size() == 4)
            obj.SetQuadFace(face, 0, 1, 2, 3);
        else
            obj.SetTriFace(face, 0, 1, 2);
        obj.SetCullBackFaces(0);
        obj.BuildTopology();
        obj.ComputeNormals();
        obj.ClearAdjacency();
    }

    CPolygonObj obj;
};

} // namespace

TEST_F(PolygonDrawGlTest, IsolatedQuadPreviewsAsFourColouredQuads) {
    MakeFace({CVector3(8, 8, 0), CVector3(56, 8, 0), CVector3(56, 56, 0), CVector3(8, 56, 0)});
    obj.Draw();
    // Corner 0's quad runs from 0.75 V + (next + previous) / 8 = (14, 14) to
    // the face centre (32, 32); the others follow round the face.
    EXPECT_EQ(At(24, 24), 0xFF0000u);
    EXPECT_EQ(At(40, 24), 0x00FF00u);
    EXPECT_EQ(At(40, 40), 0x0000FFu);
    EXPECT_EQ(At(24, 40), 0xFFFF00u);
    EXPECT_EQ(At(11, 11), 0u) << "the outer corners are pulled in";
    EXPECT_EQ(At(32, 10), 0u) << "so are the edge middles";
    EXPECT_EQ(obj.IsAdjacencyBuilt(), 1) << "the preview leaves the adjacency linked";
}

TEST_F(PolygonDrawGlTest, TrianglePreviewIsSixPointsOnly) {
    obj.SetColor(0x00FFFFFF);
    MakeFace({CVector3(8, 8, 0), CVector3(56, 8, 0), CVector3(32, 56, 0)});
    obj.Draw();
    const int lit = CountLit();
    EXPECT_GT(lit, 0);
    EXPECT_LE(lit, 6 * 16) << "six points of size 3";
    EXPECT_EQ(At(32, 24), 0u) << "never a filled triangle";
}

TEST_F(PolygonDrawGlTest, EdgesAndPointsFollowTheSwitches) {
    MakeFace({CVector3(8, 8, 0), CVector3(56, 8, 0), CVector3(56, 56, 0), CVector3(8, 56, 0)});
    glColor3f(0, 0, 1);
    obj.DrawEdges();
    EXPECT_TRUE(At(32, 7) == 0x0000FFu || At(32, 8) == 0x0000FFu) << "the bottom edge";
    EXPECT_TRUE(At(55, 32) == 0x0000FFu || At(56, 32) == 0x0000FFu) << "the right edge";
    EXPECT_EQ(At(32, 32), 0u);

    CPatchDrawSettings settings;
    settings.vertexPointSize = 5.0f;
    MakePixelSurface(kSize, kSize);
    obj.DrawVertices(settings);
    EXPECT_EQ(CountLit(), 0) << "an object that is not selected shows no points";
    obj.SetSelected(1);
    settings.leftButtonMode = 800;
    obj.DrawVertices(settings);
    EXPECT_EQ(CountLit(), 0) << "nor while a light tool is on the left button";
    settings.leftButtonMode = 303;
    obj.DrawVertices(settings);
    EXPECT_EQ(At(56, 56), 0xFF0000u);
    EXPECT_EQ(CountLit(), 4 * 25);
    GLfloat size = 0;
    glGetFloatv(GL_POINT_SIZE, &size);
    EXPECT_EQ(size, 1.0f);

    MakePixelSurface(kSize, kSize);
    obj.SetShow(0);
    obj.Draw();
    obj.DrawEdges();
    obj.DrawVertices(settings);
    EXPECT_EQ(CountLit(), 0) << "a hidden object draws nothing";
}
