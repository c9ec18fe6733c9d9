#include "probe_wnd.h"
#include "screen_picture.h"

#include "platform/ui/gl_wnd.h"
#include "platform/ui/screen_image.h"
#include "support/gui_test.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <array>
#include <gtest/gtest.h>
#include <iostream>
#include <memory>
#include <vector>

using qf::test::ProbeFrame;
using qf::test::PumpEvents;
using qf::test::PumpUntil;

namespace {

constexpr int paneWidth = 300;
constexpr int paneHeight = 220;
// The square each pane draws and picks, in client pixels.
constexpr CRect square(100, 80, 160, 140);

struct Click {
    UINT message;
    CPoint point;
    UINT flags;
    int pickedName; // 0 when the pick hit nothing
};

// Client pixels as GL coordinates, y downwards; around one pixel when picking.
void UsePixelProjection(const CGlSurface& surface, const CPoint* pick) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    if (pick)
        gluPickMatrix(pick->x + 0.5, viewport[3] - pick->y - 0.5, 1, 1, viewport);
    glOrtho(0, surface.GetWidth(), surface.GetHeight(), 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

// The scene, drawn for the picture and, with a name, for picking.
void DrawSquare(GLuint pickName) {
    if (pickName)
        glLoadName(pickName);
    glColor3f(1, 1, 1);
    glRecti(square.left, square.top, square.right, square.bottom);
}

// Paints through the surface interface only, as a pane's drawing code does;
// the same function would paint an off-screen surface.
bool PaintScene(CGlSurface& surface, COLORREF clear) {
    if (!surface.MakeCurrent())
        return false;
    glViewport(0, 0, surface.GetWidth(), surface.GetHeight());
    glClearColor(GetRValue(clear) / 255.0f, GetGValue(clear) / 255.0f, GetBValue(clear) / 255.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    UsePixelProjection(surface, nullptr);
    DrawSquare(0);
    glFlush();
    surface.SwapBuffers();
    return true;
}

int PickSquare(CGlSurface& surface, CPoint point, GLuint name) {
    if (!surface.MakeCurrent())
        return -1;
    std::array<GLuint, 64> buffer{};
    glSelectBuffer(static_cast<GLsizei>(buffer.size()), buffer.data());
    glRenderMode(GL_SELECT);
    glInitNames();
    glPushName(0);
    UsePixelProjection(surface, &point);
    DrawSquare(name);
    const GLint hits = glRenderMode(GL_RENDER);
    return hits > 0 ? static_cast<int>(buffer[3]) : 0;
}

// A pane that clears to its own colour, draws a white square, and on every
// button press picks at the cursor with GL_SELECT through the same drawing.
class TestPane : public CGlWnd {
public:
    TestPane(int index, COLORREF clear) : m_index(index), m_clear(clear) {}

    std::vector<Click> clicks;
    int paints = 0;

protected:
    void OnPaint() override {
        CPaintDC dc(this);
        if (PaintScene(*this, m_clear))
            ++paints;
    }
    void Record(UINT message, UINT flags, CPoint point) {
        const int picked =
            message == WM_LBUTTONDOWN ? PickSquare(*this, point, static_cast<GLuint>(m_index + 1)) : 0;
        clicks.push_back({message, point, flags, picked});
    }
    void OnLButtonDown(UINT flags, CPoint point) override {
        Record(WM_LBUTTONDOWN, flags, point);
        SetCapture();
    }
    void OnMouseMove(UINT flags, CPoint point) override {
        if (flags & MK_LBUTTON)
            Record(WM_MOUSEMOVE, flags, point);
    }
    void OnLButtonUp(UINT flags, CPoint point) override {
        Record(WM_LBUTTONUP, flags, point);
        ReleaseCapture();
    }

private:
    int m_index;
    COLORREF m_clear;
};

class GlPaneGuiTest : public ::testing::Test {
protected:
    void SetUp() override {
        const COLORREF colours[4] = {RGB(200, 40, 40), RGB(40, 160, 60), RGB(40, 70, 200), RGB(220, 180, 30)};
        for (int i = 0; i < 4; ++i) {
            panes.push_back(std::make_unique<TestPane>(i, colours[i]));
            const int x = (i % 2) * (paneWidth + 4), y = (i / 2) * (paneHeight + 4);
            ASSERT_TRUE(panes[i]->Create("", WS_CHILD | WS_VISIBLE,
                                         CRect(x, y, x + paneWidth, y + paneHeight), &frame, 10 + i));
        }
        ASSERT_TRUE(PumpUntil([&] {
            for (const auto& p : panes)
                if (p->paints == 0)
                    return false;
            return true;
        })) << "every pane paints once it is on screen";
        PumpEvents(50);
    }
    void TearDown() override { ReleaseCapture(); }

    void Press(TestPane& pane, CPoint client) {
        mouse.MoveTo(pane, client);
        mouse.Down();
    }
    void ForgetClicks() {
        for (auto& p : panes)
            p->clicks.clear();
    }

    ProbeFrame frame{nullptr, CRect(30, 30, 30 + 2 * paneWidth + 4, 30 + 2 * paneHeight + 4)};
    std::vector<std::unique_ptr<TestPane>> panes;
    qf::test::SimulatedMouse mouse;
};

} // namespace

TEST_F(GlPaneGuiTest, EachPaneShowsItsOwnClearColourAndSquare) {
    const COLORREF colours[4] = {RGB(200, 40, 40), RGB(40, 160, 60), RGB(40, 70, 200), RGB(220, 180, 30)};
    for (int i = 0; i < 4; ++i) {
        EXPECT_GE(panes[i]->GetDepthBits(), 24);
        const CPixelImage picture = CaptureClientImage(*panes[i]);
        ASSERT_EQ(picture.width, paneWidth);
        EXPECT_EQ(picture.At(5, 5), colours[i]) << "pane " << i;
        EXPECT_EQ(picture.At(paneWidth - 3, paneHeight - 3), colours[i]) << "pane " << i;
        EXPECT_EQ(picture.At(130, 110), RGB(255, 255, 255)) << "pane " << i;
        EXPECT_EQ(picture.At(square.right + 1, 110), colours[i]) << "pane " << i;
    }
    std::cout << "picture: " << qf::test::SaveScreenPicture(frame, "four_gl_panes.png") << "\n";
}

TEST_F(GlPaneGuiTest, ClicksReachTheRightPaneAndPickItsSquare) {
    for (int i = 0; i < 4; ++i) {
        ForgetClicks();
        Press(*panes[i], CPoint(130, 110));
        mouse.Up();
        for (int j = 0; j < 4; ++j) {
            if (j == i)
                continue;
            EXPECT_TRUE(panes[j]->clicks.empty()) << "pane " << j << " got pane " << i << "'s click";
        }
        ASSERT_EQ(panes[i]->clicks.size(), 2u) << "pane " << i;
        EXPECT_EQ(panes[i]->clicks[0].point, CPoint(130, 110));
        EXPECT_EQ(panes[i]->clicks[0].pickedName, i + 1) << "pane " << i;
    }
    ForgetClicks();
    Press(*panes[2], CPoint(square.right + 2, square.top));
    mouse.Up();
    ASSERT_FALSE(panes[2]->clicks.empty());
    EXPECT_EQ(panes[2]->clicks[0].pickedName, 0) << "beside the square nothing is hit";
    Press(*panes[2], CPoint(square.right - 1, square.bottom - 1));
    mouse.Up();
    EXPECT_EQ(panes[2]->clicks[2].pickedName, 3) << "the square's last pixel";
}

TEST_F(GlPaneGuiTest, DragStaysWithThePaneThatWasPressedEvenOutsideIt) {
    ForgetClicks();
    Press(*panes[3], CPoint(40, 50));
    mouse.MoveTo(*panes[3], CPoint(60, 70));
    mouse.MoveTo(*panes[3], CPoint(-25, 30)); // over pane 2
    mouse.MoveTo(*panes[3], CPoint(80, -10)); // over pane 1
    mouse.Up();
    EXPECT_TRUE(panes[2]->clicks.empty());
    EXPECT_TRUE(panes[1]->clicks.empty());
    const auto& clicks = panes[3]->clicks;
    ASSERT_GE(clicks.size(), 5u);
    EXPECT_EQ(clicks.front().point, CPoint(40, 50));
    std::vector<CPoint> moves;
    for (const Click& c : clicks)
        if (c.message == WM_MOUSEMOVE) {
            moves.push_back(c.point);
            EXPECT_TRUE(c.flags & MK_LBUTTON);
        }
    EXPECT_EQ(moves, (std::vector<CPoint>{{60, 70}, {-25, 30}, {80, -10}}));
    EXPECT_EQ(clicks.back().message, static_cast<UINT>(WM_LBUTTONUP));
    EXPECT_EQ(clicks.back().point, CPoint(80, -10));
}

TEST_F(GlPaneGuiTest, DrawingOverThePictureLastsUntilTheNextPaint) {
    TestPane& pane = *panes[1];
    pane.DrawOverCurrentPicture([&] {
        glColor3f(1, 0, 1);
        glRecti(10, 10, 50, 20); // a rubber band, say
    });
    PumpEvents(30);
    EXPECT_EQ(CaptureClientImage(pane).At(30, 15), RGB(255, 0, 255));
    EXPECT_EQ(CaptureClientImage(pane).At(130, 110), RGB(255, 255, 255)) << "over a full repaint";
    pane.RedrawWindow();
    PumpEvents(30);
    EXPECT_EQ(CaptureClientImage(pane).At(30, 15), RGB(40, 160, 60)) << "the overlay must not come back";
}
