#include "model/folder_obj.h"
#include "model/spatch_obj.h"
#include "support/model_builders.h"

#include <gtest/gtest.h>

using qf::test::AddCurveThrough;
using qf::test::CheckLinkInvariants;
using qf::test::MakeFlatQuadGrid;

namespace {

// A stand-in for a cached display mesh that counts its deletions.
class CountedMesh : public CBaseObj {
public:
    explicit CountedMesh(int* deleted) : m_deleted(deleted) {}
    ~CountedMesh() override { ++*m_deleted; }

private:
    int* m_deleted;
};

CCurvePoint* Node(const CSpatchObj& obj, int curve, int node) {
    return obj.GetCurves().GetAtIndex(curve)->m_nodes.GetAtIndex(node);
}

} // namespace

TEST(SceneObjectTest, EffectiveSwitchesFollowTheFolders) {
    CFolderObj outer, inner;
    inner.SetKey("folder2");
    inner.SetParentFolder(&outer);
    CSpatchObj obj;
    obj.SetParentFolder(&inner);
    EXPECT_EQ(obj.GetParentKey(), CString("folder2"));
    inner.SetShow(0);
    EXPECT_EQ(obj.IsShownEffective(), 0) << "a hidden folder hides what is inside";
    outer.SetExport(0);
    EXPECT_EQ(obj.IsExportEffective(), 0) << "two levels up still counts";
    EXPECT_EQ(outer.IsShownEffective(), 1);
    obj.SetParentFolder(nullptr);
    EXPECT_EQ(obj.IsShownEffective() + obj.IsExportEffective(), 2);
    EXPECT_TRUE(obj.GetParentKey().IsEmpty());
}

TEST(SceneObjectTest, CopiesKeepIdentityAndPlace) {
    CFolderObj folder;
    CSpatchObj source, target;
    source.SetName("cube");
    source.SetEditable(0);
    source.SetMirrorAxis(2, 1);
    source.GetMaterialSlot(4)->m_materialId = 12;
    source.SetCurrentSlot(4);
    source.SetSelected(1);
    source.SetSmoothing(1);
    source.SetSubdivisionCount(3);
    source.SetFivePointOn(1);
    source.AddVertex(1, 1, 1);
    target.SetKey("spatch_obj7");
    target.SetParentFolder(&folder);
    target.CopySettings(&source);
    EXPECT_EQ(target.GetName(), CString("cube"));
    EXPECT_EQ(target.IsEditable(), 0);
    EXPECT_EQ(target.GetMirrorAxis(2), 1);
    EXPECT_EQ(target.GetMaterialSlot(4)->m_materialId, 12);
    EXPECT_EQ(target.GetSmoothing() + target.GetFivePointOn(), 2);
    EXPECT_EQ(target.GetSubdivisionCount(), 3);
    EXPECT_EQ(target.GetKey(), CString("spatch_obj7"));
    EXPECT_EQ(target.GetParentFolder(), &folder);
    EXPECT_EQ(target.GetSelected() + target.GetCurrentSlot(), 0);
    EXPECT_TRUE(target.GetVertices().IsEmpty());

    target.SetMirrorAxis(3, 1);
    target.SetCurrentSlot(5);
    EXPECT_EQ(target.GetMirrorAxis(3), 0) << "no fourth axis";
    EXPECT_EQ(target.GetCurrentSlot(), 0) << "no sixth slot";
    EXPECT_EQ(target.GetMaterialSlot(5), nullptr);
}

TEST(PatchObjectTest, SelectedCurveIsTheFirstInListOrder) {
    auto grid = MakeFlatQuadGrid(2); // curves 0-2 along X, 3-5 along Z
    EXPECT_EQ(grid->GetSelectedCurve(), nullptr);
    Node(*grid, 4, 0)->m_selected = 1;
    Node(*grid, 1, 2)->m_selected = 1;
    Node(*grid, 1, 1)->m_selected = 1;
    EXPECT_EQ(grid->GetSelectedCurve(), grid->GetCurves().GetAtIndex(1));
    EXPECT_EQ(grid->GetSelectedCurvePoint(), Node(*grid, 1, 1)) << "the first selected node in node order";

    grid->GetVertices().GetAtIndex(4)->m_hidden = 1;
    grid->GetVertices().GetAtIndex(7)->m_visible = 0;
    grid->SelectAllVertices(1);
    EXPECT_EQ(grid->CountSelectedVertices(), 8) << "the hidden point stays unselected";
    EXPECT_EQ(grid->GetSelectedCurve(), nullptr) << "selecting points clears the nodes";
    grid->SelectAllVertices(0);
    grid->SelectVisibleVertices();
    EXPECT_EQ(grid->CountSelectedVertices(), 1);
    EXPECT_EQ(grid->GetVertices().GetAtIndex(7)->m_selected, 1);
}

TEST(PatchObjectTest, BoundsAndCentres) {
    CSpatchObj obj;
    CVector3 maxCorner(5, 5, 5), minCorner(-5, -5, -5);
    obj.GetBounds(maxCorner, minCorner);
    EXPECT_TRUE(maxCorner == CVector3() && minCorner == CVector3()) << "an empty object";
    obj.AddVertex(-4, -1, -9);
    CPatchVertex* b = obj.AddVertex(-2, -7, -3);
    CPatchVertex* c = obj.AddVertex(-6, -5, -1);
    obj.GetBounds(maxCorner, minCorner);
    EXPECT_TRUE(maxCorner == CVector3(-2, -1, -1)) << "points all below zero";
    EXPECT_TRUE(minCorner == CVector3(-6, -7, -9));
    EXPECT_TRUE(obj.GetCenter() == CVector3(-4, -4, -5));

    CVector3 keptMax(1, 2, 3), keptMin(4, 5, 6);
    obj.GetSelectedBounds(keptMax, keptMin);
    EXPECT_TRUE(keptMax == CVector3(1, 2, 3) && keptMin == CVector3(4, 5, 6)) << "nothing selected";
    b->SetSelected(1);
    c->SetSelected(1);
    obj.GetSelectedBounds(keptMax, keptMin);
    EXPECT_TRUE(keptMax == CVector3(-2, -5, -1) && keptMin == CVector3(-6, -7, -3));
    EXPECT_TRUE(obj.GetSelectedCenter() == CVector3(-4, -6, -2));
}

TEST(PatchObjectTest, AppendGeometryRenumbersAfterTheOwnElements) {
    CSpatchObj target;
    std::vector<CPatchVertex*> own;
    for (int i = 0; i < 5; ++i)
        own.push_back(target.AddVertex(static_cast<float>(i), 0, 0));
    AddCurveThrough(target, own);
    target.Rebuild();

    CSpatchObj source;
    CPatchVertex* a = source.AddVertex(0, 1, 0);
    CPatchVertex* b = source.AddVertex(1, 1, 0);
    CPatchVertex* c = source.AddVertex(0, 1, 1);
    AddCurveThrough(source, {a, b});
    CCurve* loop = AddCurveThrough(source, {c, a, b}, true);
    a->SetSelected(1);
    c->m_hidden = 1;
    CCurvePoint* manual = loop->m_nodes.GetAtIndex(1);
    manual->m_manualOut = 1;
    manual->m_offsetOut = CVector3(0, 0, 5);
    manual->m_sharp = 1;
    manual->m_selected = 1;

    target.AppendGeometry(&source, 0);
    const auto& vertices = target.GetVertices();
    ASSERT_EQ(vertices.GetCount(), 8);
    ASSERT_EQ(target.GetCurves().GetCount(), 3);
    EXPECT_TRUE(*vertices.GetAtIndex(5) == *a && *vertices.GetAtIndex(7) == *c);
    EXPECT_EQ(vertices.GetAtIndex(7)->m_hidden, 1);
    EXPECT_EQ(vertices.GetAtIndex(5)->m_selected, 0) << "keepSelection 0 drops the selection";
    EXPECT_EQ(CheckLinkInvariants(target), "");
    const CCurvePoint* copied = Node(target, 2, 1);
    EXPECT_EQ(target.GetCurves().GetAtIndex(2)->m_closed, 1);
    EXPECT_EQ(copied->m_vertex, vertices.GetAtIndex(5));
    EXPECT_EQ(copied->m_sharp, 1);
    EXPECT_EQ(copied->m_selected, 0) << "node selection is not copied";
    EXPECT_TRUE(copied->m_handleOut == *vertices.GetAtIndex(5) + CVector3(0, 0, 5)) << "handles are updated";
    for (const CVertexLink* link : vertices.GetAtIndex(5)->m_links)
        EXPECT_EQ(link->m_manualOut, link->m_node == copied ? 1 : 0);
    EXPECT_EQ(target.GetNeedsRebuild(), 1);
    EXPECT_EQ(source.GetVertices().GetCount(), 3);
    EXPECT_EQ(CheckLinkInvariants(source), "");

    CSpatchObj kept;
    kept.AppendGeometry(&source, 1);
    EXPECT_EQ(kept.GetVertices().GetAtIndex(0)->m_selected, 1);

    auto grid = MakeFlatQuadGrid(1);
    grid->AppendGeometry(grid.get(), 1);
    EXPECT_EQ(grid->GetVertices().GetCount(), 8) << "appended to itself, copied once";
    EXPECT_EQ(CheckLinkInvariants(*grid), "");
}

TEST(PatchObjectTest, RebuildNumbersAndLeavesBackListsEmpty) {
    auto grid = MakeFlatQuadGrid(2);
    grid->SetNetsDirty(0);
    grid->Rebuild();
    EXPECT_EQ(grid->GetNeedsRebuild(), 0);
    EXPECT_EQ(grid->GetNetsDirty(), 1);
    int i = 0;
    for (const CPatchVertex* v : grid->GetVertices()) {
        EXPECT_EQ(v->m_index, i++);
        EXPECT_TRUE(v->m_patches.IsEmpty() && v->m_fivePatches.IsEmpty());
        EXPECT_EQ(v->m_links.GetTail()->m_index, v->m_links.GetCount() - 1);
    }
    EXPECT_EQ(grid->GetCurves().GetAtIndex(4)->m_number, 4);
    EXPECT_EQ(Node(*grid, 4, 2)->m_number, 2);

    // Patches from before a topology edit do not survive it.
    CSpatchObj points;
    CPatchVertex* corner = points.AddVertex(0, 0, 0);
    corner->m_patches.AddTail(points.GetPatches().Emplace());
    corner->m_fivePatches.AddTail(points.GetFivePatches().Emplace());
    points.Rebuild();
    EXPECT_TRUE(points.GetPatches().IsEmpty() && points.GetFivePatches().IsEmpty());
    EXPECT_TRUE(corner->m_patches.IsEmpty() && corner->m_fivePatches.IsEmpty());
}

TEST(PatchObjectTest, EditsDropTheCaches) {
    auto obj = MakeFlatQuadGrid(1);
    int meshesDeleted = 0;
    auto withCaches = [&] {
        auto mirror = std::make_unique<CSpatchObj>();
        mirror->SetMeshCache(std::make_unique<CountedMesh>(&meshesDeleted));
        obj->SetMirrorCache(std::move(mirror));
        obj->SetMeshCache(std::make_unique<CountedMesh>(&meshesDeleted));
    };
    withCaches();
    obj->UpdateCurveHandles();
    EXPECT_TRUE(obj->GetMirrorCache() && obj->GetMeshCache()) << "no mirror set up, no polygonize";

    obj->SetPolygonize(1);
    obj->UpdateCurveHandles();
    EXPECT_EQ(obj->GetMeshCache(), nullptr);
    EXPECT_EQ(obj->GetMirrorCache()->GetMeshCache(), nullptr) << "the mirrored copy's mesh goes too";
    EXPECT_EQ(meshesDeleted, 2);

    obj->SetPolygonize(0);
    withCaches();
    obj->SetMirrorMode(1);
    obj->SetMirrorAxis(0, 0);
    obj->Rebuild();
    EXPECT_NE(obj->GetMirrorCache(), nullptr) << "a mirror mode without an axis mirrors nothing";
    obj->SetMirrorAxis(1, 1);
    obj->SetSmoothing(1);
    EXPECT_EQ(obj->GetMirrorCache(), nullptr);
    EXPECT_EQ(obj->GetMeshCache(), nullptr) << "mirror dirty 1 marks the mesh dirty";

    withCaches();
    obj->SetMirrorDirty(2);
    EXPECT_EQ(obj->GetMirrorCache(), nullptr);
    EXPECT_NE(obj->GetMeshCache(), nullptr) << "only 1 passes on to the mesh";
}
