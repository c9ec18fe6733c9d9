// The four-pane splitter's geometry and the pane header's layout commands.
#include "viewport/splitter_layout.h"

#include <gtest/gtest.h>

namespace {

const CSize kClient(400, 300);
using Modes = std::array<int, 4>;

CRect XYWH(int x, int y, int w, int h) {
    return CRect(x, y, x + w, y + h);
}

} // namespace

TEST(SplitterLayoutTest, PaneRectanglesOfA400x300Client) {
    const struct {
        const char* name;
        Modes modes;
        std::array<CRect, 4> expected;
    } cases[] = {
        {"quadrants",
         {0, 0, 0, 0},
         {XYWH(0, 0, 199, 149), XYWH(201, 0, 199, 149), XYWH(0, 151, 199, 149), XYWH(201, 151, 199, 149)}},
        {"pane 1 full column, pane 2 full row",
         {0, 1, 2, 0},
         {XYWH(0, 0, 199, 149), XYWH(201, 0, 199, 300), XYWH(0, 151, 400, 149), XYWH(201, 151, 199, 149)}},
        {"pane 3 whole area",
         {0, 0, 0, 3},
         {XYWH(0, 0, 199, 149), XYWH(201, 0, 199, 149), XYWH(0, 151, 199, 149), XYWH(0, 0, 400, 300)}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PaneRects(kClient, 0.5f, 0.5f, c.modes), c.expected) << c.name;
    EXPECT_EQ(PaneRects(kClient, 0.25f, 0.8f, {})[3], XYWH(101, 241, 299, 59)) << "ratios move the cross";
}

TEST(SplitterLayoutTest, PressesFindTheCrossOrADivider) {
    const struct {
        const char* name;
        Modes modes;
        CPoint point;
        DividerDrag expected;
    } cases[] = {
        {"the cross", {}, {199, 150}, dragCross},
        {"the horizontal divider", {}, {50, 150}, dragHorizontalDivider},
        {"the vertical divider", {}, {200, 20}, dragVerticalDivider},
        {"inside a pane", {}, {50, 50}, dragNothing},
        {"two full columns: only the vertical divider", {1, 1, 0, 0}, {50, 150}, dragNothing},
        {"two full columns: the cross drags the vertical divider",
         {1, 1, 0, 0},
         {199, 150},
         dragVerticalDivider},
        {"two full rows: only the horizontal divider", {2, 0, 2, 0}, {200, 20}, dragNothing},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HitDivider(kClient, 0.5f, 0.5f, c.modes, c.point), c.expected) << c.name;
}

TEST(SplitterLayoutTest, DividerPartsAndDragLimits) {
    EXPECT_EQ(DividerParts(kClient, 0.5f, 0.5f, {}).size(), 4u);
    EXPECT_TRUE(DividerParts(kClient, 0.5f, 0.5f, {0, 3, 0, 0}).empty())
        << "a maximised pane hides the dividers";
    EXPECT_EQ(DividerParts(kClient, 0.5f, 0.5f, {1, 0, 0, 0}).size(), 3u)
        << "no left part beside a full column";
    EXPECT_FLOAT_EQ(DragRatio(2, 400), 0.2f);
    EXPECT_FLOAT_EQ(DragRatio(399, 400), 0.8f);
    EXPECT_FLOAT_EQ(DragRatio(100, 400), 0.25f);
    EXPECT_FLOAT_EQ(DragRatio(5, 0), 0.8f) << "an empty splitter divides by 1";
}

TEST(SplitterLayoutTest, HeaderLayoutCommands) {
    CPaneLayout layout;
    ToggleFullColumn(layout, 1);
    EXPECT_EQ(layout.modes, (Modes{0, 1, 0, 0}));
    EXPECT_EQ(layout.visible, (Modes{1, 1, 1, 0}));
    // Pane 2 full row: panes 1 and 3 go back to their quadrants, 3 stays hidden.
    ToggleFullRow(layout, 2);
    EXPECT_EQ(layout.modes, (Modes{0, 0, 2, 0}));
    EXPECT_EQ(layout.visible, (Modes{1, 1, 1, 0}));
    // Pane 0 full column while pane 2 spans its row: the row comes back, 2 hides.
    ToggleFullColumn(layout, 0);
    EXPECT_EQ(layout.modes, (Modes{1, 0, 0, 0}));
    EXPECT_EQ(layout.visible, (Modes{1, 1, 0, 1}));
    // Full column on a maximised pane: everything returns, then the column.
    ToggleWholeArea(layout, 3);
    EXPECT_EQ(layout.visible, (Modes{0, 0, 0, 1}));
    ToggleFullColumn(layout, 3);
    EXPECT_EQ(layout.modes, (Modes{0, 0, 0, 1}));
    EXPECT_EQ(layout.visible, (Modes{1, 0, 1, 1}));
    ToggleFullColumn(layout, 3);
    ToggleWholeArea(layout, 0);
    ToggleWholeArea(layout, 0);
    EXPECT_EQ(layout.modes, (Modes{0, 0, 0, 0})) << "maximise twice restores the quadrants";
    EXPECT_EQ(layout.visible, (Modes{1, 1, 1, 1}));
}
