// The object page in the running program, driven by real clicks, drags and
// keys: New, Copy and Delete give their names and one undo step each, which
// Edit > Undo takes back to the same document file; renaming through the
// name dialog; moving items into folders by drag and drop and by the Change
// Parent Object command.
#include "running_app.h"

#include "dialogs/parent_folder_dlg.h"
#include "dialogs/rename_dlg.h"
#include "platform/ui/cursor.h"
#include "resources/command_ids.h"
#include "resources/resource_tables.h"
#include "shell/object_page_ids.h"
#include "support/doc_bytes.h"

using qf::test::DocumentBytes;
using qf::test::PumpEvents;
using qf::test::SameDocumentBytes;

namespace {

class ObjectPageGuiTest : public qf::test::RunningAppGuiTest {
protected:
    void SetUp() override { Start(); }

    CTreeCtrl& Tree() { return Page().GetTree(); }
    CPoint ItemPoint(const CBaseObj* obj) { return ItemPointIn(Tree(), ItemOf(obj)); }
    static CPoint ItemPointIn(CTreeCtrl& tree, HTREEITEM item) {
        // The tree places new items when it next paints.
        tree.EnsureVisible(item);
        PumpEvents(100);
        CRect rect;
        EXPECT_TRUE(tree.GetItemRect(item, &rect, TRUE));
        return CPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    }
    void ClickItem(const CBaseObj* obj) { Click(Tree(), ItemPoint(obj)); }
    static HTREEITEM ItemOf(const CBaseObj* obj) { return static_cast<HTREEITEM>(obj->GetTreeItem()); }
    // Presses the left button on one item and lets it go over another, in
    // steps; the cursor shown just before the release tells whether the drop is taken.
    bool DragItem(const CBaseObj* from, const CBaseObj* onto) { return DragItem(ItemOf(from), ItemOf(onto)); }
    // With via, the drag passes over that item on its way (a drag must move to begin).
    bool DragItem(HTREEITEM from, HTREEITEM onto, HTREEITEM via = nullptr) {
        const CPoint start = ItemPointIn(Tree(), from);
        const CPoint end = ItemPointIn(Tree(), onto);
        mouse.MoveTo(Tree(), start);
        mouse.Down();
        CPoint at = start;
        const auto moveTo = [&](CPoint to) {
            for (int step = 1; step <= 6; ++step)
                mouse.MoveTo(Tree(),
                             CPoint(at.x + (to.x - at.x) * step / 6, at.y + (to.y - at.y) * step / 6));
            at = to;
        };
        if (via)
            moveTo(ItemPointIn(Tree(), via));
        moveTo(end);
        const HCURSOR shown = GetCursor();
        EXPECT_TRUE(shown == LoadCursor(IDC_DROP_ACCEPTED) || shown == LoadCursor(IDC_DROP_REFUSED));
        mouse.Up();
        PumpEvents(100);
        return shown == LoadCursor(IDC_DROP_ACCEPTED);
    }
    // Runs a command and checks it recorded one step that Edit > Undo takes back to the same file.
    template <class Run> void ExpectOneUndoableStep(Run run, const char* what) {
        const std::string before = DocumentBytes(Doc());
        const int steps = Doc().m_undoBuffer.GetPosition();
        run();
        EXPECT_EQ(Doc().m_undoBuffer.GetPosition(), steps + 1) << what;
        EXPECT_TRUE(DocumentBytes(Doc()) != before) << what;
        Command(ID_EDIT_UNDO);
        EXPECT_TRUE(SameDocumentBytes(before, DocumentBytes(Doc()))) << what;
    }
    void NewObject() {
        ChooseFromNextMenu(ID_OBJECT_CREATE_PATCH);
        Click(PageItem(kNewButtonId));
    }
    void NewFolder() {
        ChooseFromNextMenu(ID_OBJECT_CREATE_FOLDER);
        Click(PageItem(kNewButtonId));
    }
    // Replaces the text of the edit that has the focus.
    void Type(const char* text) {
        mouse.Sim().Char('a', wxMOD_CONTROL);
        PumpEvents(30);
        mouse.Sim().Text(text);
        PumpEvents(50);
    }
};

} // namespace

TEST_F(ObjectPageGuiTest, NewCopyAndDeleteGiveTheirNamesAndOneUndoStepEach) {
    ExpectOneUndoableStep([&] { NewObject(); }, "New > Patch Object");
    NewObject();
    CSpatchObj* second = GetSelectedObject();
    ASSERT_TRUE(second);
    EXPECT_EQ(second->GetName(), "patch_obj_01");
    EXPECT_EQ(Tree().GetItemText(Tree().GetSelectedItem()), "patch_obj_01");

    ExpectOneUndoableStep([&] { NewFolder(); }, "New > Folder");
    NewFolder();
    ASSERT_TRUE(GetSelectedFolder());
    EXPECT_EQ(GetSelectedFolder()->GetName(), "group_00");

    ClickItem(second);
    ExpectOneUndoableStep([&] { Click(PageItem(kCopyButtonId)); }, "Copy");
    Click(PageItem(kCopyButtonId));
    ASSERT_TRUE(GetSelectedObject());
    EXPECT_EQ(GetSelectedObject()->GetName(), "patch_obj_01(copy)01");

    ClickItem(second);
    runner.Answer(IDYES);
    ExpectOneUndoableStep([&] { Click(PageItem(kDeleteButtonId)); }, "Delete");
    const qf::CModalRequest& question = runner.GetRequests().back();
    EXPECT_EQ(question.text, "delete patch_obj_01?");
    EXPECT_EQ(question.caption, "check");
    EXPECT_TRUE(FindObjectByName("patch_obj_01")) << "undone";
}

TEST_F(ObjectPageGuiTest, TheNameDialogRefusesANameInUse) {
    NewObject();
    CSpatchObj* obj = GetSelectedObject();
    ASSERT_EQ(obj->GetName(), "patch_obj_01");
    CWnd& panel = *Page().FindPanel("Patch");
    bool checked = false;
    RunNextDialog([&](CDialog& dialog) {
        ASSERT_TRUE(dynamic_cast<CRenameDlg*>(&dialog));
        CWnd& ok = *dialog.GetDlgItem(IDOK);
        Click(*dialog.GetDlgItem(1063));
        Type("patch_obj_00");
        EXPECT_FALSE(ok.IsWindowEnabled()) << "another object's name";
        Type("");
        EXPECT_FALSE(ok.IsWindowEnabled()) << "no name";
        Type("wing");
        EXPECT_TRUE(ok.IsWindowEnabled());
        PumpEvents(100);
        EXPECT_FALSE(qf::test::SaveScreenPicture(dialog, "rename_en.png").empty());
        checked = true;
        Click(ok);
    });
    const std::string before = DocumentBytes(Doc());
    Click(*panel.GetDlgItem(1034));
    ASSERT_TRUE(checked);
    EXPECT_EQ(obj->GetName(), "wing");
    EXPECT_EQ(Tree().GetItemText(static_cast<HTREEITEM>(obj->GetTreeItem())), "wing");
    CString shown;
    panel.GetDlgItem(1030)->GetWindowText(shown);
    EXPECT_EQ(shown, "wing");
    Command(ID_EDIT_UNDO);
    PumpEvents(100);
    EXPECT_TRUE(SameDocumentBytes(before, DocumentBytes(Doc())));
    EXPECT_EQ(Tree().GetItemText(static_cast<HTREEITEM>(obj->GetTreeItem())), "patch_obj_01");
}

TEST_F(ObjectPageGuiTest, DraggingAnItemOntoAFolderMovesItAndAFolderNeverGoesIntoItsOwnChild) {
    NewFolder();
    CFolderObj* outer = GetSelectedFolder();
    NewFolder();
    CFolderObj* inner = GetSelectedFolder();
    CSpatchObj* obj = Doc().m_objects.GetHead();

    const std::string before = DocumentBytes(Doc());
    EXPECT_TRUE(DragItem(obj, outer));
    EXPECT_EQ(obj->GetParentFolder(), outer);
    EXPECT_EQ(Tree().GetParentItem(static_cast<HTREEITEM>(obj->GetTreeItem())), outer->GetTreeItem());
    EXPECT_EQ(GetSelectedObject(), obj) << "the moved item is selected";
    DragItem(inner, outer);
    ASSERT_EQ(inner->GetParentFolder(), outer);
    const int steps = Doc().m_undoBuffer.GetPosition();

    EXPECT_FALSE(DragItem(outer, inner));
    EXPECT_EQ(outer->GetParentFolder(), nullptr) << "not into its own child";
    EXPECT_FALSE(DragItem(ItemOf(obj), ItemOf(obj), Tree().GetRootItem()));
    EXPECT_EQ(obj->GetParentFolder(), outer) << "not onto itself";
    EXPECT_EQ(Doc().m_undoBuffer.GetPosition(), steps);
    EXPECT_EQ(CWnd::GetCapture(), nullptr) << "the drag ended";

    // Onto Root: back to the top level.
    EXPECT_TRUE(DragItem(ItemOf(obj), Tree().GetRootItem()));
    EXPECT_EQ(obj->GetParentFolder(), nullptr);
    for (int i = 0; i < 3; ++i)
        Command(ID_EDIT_UNDO);
    EXPECT_EQ(obj->GetParentFolder(), nullptr);
    EXPECT_EQ(inner->GetParentFolder(), nullptr);
    EXPECT_TRUE(SameDocumentBytes(before, DocumentBytes(Doc())));
}

TEST_F(ObjectPageGuiTest, ChangeParentObjectAsksForTheFolderAndUndoPutsItBack) {
    NewFolder();
    CFolderObj* folder = GetSelectedFolder();
    CSpatchObj* obj = Doc().m_objects.GetHead();
    ClickItem(obj);
    const std::string before = DocumentBytes(Doc());

    ChooseFromNextMenu(ID_OBJECT_CHANGE_PARENT);
    bool asked = false;
    RunNextDialog([&](CDialog& dialog) {
        ASSERT_TRUE(dynamic_cast<CParentFolderDlg*>(&dialog));
        auto& tree = *static_cast<CTreeCtrl*>(dialog.GetDlgItem(1022));
        CWnd& ok = *dialog.GetDlgItem(IDOK);
        EXPECT_FALSE(ok.IsWindowEnabled()) << "nothing chosen yet";
        const HTREEITEM root = tree.GetRootItem();
        HTREEITEM objectItem = nullptr;
        HTREEITEM folderItem = nullptr;
        for (HTREEITEM item = tree.GetChildItem(root); item; item = tree.GetNextSiblingItem(item))
            (tree.GetItemData(item) == reinterpret_cast<DWORD_PTR>(obj) ? objectItem : folderItem) = item;
        ASSERT_TRUE(objectItem && folderItem);
        Click(tree, ItemPointIn(tree, objectItem));
        EXPECT_FALSE(ok.IsWindowEnabled()) << "a patch object is no folder";
        Click(tree, ItemPointIn(tree, root));
        EXPECT_TRUE(ok.IsWindowEnabled()) << "Root is";
        Click(tree, ItemPointIn(tree, folderItem));
        EXPECT_TRUE(ok.IsWindowEnabled());
        EXPECT_FALSE(qf::test::SaveScreenPicture(dialog, "parent_folder_en.png").empty());
        asked = true;
        Click(ok);
    });
    Click(PageItem(kEtcButtonId));
    ASSERT_TRUE(asked);
    EXPECT_EQ(obj->GetParentFolder(), folder);
    EXPECT_EQ(Tree().GetParentItem(static_cast<HTREEITEM>(obj->GetTreeItem())), folder->GetTreeItem());
    Command(ID_EDIT_UNDO);
    PumpEvents(100);
    EXPECT_EQ(obj->GetParentFolder(), nullptr);
    EXPECT_EQ(Tree().GetParentItem(static_cast<HTREEITEM>(obj->GetTreeItem())), Tree().GetRootItem());
    EXPECT_TRUE(SameDocumentBytes(before, DocumentBytes(Doc())));
}
