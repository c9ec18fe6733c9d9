// Moving an object or folder into another folder: the moves the hierarchy
// refuses record nothing; an allowed one is one undo step that puts it back.
#include "app/undo_fixture.h"
#include "dialogs/parent_folder_dlg.h"
#include "shell/change_parent_command.h"
#include "shell/object_tree_commands.h"
#include "support/doc_bytes.h"

using qf::test::DocumentBytes;
using qf::test::SameDocumentBytes;

namespace {

class ChangeParentCommandTest : public UndoTest {
protected:
    void SetUp() override {
        UndoTest::SetUp();
        BuildMidSizeScene();
    }
    CChangeParentCommand command;
};

} // namespace

TEST_F(ChangeParentCommandTest, RefusedMovesRecordNothing) {
    CFolderObj* outer = FindFolderByName("group_00");
    CFolderObj* inner = FindFolderByName("group_02");
    const struct {
        const char* name;
        CBaseObj* obj;
        CBaseObj* folder;
    } cases[] = {
        {"a folder into its own subfolder", outer, inner},
        {"a folder into itself", inner, inner},
        {"an object into the folder it is in", FindObjectByName("patch_obj_03"), inner},
        {"a top-level object to the top level", FindObjectByName("patch_obj_00"), nullptr},
        {"into a patch object", FindObjectByName("patch_obj_00"), FindObjectByName("patch_obj_01")},
        {"a polygon object into a folder", FindPolygon("polygon_obj_00"), outer},
        {"nothing", nullptr, outer},
    };
    const std::string before = DocumentBytes(*doc);
    for (const auto& c : cases) {
        EXPECT_EQ(command.MoveToFolder(c.obj, c.folder), 0) << c.name;
        EXPECT_EQ(Buffer().GetPosition(), 0) << c.name;
    }
    EXPECT_TRUE(objectPage->calls.empty());
    EXPECT_TRUE(SameDocumentBytes(before, DocumentBytes(*doc)));
}

TEST_F(ChangeParentCommandTest, AMoveIsOneStepThatUndoPutsBack) {
    CSpatchObj* obj = FindObjectByName("patch_obj_03");
    CFolderObj* target = FindFolderByName("group_03");
    const std::string before = DocumentBytes(*doc);
    ASSERT_EQ(command.MoveToFolder(obj, target), 1);
    EXPECT_EQ(obj->GetParentFolder(), target);
    EXPECT_EQ(objectPage->calls, qf::test::CallLog{"RefreshObjectItem patch_obj_03"});
    EXPECT_TRUE(doc->IsModified());
    ASSERT_EQ(Buffer().GetPosition(), 1);
    EXPECT_EQ(Buffer().GetRecord(0)->m_kind, undoParentChange);
    EXPECT_EQ(Buffer().GetRecord(0)->m_english, "Change Parent Object");
    Buffer().Undo();
    EXPECT_EQ(obj->GetParentFolder(), FindFolderByName("group_02"));
    EXPECT_TRUE(SameDocumentBytes(before, DocumentBytes(*doc)));

    // Out of its folder to the top level, a whole folder with what it holds.
    CFolderObj* middle = FindFolderByName("group_01");
    ASSERT_EQ(command.MoveToFolder(middle, nullptr), 1);
    EXPECT_EQ(middle->GetParentFolder(), nullptr);
    EXPECT_EQ(doc->m_tree.GetRoot().GetTail(), middle);
    EXPECT_EQ(FindObjectByName("patch_obj_03")->GetParentFolder(), FindFolderByName("group_02"));
}

TEST_F(ChangeParentCommandTest, TheCommandMovesTheSelectedItemToTheFolderTheDialogGives) {
    ApplyTreeSelection(*doc, FindObjectByName("patch_obj_01"));
    EXPECT_TRUE(command.CanRun());
    CFolderObj* target = FindFolderByName("group_03");
    boxes.AnswerModal([target](qf::CModalWindow& window) {
        auto& dialog = dynamic_cast<CParentFolderDlg&>(window);
        EXPECT_EQ(dialog.GetTemplateId(), 226u);
        dialog.m_chosenFolder = target;
        return IDOK;
    });
    command.Run(nullptr);
    EXPECT_EQ(FindObjectByName("patch_obj_01")->GetParentFolder(), target);

    boxes.AnswerModal(IDCANCEL);
    command.Run(nullptr);
    EXPECT_EQ(Buffer().GetPosition(), 1) << "Cancel moves nothing";

    for (CSpatchObj* obj : doc->m_objects)
        obj->SetSelected(0);
    FindPolygon("polygon_obj_00")->SetSelected(1);
    EXPECT_FALSE(command.CanRun()) << "a polygon object has no parent folder";
}
