#include "platform/ui/gl_wnd.h"

#include "platform/ui/native_window.h"

#include <utility>
#include <wx/glcanvas.h>

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
    if (m_overlay)
        std::exchange(m_overlay, nullptr)();
    canvas->SwapBuffers();
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
