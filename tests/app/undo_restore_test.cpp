// Each undo kind: edit the mid-size scene as its recorder does, undo, and the
// scene equals its state before the edit. Then what the restore tells the
// trees, panels, panes and registered windows, and the faults it must not have.
#include "support/doc_bytes.h"
#include "undo_fixture.h"

#include <functional>
#include <span>
#include <stdexcept>

using qf::test::NodeAt;
using qf::test::PointsOf;
using qf::test::SameScene;

namespace {

struct UndoCase {
    const char* name;
    int kind;
    // Records the step as the command does and makes the edit.
    std::function<void(UndoTest&)> edit;
};

std::string CaseName(const ::testing::TestParamInfo<UndoCase>& info) {
    return info.param.name;
}

void PrintTo(const UndoCase& c, std::ostream* os) {
    *os << c.name;
}

CSpatchObj* Object(const char* name) {
    return FindObjectByName(name);
}

void MovePoints(CSpatchObj* obj, const CVector3& by) {
    for (CPatchVertex* v : obj->GetVertices())
        v->Set(v->GetX() + by.GetX(), v->GetY() + by.GetY(), v->GetZ() + by.GetZ());
    obj->UpdateCurveHandles();
}

// What an import and an insert bring: objects, a folder with an object, a
// light, a material, a polygon object, and other scene-wide settings.
void BringInScene(UndoTest& t, int kind) {
    t.Record(kind);
    t.Buffer().SaveScene();
    CQuelDoc& doc = t.Doc();
    t.AddObject("imported_00", 2);
    t.AddObject("imported_01", 1, t.AddFolder("imported_group"));
    t.AddLight("imported_light");
    t.AddMaterial("imported_material");
    t.AddPolygon("imported_polygon");
    doc.m_globalSettings.m_maxTraceLevel = 20;
    doc.m_radiosity.m_count = 400;
    doc.m_radiosity2.m_brightness = 2.0f;
    doc.m_cameras[1].m_eye = CVector3(7.0f, 7.0f, 7.0f);
    doc.m_memoCameras[2].m_angle = 70.0f;
    doc.m_defaultMaterial.m_referencedMaterial = FindMaterialByName("imported_material")->m_id;
    doc.m_renderBgColor = 0x123456;
    doc.m_settings.m_megaPovVersion = 1.0f;
    doc.m_motionBlurCount = 9;
    doc.m_motionBlurTime = 0.5f;
    doc.m_includeFiles.push_back("textures.inc");
    doc.m_underlayFiles[0] = "sketch.bmp";
    doc.m_underlays[0].m_offset = CVector3(1.0f, 2.0f, 3.0f);
}

const UndoCase kPointCases[] = {
    {"FlipXSavesGeometry", undoPatchGeometry,
     [](UndoTest& t) {
         CSpatchObj* obj = Object("patch_obj_00");
         t.Record(undoPatchGeometry, "(パッチ) X反転", "(Patch) Flip X");
         t.Buffer().SavePatchGeometry(obj);
         ASSERT_EQ(obj->FlipX(), 1);
     }},
    {"ToggleInvisibilitySavesPositions", undoPatchPositions,
     [](UndoTest& t) {
         CSpatchObj* obj = Object("patch_obj_00");
         t.Record(undoPatchPositions, "(パッチ) 可視/不可視を変更", "(Patch) Toggle Invisibility");
         t.Buffer().SavePatchPositions(obj);
         ASSERT_EQ(obj->ToggleVisibleSelected(), 1);
         MovePoints(obj, CVector3(0.0f, 1.0f, 0.0f));
     }},
    {"ToggleFivePointSavesPositions", undoPatchPositions,
     [](UndoTest& t) {
         CSpatchObj* obj = Object("patch_obj_00");
         t.Record(undoPatchPositions, "(パッチ) 5点パッチの有効・無効を変更", "(Patch) Toggle 5patch ");
         t.Buffer().SavePatchPositions(obj);
         obj->SetFivePointFlag(fivePointInvert);
     }},
    {"MoveManyObjectsSavesEachGeometry", undoManyObjects,
     [](UndoTest& t) {
         t.Record(undoManyObjects, "(複数オブジェクト) 移動(数値入力)", "(Multi Obj) Translate");
         for (const char* name : {"patch_obj_00", "patch_obj_03"})
             t.Buffer().SavePatchGeometry(Object(name));
         for (const char* name : {"patch_obj_00", "patch_obj_03"}) {
             NodeAt(*Object(name), 0, 0)->m_offsetIn = CVector3(0.0f, 0.0f, 2.0f);
             MovePoints(Object(name), CVector3(3.0f, 0.0f, -1.0f));
         }
     }},
};

const UndoCase kCurveCases[] = {
    {"PeakAndWeightSaveCurves", undoPatchCurves,
     [](UndoTest& t) {
         CSpatchObj* obj = Object("patch_obj_00");
         t.Record(undoPatchCurves, "(パッチ) カーブを鋭角にする", "(Patch) Peak");
         t.Buffer().SavePatchCurves(obj);
         obj->SetSharp(1);
         obj->AddWeight(0.2f);
         NodeAt(*obj, 1, 2)->m_manualOut = 0;
     }},
};

const UndoCase kWholeObjectCases[] = {
    {"DeletePointsSavesTheWholeObject", undoWholeObject,
     [](UndoTest& t) {
         CSpatchObj* obj = Object("patch_obj_00");
         t.Record(undoWholeObject, "(パッチ) 頂点を削除", "(Patch) Delete Select Points");
         t.Buffer().SaveWholePatchObject(obj);
         ASSERT_EQ(obj->DeleteSelectedVertices(), 1);
         obj->AddStarShape(1.0f, 0.5f);
     }},
    {"DeleteObjectInANestedFolder", undoDeleteObject,
     [](UndoTest& t) {
         CSpatchObj* obj = Object("patch_obj_04");
         t.Record(undoDeleteObject, "(パッチ) オブジェクトを削除", "(Patch) Delete Object");
         t.Buffer().SaveWholePatchObject(obj);
         t.Doc().DeleteObject(obj);
     }},
    {"ConvertToPolygonObject", undoConvertPolygon,
     [](UndoTest& t) {
         CSpatchObj* obj = Object("patch_obj_04");
         t.Record(undoConvertPolygon, "(パッチ) ポリゴンオブジェクトに変換",
                  "(Patch) Convert Polygon Object");
         t.Buffer().SaveWholePatchObject(obj);
         CPolygonObj* polygon = t.AddPolygon("converted");
         polygon->SetName(obj->GetName());
         polygon->SetColor(obj->GetColor());
         t.Buffer().SavePolygonName(polygon);
         t.Doc().DeleteObject(obj);
     }},
};

const UndoCase kCreationCases[] = {
    {"CreateObject", undoCreateObject,
     [](UndoTest& t) {
         CSpatchObj* obj = t.AddObject(MakeSeriesName("patch_obj_"), 2);
         t.Record(undoCreateObject, "(パッチ) オブジェクトを作成", "(Patch) Create Object");
         t.Buffer().SaveObjectName(obj);
     }},
    {"CreateFolder", undoCreateFolder,
     [](UndoTest& t) {
         CFolderObj* folder = t.AddFolder(MakeSeriesName("group_"));
         t.Record(undoCreateFolder, "フォルダを作成", "Create Folder");
         t.Buffer().SaveFolder(folder);
     }},
    {"CopyFolderWithItsContents", undoCopyFolder,
     [](UndoTest& t) {
         t.Record(undoCopyFolder, "(フォルダ) オブジェクトをコピー", "(Folder) Copy Object");
         CFolderObj* copy = t.AddFolder(MakeCopyName("group_01"));
         CFolderObj* inner = t.AddFolder(MakeCopyName("group_02"), copy);
         CSpatchObj* a = t.AddObject(MakeCopyName("patch_obj_02"), 2, copy);
         CSpatchObj* b = t.AddObject(MakeCopyName("patch_obj_03"), 3, inner);
         for (CFolderObj* folder : {copy, inner})
             t.Buffer().SaveFolder(folder);
         for (CSpatchObj* obj : {a, b})
             t.Buffer().SaveObjectName(obj);
     }},
    {"CreateLight", undoCreateLight,
     [](UndoTest& t) {
         CLightData* light = t.AddLight(MakeSeriesName("light_"));
         t.Record(undoCreateLight, "(ライト) ライトを作成", "(Light) Create Light");
         t.Buffer().SaveLightName(light);
     }},
    {"CopyMaterial", undoCreateMaterial,
     [](UndoTest& t) {
         CMaterialData* copy = t.AddMaterial(MakeCopyName("wood"));
         copy->CopyFrom(*FindMaterialByName("wood"));
         copy->m_name = MakeCopyName("wood");
         t.Record(undoCreateMaterial, "(マテリアル) マテリアルをコピー", "(Material) Copy Material");
         t.Buffer().SaveMaterialName(copy);
     }},
};

const UndoCase kRenameCases[] = {
    {"RenameObject", undoObjectName,
     [](UndoTest& t) {
         CSpatchObj* obj = Object("patch_obj_02");
         t.Record(undoObjectName, "(パッチ) 名前を変更", "(Patch) Change Name");
         t.Buffer().SaveObjectName(obj);
         obj->SetName("wheel");
         t.Buffer().SaveObjectName(obj);
     }},
    {"RenameFolder", undoFolderName,
     [](UndoTest& t) {
         CFolderObj* folder = FindFolderByName("group_01");
         t.Record(undoFolderName, "(グループ) 名前を変更", "(Group) Change Name");
         t.Buffer().SaveFolder(folder);
         folder->SetName("chassis");
         t.Buffer().SaveFolder(folder);
     }},
    {"RenameLight", undoLightName,
     [](UndoTest& t) {
         CLightData* light = FindLightByName("fill_light");
         t.Record(undoLightName, "(ライト) 名前を変更", "(Light) Change Name");
         t.Buffer().SaveLightName(light);
         light->m_name = "rim_light";
         t.Buffer().SaveLightName(light);
     }},
    {"RenameMaterial", undoMaterialName,
     [](UndoTest& t) {
         CMaterialData* mat = FindMaterialByName("glass");
         t.Record(undoMaterialName, "(マテリアル) 名前を変更", "(Material) Change Name");
         t.Buffer().SaveMaterialName(mat);
         mat->m_name = "frosted";
         t.Buffer().SaveMaterialName(mat);
     }},
    {"RenamePolygonObject", undoPolygonName,
     [](UndoTest& t) {
         CPolygonObj* polygon = t.FindPolygon("polygon_obj_00");
         t.Record(undoPolygonName, "(ポリゴン) 名前を変更", "(Polygon) Change Name");
         t.Buffer().SavePolygonName(polygon);
         polygon->SetName("hull");
         t.Buffer().SavePolygonName(polygon);
     }},
};

const UndoCase kInfoCases[] = {
    {"ObjectInfo", undoObjectInfo,
     [](UndoTest& t) {
         CSpatchObj* obj = Object("patch_obj_03");
         t.Record(undoObjectInfo, "(オブジェクト情報) 変更", "(Object Info) Change");
         t.Buffer().SaveObjectInfo(obj, 1);
         obj->SetColor(0x00FF00);
         obj->SetSeeThrough(1);
         obj->SetMirrorMode(2);
         obj->GetMaterialSlot(1)->m_materialId = -1;
         obj->GetMaterialSlot(2)->m_translation = CVector3(1.0f, 0.0f, 0.0f);
         obj->SetPolygonize(1);
         obj->SetSmoothAngle(30.0f);
     }},
    {"ObjectInfoNeedingNewPatches", undoObjectInfoRebuild,
     [](UndoTest& t) {
         CSpatchObj* obj = Object("patch_obj_00");
         t.Record(undoObjectInfoRebuild, "(オブジェクト情報) 変更", "(Object Info) Change");
         t.Buffer().SaveObjectInfo(obj, 1);
         obj->SetFivePointOn(1);
         obj->SetSmoothing(1);
         obj->Rebuild();
     }},
    {"FolderInfo", undoFolderInfo,
     [](UndoTest& t) {
         CFolderObj* folder = FindFolderByName("group_01");
         t.Record(undoFolderInfo, "(フォルダ情報) 変更", "(Folder Info) Change");
         t.Buffer().SaveFolderInfo(folder, 1);
         folder->SetShow(0);
         folder->SetExport(0);
         folder->SetExtraVector(0, CVector3(0.0f, 5.0f, 0.0f));
     }},
};

const UndoCase kFolderCases[] = {
    {"DeleteNestedFolder", undoDeleteFolder,
     [](UndoTest& t) {
         CFolderObj* folder = FindFolderByName("group_01");
         t.Record(undoDeleteFolder, "(フォルダ）オブジェクトを削除", "(Folder) Delete");
         t.Buffer().SaveDeletedFolder(folder);
         t.Doc().DeleteObject(folder);
     }},
    {"ChangeParent", undoParentChange,
     [](UndoTest& t) {
         CSpatchObj* obj = Object("patch_obj_04");
         CFolderObj* target = FindFolderByName("group_03");
         t.Record(undoParentChange, "親オブジェクト変更", "Change Parent Object");
         t.Buffer().SaveParentChange(obj, target);
         t.Doc().m_tree.MoveIntoFolder(obj, target);
     }},
};

const UndoCase kLightCases[] = {
    {"DeleteLight", undoDeleteLight,
     [](UndoTest& t) {
         CLightData* light = FindLightByName("fill_light");
         t.Record(undoDeleteLight, "(ライト) ライトを削除", "(Light) Delete Light");
         t.Buffer().SaveLight(light);
         t.Doc().m_lights.Remove(light);
     }},
    {"MoveLights", undoLightPosition,
     [](UndoTest& t) {
         t.Record(undoLightPosition, "(ライト) ライトを移動", "(Light) Translate Light");
         for (CLightData* light : t.Doc().m_lights) {
             t.Buffer().SaveLightPosition(light);
             light->m_location = light->m_location + CVector3(1.0f, 1.0f, 1.0f);
             light->m_pointAt = CVector3(0.0f, -1.0f, 0.0f);
         }
     }},
};

const UndoCase kMaterialCases[] = {
    {"DeleteReferencedMaterial", undoDeleteMaterial,
     [](UndoTest& t) {
         CMaterialData* mat = FindMaterialByName("glass");
         t.Record(undoDeleteMaterial, "(マテリアル) マテリアルを削除", "(Material) Delete Material");
         t.Buffer().SaveMaterial(mat);
         t.Doc().m_materials.Remove(mat);
     }},
};

const UndoCase kSceneCases[] = {
    {"Import", undoImport, [](UndoTest& t) { BringInScene(t, undoImport); }},
    {"Insert", undoInsert, [](UndoTest& t) { BringInScene(t, undoInsert); }},
};

class UndoKindTest : public UndoTest, public ::testing::WithParamInterface<UndoCase> {};

} // namespace

TEST_P(UndoKindTest, UndoGivesBackTheSceneBeforeTheEdit) {
    BuildMidSizeScene();
    const qf::test::SceneSnapshot before = Snapshot();
    const std::string file = qf::test::DocumentBytes(Doc());
    GetParam().edit(*this);
    ASSERT_EQ(Buffer().GetRecordCount(), 1);
    EXPECT_EQ(Buffer().GetRecord(0)->m_kind, GetParam().kind);
    ASSERT_FALSE(SameScene(before, Snapshot())) << "the edit changed nothing";

    Buffer().Undo();
    DispatchPostedMessages();
    EXPECT_TRUE(SameScene(before, Snapshot()));
    EXPECT_TRUE(qf::test::SameDocumentBytes(file, qf::test::DocumentBytes(Doc())));
    EXPECT_EQ(DuplicateNames(), "");
    EXPECT_EQ(Buffer().GetPosition(), 0);
    EXPECT_EQ(Buffer().GetRecordCount(), 1) << "an undone record stays until the next edit";
}

INSTANTIATE_TEST_SUITE_P(Points, UndoKindTest, ::testing::ValuesIn(kPointCases), CaseName);
INSTANTIATE_TEST_SUITE_P(Curves, UndoKindTest, ::testing::ValuesIn(kCurveCases), CaseName);
INSTANTIATE_TEST_SUITE_P(WholeObjects, UndoKindTest, ::testing::ValuesIn(kWholeObjectCases), CaseName);
INSTANTIATE_TEST_SUITE_P(NamesOfCreations, UndoKindTest, ::testing::ValuesIn(kCreationCases), CaseName);
INSTANTIATE_TEST_SUITE_P(OldAndNewNames, UndoKindTest, ::testing::ValuesIn(kRenameCases), CaseName);
INSTANTIATE_TEST_SUITE_P(Settings, UndoKindTest, ::testing::ValuesIn(kInfoCases), CaseName);
INSTANTIATE_TEST_SUITE_P(Folders, UndoKindTest, ::testing::ValuesIn(kFolderCases), CaseName);
INSTANTIATE_TEST_SUITE_P(Lights, UndoKindTest, ::testing::ValuesIn(kLightCases), CaseName);
INSTANTIATE_TEST_SUITE_P(Materials, UndoKindTest, ::testing::ValuesIn(kMaterialCases), CaseName);
INSTANTIATE_TEST_SUITE_P(SceneState, UndoKindTest, ::testing::ValuesIn(kSceneCases), CaseName);

// What the restore tells the windows: tree items, panels, panes, broadcasts.
namespace {

const UndoCase& FindCase(const std::string& name) {
    for (const auto& table :
         {std::span<const UndoCase>(kPointCases), std::span<const UndoCase>(kCurveCases),
          std::span<const UndoCase>(kWholeObjectCases), std::span<const UndoCase>(kCreationCases),
          std::span<const UndoCase>(kRenameCases), std::span<const UndoCase>(kInfoCases),
          std::span<const UndoCase>(kFolderCases), std::span<const UndoCase>(kLightCases),
          std::span<const UndoCase>(kMaterialCases), std::span<const UndoCase>(kSceneCases)})
        for (const UndoCase& c : table)
            if (name == c.name)
                return c;
    throw std::invalid_argument("no undo case " + name);
}

using Calls = std::vector<std::string>;

} // namespace

class UndoNotifyTest : public UndoTest {
protected:
    void SetUp() override {
        UndoTest::SetUp();
        BuildMidSizeScene();
        multiObjects = Doc().EnsureMultiObjectDialog();
        main->lastMultiObjectDialog->shown = TRUE;
    }
    // Makes the edit, forgets what the windows heard so far, and undoes it;
    // what was sent during Undo is in sent, what was posted arrives after.
    void EditAndUndo(const std::string& name) {
        FindCase(name).edit(*this);
        DispatchPostedMessages();
        ClearCalls();
        main->calls.clear();
        Buffer().Undo();
        sent = Codes(*objectPage);
        DispatchPostedMessages();
        all = Codes(*objectPage);
    }
    bool MultiListRefreshed() const {
        return std::count(main->calls.begin(), main->calls.end(), "multi RefreshList") > 0;
    }

    CMultiObjectDialogServices* multiObjects = nullptr;
    std::vector<LPARAM> sent;
    std::vector<LPARAM> all;
};

TEST_F(UndoNotifyTest, ObjectRenameRenamesTreeItemsLaterAndLeavesThePanes) {
    EditAndUndo("RenameObject");
    EXPECT_NE(FindObjectByName("patch_obj_02"), nullptr);
    EXPECT_EQ(sent, (std::vector<LPARAM>{notifySceneMerged}));
    EXPECT_EQ(all, (std::vector<LPARAM>{notifySceneMerged, notifyRenameTreeItems}));
    EXPECT_EQ(PaneRedraws(), 0);
    EXPECT_TRUE(MultiListRefreshed());
}

TEST_F(UndoNotifyTest, RecreatedObjectsAndFoldersGetTreeItemsAndRedrawThePanes) {
    EditAndUndo("DeleteObjectInANestedFolder");
    EXPECT_EQ(objectPage->calls, Calls{"AddObjectTreeItem patch_obj_04"});
    EXPECT_EQ(PaneRedraws(), 4);
    EXPECT_TRUE(MultiListRefreshed());
    EXPECT_EQ(sent, (std::vector<LPARAM>{notifySceneMerged}));

    EditAndUndo("DeleteNestedFolder");
    EXPECT_EQ(objectPage->calls, Calls{"AddObjectTreeItem group_01"}) << "one item, with its members below";

    EditAndUndo("CopyFolderWithItsContents");
    EXPECT_EQ(objectPage->calls, Calls{"RemoveObjectItem group_01(copy)01"})
        << "the inner copies went with their folder";
    EXPECT_EQ(PaneRedraws(), 4);
}

TEST_F(UndoNotifyTest, ConvertedObjectComesBackAndItsPolygonObjectLeavesTheTree) {
    EditAndUndo("ConvertToPolygonObject");
    EXPECT_EQ(objectPage->calls, (Calls{"RemoveObjectItem patch_obj_04", "AddObjectTreeItem patch_obj_04"}));
    EXPECT_EQ(polygonPanel->calls, Calls{"Refresh"});
    EXPECT_EQ(PaneRedraws(), 4);
    EXPECT_EQ(FindObjectByName("patch_obj_04")->GetParentFolder(), FindFolderByName("group_02"));
    EXPECT_EQ(FindPolygon("patch_obj_04"), nullptr);
}

TEST_F(UndoNotifyTest, LightsAreShownAgainInTheLightTreeAndPanel) {
    EditAndUndo("DeleteLight");
    EXPECT_EQ(lightPage->calls, Calls{"AddLightItem fill_light 0"});
    EXPECT_EQ(lightPanel->calls, Calls{"Refresh"});
    EXPECT_EQ(PaneRedraws(), 4);

    EditAndUndo("RenameLight");
    EXPECT_EQ(lightPage->calls, Calls{"RenameLightItem rim_light fill_light"});
    EXPECT_TRUE(lightPanel->calls.empty()) << "the light panel shows another light";
    EXPECT_EQ(PaneRedraws(), 0);

    FindLightByName("fill_light")->m_selected = 1;
    EditAndUndo("RenameLight");
    EXPECT_EQ(lightPanel->calls, Calls{"Refresh"});

    EditAndUndo("CreateLight");
    EXPECT_EQ(lightPage->calls, Calls{"RemoveLightItem"});
    EXPECT_EQ(PaneRedraws(), 4);

    // The only light comes back selected in the tree.
    Doc().m_lights.Remove(FindLightByName("key_light"));
    EditAndUndo("DeleteLight");
    EXPECT_EQ(lightPage->calls, Calls{"AddLightItem fill_light 1"});
}

TEST_F(UndoNotifyTest, MaterialsAreShownAgainInTheMaterialTreeAndTheObjectPanels) {
    EditAndUndo("DeleteReferencedMaterial");
    EXPECT_EQ(materialPage->calls, (Calls{"AddMaterialItem", "SelectMaterialItem"}));
    EXPECT_EQ(objectPanel->calls, Calls{"Refresh"});
    EXPECT_EQ(polygonPanel->calls, Calls{"Refresh"});
    EXPECT_EQ(PaneRedraws(), 0);

    FindMaterialByName("glass")->m_selected = 1;
    EditAndUndo("RenameMaterial");
    EXPECT_EQ(materialPage->calls, Calls{"RenameMaterialItem frosted glass"});
    EXPECT_EQ(materialPanelWindow->calls, Calls{"Refresh"});
    EXPECT_EQ(objectPanel->calls, Calls{"Refresh"});

    EditAndUndo("CopyMaterial");
    EXPECT_EQ(materialPage->calls, Calls{"RemoveMaterialItem"});
    EXPECT_EQ(PaneRedraws(), 0);
}

TEST_F(UndoNotifyTest, ParentChangeSendsTheTreeItemUpdateWhileTheObjectLives) {
    CSpatchObj* obj = FindObjectByName("patch_obj_04");
    EditAndUndo("ChangeParent");
    ASSERT_EQ(objectPage->received.size(), 2u);
    EXPECT_EQ(objectPage->received[0].lParam, notifyUpdateTreeItem) << "sent during Undo, not posted";
    EXPECT_EQ(objectPage->received[0].wParam, reinterpret_cast<WPARAM>(obj));
    EXPECT_EQ(obj->GetParentFolder(), FindFolderByName("group_02"));
}

TEST_F(UndoNotifyTest, SettingsPostARefreshAndRedrawWhenTheRecordSaysSo) {
    EditAndUndo("ObjectInfo");
    EXPECT_EQ(all, (std::vector<LPARAM>{notifySceneMerged, notifySceneMerged}));
    EXPECT_EQ(PaneRedraws(), 4);

    CSpatchObj* obj = FindObjectByName("patch_obj_00");
    Record(undoObjectInfo, "(オブジェクト情報) 変更", "(Object Info) Change");
    Buffer().SaveObjectInfo(obj, 0);
    obj->SetExport(0);
    ClearCalls();
    Buffer().Undo();
    EXPECT_EQ(obj->GetExport(), 1);
    EXPECT_EQ(PaneRedraws(), 0) << "the export switch does not show in the panes";
}

TEST_F(UndoNotifyTest, AStepWhoseItemIsGoneRestoresNothingTellsNobodyAndIsUsedUp) {
    FindCase("RenameObject").edit(*this);
    FindCase("RenameFolder").edit(*this);
    FindObjectByName("wheel")->SetName("axle");
    ClearCalls();
    main->calls.clear();
    Buffer().Undo();
    Buffer().Undo();
    DispatchPostedMessages();
    EXPECT_EQ(Buffer().GetPosition(), 0);
    EXPECT_EQ(FindFolderByName("group_01")->GetName(), "group_01") << "the folder step still restores";
    EXPECT_NE(FindObjectByName("axle"), nullptr);
    EXPECT_EQ(Codes(*objectPage), (std::vector<LPARAM>{notifySceneMerged, notifyRenameTreeItems}))
        << "only the folder step told the windows";
}
