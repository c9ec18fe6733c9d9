#include "platform/base/pixel_overlay.h"

#include <algorithm>
#include <cstdlib>
#include <set>
#include <utility>

namespace {

// The pixels of a straight line from a to b, both ends included (Bresenham).
void AppendLine(std::vector<CPoint>& out, CPoint a, CPoint b) {
    const int dx = std::abs(b.x - a.x);
    const int dy = -std::abs(b.y - a.y);
    const int sx = a.x < b.x ? 1 : -1;
    const int sy = a.y < b.y ? 1 : -1;
    int error = dx + dy;
    for (CPoint p = a;;) {
        if (out.empty() || out.back() != p)
            out.push_back(p);
        if (p == b)
            return;
        const int e2 = 2 * error;
        if (e2 >= dy) {
            error += dy;
            p.x += sx;
        }
        if (e2 <= dx) {
            error += dx;
            p.y += sy;
        }
    }
}

} // namespace

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

std::vector<CPoint> StrokePixels(const CPixelStroke& stroke) {
    std::vector<CPoint> path;
    const std::vector<CPoint>& points = stroke.m_points;
    for (size_t i = 0; i < points.size(); ++i)
        AppendLine(path, i ? points[i - 1] : points[0], points[i]);
    if (stroke.m_closed && points.size() > 2)
        AppendLine(path, points.back(), points.front());
    std::vector<CPoint> pixels;
    std::set<std::pair<int, int>> seen;
    for (size_t i = 0; i < path.size(); ++i) {
        if (stroke.m_style == CPixelStroke::dotted && i % 4 >= 2)
            continue;
        // Once each: an inverted pixel drawn twice would show the picture again.
        if (seen.insert({path[i].x, path[i].y}).second)
            pixels.push_back(path[i]);
    }
    return pixels;
}
