// Documents and the object tree in the running program: an opened document
// lists its objects under their folders; choosing an object shows its
// control points in the panes; and the whole path of a first session (a new
// object, curves, a move of its points, save, open again) gives the same
// document back.
#include "running_app.h"

#include "model/mouse_modes.h"
#include "platform/ui/common_dialogs.h"
#include "resources/command_ids.h"
#include "shell/object_page_ids.h"
#include "support/doc_bytes.h"
#include "support/model_shapes.h"

#include <algorithm>

using qf::test::DocumentBytes;
using qf::test::PumpEvents;
using qf::test::SameDocumentBytes;

namespace {

constexpr int kTopPane = 0;
// The pane menu's "(Patch)Add Point" for the left button.
constexpr UINT kAddPointTool = 30175;

class DocumentTreeGuiTest : public qf::test::RunningAppGuiTest {
protected:
    void SetUp() override { Start(ResourceLanguage::Japanese); }

    CTreeCtrl& Tree() { return Page().GetTree(); }
    CGLPane& Pane(int index) { return Frame().GetView().GetSplitter().GetPane(index).GetFrame().GetGLPane(); }
    void ClickItem(HTREEITEM item) {
        Tree().EnsureVisible(item);
        PumpEvents(100);
        CRect rect;
        ASSERT_TRUE(Tree().GetItemRect(item, &rect, TRUE));
        Click(Tree(), CPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2));
    }
    // A drag with the left button from one client point of the pane to another, in steps.
    void Drag(CWnd& pane, CPoint from, CPoint to) {
        mouse.MoveTo(pane, from);
        mouse.Down();
        for (int step = 1; step <= 4; ++step)
            mouse.MoveTo(pane,
                         CPoint(from.x + (to.x - from.x) * step / 4, from.y + (to.y - from.y) * step / 4));
        mouse.Up();
        PumpEvents(100);
    }
    void OpenThroughTheMenu(const std::string& path) {
        runner.AnswerModal([path](qf::CModalWindow& window) {
            EXPECT_TRUE(dynamic_cast<CFileDialog&>(window).AcceptPath(path.c_str()));
            return IDOK;
        });
        Command(ID_FILE_OPEN);
        PumpEvents(200);
    }
    void SaveThroughTheMenu(const std::string& path) {
        runner.AnswerModal([path](qf::CModalWindow& window) {
            EXPECT_TRUE(dynamic_cast<CFileDialog&>(window).AcceptPath(path.c_str()));
            return IDOK;
        });
        Command(ID_FILE_SAVE_AS);
    }
    // Pixels of the pane in the colour of unselected control points.
    int ControlPointPixels(int pane) {
        PumpEvents(200);
        const CPixelImage picture = CaptureClientImage(Pane(pane));
        const COLORREF colour = Doc().m_settings.m_unselectVertexColor;
        int count = 0;
        for (int y = 0; y < picture.height; ++y)
            for (int x = 0; x < picture.width; ++x)
                count += picture.At(x, y) == colour ? 1 : 0;
        return count;
    }
    CSpatchObj* AddObject(const char* name, CFolderObj* folder) {
        CSpatchObj* obj = Doc().AddPatchObject();
        obj->SetName(name);
        obj->AppendGeometry(qf::test::MakeFlatQuadGrid(2).get(), 0);
        if (folder)
            Doc().m_tree.MoveIntoFolder(obj, folder);
        return obj;
    }
    CFolderObj* AddFolder(const char* name, CFolderObj* parent) {
        CFolderObj* folder = Doc().AddFolder();
        folder->SetName(name);
        if (parent)
            Doc().m_tree.MoveIntoFolder(folder, parent);
        return folder;
    }

    qf::test::TempDir files;
};

} // namespace

TEST_F(DocumentTreeGuiTest, AnOpenedDocumentListsItsObjectsUnderTheirFolders) {
    // A scene whose file lists the top level as 平面, 外側 (with 箱 and 内側 holding 球), 空.
    Doc().DeleteObject(Doc().m_objects.GetHead());
    AddObject("平面", nullptr);
    CFolderObj* outer = AddFolder("外側", nullptr);
    AddObject("箱", outer);
    CFolderObj* inner = AddFolder("内側", outer);
    AddObject("球", inner);
    AddFolder("空", nullptr);
    const std::string path = files.File("入れ子.qfm");
    ASSERT_TRUE(Doc().OnSaveDocument(path.c_str()));
    const std::string saved = qf::test::ReadFileBytes(path);
    Command(ID_FILE_NEW);

    OpenThroughTheMenu(path);
    ASSERT_EQ(Doc().m_objects.GetCount(), 3);
    EXPECT_TRUE(SameDocumentBytes(saved, DocumentBytes(Doc()))) << "the file's order is kept";
    EXPECT_EQ(GetSelectedItem(), nullptr) << "an opened document selects nothing";
    // Every object and folder has its item under its folder's item, Root at the top.
    const HTREEITEM root = Tree().GetRootItem();
    EXPECT_EQ(Tree().GetItemText(root), "Root");
    const auto parentItemOf = [&](const CBaseObj* node) {
        return Tree().GetParentItem(static_cast<HTREEITEM>(node->GetTreeItem()));
    };
    int items = 0;
    for (const CSpatchObj* obj : Doc().m_objects) {
        ASSERT_TRUE(obj->GetTreeItem()) << obj->GetName().str();
        EXPECT_EQ(Tree().GetItemText(static_cast<HTREEITEM>(obj->GetTreeItem())), obj->GetName());
        const CFolderObj* folder = obj->GetParentFolder();
        EXPECT_EQ(parentItemOf(obj), folder ? static_cast<HTREEITEM>(folder->GetTreeItem()) : root);
        ++items;
    }
    for (const CFolderObj* folder : Doc().m_folders) {
        const CFolderObj* parent = folder->GetParentFolder();
        EXPECT_EQ(parentItemOf(folder), parent ? static_cast<HTREEITEM>(parent->GetTreeItem()) : root);
        ++items;
    }
    EXPECT_EQ(static_cast<int>(Tree().GetCount()), items + 1);
    // The top level shows; the folders stay folded.
    PumpEvents(100);
    const auto openedOuter = static_cast<HTREEITEM>(FindFolderByName("外側")->GetTreeItem());
    CRect rect;
    EXPECT_TRUE(Tree().GetItemRect(openedOuter, &rect, TRUE) && rect.Height() > 0);
    EXPECT_EQ(Tree().GetNextVisibleItem(openedOuter),
              static_cast<HTREEITEM>(FindObjectByName("平面")->GetTreeItem()))
        << "外側 folded, 平面 next";

    // Choosing an object shows its control points; Root hides them again.
    const int before = ControlPointPixels(kTopPane);
    ClickItem(static_cast<HTREEITEM>(FindObjectByName("球")->GetTreeItem()));
    EXPECT_EQ(GetSelectedObject(), FindObjectByName("球"));
    EXPECT_GT(ControlPointPixels(kTopPane), before + 9) << "nine points";
    EXPECT_FALSE(qf::test::SaveScreenPicture(Frame(), "opened_nested_folders_ja.png").empty());
    ClickItem(root);
    EXPECT_EQ(ControlPointPixels(kTopPane), before);
}

TEST_F(DocumentTreeGuiTest, AFirstSessionNewObjectCurvesMovedPointSaveAndOpenGiveTheSameDocument) {
    // A new object on the object page.
    ChooseFromNextMenu(ID_OBJECT_CREATE_PATCH);
    Click(PageItem(kNewButtonId));
    CSpatchObj* obj = GetSelectedObject();
    ASSERT_TRUE(obj);
    EXPECT_EQ(obj->GetName(), "patch_obj_01");

    // Two curves drawn with the add-point tool in the top pane; each press in
    // empty space starts a curve whose second point follows the drag.
    CGLPane& top = Pane(kTopPane);
    const CSize size = top.GetClientSize();
    const CPoint centre(size.cx / 2, size.cy / 2);
    for (const int dy : {-60, 60}) {
        Command(kAddPointTool);
        Drag(top, CPoint(centre.x - 80, centre.y + dy), CPoint(centre.x + 80, centre.y + dy));
    }
    EXPECT_EQ(obj->GetCurves().GetCount(), 2);
    ASSERT_EQ(obj->GetVertices().GetCount(), 4);
    EXPECT_EQ(Doc().m_settings.m_mouseModeLeft, mouseModeTranslate) << "the tool hands over to translate";

    // The translate tool drags the last point, which is still selected, 40 pixels up.
    CPatchVertex* last = obj->GetVertices().GetTail();
    ASSERT_EQ(last->m_selected, 1);
    obj->ProjectVertices(Doc().m_cameras[kTopPane]);
    const CVector3 before = *last;
    const CPoint from(last->m_screenX, last->m_screenY);
    Drag(top, from, CPoint(from.x, from.y - 40));
    EXPECT_NE(last->GetZ(), before.GetZ()) << "the point moved";
    EXPECT_FLOAT_EQ(last->GetY(), before.GetY()) << "the top view moves nothing in height";

    const std::string path = files.File("first.qfm");
    SaveThroughTheMenu(path);
    EXPECT_FALSE(Doc().IsModified());
    const std::string saved = DocumentBytes(Doc());
    Command(ID_FILE_NEW);
    EXPECT_EQ(Doc().m_objects.GetCount(), 1);
    OpenThroughTheMenu(path);
    EXPECT_TRUE(SameDocumentBytes(saved, DocumentBytes(Doc())));
    ASSERT_TRUE(FindObjectByName("patch_obj_01"));
    EXPECT_EQ(FindObjectByName("patch_obj_01")->GetVertices().GetCount(), 4);
    EXPECT_FALSE(qf::test::SaveScreenPicture(Frame(), "first_session_reopened_ja.png").empty());
}
