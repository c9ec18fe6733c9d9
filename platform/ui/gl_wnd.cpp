#include "platform/ui/gl_wnd.h"

#include "platform/ui/native_window.h"

#include <GL/gl.h>
#include <cstdint>
#include <utility>
#include <wx/glcanvas.h>

namespace {

// Drawing in client pixels for the life of the scope: no depth test,
// lighting, texture or blending, the earlier state and matrices back at the end.
class CPixelSpace {
public:
    // y runs down from the top when yDown, else up from the bottom.
    CPixelSpace(int width, int height, bool yDown) {
        glPushAttrib(GL_ENABLE_BIT | GL_POINT_BIT | GL_CURRENT_BIT | GL_COLOR_BUFFER_BIT | GL_TRANSFORM_BIT |
                     GL_VIEWPORT_BIT | GL_PIXEL_MODE_BIT);
        glViewport(0, 0, width, height);
        glMatrixMode(GL_PROJECTION);
        glPushMatrix();
        glLoadIdentity();
        if (yDown)
            glOrtho(0.0, width, height, 0.0, -1.0, 1.0);
        else
            glOrtho(0.0, width, 0.0, height, -1.0, 1.0);
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        glLoadIdentity();
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_LIGHTING);
        glDisable(GL_TEXTURE_2D);
        glDisable(GL_BLEND);
    }
    ~CPixelSpace() {
        glMatrixMode(GL_PROJECTION);
        glPopMatrix();
        glMatrixMode(GL_MODELVIEW);
        glPopMatrix();
        glPopAttrib();
    }
    CPixelSpace(const CPixelSpace&) = delete;
    CPixelSpace& operator=(const CPixelSpace&) = delete;
};

// Every line of the overlay in client pixels, over whatever the back buffer
// holds. The pixels are worked out here and drawn as points at their
// centres, the same on every GL, each exactly once.
void DrawPixelOverlay(const CPixelOverlay& overlay, int width, int height) {
    const CPixelSpace pixels(width, height, true);
    glDisable(GL_POINT_SMOOTH);
    glPointSize(1.0f);
    for (const CPixelStroke& stroke : overlay) {
        if (stroke.m_style == CPixelStroke::inverted) {
            glEnable(GL_COLOR_LOGIC_OP);
            glLogicOp(GL_INVERT);
        } else {
            glDisable(GL_COLOR_LOGIC_OP);
            glColor3ub(GetRValue(stroke.m_colour), GetGValue(stroke.m_colour), GetBValue(stroke.m_colour));
        }
        glBegin(GL_POINTS);
        for (const CPoint& p : StrokePixels(stroke))
            glVertex2f(static_cast<float>(p.x) + 0.5f, static_cast<float>(p.y) + 0.5f);
        glEnd();
    }
}

// A picture read from the back buffer written back into it.
void DrawKeptPicture(const std::vector<std::uint8_t>& picture, int width, int height) {
    const CPixelSpace pixels(width, height, false);
    glRasterPos2i(0, 0);
    glDrawPixels(width, height, GL_RGBA, GL_UNSIGNED_BYTE, picture.data());
}

} // namespace

CGlWnd::CGlWnd() = default;

CGlWnd::~CGlWnd() = default;

wxGLCanvas* CGlWnd::Canvas() const {
    return dynamic_cast<wxGLCanvas*>(GetNativeWindow());
}

wxWindow* CGlWnd::CreateNativeWindow(wxWindow* parent, const CREATESTRUCT& cs) {
    if (!parent)
        return nullptr;
    wxGLAttributes attributes;
    for (const int depth : {32, 24}) {
        attributes.Reset();
        attributes.PlatformDefaults().RGBA().DoubleBuffer().Depth(depth).EndList();
        if (wxGLCanvas::IsDisplaySupported(attributes)) {
            m_depthBits = depth;
            auto* canvas =
                MakeOwnedByWx<wxGLCanvas>(parent, attributes, wxID_ANY, wxPoint(cs.x, cs.y),
                                          wxSize(cs.cx, cs.cy), wxWANTS_CHARS | wxFULL_REPAINT_ON_RESIZE);
            canvas->SetBackgroundStyle(wxBG_STYLE_PAINT);
            return canvas;
        }
    }
    return nullptr;
}

bool CGlWnd::MakeCurrent() {
    wxGLCanvas* canvas = Canvas();
    // A GLX context needs the canvas's X window, which exists only once the
    // canvas is realised on screen.
    if (!canvas || !canvas->IsShownOnScreen())
        return false;
    if (!m_context) {
        auto context = std::make_unique<wxGLContext>(canvas);
        if (!context->IsOK())
            return false;
        m_context = std::move(context);
    }
    return m_context->SetCurrent(*canvas);
}

void CGlWnd::SwapBuffers() {
    wxGLCanvas* canvas = Canvas();
    if (!canvas)
        return;
    const bool drawnOver = static_cast<bool>(m_overlay);
    if (m_overlay)
        std::exchange(m_overlay, nullptr)();
    const bool keep = m_keepPicture && GetCapture() != this;
    m_keptIsPicture = false;
    if (keep || !m_pixelOverlay.empty()) {
        const int width = GetWidth();
        const int height = GetHeight();
        // The size is taken only once the room for it was had.
        m_keptPicture.resize(static_cast<size_t>(width) * static_cast<size_t>(height) * 4);
        m_keptSize = CSize(width, height);
        glReadBuffer(GL_BACK);
        glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, m_keptPicture.data());
        m_keptIsPicture = keep && !drawnOver;
        DrawPixelOverlay(m_pixelOverlay, width, height);
    }
    canvas->SwapBuffers();
}

bool CGlWnd::ShowKeptPicture() {
    return m_keptIsPicture && ShowKeptPictureWithOverlay();
}

bool CGlWnd::ShowKeptPictureWithOverlay() {
    wxGLCanvas* canvas = Canvas();
    const int width = GetWidth();
    const int height = GetHeight();
    if (!canvas || m_keptPicture.empty() || m_keptSize != CSize(width, height) || !MakeCurrent())
        return false;
    DrawKeptPicture(m_keptPicture, width, height);
    DrawPixelOverlay(m_pixelOverlay, width, height);
    canvas->SwapBuffers();
    return true;
}

// A rubber band moves at every mouse event: it is drawn over the picture of
// the last paint, kept for it, instead of painting the whole scene again.
void CGlWnd::SetPixelOverlay(CPixelOverlay overlay) {
    const bool wasShown = !m_pixelOverlay.empty();
    m_pixelOverlay = std::move(overlay);
    if (m_pixelOverlay.empty()) {
        m_keptPicture.clear();
        m_keptIsPicture = false;
        if (wasShown)
            RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        return;
    }
    // The first lines come with a paint of their own; the picture kept for
    // the toolkit's repaints may have had something drawn over it for once.
    if (!wasShown || !ShowKeptPictureWithOverlay())
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

int CGlWnd::GetWidth() const {
    CRect client;
    GetClientRect(&client);
    return client.Width();
}

int CGlWnd::GetHeight() const {
    CRect client;
    GetClientRect(&client);
    return client.Height();
}

// Under GLX the back buffer holds nothing usable after a swap, so drawing
// "over the current picture" repaints the pane and adds the overlay before
// the swap.
void CGlWnd::DrawOverCurrentPicture(std::function<void()> overlay) {
    m_overlay = std::move(overlay);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    m_overlay = nullptr;
}

BOOL CGlWnd::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void CGlWnd::OnDestroy() {
    m_context.reset();
    CWnd::OnDestroy();
}
