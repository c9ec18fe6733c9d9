#include "platform/ui/screen_image.h"

#include "platform/ui/native_window.h"

#include <algorithm>
#include <wx/clipbrd.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/image.h>
#include <wx/window.h>

COLORREF CPixelImage::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height)
        return 0;
    const size_t i = (static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)) * 3;
    return RGB(rgb[i], rgb[i + 1], rgb[i + 2]);
}

// GTK 3 cannot read a window's pixels back, but under X11 the screen can be
// read, and there the window shows what it painted (GL panes included).
CPixelImage CaptureClientImage(CWnd& wnd) {
    CPixelImage image;
    wxWindow* native = wnd.GetNativeWindow();
    if (!native)
        return image;
    wnd.UpdateWindow();
    const wxSize size = native->GetClientSize();
    if (size.x <= 0 || size.y <= 0)
        return image;
    const wxPoint origin = native->ClientToScreen(wxPoint(0, 0));
    wxBitmap bitmap(size.x, size.y, 24);
    {
        wxMemoryDC memory(bitmap);
        wxScreenDC screen;
        memory.Blit(0, 0, size.x, size.y, &screen, origin.x, origin.y);
    }
    const wxImage picture = bitmap.ConvertToImage();
    image.width = size.x;
    image.height = size.y;
    const unsigned char* data = picture.GetData();
    image.rgb.assign(data, data + static_cast<size_t>(size.x) * static_cast<size_t>(size.y) * 3);
    return image;
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
