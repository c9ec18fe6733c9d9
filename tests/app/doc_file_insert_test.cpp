// File > Insert: a file merged into the open document with the parts the
// insert dialog chose, unique names, fresh keys and ids, and the side-bar
// trees told about everything new.
#include "app/doc_helpers.h"
#include "app/document_reader.h"
#include "app/scene_buffer.h"
#include "doc_file_builder.h"
#include "doc_fixture.h"
#include "support/doc_bytes.h"
#include "support/temp_dir.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

using qf::test::DocumentBytes;
using qf::test::SameDocumentBytes;

namespace {

InsertChoices All(int value) {
    InsertChoices choices;
    choices.fill(value);
    return choices;
}

InsertChoices Only(InsertChoice choice) {
    InsertChoices choices = All(0);
    choices[choice] = 1;
    return choices;
}

class DocFileInsertTest : public DocTest {
protected:
    void SetUp() override {
        DocTest::SetUp();
        qf::test::FillEveryKindOfContent(*doc);
        file = dir.File("scene.qfm");
        ASSERT_TRUE(doc->OnSaveDocument(file.c_str()));
    }

    int Insert(const InsertChoices& choices, const std::string& path = {}) {
        return CDocumentReader().InsertDocument(*doc, (path.empty() ? file : path).c_str(), choices);
    }

    int Count(const qf::test::CallLog& calls, const std::string& prefix) {
        return static_cast<int>(std::count_if(calls.begin(), calls.end(),
                                              [&](const std::string& c) { return c.rfind(prefix, 0) == 0; }));
    }

    qf::test::TempDir dir;
    std::string file;
};

} // namespace

TEST_F(DocFileInsertTest, InsertingADocumentIntoItselfCopiesEverythingUnderNewNames) {
    auto& objects = Register(wndObjectPage);
    auto& lights = Register(wndLightPage);
    auto& materials = Register(wndMaterialPage);
    const auto panes = RegisterPanes();
    doc->SetModifiedFlag(FALSE);

    ASSERT_EQ(Insert(All(1)), 1);
    EXPECT_TRUE(doc->IsModified());
    ASSERT_EQ(doc->m_objects.GetCount(), 6);
    CSpatchObj* grid = doc->m_objects.GetAtIndex(3);
    CSpatchObj* pentagon = doc->m_objects.GetAtIndex(4);
    EXPECT_EQ(grid->GetName(), "グリッド_01");
    EXPECT_EQ(pentagon->GetName(), "pentagon_01");
    EXPECT_EQ(grid->GetKey(), "spatch_obj3");
    EXPECT_EQ(doc->m_nextObjectKey, 6);
    EXPECT_EQ(doc->m_folders.GetAtIndex(3)->GetName(), "外側_01");
    EXPECT_EQ(doc->m_folders.GetAtIndex(3)->GetKey(), "folder3");
    EXPECT_EQ(doc->m_lights.GetAtIndex(3)->m_name, "スポット_01");
    EXPECT_EQ(doc->m_materials.GetAtIndex(3)->m_name, "木目_01");
    EXPECT_EQ(doc->m_polygonObjects.GetAtIndex(2)->GetName(), "ポリゴン_01");
    EXPECT_EQ(doc->m_includeFiles.size(), 4u);

    // The copies refer to the copies.
    const CMaterialData* glass = FindMaterialByName("glass_01");
    ASSERT_NE(glass, nullptr);
    EXPECT_EQ(glass->m_id, 6) << "ids continue after the deleted material's";
    EXPECT_EQ(doc->m_nextMaterialId, 7);
    EXPECT_EQ(grid->GetMaterialSlot(0)->m_materialId, glass->m_id);
    EXPECT_EQ(doc->m_defaultMaterial.m_referencedMaterial, glass->m_id);
    EXPECT_EQ(pentagon->GetMotionBlurTarget(), grid->GetKey());
    EXPECT_EQ(pentagon->GetParentFolder(), doc->m_folders.GetAtIndex(4));

    EXPECT_EQ(Count(objects.calls, "AddObjectTreeItem"), 3) << "the new top-level grid and two folders";
    EXPECT_EQ(Count(objects.calls, "AddPolygonItem"), 2);
    EXPECT_EQ(Count(lights.calls, "AddLightItem"), 3);
    EXPECT_EQ(Count(lights.calls, "AddLightItem スポット_01 0"), 1)
        << "the tree had lights, so it has a selection";
    EXPECT_EQ(Count(materials.calls, "AddMaterialItem"), 3);
    for (auto* pane : panes)
        EXPECT_EQ(Count(pane->calls, "RedrawNow"), 1);
    EXPECT_EQ(main->calls.front(), "SetBusyCursor 1");
    EXPECT_EQ(main->calls.back(), "SetBusyCursor 0");

    ASSERT_EQ(Insert(All(1)), 1);
    EXPECT_EQ(doc->m_objects.GetAtIndex(6)->GetName(), "グリッド_02");
}

TEST_F(DocFileInsertTest, AnInsertIsOneUndoStepAndOpeningClearsTheSteps) {
    const std::string before = DocumentBytes(*doc);
    ASSERT_EQ(Insert(All(1)), 1);
    ASSERT_EQ(doc->m_undoBuffer.GetRecordCount(), 1);
    const CUndoRecord* record = doc->m_undoBuffer.GetRecord(0);
    EXPECT_EQ(record->m_kind, undoInsert);
    EXPECT_EQ(record->m_japanese, "(ファイル) インサート");
    EXPECT_EQ(record->m_english, "(File) Insert");
    doc->m_undoBuffer.Undo();
    EXPECT_TRUE(SameDocumentBytes(before, DocumentBytes(*doc)));

    ASSERT_EQ(Insert(All(1)), 1);
    EXPECT_TRUE(doc->m_undoBuffer.CanUndo());
    ASSERT_TRUE(doc->OnOpenDocument(file.c_str()));
    EXPECT_FALSE(doc->m_undoBuffer.CanUndo()) << "an opened document starts without undo steps";
}

// An insert replaces the scene records the file brings; undo gives back each
// of them, the background sphere and the perspective pane's aspect included.
TEST_F(DocFileInsertTest, UndoGivesBackEverySceneRecordTheInsertReplaced) {
    doc->m_hdr.m_use = 0;
    doc->m_hdr.m_imageFile = "";
    doc->m_cameras[1].m_aspect = 1.5f;
    const std::string plain = dir.File("plain.qfm");
    ASSERT_TRUE(doc->OnSaveDocument(plain.c_str()));
    doc->m_hdr.m_use = 1;
    doc->m_hdr.m_imageFile = "dusk.hdr";
    doc->m_cameras[1].m_aspect = 2.5f;
    doc->m_underlays[2].m_offset = CVector3(4.0f, 5.0f, 6.0f); // same picture, moved
    const std::string before = DocumentBytes(*doc);

    ASSERT_EQ(Insert(All(1), plain), 1);
    ASSERT_EQ(doc->m_hdr.m_use, 0) << "the inserted file's records were taken";
    doc->m_undoBuffer.Undo();
    EXPECT_EQ(doc->m_hdr.m_use, 1);
    EXPECT_EQ(doc->m_hdr.m_imageFile, "dusk.hdr");
    EXPECT_EQ(doc->m_cameras[1].m_aspect, 2.5f);
    EXPECT_EQ(doc->m_underlays[2].m_offset, CVector3(4.0f, 5.0f, 6.0f));
    EXPECT_TRUE(SameDocumentBytes(before, DocumentBytes(*doc)));
}

TEST_F(DocFileInsertTest, IntoAnEmptyDocumentTheFirstLightIsSelected) {
    doc->OnNewDocument();
    auto& lights = Register(wndLightPage);
    ASSERT_EQ(Insert(All(1)), 1);
    EXPECT_EQ(lights.calls,
              (qf::test::CallLog{"AddLightItem スポット 1", "AddLightItem area 0", "AddLightItem plain 0"}));
    EXPECT_EQ(doc->m_objects.GetHead()->GetName(), "グリッド") << "no name was taken";
}

TEST_F(DocFileInsertTest, EachChoiceTakesOnlyItsPart) {
    struct Case {
        InsertChoice choice;
        std::function<bool(const CQuelDoc&)> took;
    } cases[] = {
        {insertObjects,
         [](const CQuelDoc& d) { return d.m_objects.GetCount() == 3 && d.m_polygonObjects.GetCount() == 2; }},
        {insertLights, [](const CQuelDoc& d) { return d.m_lights.GetCount() == 3; }},
        {insertMaterials, [](const CQuelDoc& d) { return d.m_materials.GetCount() == 3; }},
        {insertCameras, [](const CQuelDoc& d) { return d.m_cameras[1].m_aspect == 1.25f; }},
        {insertBackgroundColor, [](const CQuelDoc& d) { return d.m_renderBgColor == 0x00203040; }},
        {insertDefaultMaterial, [](const CQuelDoc& d) { return d.m_defaultMaterial.m_useReference == 1; }},
        {insertIncludeFiles, [](const CQuelDoc& d) { return d.m_includeFiles.size() == 2; }},
        {insertGlobalSettings, [](const CQuelDoc& d) { return d.m_globalSettings.m_maxTraceLevel == 20; }},
        {insertRadiosity, [](const CQuelDoc& d) { return d.m_radiosity2.m_media == 1; }},
        {insertPostProcess, [](const CQuelDoc& d) { return d.m_motionBlurCount == 9; }},
        {insertMemoCameras, [](const CQuelDoc& d) { return d.m_memoCameras[0].m_angle == 50.0f; }},
        {insertUnderlays, [](const CQuelDoc& d) { return d.m_underlayFiles[2] == "下絵.bmp"; }},
    };
    // A new document keeps its memo cameras.
    auto reset = [this] {
        doc->OnNewDocument();
        doc->m_memoCameras = {};
    };
    for (const Case& c : cases) {
        reset();
        ASSERT_EQ(Insert(Only(c.choice)), 1);
        EXPECT_TRUE(c.took(*doc)) << "choice " << c.choice;
        InsertChoices others = All(1);
        others[c.choice] = 0;
        reset();
        ASSERT_EQ(Insert(others), 1);
        EXPECT_FALSE(c.took(*doc)) << "without choice " << c.choice;
    }
}

TEST_F(DocFileInsertTest, WithoutMaterialsNoReferenceIsLeftPointingAtAnId) {
    doc->OnNewDocument();
    InsertChoices choices = All(1);
    choices[insertMaterials] = 0;
    ASSERT_EQ(Insert(choices), 1);
    ASSERT_TRUE(doc->m_materials.IsEmpty());
    for (const CSpatchObj* obj : doc->m_objects)
        for (int i = 0; i < CBaseObj::materialSlotCount; ++i)
            EXPECT_EQ(obj->GetMaterialSlot(i)->m_materialId, -1);
    EXPECT_EQ(doc->m_polygonObjects.GetHead()->GetMaterialSlot(4)->m_materialId, -1);
    EXPECT_EQ(doc->m_defaultMaterial.m_referencedMaterial, -1);
    EXPECT_EQ(doc->m_defaultMaterial.m_useReference, 1) << "the rest of the setting was taken";
    const CMaterialData* later = doc->AddMaterial();
    EXPECT_EQ(later->m_id, 0);
    EXPECT_EQ(doc->m_objects.GetHead()->GetMaterialSlot(0)->m_materialId, -1);
}

TEST_F(DocFileInsertTest, FoldersAndMaterialsWithoutObjectsContinueTheDocumentsCounters) {
    CQuelDoc source;
    source.AddFolder()->SetName("group");
    source.AddMaterial()->m_name = "paint";
    const std::string path = dir.File("parts.qfm");
    ASSERT_TRUE(source.OnSaveDocument(path.c_str()));
    ASSERT_EQ(Insert(All(1), path), 1);
    EXPECT_EQ(doc->m_folders.GetTail()->GetKey(), "folder3");
    EXPECT_EQ(doc->m_materials.GetTail()->m_id, 4) << "after the three materials and the deleted one";
    EXPECT_EQ(doc->m_nextFolderKey, 4);
    EXPECT_EQ(doc->m_nextMaterialId, 5);
}

TEST_F(DocFileInsertTest, FailedInsertIsReportedAndChangesNothing) {
    const std::string before = DocumentBytes(*doc);
    std::string damaged = qf::test::ReadFileBytes(file);
    damaged.resize(damaged.size() - 1);
    const std::string damagedPath = dir.File("damaged.qfm");
    qf::test::WriteFileBytes(damagedPath, damaged);
    doc->SetModifiedFlag(FALSE);

    EXPECT_EQ(Insert(All(1), damagedPath), 0);
    EXPECT_EQ(Insert(All(1), dir.File("missing.qfm")), 0);
    ASSERT_EQ(boxes.GetRequests().size(), 2u);
    EXPECT_NE(boxes.GetRequests()[0].text.str().find("damaged.qfm\" is damaged"), std::string::npos);
    EXPECT_NE(boxes.GetRequests()[1].text.str().find("could not be read"), std::string::npos);
    EXPECT_TRUE(SameDocumentBytes(before, DocumentBytes(*doc)));
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->m_undoBuffer.GetRecordCount(), 0) << "a failed insert leaves no undo step";
    EXPECT_EQ(main->calls.back(), "SetBusyCursor 0");
}

TEST_F(DocFileInsertTest, NamesCountOnPastNine) {
    doc->OnNewDocument();
    doc->AddPatchObject()->SetName("cube");
    doc->AddLight()->m_name = "cube_02";
    CSceneBuffer buffer(*doc);
    for (int i = 0; i < 11; ++i)
        buffer.AddPatchObject()->SetName("cube");
    buffer.AddMaterial()->m_name = "cube";
    buffer.MakeNamesUnique();
    std::vector<std::string> names;
    for (const CSpatchObj* obj : buffer.m_objects)
        names.push_back(obj->GetName().str());
    EXPECT_EQ(names,
              (std::vector<std::string>{"cube_01", "cube_03", "cube_04", "cube_05", "cube_06", "cube_07",
                                        "cube_08", "cube_09", "cube_10", "cube_11", "cube_12"}));
    EXPECT_EQ(buffer.m_materials.GetHead()->m_name, "cube_13") << "materials come after the objects";
}
