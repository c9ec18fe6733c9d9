#include "platform/base/pixel_overlay.h"

#include <algorithm>

CPixelOverlay MakeDragFrame(const CRect& rect) {
    if (rect.Width() <= 0 && rect.Height() <= 0)
        return {};
    // The frame runs along the rectangle's inner pixels, right and bottom edges outside it.
    const int right = std::max(rect.left, rect.right - 1);
    const int bottom = std::max(rect.top, rect.bottom - 1);
    CPixelStroke frame;
    frame.m_points = {CPoint(rect.left, rect.top), CPoint(right, rect.top), CPoint(right, bottom),
                      CPoint(rect.left, bottom)};
    frame.m_closed = true;
    frame.m_style = CPixelStroke::inverted;
    return {frame};
}
