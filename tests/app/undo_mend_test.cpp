// Faults an undo must not have: each test names the fault it guards against.
// The per-kind tests in undo_restore_test.cpp guard the others: a conversion
// gives back its patch object and removes its polygon object, import and
// insert remove the polygon objects they added, a deleted folder returns with
// every level below it into its old parent, a deleted material keeps its id.
#include "undo_fixture.h"

using qf::test::PointsOf;
using qf::test::SameScene;

class UndoMendTest : public UndoTest {
protected:
    void SetUp() override {
        UndoTest::SetUp();
        BuildMidSizeScene();
    }
    // An insert that adds an object, a folder, a light, a material and a polygon object.
    void Insert() {
        Record(undoInsert, "(ファイル) インサート", "(File) Insert");
        Buffer().SaveScene();
        AddObject("inserted_00", 1, AddFolder("inserted_group"));
        AddLight("inserted_light");
        AddMaterial("inserted_material");
        AddPolygon("inserted_polygon");
    }
};

// The conversion itself is one of the kinds in undo_restore_test.cpp.
TEST_F(UndoMendTest, UndoOfAConversionThatKeptItsPatchObjectMakesNoSecondOne) {
    Record(undoConvertPolygon, "(パッチ) ポリゴンオブジェクトに変換", "(Patch) Convert Polygon Object");
    Buffer().SaveWholePatchObject(FindObjectByName("patch_obj_03"));
    const auto before = Snapshot();
    Buffer().Undo();
    EXPECT_TRUE(SameScene(before, Snapshot()));
}

TEST_F(UndoMendTest, UndoOfAnInsertKeepsAnOlderObjectThatAnUndoneDeletionPutBackLast) {
    // Re-created items return at the end of their lists, among the inserted ones.
    const auto before = Snapshot();
    Insert();
    Record(undoDeleteObject, "(パッチ) オブジェクトを削除", "(Patch) Delete Object");
    Buffer().SaveWholePatchObject(FindObjectByName("patch_obj_01"));
    Doc().DeleteObject(FindObjectByName("patch_obj_01"));
    Record(undoDeleteLight, "(ライト) ライトを削除", "(Light) Delete Light");
    Buffer().SaveLight(FindLightByName("key_light"));
    Doc().m_lights.Remove(FindLightByName("key_light"));
    Record(undoDeleteMaterial, "(マテリアル) マテリアルを削除", "(Material) Delete Material");
    Buffer().SaveMaterial(FindMaterialByName("chrome"));
    Doc().m_materials.Remove(FindMaterialByName("chrome"));

    for (int i = 0; i < 4; ++i)
        Buffer().Undo();
    EXPECT_TRUE(SameScene(before, Snapshot()));
}

TEST_F(UndoMendTest, UndoOfAnImportWithoutSavedSceneRemovesNothing) {
    const auto before = Snapshot();
    Record(undoImport, "(ファイル) インポート", "(File) Import");
    Buffer().Undo();
    EXPECT_TRUE(SameScene(before, Snapshot()));
}

TEST_F(UndoMendTest, UndoOfAPolygonRenameGivesTheOldNameBack) {
    CPolygonObj* polygon = FindPolygon("polygon_obj_00");
    for (const char* name : {"hull", "deck"}) {
        Record(undoPolygonName, "(ポリゴン) 名前を変更", "(Polygon) Change Name");
        Buffer().SavePolygonName(polygon);
        polygon->SetName(name);
        Buffer().SavePolygonName(polygon);
    }
    Buffer().Undo();
    EXPECT_EQ(polygon->GetName(), "hull");
    EXPECT_EQ(polygonPanel->calls, std::vector<std::string>{"Refresh"});
    Buffer().Undo();
    EXPECT_EQ(polygon->GetName(), "polygon_obj_00");
    DispatchPostedMessages();
    EXPECT_EQ(Codes(*objectPage), (std::vector<LPARAM>{notifySceneMerged, notifySceneMerged,
                                                       notifyRenameTreeItems, notifyRenameTreeItems}));
}

TEST_F(UndoMendTest, UndoOfAnInfoChangeDropsTheMirroredCopyOfTheOtherSettings) {
    CSpatchObj* obj = FindObjectByName("patch_obj_04");
    obj->SetMirrorCache(std::make_unique<CSpatchObj>());
    Record(undoObjectInfo, "(オブジェクト情報) 変更", "(Object Info) Change");
    Buffer().SaveObjectInfo(obj, 1);
    obj->SetMirrorAxis(0, 0);
    obj->SetMirrorAxis(2, 1);
    obj->SetMirrorCache(std::make_unique<CSpatchObj>());
    obj->SetNetsDirty(0);
    Buffer().Undo();
    EXPECT_EQ(obj->GetMirrorAxis(0), 1);
    EXPECT_EQ(obj->GetMirrorCache(), nullptr);
    EXPECT_EQ(obj->GetNetsDirty(), 1);
}

TEST_F(UndoMendTest, UndoOfAMoveKeepsTheSelectionOfNonCornerPoints) {
    CSpatchObj* obj = FindObjectByName("patch_obj_00");
    const auto points = PointsOf(*obj);
    points[12]->m_selected = 1; // m_visible 0: may not be a patch corner
    for (int kind : {undoPatchGeometry, undoPatchPositions}) {
        Record(kind, "(パッチ) 移動(数値入力)", "(Patch) Translate");
        if (kind == undoPatchGeometry)
            Buffer().SavePatchGeometry(obj);
        else
            Buffer().SavePatchPositions(obj);
        points[12]->Set(0.0f, 3.0f, 0.0f);
        points[3]->m_selected = 1;
        Buffer().Undo();
        EXPECT_EQ(points[12]->m_selected, 1) << kind;
        EXPECT_EQ(points[3]->m_selected, 0) << kind;
        EXPECT_EQ(points[12]->GetY(), 0.0f) << kind;
    }
    // A temporarily hidden point never ends up selected.
    points[12]->m_hidden = 1;
    Record(undoPatchPositions, "(パッチ) 移動", "(Patch) Translate");
    Buffer().SavePatchPositions(obj);
    Buffer().Undo();
    EXPECT_EQ(points[12]->m_selected, 0);
}

TEST_F(UndoMendTest, AWindowThatRecordsWhileUndoTalksToItCannotDeleteTheStepUnderIt) {
    // The tree update of a parent change reaches the page during Undo.
    CSpatchObj* obj = FindObjectByName("patch_obj_04");
    objectPage->onMessage = [this](UINT, WPARAM, LPARAM code) {
        if (code != notifyUpdateTreeItem)
            return;
        Record(undoObjectName, "(パッチ) 名前を変更", "(Patch) Change Name");
        Buffer().Undo();
    };
    Record(undoParentChange, "親オブジェクト変更", "Change Parent Object");
    Buffer().SaveParentChange(obj, nullptr);
    Doc().m_tree.MoveIntoFolder(obj, nullptr);
    Buffer().Undo();
    EXPECT_EQ(obj->GetParentFolder(), FindFolderByName("group_02"));
    ASSERT_EQ(Buffer().GetRecordCount(), 1);
    EXPECT_EQ(Buffer().GetRecord(0)->m_kind, undoParentChange) << "the step stays, undone";
    EXPECT_EQ(Buffer().GetPosition(), 0);
}

// Closing or opening a curve changes which patches exist: undoing either must
// leave the object to be rebuilt, not showing the patches of the other state.
TEST_F(UndoMendTest, UndoOfClosingOrOpeningACurveRebuildsThePatches) {
    CSpatchObj* obj = Doc().AddPatchObject();
    obj->SetName("square");
    std::vector<CPatchVertex*> corners;
    for (auto [x, z] : {std::pair{0, 0}, {1, 0}, {1, 1}, {0, 1}})
        corners.push_back(obj->AddVertex(static_cast<float>(x), 0.0f, static_cast<float>(z)));
    CCurve* curve = qf::test::AddCurveThrough(*obj, corners);
    // One closed curve makes a patch only where corners on a single curve count.
    obj->SetAllowHiddenCorners(1);
    obj->UpdateCurveHandles();
    auto quadsShown = [obj] {
        if (obj->GetNeedsRebuild())
            obj->Rebuild();
        return obj->CountQuadPatches();
    };
    ASSERT_EQ(quadsShown(), 0);
    for (int closed : {1, 0}) {
        SCOPED_TRACE(closed ? "closing" : "opening");
        Record(undoPatchCurves, "(パッチ) カーブを閉じる", "(Patch) Close Curve");
        Buffer().SavePatchCurves(obj);
        curve->m_closed = closed;
        obj->SetNeedsRebuild(1);
        ASSERT_EQ(quadsShown(), closed);
        Buffer().Undo();
        EXPECT_EQ(curve->m_closed, 1 - closed);
        EXPECT_EQ(quadsShown(), 1 - closed);
        curve->m_closed = closed;
        obj->SetNeedsRebuild(1);
    }
}
