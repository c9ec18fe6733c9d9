#include "model/glyph_source.h"
#include "model/spatch_obj.h"
#include "support/model_builders.h"

#include <gtest/gtest.h>
#include <map>
#include <vector>

using qf::test::CheckLinkInvariants;
using qf::test::ExpectVectorNear;

namespace {

// Glyphs made up by the test; records every character asked for.
class SyntheticGlyphs : public CGlyphSource {
public:
    bool GetGlyph(char32_t code, CGlyphOutline& glyph) override {
        asked.push_back(code);
        const auto it = glyphs.find(code);
        if (it == glyphs.end())
            return false;
        glyph = it->second;
        return true;
    }

    std::map<char32_t, CGlyphOutline> glyphs;
    std::vector<char32_t> asked;
};

CGlyphOutline Square(int advance) {
    return CGlyphOutline{advance, {{{0, 0}, {0, 700}, {500, 700}, {500, 0}}}};
}

std::vector<const CCurvePoint*> NodesOf(const CCurve* curve) {
    std::vector<const CCurvePoint*> nodes;
    for (const CCurvePoint* node : curve->m_nodes)
        nodes.push_back(node);
    return nodes;
}

} // namespace

TEST(TextOutlineTest, GlyphsAdvanceByTheirCellAndOneFortiethOfTheSize) {
    SyntheticGlyphs glyphs;
    glyphs.glyphs[U'A'] = Square(600);
    glyphs.glyphs[U' '] = CGlyphOutline{-250, {}};
    CSpatchObj obj;
    ASSERT_EQ(obj.CreateTextOutline(glyphs, "A A", 40.0f), 1);
    ASSERT_EQ(obj.GetCurves().GetCount(), 2) << "the space adds no curve";
    EXPECT_EQ(CheckLinkInvariants(obj), "");
    // Pen: A at 0; the space at 24 + 1; the second A at 25 + 10 + 1.
    const CCurve* second = obj.GetCurves().GetAtIndex(1);
    ExpectVectorNear(*second->m_nodes.GetHead()->m_vertex, CVector3(36, 0, 0), "second glyph origin");
    ExpectVectorNear(*second->m_nodes.GetAtIndex(2)->m_vertex, CVector3(56, 28, 0), "scaled by size / 1000");
    for (const CCurve* curve : obj.GetCurves()) {
        EXPECT_EQ(curve->m_closed, 1);
        for (const CCurvePoint* node : curve->m_nodes)
            EXPECT_EQ(node->m_sharp + node->m_manualIn * 10 + node->m_manualOut * 100, 1)
                << "straight outlines give sharp nodes without handles";
    }
    EXPECT_EQ(obj.GetNeedsRebuild(), 1) << "new closed curves may hold patches";
}

TEST(TextOutlineTest, ControlPointsBecomeHandlesOrSmoothNodes) {
    SyntheticGlyphs glyphs;
    // A lens of two quadratic arcs, then a run of three control points between two corners.
    glyphs.glyphs[U'o'] = CGlyphOutline{1000, {{{0, 0}, {500, 500, false}, {1000, 0}, {500, -500, false}}}};
    glyphs.glyphs[U's'] =
        CGlyphOutline{1000, {{{0, 0}, {0, 400, false}, {300, 600, false}, {600, 400, false}, {600, 0}}}};
    CSpatchObj obj;
    ASSERT_EQ(obj.CreateTextOutline(glyphs, "os", 1000.0f), 1);
    ASSERT_EQ(obj.GetCurves().GetCount(), 2);

    const auto lens = NodesOf(obj.GetCurves().GetAtIndex(0));
    ASSERT_EQ(lens.size(), 2u) << "control points next to outline points are dropped";
    EXPECT_EQ(lens[0]->m_manualIn + lens[0]->m_manualOut, 2);
    ExpectVectorNear(lens[0]->m_offsetOut, CVector3(500, 500, 0), "towards the next control point");
    ExpectVectorNear(lens[0]->m_offsetIn, CVector3(500, -500, 0), "towards the previous one, wrapping");

    const auto run = NodesOf(obj.GetCurves().GetAtIndex(1));
    ASSERT_EQ(run.size(), 3u);
    const CCurvePoint* middle = run[1];
    EXPECT_EQ(middle->m_sharp, 0) << "the inner control point of a run stays as a smooth node";
    ExpectVectorNear(*middle->m_vertex, CVector3(1325, 600, 0), "after the lens and a gap of 25");
    ExpectVectorNear(middle->m_offsetIn, CVector3(-300, -200, 0));
    ExpectVectorNear(middle->m_offsetOut, CVector3(300, -200, 0));
    EXPECT_EQ(run[0]->m_manualIn, 0) << "the corner's previous point is on the outline";
    EXPECT_EQ(run[0]->m_manualOut + run[2]->m_manualIn, 2);
    EXPECT_EQ(run[0]->m_sharp + run[2]->m_sharp, 2);
}

TEST(TextOutlineTest, TextIsReadCharacterByCharacter) {
    SyntheticGlyphs glyphs;
    glyphs.glyphs[U'a'] = Square(1000);
    glyphs.glyphs[U'あ'] = Square(1000);
    CSpatchObj obj;
    obj.CreateTextOutline(glyphs, "aあa", 10.0f);
    EXPECT_EQ(glyphs.asked, (std::vector<char32_t>{U'a', U'あ', U'a'}));
    EXPECT_EQ(obj.GetCurves().GetCount(), 3);

    // Cut or broken sequences stand for one replacement character per byte
    // and never reach past the end of the text.
    glyphs.asked.clear();
    const char cut[] = {'a', '\xE3', '\x81'};
    obj.CreateTextOutline(glyphs, CString(std::string_view(cut, sizeof cut)), 10.0f);
    EXPECT_EQ(glyphs.asked, (std::vector<char32_t>{U'a', U'\uFFFD', U'\uFFFD'}));
}

TEST(TextOutlineTest, MissingGlyphsAndBadSizes) {
    SyntheticGlyphs glyphs;
    glyphs.glyphs[U'a'] = Square(1000);
    CSpatchObj obj;
    EXPECT_EQ(obj.CreateTextOutline(glyphs, "?", 10.0f), 0) << "nothing to add";
    EXPECT_TRUE(obj.GetVertices().IsEmpty());
    EXPECT_EQ(obj.CreateTextOutline(glyphs, "?a", 10.0f), 1);
    EXPECT_EQ(obj.GetVertices().GetHead()->GetX(), 0.0f) << "a skipped glyph does not advance the pen";

    for (float size : {0.0f, -5.0f}) {
        CSpatchObj sized;
        sized.CreateTextOutline(glyphs, "a", size);
        ExpectVectorNear(*sized.GetVertices().GetAtIndex(2), CVector3(0.5f, 0.7f, 0), "size 1");
    }
}

TEST(TextOutlineTest, InstalledFontsGiveClosedCurves) {
    CFontGlyphSource dejaVu("DejaVu Sans", CTextFontStyle{});
    ASSERT_TRUE(dejaVu.IsOpen());
    ASSERT_EQ(dejaVu.GetFamily(), CString("DejaVu Sans")) << "fonts-dejavu-core is installed";
    CSpatchObj latin;
    ASSERT_EQ(latin.CreateTextOutline(dejaVu, "LH", 100.0f), 1);
    ASSERT_EQ(latin.GetCurves().GetCount(), 2);
    EXPECT_EQ(latin.GetCurves().GetAtIndex(0)->m_nodes.GetCount(), 6) << "L";
    EXPECT_EQ(latin.GetCurves().GetAtIndex(1)->m_nodes.GetCount(), 12) << "H";
    CVector3 maxCorner, minCorner;
    latin.GetBounds(maxCorner, minCorner);
    EXPECT_NEAR(minCorner.GetY(), 0.0f, 1e-4f) << "on the base line";
    EXPECT_GT(maxCorner.GetY(), 50.0f);
    EXPECT_LT(maxCorner.GetY(), 100.0f) << "capitals are lower than the cell";

    CFontGlyphSource gothic("MS UI Gothic", CTextFontStyle{0, textCharSetShiftJis});
    ASSERT_TRUE(gothic.IsOpen());
    EXPECT_NE(gothic.GetFamily().Find("CJK"), -1) << gothic.GetFamily().GetString();
    CSpatchObj japanese;
    ASSERT_EQ(
        japanese.CreateTextOutline("あ", "MS UI Gothic", CTextFontStyle{0, textCharSetShiftJis}, 100.0f), 1);
    EXPECT_GE(japanese.GetCurves().GetCount(), 2);
    int handles = 0;
    for (const CCurve* curve : japanese.GetCurves())
        for (const CCurvePoint* node : curve->m_nodes)
            handles += node->m_manualIn + node->m_manualOut;
    EXPECT_GT(handles, 0) << "a round character has curved segments";

    CSpatchObj ansi;
    EXPECT_EQ(ansi.CreateTextOutline("あL", "DejaVu Sans", CTextFontStyle{0, textCharSetAnsi}, 100.0f), 1);
    EXPECT_EQ(ansi.GetCurves().GetCount(), 1) << "the ANSI set holds no two-byte character";
    ExpectVectorNear(*ansi.GetVertices().GetHead(), *latin.GetVertices().GetHead(), "and it takes no room");
}

TEST(QuadPatchEvaluationTest, ParameterCornersAreTheNetCorners) {
    auto obj = qf::test::MakeFlatQuadGrid(1);
    obj->GetVertices().GetAtIndex(3)->SetY(2.0f);
    obj->UpdateCurveHandles();
    obj->Rebuild();
    const CPatch* patch = obj->GetPatches().GetHead();
    ASSERT_NE(patch, nullptr);
    PatchNet net{};
    patch->BuildNet(net);
    const struct {
        float s, t;
        int netPoint;
    } cases[] = {{0, 0, 0}, {1, 0, 3}, {0, 1, 12}, {1, 1, 15}};
    for (const auto& c : cases) {
        CVector3 out;
        obj->EvaluateQuadPatch(out, patch, c.s, c.t);
        EXPECT_EQ(out, GetNetPoint(net, c.netPoint)) << c.s << ", " << c.t;
    }
    CVector3 middle;
    obj->EvaluateQuadPatch(middle, patch, 0.5f, 0.5f);
    ExpectVectorNear(middle, EvaluateNet(net, 0.5f, 0.5f), "the same surface as the double evaluator", 1e-5f);
    CVector3 untouched(7, 7, 7);
    obj->EvaluateQuadPatch(untouched, nullptr, 0.5f, 0.5f);
    EXPECT_EQ(untouched, CVector3(7, 7, 7));
}
