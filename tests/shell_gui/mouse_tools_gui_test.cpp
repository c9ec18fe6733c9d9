// The mouse tools in the running program, driven by simulated input: a
// right drag orbits the perspective pane, a left drag on a selected point
// moves it in the top pane, and Edit > Undo puts it back.
#include "app/app_state.h"
#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "platform/ui/resource_lookup.h"
#include "platform_ui_gui/screen_picture.h"
#include "resources/command_ids.h"
#include "shell/main_frame.h"
#include "shell/quel_app.h"
#include "support/gui_test.h"
#include "support/model_shapes.h"
#include "support/scoped_env.h"
#include "tools/view_plane.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <wx/uiaction.h>
#include <wx/window.h>

using qf::test::PumpEvents;

namespace {

constexpr int kTop = 0;
constexpr int kPerspective = 1;

class MouseToolsGuiTest : public ::testing::Test {
protected:
    void SetUp() override {
        runner.AnswerModal(IDCANCEL); // the language: English
        app = std::make_unique<CQuelApp>();
        ASSERT_TRUE(app->InitInstance({"quelaform"}));
        qf::test::PumpUntil([&] { return app->GetMainFrame()->GetNativeWindow()->IsShownOnScreen(); });
        PumpEvents(200);
    }
    void TearDown() override {
        if (app)
            app->ExitInstance();
        app.reset();
        EXPECT_EQ(runner.GetUnscriptedCount(), 0) << "a box, dialog or menu nobody expected";
        GetAppState() = CQuelAppState();
        SetResourceLanguage(ResourceLanguage::Japanese);
    }

    CGLPane& Pane(int i) {
        return app->GetMainFrame()->GetView().GetSplitter().GetPane(i).GetFrame().GetGLPane();
    }
    // A drag with the button from one client point of the pane to another, in four steps.
    void Drag(CGLPane& pane, CPoint from, CPoint to, int button) {
        for (int step = 0; step <= 4; ++step) {
            CPoint point(from.x + (to.x - from.x) * step / 4, from.y + (to.y - from.y) * step / 4);
            pane.ClientToScreen(&point);
            m_mouse.MouseMove(point.x, point.y);
            PumpEvents(30);
            if (step == 0)
                m_mouse.MouseDown(button);
        }
        m_mouse.MouseUp(button);
        PumpEvents(50);
    }

    qf::CScriptedModalRunner runner;
    std::unique_ptr<CQuelApp> app;

private:
    qf::test::IsolatedUserFolders m_folders;
    wxUIActionSimulator m_mouse;
};

} // namespace

TEST_F(MouseToolsGuiTest, DragsOrbitThePerspectivePaneAndMoveAPointThatUndoPutsBack) {
    CQuelDoc& doc = *app->GetDocument();
    // The new document's object, which the object page selected.
    CSpatchObj* obj = GetSelectedObject();
    ASSERT_TRUE(obj);
    obj->AppendGeometry(qf::test::MakeFlatQuadGrid(2).get(), 0);
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
    Drag(Pane(kTop), start, CPoint(start.x + 30, start.y), wxMOUSE_BTN_LEFT);
    const CSize topSize = Pane(kTop).GetClientSize();
    const float unitsPerPixel =
        2.0f * GetViewHalfExtent(top, topSize, 10.0f).halfWidth / static_cast<float>(topSize.cx);
    EXPECT_NEAR(point->GetX(), before.GetX() + 30 * unitsPerPixel, 1e-3);
    EXPECT_EQ(point->GetY(), before.GetY()) << "the top view moves nothing in depth";
    EXPECT_EQ(point->GetZ(), before.GetZ());

    qf::test::SaveScreenPicture(*app->GetMainFrame(), "mouse_tools.png");

    app->GetMainFrame()->SendMessage(WM_COMMAND, MAKEWPARAM(ID_EDIT_UNDO, 0), 0);
    const CVector3 undone = *qf::test::PointsOf(*doc.m_objects.GetHead())[4];
    EXPECT_TRUE(undone == before);
}
