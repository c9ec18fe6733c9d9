// The controller's button rules: one drag at a time, the right click that
// opens the pane menu, and the broadcast that ends every drag.
#include "app/mouse_mode.h"
#include "support/model_builders.h"
#include "support/recording_window.h"
#include "tools/tool_fixture.h"

#include <gtest/gtest.h>
#include <string>

namespace {

class ControllerTest : public ToolTest {
protected:
    void SetUp() override {
        ToolTest::SetUp();
        UsePane(1);
        doc->RegisterWindow(statusBar.GetSafeHwnd(), wndMouseStatusBar);
    }
    int DragEndsBroadcast() const {
        int n = 0;
        for (const auto& m : statusBar.received)
            n += m.message == WM_DOC_NOTIFY && m.lParam == notifyHideStatusText;
        return n;
    }

    qf::test::RecordingWindow statusBar;
};

} // namespace

TEST_F(ControllerTest, ASecondButtonDuringADragIsIgnored) {
    doc->m_settings.m_mouseModeLeft = mouseModeCameraDolly;
    doc->m_settings.m_mouseModeMiddle = mouseModeCameraPan;
    controller.OnLButtonDown(100, 50, 0);
    controller.OnRButtonDown(100, 50, MK_LBUTTON);
    controller.OnMButtonDown(100, 50, MK_LBUTTON);
    controller.OnMouseMove(100, 45, MK_LBUTTON);
    controller.OnRButtonUp(100, 45, MK_LBUTTON);
    controller.OnMButtonUp(100, 45, MK_LBUTTON);
    EXPECT_EQ(standIn.Count("capture"), 1);
    EXPECT_EQ(standIn.Count("menu 100 45"), 0);
    EXPECT_NEAR((Camera().m_eye - CVector3(0, 5, -20)).Length(), 5.0f, 1e-4)
        << "the left button's dolly only";
    controller.OnLButtonUp(100, 45, 0);
    EXPECT_EQ(standIn.Count("release"), 1);
    EXPECT_EQ(DragEndsBroadcast(), 2) << "the camera drag's end, then the release's";
}

// Whichever button starts the drag, a second one (other than the left button
// joining the right one's drag, the chord) neither captures again nor moves
// the camera its own way, and its release ends nothing.
TEST_F(ControllerTest, ASecondButtonIsIgnoredWhicheverCameFirst) {
    enum Button { left, right, middle };
    auto press = [this](Button b, UINT held) {
        if (b == left)
            controller.OnLButtonDown(100, 50, held);
        else if (b == right)
            controller.OnRButtonDown(100, 50, held);
        else
            controller.OnMButtonDown(100, 50, held);
    };
    auto release = [this](Button b, UINT held) {
        if (b == left)
            controller.OnLButtonUp(100, 45, held);
        else if (b == right)
            controller.OnRButtonUp(100, 45, held);
        else
            controller.OnMButtonUp(100, 45, held);
    };
    const UINT flag[] = {MK_LBUTTON, MK_RBUTTON, MK_MBUTTON};
    doc->m_settings.m_mouseModeLeft = mouseModeCameraDolly;
    doc->m_settings.m_mouseModeRight = mouseModeCameraZoom;
    doc->m_settings.m_mouseModeMiddle = mouseModeCameraPan;
    const struct {
        Button first, second;
    } cases[] = {{left, right}, {left, middle}, {right, middle}, {middle, left}, {middle, right}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.first) + " then " + std::to_string(c.second));
        // The first button's drag alone, for comparison.
        Camera().m_eye.Set(0, 5, -20);
        Camera().m_target.Set(0, 0, 0);
        press(c.first, flag[c.first]);
        controller.OnMouseMove(100, 45, flag[c.first]);
        release(c.first, 0);
        const CCamera alone = Camera();

        Camera().m_eye.Set(0, 5, -20);
        Camera().m_target.Set(0, 0, 0);
        standIn.log.clear();
        press(c.first, flag[c.first]);
        press(c.second, flag[c.first] | flag[c.second]);
        controller.OnMouseMove(100, 45, flag[c.first] | flag[c.second]);
        release(c.second, flag[c.first]);
        EXPECT_EQ(standIn.Count("capture"), 1);
        EXPECT_EQ(standIn.Count("release"), 0) << "the second button's release ends nothing";
        qf::test::ExpectVectorNear(Camera().m_eye, alone.m_eye, "eye");
        qf::test::ExpectVectorNear(Camera().m_target, alone.m_target, "target");
        release(c.first, 0);
        EXPECT_EQ(standIn.Count("release"), 1);
    }
}

TEST_F(ControllerTest, ARightClickWithoutMovementOpensThePaneMenuOnItsPane) {
    doc->m_activePane = 0;
    controller.OnRButtonDown(30, 40, 0);
    controller.OnRButtonUp(30, 40, 0);
    EXPECT_EQ(standIn.Count("menu 30 40"), 1);
    EXPECT_EQ(doc->m_activePane, 1);

    const CVector3 eye = Camera().m_eye;
    controller.OnRButtonDown(30, 40, 0);
    controller.OnMouseMove(31, 40, MK_RBUTTON);
    controller.OnRButtonUp(31, 40, 0);
    EXPECT_EQ(standIn.Count("menu 31 40"), 0) << "a drag of a pixel opens no menu";
    EXPECT_FALSE(Camera().m_eye == eye) << "and orbits the camera";

    // With the popup mode every right release opens it and nothing moves.
    doc->m_settings.m_mouseModeRight = mouseModePopupMenu;
    const CVector3 moved = Camera().m_eye;
    controller.OnRButtonDown(30, 40, 0);
    controller.OnMouseMove(60, 40, MK_RBUTTON);
    controller.OnRButtonUp(60, 40, 0);
    EXPECT_EQ(standIn.log.back(), "menu 60 40");
    EXPECT_TRUE(Camera().m_eye == moved);
}
