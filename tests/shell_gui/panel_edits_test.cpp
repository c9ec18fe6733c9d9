// What the object, folder and polygon panels do to the scene: each object
// panel change is one undo step of its kind that gives the scene back, with
// the repaint the field needs now and on undo; the enabling rules; the
// folder's switches; the polygon object's changes that record nothing but
// still mark the document modified.
#include "app/undo_fixture.h"
#include "model/mouse_modes.h"
#include "shell/item_panel_edits.h"
#include "shell/object_info_edits.h"
#include "support/doc_bytes.h"

#include <functional>

using qf::test::SameScene;

namespace {

class PanelEditsTest : public UndoTest {
protected:
    void SetUp() override {
        UndoTest::SetUp();
        BuildMidSizeScene();
        obj = FindObjectByName("patch_obj_00");
        // Surfaces shown in panes 1 and 3 only.
        doc->m_settings.m_panes[1].m_showSurfaces = 1;
        doc->m_settings.m_panes[3].m_showSurfaces = 1;
        doc->SetModifiedFlag(FALSE);
    }
    std::vector<int> RedrawnPanes() const {
        std::vector<int> redrawn;
        for (int p = 0; p < kPaneCount; ++p)
            if (std::count(panes[static_cast<size_t>(p)]->calls.begin(),
                           panes[static_cast<size_t>(p)]->calls.end(), "RedrawNow"))
                redrawn.push_back(p);
        return redrawn;
    }
    std::vector<LPARAM> PostedCodes() {
        while (DispatchPostedMessages() > 0) {
        }
        return Codes(*panes[0]);
    }

    CSpatchObj* obj = nullptr;
};

struct FieldCase {
    const char* name;
    ObjectInfoField field;
    std::function<void(CObjectInfoValues&)> edit;
    std::function<bool(const CSpatchObj&)> changed;
    UndoKind kind;
    int redraw;
    std::vector<int> repainted; // panes repainted at once
    bool posted;                // the panes repaint after the command
};

const std::vector<int> kSurfacePanes{1, 3};
const std::vector<int> kAllPanes{0, 1, 2, 3};

const FieldCase kFieldCases[] = {
    {"colour", ObjectInfoField::color, [](auto& v) { v.color = 0x123456; },
     [](const CSpatchObj& o) { return o.GetColor() == 0x123456u; }, undoObjectInfo, 1, kSurfacePanes, false},
    {"show", ObjectInfoField::show, [](auto& v) { v.show = 0; },
     [](const auto& o) { return o.GetShow() == 0; }, undoObjectInfo, 1, kAllPanes, false},
    {"export",
     ObjectInfoField::exportOn,
     [](auto& v) { v.exportOn = 0; },
     [](const auto& o) { return o.GetExport() == 0; },
     undoObjectInfo,
     0,
     {},
     false},
    {"edit disabled",
     ObjectInfoField::editDisabled,
     [](auto& v) { v.editDisabled = 1; },
     [](const auto& o) { return o.IsEditable() == 0; },
     undoObjectInfo,
     0,
     {},
     false},
    {"smooth", ObjectInfoField::smooth, [](auto& v) { v.smooth = 1; },
     [](const auto& o) { return o.GetSmoothing() == 1; }, undoObjectInfoRebuild, 1, kSurfacePanes, false},
    {"five-point patches",
     ObjectInfoField::fivePoint,
     [](auto& v) { v.fivePoint = 1; },
     [](const auto& o) { return o.GetFivePointOn() == 1 && o.GetPatches().IsEmpty(); },
     undoObjectInfo,
     1,
     {},
     true},
    {"see-through amount", ObjectInfoField::seeThroughAmount, [](auto& v) { v.seeThroughAmount = 20; },
     [](const auto& o) { return o.GetSeeThroughAmount() == 20; }, undoObjectInfo, 1, kSurfacePanes, false},
    {"mirror mode", ObjectInfoField::mirrorMode, [](auto& v) { v.mirrorMode = 2; },
     [](const auto& o) { return o.GetMirrorMode() == 2 && o.GetMirrorDirty(); }, undoObjectInfoRebuild, 1,
     kSurfacePanes, false},
    {"mirror axes", ObjectInfoField::mirrorAxes,
     [](auto& v) {
         v.mirrorAxis = {0, 1, 1};
     },
     [](const auto& o) { return !o.GetMirrorAxis(0) && o.GetMirrorAxis(1) && o.GetMirrorAxis(2); },
     undoObjectInfoRebuild, 1, kSurfacePanes, false},
    {"connect limit", ObjectInfoField::limit, [](auto& v) { v.limit = 2.5f; },
     [](const auto& o) { return o.GetMirrorLimitDistance() == 2.5f; }, undoObjectInfoRebuild, 1,
     kSurfacePanes, false},
    {"convert to polygons",
     ObjectInfoField::polygonize,
     [](auto& v) { v.polygonize = 1; },
     [](const auto& o) { return o.GetPolygonize() == 1 && o.GetMeshDirty(); },
     undoObjectInfoRebuild,
     1,
     {},
     true},
    {"division count",
     ObjectInfoField::division,
     [](auto& v) { v.division = 4; },
     [](const auto& o) { return o.GetDivision() == 4; },
     undoObjectInfoRebuild,
     1,
     {},
     true},
    {"smoothing angle",
     ObjectInfoField::angle,
     [](auto& v) { v.angle = 30.0f; },
     [](const auto& o) { return o.GetSmoothAngle() == 30.0f; },
     undoObjectInfoRebuild,
     1,
     {},
     true},
    {"subdivision count",
     ObjectInfoField::subdivisionCount,
     [](auto& v) { v.subdivisionCount = 8; },
     [](const auto& o) { return o.GetSubdivisionCount() == 8; },
     undoObjectInfoRebuild,
     1,
     {},
     true},
    {"slot in use",
     ObjectInfoField::useMaterial,
     [](auto& v) { v.useMaterial = 1; },
     [](const auto& o) { return o.GetMaterialSlot(0)->m_slotOption == 1; },
     undoObjectInfo,
     1,
     {},
     false},
    {"motion blur",
     ObjectInfoField::motionBlur,
     [](auto& v) { v.motionBlur = 1; },
     [](const auto& o) { return o.GetMotionBlur() == 1; },
     undoObjectInfo,
     0,
     {},
     false},
    {"hollow",
     ObjectInfoField::hollow,
     [](auto& v) { v.hollow = 1; },
     [](const auto& o) { return o.GetHollow() == 1; },
     undoObjectInfo,
     0,
     {},
     false},
    {"export UV",
     ObjectInfoField::exportUV,
     [](auto& v) { v.exportUV = 1; },
     [](const auto& o) { return o.GetReservedWord() == 1; },
     undoObjectInfo,
     0,
     {},
     false},
};

} // namespace

TEST_F(PanelEditsTest, EachObjectFieldIsOneUndoStepWithTheRepaintItNeeds) {
    for (const FieldCase& c : kFieldCases) {
        SCOPED_TRACE(c.name);
        Buffer().Clear();
        doc->SetModifiedFlag(FALSE);
        const qf::test::SceneSnapshot before = Snapshot();
        const int word = obj->GetReservedWord();
        CObjectInfoValues values = ReadObjectInfo(*obj);
        c.edit(values);
        PostedCodes();
        ClearCalls();
        ChangeObjectInfo(*doc, *obj, c.field, values);
        EXPECT_TRUE(c.changed(*obj));
        EXPECT_TRUE(doc->IsModified());
        EXPECT_EQ(RedrawnPanes(), c.repainted);
        EXPECT_EQ(PostedCodes(), c.posted ? std::vector<LPARAM>{notifyRepaintPanes} : std::vector<LPARAM>{});
        ASSERT_EQ(Buffer().GetRecordCount(), 1);
        EXPECT_EQ(Buffer().GetRecord(0)->m_kind, c.kind);
        EXPECT_EQ(Buffer().GetRecord(0)->m_redraw, c.redraw);
        EXPECT_EQ(Buffer().GetRecord(0)->m_english, "(Object Info) Change");

        ClearCalls();
        Buffer().Undo();
        EXPECT_TRUE(SameScene(before, Snapshot()));
        EXPECT_EQ(obj->GetReservedWord(), word);
        EXPECT_EQ(RedrawnPanes().size(), c.redraw ? 4u : 0u) << "undo repaints as the step said";
    }
}

TEST_F(PanelEditsTest, EnablingFollowsTheSwitchesTheControlsDependOn) {
    CObjectInfoValues v;
    v.mirrorMode = 0;
    CObjectInfoEnabling e = ObjectInfoEnabling(v);
    EXPECT_FALSE(e.axes || e.limitCheck || e.limitDistance || e.division || e.angle || e.reference);
    v.mirrorMode = 1;
    v.limitDistance = 1;
    e = ObjectInfoEnabling(v);
    EXPECT_TRUE(e.axes);
    EXPECT_FALSE(e.limitCheck) << "a separated mirror joins nothing";
    EXPECT_FALSE(e.limitDistance);
    v.mirrorMode = 2;
    e = ObjectInfoEnabling(v);
    EXPECT_TRUE(e.limitCheck && e.limitDistance);
    v.limitDistance = 0;
    EXPECT_FALSE(ObjectInfoEnabling(v).limitDistance) << "the distance needs the limit too";

    v.polygonize = 1;
    v.polygonSmoothing = 0;
    v.subdivision = 1;
    e = ObjectInfoEnabling(v);
    EXPECT_TRUE(e.division && e.polygonOptions && e.subdivisionCount);
    EXPECT_FALSE(e.angle);
    v.polygonSmoothing = 1;
    v.polygonize = 0;
    e = ObjectInfoEnabling(v);
    EXPECT_FALSE(e.division || e.polygonOptions || e.angle || e.subdivisionCount)
        << "without conversion every polygon option is off";
    v.motionBlur = 1;
    v.seeThrough = 1;
    e = ObjectInfoEnabling(v);
    EXPECT_TRUE(e.reference && e.seeThroughAmount);
}

TEST_F(PanelEditsTest, TurningFivePointPatchesOnDropsThePatchesTillTheyAreFoundAgain) {
    CSpatchObj* grid = FindObjectByName("patch_obj_01");
    grid->Rebuild();
    const int patches = grid->GetPatches().GetCount();
    ASSERT_GT(patches, 0);
    CObjectInfoValues values = ReadObjectInfo(*grid);
    values.fivePoint = 1;
    ChangeObjectInfo(*doc, *grid, ObjectInfoField::fivePoint, values);
    EXPECT_EQ(grid->GetPatches().GetCount(), 0);
    EXPECT_EQ(grid->GetNeedsRebuild(), 1);
    grid->Rebuild();
    EXPECT_EQ(grid->GetPatches().GetCount(), patches);
}

TEST_F(PanelEditsTest, ChoosingALayerRecordsNothingAndRepaintsOnlyForTheMaterialAxisTools) {
    SetCurrentSlot(*doc, *obj, 2);
    EXPECT_EQ(obj->GetCurrentSlot(), 2);
    EXPECT_EQ(Buffer().GetPosition(), 0);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_TRUE(RedrawnPanes().empty());
    doc->m_settings.m_mouseModeLeft = mouseModeAxisRotate;
    SetCurrentSlot(*doc, *obj, 3);
    EXPECT_EQ(RedrawnPanes(), kAllPanes);
}

TEST_F(PanelEditsTest, RenamesAndMaterialChoicesAreStepsThatUndoGivesBack) {
    const qf::test::SceneSnapshot before = Snapshot();
    RenameObject(*doc, *obj, "renamed");
    EXPECT_EQ(obj->GetName(), "renamed");
    EXPECT_EQ(PostedCodes(), std::vector<LPARAM>{notifyRenameTreeItems});
    SetSlotMaterial(*doc, *obj, 1, true);
    EXPECT_EQ(SlotMaterialName(*obj), "wood");
    SetSlotAxis(*doc, *obj, CVector3(1.0f, 2.0f, 3.0f), CVector3(2.0f, 2.0f, 2.0f),
                CVector3(0.0f, 90.0f, 0.0f), true);
    EXPECT_EQ(obj->GetMaterialSlot(0)->m_rotation.GetY(), 90.0f);
    EXPECT_EQ(Buffer().GetRecord(2)->m_english, "(Material Axis) Transform");
    SetReferenceObject(*doc, *obj, 1);
    EXPECT_EQ(ReferenceObjectName(*obj), "patch_obj_01");
    EXPECT_EQ(Buffer().GetPosition(), 4);
    for (int i = 0; i < 4; ++i)
        Buffer().Undo();
    EXPECT_TRUE(SameScene(before, Snapshot()));
}

TEST_F(PanelEditsTest, AFolderSwitchIsOneStepAndOnlyShowRepaintsTheUndo) {
    CFolderObj* folder = FindFolderByName("group_01");
    const qf::test::SceneSnapshot before = Snapshot();
    SetFolderShow(*doc, *folder, 0);
    EXPECT_EQ(FindObjectByName("patch_obj_03")->IsShownEffective(), 0) << "everything below is hidden";
    EXPECT_EQ(PostedCodes(), std::vector<LPARAM>{notifyRepaintPanes});
    SetFolderExport(*doc, *folder, 0);
    EXPECT_EQ(Buffer().GetPosition(), 2);
    ClearCalls();
    Buffer().Undo();
    EXPECT_TRUE(RedrawnPanes().empty()) << "undoing the export switch";
    Buffer().Undo();
    EXPECT_EQ(RedrawnPanes(), kAllPanes) << "undoing the show switch";
    EXPECT_TRUE(SameScene(before, Snapshot()));

    RenameFolder(*doc, *folder, "新しいフォルダ");
    EXPECT_EQ(folder->GetName(), "新しいフォルダ");
    Buffer().Undo();
    EXPECT_EQ(folder->GetName(), "group_01");
}

TEST_F(PanelEditsTest, EveryPolygonChangeMarksTheDocumentModifiedWithoutAStep) {
    CPolygonObj* polygon = FindPolygon("polygon_obj_00");
    // Two faces folded along their shared edge, so that smoothing changes the corner normals.
    polygon->AddVertex(0.5f, 0.5f, 1.0f);
    polygon->SetTriFace(polygon->AddFace(), 1, 3, 4);
    polygon->SetSmooth(0);
    polygon->BuildTopology();
    polygon->ComputeNormals();
    polygon->ClearAdjacency();
    const CVector3 flat = polygon->GetFaces().GetHead()->m_normals[1];

    const struct {
        const char* name;
        PolygonField field;
        std::function<void(CPolygonValues&)> edit;
        std::vector<int> repainted;
    } cases[] = {
        {"colour", PolygonField::color, [](auto& v) { v.color = 0xFF; }, kSurfacePanes},
        {"show", PolygonField::show, [](auto& v) { v.show = 0; }, kAllPanes},
        {"export", PolygonField::exportOn, [](auto& v) { v.exportOn = 0; }, {}},
        {"no shadow", PolygonField::noShadow, [](auto& v) { v.noShadow = 1; }, {}},
        {"edit disabled", PolygonField::editDisabled, [](auto& v) { v.editDisabled = 1; }, {}},
        {"one side", PolygonField::oneSide, [](auto& v) { v.oneSide = 0; }, kAllPanes},
        {"smooth", PolygonField::smooth, [](auto& v) { v.smooth = 1; }, kAllPanes},
        {"angle", PolygonField::angle, [](auto& v) { v.angle = 200.0f; }, kAllPanes},
        {"slot in use", PolygonField::useMaterial, [](auto& v) { v.useMaterial = 1; }, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        doc->SetModifiedFlag(FALSE);
        ClearCalls();
        CPolygonValues values = ReadPolygonValues(*polygon);
        c.edit(values);
        ChangePolygon(*doc, *polygon, c.field, values);
        EXPECT_TRUE(doc->IsModified());
        EXPECT_EQ(RedrawnPanes(), c.repainted);
    }
    EXPECT_EQ(Buffer().GetPosition(), 0);
    const CPolygonValues shown = ReadPolygonValues(*polygon);
    EXPECT_EQ(shown.color, 0xFFu);
    EXPECT_EQ(shown.editDisabled, 1);
    EXPECT_EQ(shown.useMaterial, 1);
    EXPECT_EQ(shown.smooth, 1);
    EXPECT_FALSE(polygon->GetFaces().GetHead()->m_normals[1] == flat) << "smoothing averaged the normals";

    RenamePolygon(*doc, *polygon, "ポリゴン");
    EXPECT_EQ(Buffer().GetPosition(), 1);
    Buffer().Undo();
    EXPECT_EQ(polygon->GetName(), "polygon_obj_00");
}
