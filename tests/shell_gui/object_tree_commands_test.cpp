// The object page's commands on a document with recording windows: names of
// new objects, folders and copies, one undo step each that gives back the
// same document file, what the tree is told, and the selection a tree item
// stands for.
#include "app/undo_fixture.h"
#include "shell/object_tree_commands.h"
#include "support/doc_bytes.h"

#include <cstdlib>

using qf::test::DocumentBytes;
using qf::test::SameDocumentBytes;

namespace {

class ObjectTreeCommandsTest : public UndoTest {
protected:
    void SetUp() override {
        UndoTest::SetUp();
        // The page's selection, as the real page makes it.
        objectPage->onSelectObjectItem = [this](CBaseObj* obj) { ApplyTreeSelection(*doc, obj); };
    }

    // Runs an edit, checks it recorded exactly one step, undoes it and
    // checks the file is as before.
    template <class Edit> void ExpectOneStepUndoneToSameBytes(Edit edit, const char* what) {
        const std::string before = DocumentBytes(*doc);
        const int steps = Buffer().GetPosition();
        edit();
        EXPECT_EQ(Buffer().GetPosition(), steps + 1) << what;
        EXPECT_TRUE(DocumentBytes(*doc) != before) << what;
        Buffer().Undo();
        EXPECT_TRUE(SameDocumentBytes(before, DocumentBytes(*doc))) << what;
    }

    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const CSpatchObj* obj : doc->m_objects)
            names.push_back(obj->GetName().str());
        for (const CFolderObj* folder : doc->m_folders)
            names.push_back(folder->GetName().str());
        return names;
    }

    CObjectTreeCommands commands{7};
};

} // namespace

TEST_F(ObjectTreeCommandsTest, NewObjectsAndFoldersTakeTheFirstFreeNameOfTheirSeries) {
    EXPECT_EQ(commands.CreatePatchObject(*doc)->GetName(), "patch_obj_00");
    CSpatchObj* second = commands.CreatePatchObject(*doc);
    EXPECT_EQ(second->GetName(), "patch_obj_01");
    EXPECT_EQ(GetSelectedObject(), second) << "the new object is the selected one";
    EXPECT_EQ(objectPage->calls,
              (qf::test::CallLog{"AddObjectTreeItem patch_obj_00", "SelectObjectItem patch_obj_00",
                                 "AddObjectTreeItem patch_obj_01", "SelectObjectItem patch_obj_01"}));
    boxes.Answer(IDYES);
    commands.DeleteSelected(*doc);
    EXPECT_EQ(commands.CreatePatchObject(*doc)->GetName(), "patch_obj_01") << "a deleted name is free again";

    // Names of any kind count, and the series goes past nine with two digits.
    AddLight("group_00");
    for (int i = 1; i <= 9; ++i)
        AddFolder(("group_0" + std::to_string(i)).c_str());
    CFolderObj* folder = commands.CreateFolder(*doc);
    EXPECT_EQ(folder->GetName(), "group_10");
    EXPECT_EQ(GetSelectedFolder(), folder);
    EXPECT_EQ(GetSelectedObject(), nullptr) << "selecting the folder deselects the object";
    EXPECT_EQ(Buffer().GetRecord(Buffer().GetPosition() - 1)->m_kind, undoCreateFolder);
    EXPECT_EQ(Buffer().GetRecord(Buffer().GetPosition() - 1)->m_english, "Create Folder");
}

TEST_F(ObjectTreeCommandsTest, EveryCommandIsOneUndoStepThatGivesBackTheSameFile) {
    BuildMidSizeScene();
    ExpectOneStepUndoneToSameBytes([&] { commands.CreatePatchObject(*doc); }, "new object");
    ExpectOneStepUndoneToSameBytes([&] { commands.CreateFolder(*doc); }, "new folder");

    ApplyTreeSelection(*doc, FindObjectByName("patch_obj_03"));
    ExpectOneStepUndoneToSameBytes([&] { commands.CopySelected(*doc); }, "copy of an object");
    ApplyTreeSelection(*doc, FindFolderByName("group_01"));
    ExpectOneStepUndoneToSameBytes([&] { commands.CopySelected(*doc); }, "copy of a folder");

    boxes.Answer(IDYES);
    ApplyTreeSelection(*doc, FindObjectByName("patch_obj_04"));
    ExpectOneStepUndoneToSameBytes([&] { commands.DeleteSelected(*doc); }, "deleted object");
    boxes.Answer(IDYES);
    ApplyTreeSelection(*doc, FindFolderByName("group_01"));
    ExpectOneStepUndoneToSameBytes([&] { commands.DeleteSelected(*doc); }, "deleted folder");
    boxes.Answer(IDYES);
    ApplyTreeSelection(*doc, FindPolygon("polygon_obj_00"));
    ExpectOneStepUndoneToSameBytes([&] { commands.DeleteSelected(*doc); }, "deleted polygon object");
    EXPECT_EQ(boxes.GetUnscriptedCount(), 0);
}

TEST_F(ObjectTreeCommandsTest, UndoingADeletionPutsEverythingBackWhereItStood) {
    BuildMidSizeScene();
    // The first of everything: the lists and the hierarchy go on after it.
    for (const char* name : {"patch_obj_00", "patch_obj_02"}) {
        SCOPED_TRACE(name);
        boxes.Answer(IDYES);
        ApplyTreeSelection(*doc, FindObjectByName(name));
        ExpectOneStepUndoneToSameBytes([&] { commands.DeleteSelected(*doc); }, name);
    }
    boxes.Answer(IDYES);
    ApplyTreeSelection(*doc, FindFolderByName("group_00"));
    ExpectOneStepUndoneToSameBytes([&] { commands.DeleteSelected(*doc); }, "a folder with folders below it");
}

TEST_F(ObjectTreeCommandsTest, ACopiedObjectLandsAtTheTopLevelWithANewColourAndTheSameShape) {
    BuildMidSizeScene();
    CSpatchObj* source = FindObjectByName("patch_obj_03");
    ApplyTreeSelection(*doc, source);
    commands.CopySelected(*doc);
    CSpatchObj* copy = FindObjectByName("patch_obj_03(copy)01");
    ASSERT_TRUE(copy);
    EXPECT_EQ(GetSelectedObject(), copy);
    EXPECT_EQ(copy->GetParentFolder(), nullptr) << "not in the source's folder";
    EXPECT_NE(copy->GetKey(), source->GetKey());
    EXPECT_EQ(copy->GetVertices().GetCount(), source->GetVertices().GetCount());
    EXPECT_EQ(copy->GetCurves().GetCount(), source->GetCurves().GetCount());
    EXPECT_EQ(copy->GetMaterialSlot(1)->m_materialId, source->GetMaterialSlot(1)->m_materialId);
    EXPECT_EQ(copy->CountSelectedVertices(), 0);
    EXPECT_EQ(PaneRedraws(), kPaneCount);
    const CUndoRecord* step = Buffer().GetRecord(Buffer().GetPosition() - 1);
    EXPECT_EQ(step->m_kind, undoCreateObject);
    EXPECT_EQ(step->m_english, "(Patch) Copy Object");

    // A copy of a copy counts on.
    commands.CopySelected(*doc);
    EXPECT_TRUE(FindObjectByName("patch_obj_03(copy)02"));
}

TEST_F(ObjectTreeCommandsTest, ACopiedFolderHoldsCopiesOfEverythingBelowItAtTheTopLevel) {
    BuildMidSizeScene();
    ApplyTreeSelection(*doc, FindFolderByName("group_01"));
    ClearCalls();
    commands.CopySelected(*doc);
    CFolderObj* copy = FindFolderByName("group_01(copy)01");
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->GetParentFolder(), nullptr);
    std::vector<std::string> members;
    for (const CBaseObj* member : copy->GetMembers())
        members.push_back(member->GetName().str());
    EXPECT_EQ(members, (std::vector<std::string>{"patch_obj_02(copy)01", "group_02(copy)01"}));
    const CFolderObj* innerCopy = FindFolderByName("group_02(copy)01");
    ASSERT_TRUE(innerCopy);
    EXPECT_EQ(innerCopy->GetMembers().GetCount(), 2);
    EXPECT_EQ(FindObjectByName("patch_obj_03(copy)01")->GetColor(), 0x336699u) << "colours are kept";
    EXPECT_EQ(FindObjectByName("patch_obj_03(copy)01")->GetParentFolder(), innerCopy);
    EXPECT_EQ(FindFolderByName("group_01")->GetMembers().GetCount(), 2) << "the source is unchanged";
    EXPECT_EQ(GetSelectedFolder(), FindFolderByName("group_01")) << "the selection stays";
    const CUndoRecord* step = Buffer().GetRecord(Buffer().GetPosition() - 1);
    EXPECT_EQ(step->m_kind, undoCopyFolder);
    EXPECT_EQ(step->m_folders.GetCount(), 2);
    EXPECT_EQ(step->m_objects.GetCount(), 3);
    // Each item goes under its folder's item, which exists by then.
    EXPECT_EQ(objectPage->calls.front(), "AddObjectTreeItem group_01(copy)01");
    EXPECT_EQ(objectPage->calls.size(), 5u);
}

TEST_F(ObjectTreeCommandsTest, WithoutASelectionCopyAndDeleteSayItAndChangeNothing) {
    BuildMidSizeScene();
    ApplyTreeSelection(*doc, nullptr);
    const std::string before = DocumentBytes(*doc);
    boxes.Answer(IDOK);
    commands.CopySelected(*doc);
    boxes.Answer(IDOK);
    commands.DeleteSelected(*doc);
    EXPECT_EQ(boxes.GetUnscriptedCount(), 0) << "two boxes were shown";
    EXPECT_EQ(Buffer().GetPosition(), 0);
    EXPECT_TRUE(SameDocumentBytes(before, DocumentBytes(*doc)));
}

TEST_F(ObjectTreeCommandsTest, DeleteAsksFirstAndRepaintsOnlyWhenSomethingVisibleWent) {
    BuildMidSizeScene();
    CSpatchObj* empty = commands.CreatePatchObject(*doc);
    const int steps = Buffer().GetPosition();
    boxes.Answer(IDNO);
    commands.DeleteSelected(*doc);
    EXPECT_EQ(FindObjectByName(empty->GetName()), empty) << "No keeps it";
    EXPECT_EQ(Buffer().GetPosition(), steps);

    while (DispatchPostedMessages() > 0) {
    }
    ClearCalls();
    boxes.Answer(IDYES);
    commands.DeleteSelected(*doc);
    while (DispatchPostedMessages() > 0) {
    }
    EXPECT_EQ(FindObjectByName("patch_obj_05"), nullptr);
    EXPECT_EQ(objectPage->calls, qf::test::CallLog{"RemoveObjectItem patch_obj_05"});
    EXPECT_TRUE(Codes(*panes[0]).empty()) << "an object without points leaves the panes as they are";

    boxes.Answer(IDYES);
    ApplyTreeSelection(*doc, FindPolygon("polygon_obj_00"));
    commands.DeleteSelected(*doc);
    while (DispatchPostedMessages() > 0) {
    }
    EXPECT_EQ(FindPolygon("polygon_obj_00"), nullptr) << "a polygon object is deleted too";
    EXPECT_EQ(Codes(*panes[0]), std::vector<LPARAM>{notifyRepaintPanes});
    const CUndoRecord* step = Buffer().GetRecord(Buffer().GetPosition() - 1);
    EXPECT_EQ(step->m_kind, undoDeletePolygon);
    EXPECT_EQ(step->m_english, "(Polygon) Delete Object");
    Buffer().Undo();
    EXPECT_TRUE(FindPolygon("polygon_obj_00"));
    EXPECT_EQ(objectPage->calls.back(), "AddPolygonItem polygon_obj_00");
}

TEST_F(ObjectTreeCommandsTest, ATreeItemSelectsItsObjectAloneAndOthersLoseTheirPoints) {
    BuildMidSizeScene();
    CSpatchObj* top = FindObjectByName("patch_obj_00");
    ASSERT_EQ(top->CountSelectedVertices(), 2);
    CPolygonObj* polygon = FindPolygon("polygon_obj_00");

    ApplyTreeSelection(*doc, polygon);
    EXPECT_EQ(GetSelectedItem(), polygon);
    EXPECT_EQ(top->GetSelected(), 0);
    EXPECT_EQ(top->CountSelectedVertices(), 0);

    ApplyTreeSelection(*doc, FindFolderByName("group_02"));
    EXPECT_EQ(GetSelectedItem(), FindFolderByName("group_02"));
    EXPECT_EQ(polygon->GetSelected(), 0);

    ApplyTreeSelection(*doc, nullptr);
    EXPECT_EQ(GetSelectedItem(), nullptr) << "Root selects nothing";
}

TEST_F(ObjectTreeCommandsTest, ColoursComeFromTheCommandsOwnGeneratorWhateverOthersDoWithRand) {
    CObjectTreeCommands first(42);
    CObjectTreeCommands second(42);
    for (int i = 0; i < 200; ++i) {
        const uint32_t colour = first.RandomColor();
        for (int shift : {0, 8, 16})
            EXPECT_LE((colour >> shift) & 0xFF, 254u);
        EXPECT_EQ(colour & 0xFF000000u, 0u);
        std::srand(1);
        static_cast<void>(std::rand());
        EXPECT_EQ(second.RandomColor(), colour);
    }
}
