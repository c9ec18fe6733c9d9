// The mouse tools in the running program, driven by simulated input: a
// right drag orbits the perspective pane, a left drag on a selected point
// moves it in the top pane, rotate chosen in the mouse-status bar turns the
// selection, and Edit > Undo puts each back.
#include "app/doc_helpers.h"
#include "platform/ui/menu.h"
#include "platform_ui_gui/screen_picture.h"
#include "resources/command_ids.h"
#include "resources/resource_tables.h"
#include "shell_gui/running_app_fixture.h"
#include "support/model_shapes.h"
#include "tools/view_plane.h"

#include <cmath>
#include <cstdlib>

using qf::test::PumpEvents;

namespace {

constexpr int kTop = 0;
constexpr int kPerspective = 1;
constexpr UINT kRotateTool = 30145;
constexpr UINT kRightRotate2 = 30199;

class MouseToolsGuiTest : public RunningAppGuiTest {
protected:
    // The current object with a 2 x 2 grid of unit cells in the XZ plane.
    CSpatchObj& GridObject() {
        CSpatchObj* obj = GetSelectedObject();
        EXPECT_TRUE(obj);
        obj->AppendGeometry(qf::test::MakeFlatQuadGrid(2).get(), 0);
        return *obj;
    }
    // Clicks a field of the strip; the menu that opens chooses the command.
    void ChooseFromField(CMouseAssignStrip::Field field, UINT command, CString* firstItem = nullptr,
                         CPoint* at = nullptr) {
        runner.AnswerModal([=](qf::CModalWindow& window) {
            auto& popup = dynamic_cast<CPopupMenuRun&>(window);
            if (firstItem)
                popup.GetMenu().GetMenuString(0, *firstItem, MF_BYPOSITION);
            if (at)
                *at = popup.GetPoint();
            return popup.Choose(command);
        });
        mouse.MoveTo(Frame().GetMouseStatusBar().GetStrip().GetSelector(field), CPoint(8, 6));
        mouse.Down();
        mouse.Up();
        PumpEvents(100);
    }
    // The strip in the language, its fields chosen through their menus.
    void CheckStrip(bool english);
    static CString FieldText(CDialog& dialog, int id) {
        CString text;
        dialog.GetDlgItemText(id, text);
        return text;
    }
};

} // namespace

TEST_F(MouseToolsGuiTest, DragsOrbitThePerspectivePaneAndMoveAPointThatUndoPutsBack) {
    Start();
    CQuelDoc& doc = Doc();
    // The new document's object, which the object page selected.
    CSpatchObj* obj = &GridObject();
    CPatchVertex* point = qf::test::PointsOf(*obj)[4]; // (1, 0, 1), the middle
    point->SetSelected(1);
    for (int p = 0; p < kPaneCount; ++p)
        doc.m_settings.m_panes[static_cast<size_t>(p)].m_showSurfaces = 1;
    doc.RedrawPanes();

    // The right button orbits the eye about the target and opens no menu.
    const CCamera& perspective = doc.m_cameras[kPerspective];
    const CVector3 eye = perspective.m_eye;
    const float distance = (perspective.m_eye - perspective.m_target).Length();
    const CSize size = Pane(kPerspective).GetClientSize();
    Drag(Pane(kPerspective), CPoint(size.cx / 2, size.cy / 2), CPoint(size.cx / 2 + 40, size.cy / 2),
         wxMOUSE_BTN_RIGHT);
    EXPECT_FALSE(perspective.m_eye == eye);
    EXPECT_TRUE(perspective.m_target == CVector3());
    EXPECT_NEAR((perspective.m_eye - perspective.m_target).Length(), distance, 1e-3);
    EXPECT_NEAR(perspective.m_eye.GetY(), eye.GetY(), 1e-3) << "a horizontal drag keeps the height";
    EXPECT_EQ(doc.m_viewHistory[kPerspective].m_backCount, 1);

    // The left button's translate tool drags the selected point 30 pixels right.
    const CCamera& top = doc.m_cameras[kTop];
    obj->ProjectVertices(top);
    const CPoint start(point->m_screenX, point->m_screenY);
    const CVector3 before = *point;
    Drag(Pane(kTop), start, CPoint(start.x + 30, start.y));
    const CSize topSize = Pane(kTop).GetClientSize();
    const float unitsPerPixel =
        2.0f * GetViewHalfExtent(top, topSize, 10.0f).halfWidth / static_cast<float>(topSize.cx);
    EXPECT_NEAR(point->GetX(), before.GetX() + 30 * unitsPerPixel, 1e-3);
    EXPECT_EQ(point->GetY(), before.GetY()) << "the top view moves nothing in depth";
    EXPECT_EQ(point->GetZ(), before.GetZ());

    qf::test::SaveScreenPicture(Frame(), "mouse_tools.png");

    Command(ID_EDIT_UNDO);
    const CVector3 undone = *qf::test::PointsOf(*doc.m_objects.GetHead())[4];
    EXPECT_TRUE(undone == before);
}

// The strip names each button's tool in the interface language and gives
// way to a status text until a drag ends; a click on a field opens that
// button's tools under it, and the choice goes to that button alone.
void MouseToolsGuiTest::CheckStrip(bool english) {
    Start(english ? IDCANCEL : IDOK);
    CMouseStatusBar& bar = Frame().GetMouseStatusBar();
    CMouseAssignStrip& strip = bar.GetStrip();
    EXPECT_EQ(FieldText(strip, 1063), english ? " L : (Patch) Translate" : " L : (パッチ) 頂点を移動");
    EXPECT_EQ(FieldText(strip, 1462), english ? " R : (Camera) Rotate1" : " R : (カメラ) 回転");
    EXPECT_FALSE(
        qf::test::SaveScreenPicture(bar, english ? "mouse_status_bar_en.png" : "mouse_status_bar_ja.png")
            .empty());

    SetStatusText("Rotate 10.0000");
    PumpEvents(50);
    EXPECT_FALSE(strip.IsWindowVisible());
    EXPECT_TRUE(bar.GetTextLine().IsWindowVisible());
    EXPECT_EQ(FieldText(bar.GetTextLine(), 1063), "Rotate 10.0000");
    SendToRegisteredWindows(notifyHideStatusText);
    PumpEvents(50);
    EXPECT_TRUE(strip.IsWindowVisible()) << "back at the end of a drag";

    CString first;
    CPoint at;
    ChooseFromField(CMouseAssignStrip::fieldLeft, kRotateTool, &first, &at);
    EXPECT_EQ(first, english ? "(Patch)Translate" : "(パッチ)移動") << "the left button's tools";
    CRect field;
    strip.GetSelector(CMouseAssignStrip::fieldLeft).GetWindowRect(&field);
    EXPECT_EQ(at, field.TopLeft()) << "at the field's corner";
    EXPECT_EQ(Doc().m_settings.m_mouseModeLeft, mouseModeRotate);
    EXPECT_EQ(FieldText(strip, 1063), english ? " L : (Patch) Rotate" : " L : (パッチ) 頂点を回転");

    ChooseFromField(CMouseAssignStrip::fieldRight, kRightRotate2, &first);
    EXPECT_EQ(first, english ? "(Camera)LocationX" : "(カメラ)LocationXを変更");
    EXPECT_EQ(Doc().m_settings.m_mouseModeRight, mouseModeCameraRotate2);
    EXPECT_EQ(Doc().m_settings.m_mouseModeLeft, mouseModeRotate) << "the left button keeps its tool";
    EXPECT_EQ(FieldText(strip, 1462), english ? " R : (Camera) Rotate2" : " R : (カメラ) 回転2");
    EXPECT_FALSE(qf::test::SaveScreenPicture(bar, english ? "mouse_status_bar_chosen_en.png"
                                                          : "mouse_status_bar_chosen_ja.png")
                     .empty());

    // Enter and Escape on the strip close nothing.
    strip.GetSelector(CMouseAssignStrip::fieldMiddle).SetFocus();
    mouse.Sim().Char(WXK_RETURN);
    mouse.Sim().Char(WXK_ESCAPE);
    PumpEvents(50);
    EXPECT_TRUE(strip.IsWindowVisible());
}

// The strip names each button's tool in the interface language and gives
// way to a status text until a drag ends; a click on a field opens that
// button's tools under it, and the choice goes to that button alone.
TEST_F(MouseToolsGuiTest, TheStripNamesTheToolsAndItsFieldsChooseThemInEnglish) {
    CheckStrip(true);
}

TEST_F(MouseToolsGuiTest, TheStripNamesTheToolsAndItsFieldsChooseThemInJapanese) {
    CheckStrip(false);
}

// As a user would: rotate chosen from the strip's menu, a drag in the top
// pane turns the selected points about the view's axis, Edit > Undo puts
// them back.
TEST_F(MouseToolsGuiTest, RotateChosenFromTheMenuTurnsInTheTopPaneAndUndoPutsItBack) {
    Start();
    CSpatchObj& obj = GridObject();
    obj.SelectAllVertices(1);
    const std::vector<CPatchVertex*> points = qf::test::PointsOf(obj);
    const CVector3 corner = *points[0]; // (0, 0, 0), the centre is (1, 0, 1)
    ChooseFromField(CMouseAssignStrip::fieldLeft, kRotateTool);
    ASSERT_EQ(Doc().m_settings.m_mouseModeLeft, mouseModeRotate);
    const int steps = Doc().m_undoBuffer.GetRecordCount();

    const CSize size = Pane(kTop).GetClientSize();
    Drag(Pane(kTop), CPoint(size.cx / 3, size.cy / 2), CPoint(size.cx / 3 + 90, size.cy / 2));
    const CVector3 turned = *points[0];
    EXPECT_NEAR(turned.GetY(), 0.0f, 1e-5f) << "the top view turns about the vertical";
    EXPECT_NEAR((turned - CVector3(1, 0, 1)).Length(), std::sqrt(2.0f), 1e-4f) << "about the centre";
    EXPECT_GT((turned - corner).Length(), 1.0f) << "by 90 degrees";
    EXPECT_NEAR((*points[4] - CVector3(1, 0, 1)).Length(), 0.0f, 1e-5f) << "the centre stays";
    EXPECT_EQ(Doc().m_undoBuffer.GetRecordCount(), steps + 1);
    qf::test::SaveScreenPicture(Frame(), "rotate_tool.png");

    Command(ID_EDIT_UNDO);
    EXPECT_TRUE(*qf::test::PointsOf(*Doc().m_objects.GetHead())[0] == corner);
}
