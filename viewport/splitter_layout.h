#pragma once
// The geometry of the four-pane splitter: where the panes go for the divider
// ratios and each pane's layout mode, where the divider cross can be grabbed
// and which parts of it are painted, and how the pane header's layout
// buttons change the modes. Pane 0 is top left, 1 top right, 2 bottom left,
// 3 bottom right; the divider cross is two pixels wide.
#include "model/model_document.h"
#include "platform/base/win_types.h"

#include <array>
#include <vector>

enum PaneLayoutMode {
    paneOwnQuadrant = 0,
    paneFullColumn = 1, // its column partner is hidden
    paneFullRow = 2,    // its row partner is hidden
    paneWholeArea = 3,  // the three others are hidden
};

// What a press on the splitter drags.
enum DividerDrag { dragCross = 0, dragHorizontalDivider = 1, dragVerticalDivider = 2, dragNothing = -1 };

struct CPaneLayout {
    std::array<int, kPaneCount> modes{}; // PaneLayoutMode of each pane
    std::array<int, kPaneCount> visible{1, 1, 1, 1};
};

// The divider position: client size times the ratios, truncated.
CPoint DividerPosition(CSize client, float ratioX, float ratioY);
// Each pane's rectangle; the columns sx-1, sx and rows sy-1, sy stay uncovered.
std::array<CRect, kPaneCount> PaneRects(CSize client, float ratioX, float ratioY,
                                        const std::array<int, kPaneCount>& modes);
// The drag a press at the point starts. With two full columns only the
// vertical divider can be grabbed, with two full rows only the horizontal one.
DividerDrag HitDivider(CSize client, float ratioX, float ratioY, const std::array<int, kPaneCount>& modes,
                       CPoint point);
// The divider parts to paint: none while a pane covers the whole area; a
// part beside a pane that spans across it is left out.
std::vector<CRect> DividerParts(CSize client, float ratioX, float ratioY,
                                const std::array<int, kPaneCount>& modes);
// The ratio of a dragged divider at the pointer: between 0.2 and 0.8.
float DragRatio(int position, int extent);

// The pane header's layout buttons on pane k.
void ToggleFullColumn(CPaneLayout& layout, int k);
void ToggleFullRow(CPaneLayout& layout, int k);
void ToggleWholeArea(CPaneLayout& layout, int k);
