// What a new user meets first: a new document, shapes imported or inserted and
// how the four panes show them.
#include "app/doc_helpers.h"
#include "platform/ui/common_dialogs.h"
#include "platform/ui/screen_image.h"
#include "platform_ui_gui/screen_picture.h"
#include "shell/object_page.h"
#include "shell/side_bar.h"
#include "shell_gui/running_app_fixture.h"
#include "support/command_probe.h"
#include "support/temp_dir.h"

#include <cstdint>
#include <fstream>
#include <string>

using qf::test::PumpEvents;

namespace {

constexpr UINT kInsertSquare = 30052;
constexpr int kTop = 0;
constexpr UINT kImportMqo = 30140;
constexpr UINT kInsertBox = 30046;

// A cube 40 units across around the origin, as a polygon modeller writes it.
constexpr char kCubeMqo[] = "Metasequoia Document\r\nFormat Text Ver 1.0\r\n\r\n"
                            "Object \"cube\" {\r\n\tvertex 8 {\r\n"
                            "\t\t-20 20 20\r\n\t\t-20 -20 20\r\n\t\t20 20 20\r\n"
                            "\t\t20 -20 20\r\n\t\t20 20 -20\r\n\t\t20 -20 -20\r\n"
                            "\t\t-20 20 -20\r\n\t\t-20 -20 -20\r\n\t}\r\n\tface 6 {\r\n"
                            "\t\t4 V(0 2 3 1)\r\n\t\t4 V(2 4 5 3)\r\n\t\t4 V(4 6 7 5)\r\n"
                            "\t\t4 V(6 0 1 7)\r\n\t\t4 V(6 4 2 0)\r\n\t\t4 V(1 3 5 7)\r\n"
                            "\t}\r\n}\r\nEof\r\n";

class NewUserGuiTest : public RunningAppGuiTest {
protected:
    // The next file dialog chooses path.
    void AnswerFileDialog(const std::string& path) {
        runner.AnswerModal([path](qf::CModalWindow& window) {
            auto* dialog = dynamic_cast<CFileDialog*>(&window);
            return dialog && dialog->AcceptPath(path.c_str()) ? IDOK : IDCANCEL;
        });
    }
    int CountColour(int pane, COLORREF colour, const std::string& name) {
        PumpEvents(100);
        EXPECT_FALSE(qf::test::SaveScreenPicture(Pane(pane), name.c_str()).empty());
        const qf::test::Image image = qf::test::ToTestImage(CaptureClientImage(Pane(pane)));
        const uint32_t rgb = GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour);
        return image.width * image.height - qf::test::CountPixelsNot(image, rgb, 8);
    }
};

} // namespace

TEST_F(NewUserGuiTest, AnImportedCubeShowsInEveryPaneWithTheGridOnAndOff) {
    Start();
    qf::test::TempDir dir;
    const std::string path = dir.File("cube.mqo");
    std::ofstream(path, std::ios::binary) << kCubeMqo;
    AnswerFileDialog(path);
    Command(kImportMqo);
    CQuelDoc& doc = Doc();
    ASSERT_EQ(doc.m_objects.GetCount(), 2);
    for (int pane = 0; pane < 4; ++pane) {
        SCOPED_TRACE(pane);
        const std::string name = "cube_pane_" + std::to_string(pane);
        const int withGrid = CountColour(pane, doc.m_settings.m_unselectObjColor, name + "_grid.png");
        doc.m_settings.m_panes[static_cast<size_t>(pane)].m_showGrid = 0;
        doc.RedrawPanes();
        const int without = CountColour(pane, doc.m_settings.m_unselectObjColor, name + "_no_grid.png");
        EXPECT_GT(without, 100) << "the cube's curves";
        EXPECT_GT(withGrid, without / 2) << "the grid hides the curves";
    }
}

// The eye of a parallel pane only sets its zoom: what lies nearer to it than
// the near plane, or behind it, is still in the picture.
TEST_F(NewUserGuiTest, AParallelPaneDrawsWhatLiesNearOrBehindItsEye) {
    Start();
    Command(kInsertSquare);
    CQuelDoc& doc = Doc();
    CSpatchObj* obj = GetSelectedObject();
    ASSERT_TRUE(obj);
    const CCamera& top = doc.m_cameras[kTop];
    ASSERT_TRUE(top.IsParallel());
    const float eyeHeight = top.m_eye.GetY();
    const COLORREF points = doc.m_settings.m_selectVertexColor;
    ASSERT_GT(CountColour(kTop, points, "square_top_level.png"), 20) << "the square's selected points";
    for (const float height : {eyeHeight - 1.0f, eyeHeight + 3.0f}) {
        SCOPED_TRACE(height);
        for (CPatchVertex* p : obj->GetVertices())
            p->SetY(height);
        obj->UpdateCurveHandles();
        obj->Rebuild();
        doc.RedrawPanes();
        EXPECT_GT(
            CountColour(kTop, points, "square_top_" + std::to_string(static_cast<int>(height)) + ".png"), 20);
    }
}

// A new document starts with its first object and nothing to undo: Undo must
// not take the object away again.
TEST_F(NewUserGuiTest, ANewDocumentHasNothingToUndo) {
    Start();
    const auto expectFreshDocument = [&] {
        ASSERT_EQ(Doc().m_objects.GetCount(), 1);
        EXPECT_EQ(Doc().m_objects.GetHead()->GetName(), "patch_obj_00");
        EXPECT_FALSE(qf::test::IsItemEnabled(Frame(), ID_EDIT_UNDO));
        Command(ID_EDIT_UNDO);
        EXPECT_EQ(Doc().m_objects.GetCount(), 1) << "the first object stays";
        EXPECT_FALSE(Doc().IsModified());
    };
    expectFreshDocument();
    Command(kInsertBox);
    EXPECT_TRUE(qf::test::IsItemEnabled(Frame(), ID_EDIT_UNDO));
    runner.Answer(IDNO); // the box is not saved
    Command(ID_FILE_NEW);
    expectFreshDocument();
    EXPECT_EQ(Doc().m_objects.GetHead()->GetVertices().GetCount(), 0) << "the box went with the old document";
}

// A saved document with one object opens with that object in view in the
// object tree, not folded away under Root.
TEST_F(NewUserGuiTest, AnOpenedDocumentShowsItsOnlyObject) {
    Start();
    Command(kInsertBox);
    qf::test::TempDir dir;
    const std::string path = dir.File("box.qfm");
    ASSERT_TRUE(Doc().OnSaveDocument(path.c_str()));
    Command(ID_FILE_NEW);
    AnswerFileDialog(path);
    Command(ID_FILE_OPEN);
    PumpEvents(200);
    ASSERT_EQ(Doc().m_objects.GetCount(), 1);
    CTreeCtrl& tree = Frame().GetSideBar().GetPanelHost().GetObjectPage().GetTree();
    const auto item = static_cast<HTREEITEM>(Doc().m_objects.GetHead()->GetTreeItem());
    EXPECT_EQ(tree.GetNextVisibleItem(tree.GetRootItem()), item) << "patch_obj_00 in view under Root";
}
