#pragma once
// Lines drawn over a pane's picture in its client pixels (x right, y down):
// the rubber bands of the area tools (a dragged rectangle, a lasso outline,
// a cut line). They lie on top of the picture without changing it; the pane
// shows them until they are replaced or removed.
#include "platform/base/win_types.h"

#include <vector>

struct CPixelStroke {
    enum Style {
        solid,
        dotted,
        // Every pixel of the line takes the inverse of the picture's colour,
        // so it shows on any background (the colour is not used).
        inverted,
    };
    std::vector<CPoint> m_points;
    // The last point joins the first.
    bool m_closed = false;
    Style m_style = solid;
    COLORREF m_colour = RGB(255, 255, 255);
};

using CPixelOverlay = std::vector<CPixelStroke>;

// The outline of a rectangle as an inverted closed stroke; nothing for an
// empty rectangle.
CPixelOverlay MakeDragFrame(const CRect& rect);
// The pixels a stroke covers, in order along it, each once (where it meets
// or crosses itself too); of a dotted stroke two of every four.
std::vector<CPoint> StrokePixels(const CPixelStroke& stroke);
