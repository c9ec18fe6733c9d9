#include "platform/ui/screen_image.h"

#include "platform/ui/native_window.h"

#include <algorithm>
#include <wx/clipbrd.h>
#include <wx/image.h>
#include <wx/utils.h>
#include <wx/window.h>
// After the wx headers: X11 defines macros that collide with names in them.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

COLORREF CPixelImage::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height)
        return 0;
    const size_t i = (static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)) * 3;
    return RGB(rgb[i], rgb[i + 1], rgb[i + 2]);
}

namespace {

// GTK 3 cannot read a window's pixels back, and its screen DC keeps a stale
// copy of the screen after the first read; the X server reads the screen as
// it is, GL panes included. Only the part on the screen is read.
CPixelImage ReadScreen(const CRect& area) {
    CPixelImage image;
    auto* display = static_cast<Display*>(wxGetDisplay());
    if (!display)
        return image;
    const CRect screen(0, 0, DisplayWidth(display, DefaultScreen(display)),
                       DisplayHeight(display, DefaultScreen(display)));
    image.width = area.Width();
    image.height = area.Height();
    image.rgb.assign(static_cast<size_t>(image.width) * static_cast<size_t>(image.height) * 3, 0);
    const CRect visible(std::max(area.left, screen.left), std::max(area.top, screen.top),
                        std::min(area.right, screen.right), std::min(area.bottom, screen.bottom));
    if (visible.IsRectEmpty())
        return image;
    XImage* pixels = XGetImage(display, DefaultRootWindow(display), visible.left, visible.top,
                               static_cast<unsigned>(visible.Width()),
                               static_cast<unsigned>(visible.Height()), AllPlanes, ZPixmap);
    if (!pixels)
        return image;
    const auto channel = [](unsigned long pixel, unsigned long mask) {
        if (!mask)
            return 0;
        int shift = 0;
        while (!((mask >> shift) & 1))
            ++shift;
        const unsigned long max = mask >> shift;
        return static_cast<int>(((pixel & mask) >> shift) * 255 / max);
    };
    for (int y = 0; y < visible.Height(); ++y)
        for (int x = 0; x < visible.Width(); ++x) {
            const unsigned long pixel = XGetPixel(pixels, x, y);
            const size_t i =
                (static_cast<size_t>(y + visible.top - area.top) * static_cast<size_t>(image.width) +
                 static_cast<size_t>(x + visible.left - area.left)) *
                3;
            image.rgb[i] = static_cast<std::uint8_t>(channel(pixel, pixels->red_mask));
            image.rgb[i + 1] = static_cast<std::uint8_t>(channel(pixel, pixels->green_mask));
            image.rgb[i + 2] = static_cast<std::uint8_t>(channel(pixel, pixels->blue_mask));
        }
    XDestroyImage(pixels);
    return image;
}

} // namespace

CPixelImage CaptureClientImage(CWnd& wnd) {
    wxWindow* native = wnd.GetNativeWindow();
    if (!native)
        return CPixelImage{};
    wnd.UpdateWindow();
    const wxSize size = native->GetClientSize();
    if (size.x <= 0 || size.y <= 0)
        return CPixelImage{};
    const wxPoint origin = native->ClientToScreen(wxPoint(0, 0));
    return ReadScreen(CRect(CPoint(origin.x, origin.y), CSize(size.x, size.y)));
}

CPixelImage CaptureScreenArea(const CRect& area) {
    return ReadScreen(area);
}

BOOL CopyImageToClipboard(const CPixelImage& image) {
    const size_t bytes =
        static_cast<size_t>(std::max(0, image.width)) * static_cast<size_t>(std::max(0, image.height)) * 3;
    if (bytes == 0 || image.rgb.size() < bytes)
        return FALSE;
    // wx hands bitmaps to the GTK clipboard as PNG.
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG))
        wxImage::AddHandler(MakeOwnedByWx<wxPNGHandler>());
    wxImage picture(image.width, image.height);
    std::copy(image.rgb.begin(), image.rgb.begin() + static_cast<std::ptrdiff_t>(bytes), picture.GetData());
    wxClipboardLocker lock;
    if (!lock)
        return FALSE;
    return wxTheClipboard->SetData(MakeOwnedByWx<wxBitmapDataObject>(wxBitmap(picture)));
}
