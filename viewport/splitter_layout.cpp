#include "viewport/splitter_layout.h"

#include <algorithm>

namespace {

int ColumnPartner(int k) {
    return k ^ 2;
}

int RowPartner(int k) {
    return k ^ 1;
}

int CountModes(const std::array<int, kPaneCount>& modes, int mode) {
    return static_cast<int>(std::count(modes.begin(), modes.end(), mode));
}

void ResetAll(CPaneLayout& layout) {
    layout.modes.fill(paneOwnQuadrant);
    layout.visible.fill(1);
}

// Full column and full row are the same command with rows and columns
// exchanged: `partner` gives the pane the command hides, `others` the two
// panes across from k, `spanning` the mode that spans them and
// `crossPartner` the pane that mode hides.
void ToggleSpan(CPaneLayout& layout, int k, int mode, int spanning, int (*partner)(int),
                int (*crossPartner)(int), std::array<int, 2> others) {
    auto& m = layout.modes;
    if (m[k] == mode) {
        m[k] = paneOwnQuadrant;
        layout.visible[partner(k)] = 1;
        return;
    }
    if (m[k] != paneOwnQuadrant) {
        ResetAll(layout);
    } else {
        for (const int q : others)
            if (m[q] == spanning) {
                if (q == partner(k))
                    layout.visible[crossPartner(q)] = 1;
                m[others[0]] = m[others[1]] = paneOwnQuadrant;
                break;
            }
    }
    m[k] = mode;
    layout.visible[partner(k)] = 0;
}

} // namespace

CPoint DividerPosition(CSize client, float ratioX, float ratioY) {
    return CPoint(static_cast<int>(client.cx * ratioX), static_cast<int>(client.cy * ratioY));
}

std::array<CRect, kPaneCount> PaneRects(CSize client, float ratioX, float ratioY,
                                        const std::array<int, kPaneCount>& modes) {
    const CPoint s = DividerPosition(client, ratioX, ratioY);
    const int w = client.cx;
    const int h = client.cy;
    std::array<CRect, kPaneCount> rects;
    for (int p = 0; p < kPaneCount; ++p) {
        const bool right = p % 2 == 1;
        const bool bottom = p >= 2;
        const int mode = modes[static_cast<size_t>(p)];
        int x = right ? s.x + 1 : 0;
        int cx = right ? w - s.x - 1 : s.x - 1;
        int y = bottom ? s.y + 1 : 0;
        int cy = bottom ? h - s.y - 1 : s.y - 1;
        if (mode == paneFullRow || mode == paneWholeArea) {
            x = 0;
            cx = w;
        }
        if (mode == paneFullColumn || mode == paneWholeArea) {
            y = 0;
            cy = h;
        }
        rects[static_cast<size_t>(p)] = CRect(x, y, x + cx, y + cy);
    }
    return rects;
}

DividerDrag HitDivider(CSize client, float ratioX, float ratioY, const std::array<int, kPaneCount>& modes,
                       CPoint point) {
    const CPoint s = DividerPosition(client, ratioX, ratioY);
    const CRect cross(s.x - 2, s.y - 2, s.x + 1, s.y + 2);
    const CRect horizontal(0, s.y - 1, client.cx, s.y + 1);
    const CRect vertical(s.x - 1, 0, s.x + 1, client.cy);
    if (CountModes(modes, paneFullColumn) >= 2)
        return vertical.PtInRect(point) ? dragVerticalDivider : dragNothing;
    if (CountModes(modes, paneFullRow) >= 2)
        return horizontal.PtInRect(point) ? dragHorizontalDivider : dragNothing;
    if (cross.PtInRect(point))
        return dragCross;
    if (horizontal.PtInRect(point))
        return dragHorizontalDivider;
    if (vertical.PtInRect(point))
        return dragVerticalDivider;
    return dragNothing;
}

std::vector<CRect> DividerParts(CSize client, float ratioX, float ratioY,
                                const std::array<int, kPaneCount>& modes) {
    if (CountModes(modes, paneWholeArea) > 0)
        return {};
    const CPoint s = DividerPosition(client, ratioX, ratioY);
    const auto is = [&](int pane, int mode) { return modes[static_cast<size_t>(pane)] == mode; };
    std::vector<CRect> parts;
    if (!is(0, paneFullRow) && !is(1, paneFullRow))
        parts.emplace_back(s.x - 1, 0, s.x + 1, s.y + 1);
    if (!is(2, paneFullRow) && !is(3, paneFullRow))
        parts.emplace_back(s.x - 1, s.y - 1, s.x + 1, client.cy);
    if (!is(0, paneFullColumn) && !is(2, paneFullColumn))
        parts.emplace_back(0, s.y - 1, s.x + 1, s.y + 1);
    if (!is(1, paneFullColumn) && !is(3, paneFullColumn))
        parts.emplace_back(s.x - 1, s.y - 1, client.cx, s.y + 1);
    return parts;
}

float DragRatio(int position, int extent) {
    return std::clamp(static_cast<float>(position) / static_cast<float>(std::max(extent, 1)), 0.2f, 0.8f);
}

void ToggleFullColumn(CPaneLayout& layout, int k) {
    const int otherRow = k < 2 ? 2 : 0;
    ToggleSpan(layout, k, paneFullColumn, paneFullRow, ColumnPartner, RowPartner, {otherRow, otherRow + 1});
}

void ToggleFullRow(CPaneLayout& layout, int k) {
    const int otherColumn = k % 2 == 0 ? 1 : 0;
    ToggleSpan(layout, k, paneFullRow, paneFullColumn, RowPartner, ColumnPartner,
               {otherColumn, otherColumn + 2});
}

void ToggleWholeArea(CPaneLayout& layout, int k) {
    if (layout.modes[static_cast<size_t>(k)] == paneWholeArea) {
        ResetAll(layout);
        return;
    }
    layout.modes[static_cast<size_t>(k)] = paneWholeArea;
    for (int p = 0; p < kPaneCount; ++p)
        if (p != k)
            layout.visible[static_cast<size_t>(p)] = 0;
}
