#pragma once
// Pictures of windows: what a window shows on screen, and a picture put on
// the system clipboard as a bitmap.
#include "platform/base/win_types.h"

#include <cstdint>
#include <vector>

class CWnd;

struct CPixelImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb; // top row first, 3 bytes a pixel

    COLORREF At(int x, int y) const; // 0x00BBGGRR
};

// The client area as the screen shows it now, after the window's pending
// paints; a window on top of it shows in the picture too.
CPixelImage CaptureClientImage(CWnd& wnd);
// A rectangle of the screen in screen coordinates, window frames included;
// the part off the screen is black.
CPixelImage CaptureScreenArea(const CRect& area);
// FALSE when the clipboard could not be opened or the picture is empty.
BOOL CopyImageToClipboard(const CPixelImage& image);
