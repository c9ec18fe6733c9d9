#pragma once
// The window of an OpenGL pane: a CWnd whose native window is a GL canvas
// with a context of its own (RGBA, double buffer, 32 depth bits asked for,
// 24 accepted). Drawing code sees only CGlSurface, which the off-screen
// surface of the `gl` tests implements as well.
#include "platform/base/gl_surface.h"
#include "platform/base/pixel_overlay.h"
#include "platform/ui/wnd.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class wxGLCanvas;
class wxGLContext;

class CGlWnd : public CWnd, public CGlSurface {
public:
    CGlWnd();
    ~CGlWnd() override;

    // Makes this pane's context current on its canvas. The context is made
    // on the first call once the canvas is on screen; false before that.
    bool MakeCurrent() override;
    // Shows the back buffer; a pending overlay and the pixel overlay are
    // drawn into it first.
    void SwapBuffers() override;
    int GetWidth() const override;
    int GetHeight() const override;
    // Depth bits of the pixel format the canvas got.
    int GetDepthBits() const { return m_depthBits; }

    // Draws over the current picture: repaints the whole pane now and calls
    // `overlay`, with the context current, after the paint's own drawing and
    // before the picture is shown. A later paint does not draw it again.
    void DrawOverCurrentPicture(std::function<void()> overlay);
    // Lines in client pixels over the picture, drawn after every paint until
    // replaced; an empty overlay removes them. Shown at once.
    void SetPixelOverlay(CPixelOverlay overlay);
    // Whether SwapBuffers keeps the picture it shows, for ShowKeptPicture.
    // It is not kept while this window holds the mouse capture: a drag shows
    // a new picture at every step.
    void SetKeepPicture(bool keep) { m_keepPicture = keep; }
    // Shows the picture kept at the last swap again, with the pixel
    // overlay; false when none was kept at this size, or when something was
    // drawn over that picture for once (DrawOverCurrentPicture).
    bool ShowKeptPicture();

protected:
    wxWindow* CreateNativeWindow(wxWindow* parent, const CREATESTRUCT& cs) override;
    // GL paints every pixel.
    BOOL OnEraseBkgnd(CDC* dc) override;
    void OnDestroy() override;

private:
    wxGLCanvas* Canvas() const;

    // Puts the picture kept at the last paint back into the back buffer and
    // shows it with the pixel overlay; false when there is no such picture.
    bool ShowKeptPictureWithOverlay();

    std::unique_ptr<wxGLContext> m_context;
    std::function<void()> m_overlay;
    CPixelOverlay m_pixelOverlay;
    // The last painted picture while a pixel overlay is shown, so that moving
    // the overlay needs no repaint of the scene.
    std::vector<std::uint8_t> m_keptPicture;
    CSize m_keptSize;
    bool m_keepPicture = false;
    // m_keptPicture is the picture of the last paint as it is to be shown again.
    bool m_keptIsPicture = false;
    int m_depthBits = 0;
};
