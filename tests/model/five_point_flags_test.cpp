#include "model/spatch_obj.h"
#include "platform/base/archive.h"
#include "support/gl_fixture.h"
#include "support/model_builders.h"

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <string>

using namespace qf::test;

namespace {

// Little-endian 4-byte words, the record's layout.
std::string Words(std::initializer_list<uint32_t> words) {
    std::string bytes;
    for (uint32_t w : words)
        for (int i = 0; i < 4; ++i)
            bytes += static_cast<char>((w >> (8 * i)) & 0xFF);
    return bytes;
}

// Five points; 1 and 3 selected.
std::unique_ptr<CSpatchObj> FivePoints() {
    auto obj = std::make_unique<CSpatchObj>();
    for (int i = 0; i < 5; ++i)
        obj->AddVertex(static_cast<float>(i), 0, 0);
    PointsOf(*obj)[1]->m_selected = 1;
    PointsOf(*obj)[3]->m_selected = 1;
    return obj;
}

std::string FivePointFlags(const CSpatchObj& obj) {
    std::string flags;
    for (const CPatchVertex* v : obj.GetVertices())
        flags += v->m_fivePoint ? '1' : '0';
    return flags;
}

} // namespace

TEST(FivePointFlagTest, SetClearInvertAndSelect) {
    auto obj = FivePoints();
    PointsOf(*obj)[3]->m_fivePoint = 1;
    struct Step {
        int op;
        const char* flags;
    };
    const Step steps[] = {{fivePointInvert, "01000"},
                          {fivePointInvert, "00010"},
                          {fivePointSet, "01010"},
                          {fivePointClear, "00000"},
                          {7, "00000"},
                          {-1, "00000"}};
    for (const Step& step : steps) {
        obj->SetNeedsRebuild(0);
        obj->SetFivePointFlag(step.op);
        EXPECT_EQ(FivePointFlags(*obj), step.flags) << "op " << step.op;
        EXPECT_EQ(obj->GetNeedsRebuild(), 1);
    }
    obj->SetFivePointFlag(fivePointSet);
    EXPECT_EQ(obj->CountFivePointVertices(), 2);

    obj->SelectAllVertices(0);
    PointsOf(*obj)[4]->m_hidden = 1;
    PointsOf(*obj)[4]->m_fivePoint = 1;
    CCurve* curve = AddCurveThrough(*obj, {PointsOf(*obj)[0], PointsOf(*obj)[1]});
    curve->m_nodes.GetHead()->m_selected = 1;
    obj->SelectByFivePointFlag(1);
    EXPECT_EQ(obj->CountSelectedVertices(), 2) << "points 1 and 3; hidden point 4 is never selected";
    EXPECT_EQ(obj->GetSelectedCurve(), nullptr);
}

TEST(FivePointFlagTest, RecordRoundTripsAndReplacesFlags) {
    auto obj = FivePoints();
    auto points = PointsOf(*obj);
    points[1]->m_fivePoint = points[4]->m_fivePoint = 1;
    points[2]->m_markerFlag = 1;
    points[2]->m_markerValues = {-3, 9};
    points[0]->m_ownColor = 1;
    points[0]->m_color = 0x00336699;
    CArchive out;
    obj->WriteVertexFlags(out);
    EXPECT_EQ(out.GetBytes(), Words({2, 1, 4, 1, 2, uint32_t(-3), 9, 1, 0, 0x00336699}));

    // Read into an object whose flags all differ; an index past the list is skipped.
    auto other = FivePoints();
    for (CPatchVertex* v : other->GetVertices())
        v->m_fivePoint = v->m_markerFlag = v->m_ownColor = 1;
    CArchive in(out.GetBytes());
    other->ReadVertexFlags(in);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(FivePointFlags(*other), "01001");
    EXPECT_EQ(other->CountMarkedVertices(), 1);
    EXPECT_EQ(PointsOf(*other)[2]->m_markerValues, (std::array<int, 2>{-3, 9}));
    EXPECT_EQ(other->CountColouredVertices(), 1);
    EXPECT_EQ(PointsOf(*other)[0]->m_color, 0x00336699u);

    CArchive beyond(Words({2, 1, 40, 0, 0}));
    other->ReadVertexFlags(beyond);
    EXPECT_EQ(FivePointFlags(*other), "01000");
}

TEST(FivePointFlagTest, DamagedRecordIsRefusedWhole) {
    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case cases[] = {
        {"more flagged points than the object has", Words({6, 0, 1, 2, 3, 4, 0, 0, 0, 0})},
        {"a negative count", Words({uint32_t(-1), 0, 0})},
        {"a count the stream cannot hold", Words({0, 3, 1, 2, 3})},
        {"cut inside a marker", Words({1, 2, 1, 0}) + "\x05"},
        {"cut before the colours", Words({0, 0})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto obj = FivePoints();
        PointsOf(*obj)[3]->m_fivePoint = 1;
        CArchive in(c.bytes);
        EXPECT_THROW(obj->ReadVertexFlags(in), CArchiveException);
        EXPECT_EQ(FivePointFlags(*obj), "00010") << "flags untouched";
    }
}

namespace {

constexpr int kSize = 32;

class FivePointDrawingGlTest : public GlFixture {
protected:
    void SetUp() override { MakePixelSurface(kSize, kSize); }

    // Pixels of colour in the square of side 9 round (x, y).
    int CountAround(const Image& image, int x, int y, uint32_t colour) {
        int n = 0;
        for (int dy = -4; dy <= 4; ++dy)
            for (int dx = -4; dx <= 4; ++dx)
                n += image.At(x + dx, kSize - 1 - (y + dy)) == colour;
        return n;
    }

    ScopedStandInDocument m_scope;
};

} // namespace

TEST_F(FivePointDrawingGlTest, MarkedPointsRedAndLargerOthersYellow) {
    CSpatchObj obj;
    CPatchVertex* flagged = obj.AddVertex(8.5f, 8.5f, 0);
    CPatchVertex* invisible = obj.AddVertex(24.5f, 8.5f, 0);
    obj.AddVertex(16.5f, 24.5f, 0);
    flagged->m_fivePoint = 1;
    invisible->m_visible = 0;
    m_scope.doc.vertexPointSize = 3.0f;
    glEnable(GL_LIGHTING);
    glPointSize(7.0f);

    obj.DrawFivePointVertices();
    Image image = Pixels();
    EXPECT_EQ(CountAround(image, 8, 8, 0xFF0000), 25) << "flagged: red, 3 + 2 pixels wide";
    EXPECT_EQ(CountAround(image, 24, 8, 0xFFFF00), 9) << "unflagged: yellow, 3 pixels wide";
    EXPECT_EQ(CountAround(image, 16, 24, 0xFFFF00), 9);
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING)) << "the caller's state comes back";
    GLfloat size = 0;
    glGetFloatv(GL_POINT_SIZE, &size);
    EXPECT_EQ(size, 7.0f);

    glClear(GL_COLOR_BUFFER_BIT);
    obj.DrawInvisibleVertices();
    image = Pixels();
    EXPECT_EQ(CountAround(image, 24, 8, 0xFF0000), 25) << "invisible: red";
    EXPECT_EQ(CountAround(image, 8, 8, 0xFFFF00), 9);
}
