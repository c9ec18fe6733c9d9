#pragma once
// The arithmetic behind the panels that scroll by dragging their background,
// their collapsible group headers and the strip that shows how far a panel
// is scrolled. Pure functions of pixel sizes; the windows only apply them.
//
// A panel's scroll offset is where its content's top stands relative to the
// client top: 0 unscrolled, negative when scrolled down, never positive, and
// never below the lowest offset (client height - content height) while the
// content is taller than the client area.
#include <vector>

// What one mouse move of a background drag does. `ignored`: the move is
// dropped whole (no scroll and no notification), which happens to an upward
// drag of content that fits. Otherwise the content scrolls by `step`
// (possibly 0), which keeps the offset within its limits.
struct ScrollDragStep {
    bool ignored = false;
    int step = 0;
};
ScrollDragStep ClampScrollDrag(int offset, int rawStep, int lowestOffset, int contentHeight,
                               int clientHeight);

// The screen y at which a drag's cursor continues: within 5 pixels of the
// top it wraps to 5 above the bottom and the other way round, so that one
// drag can scroll any distance; elsewhere y itself.
int WrapCursorY(int screenY, int screenHeight);

// What a panel does after its client height changed or its content grew or
// shrank: scroll by `step` and tell its parent, when `scroll` is set.
struct ScrollResizeStep {
    bool scroll = false;
    int step = 0;
};
ScrollResizeStep ResizeScrollStep(int clientHeight, int contentHeight, int offset, int previousClientHeight);

// A group header and its siblings, as measured in the dialog's client pixels.
struct GroupSibling {
    int top = 0;
    int bottom = 0;
    bool isGroupHeader = false;
    bool isEnterAbsorber = false; // the hidden default button of a panel
};
// The group a header folds: the siblings (by index) whose top lies strictly
// between the header's top and its top + extent, never the header itself or
// a panel's hidden default button. With an end control (endTop >= 0) the
// extent reaches to its top; without, to the nearest group header starting
// below this header's bottom, or to 10 pixels above the client bottom.
struct GroupExtent {
    int extent = 0;
    std::vector<int> members;
};
GroupExtent MeasureGroup(const std::vector<GroupSibling>& siblings, int header, int endTop, int clientHeight);

// The height that folds away: the extent less the 20-pixel header.
constexpr int kGroupHeaderHeight = 20;
inline int FoldedHeight(int extent) {
    return extent - kGroupHeaderHeight;
}
// How far a sibling whose top is siblingTop moves when the group of a header
// at headerTop folds (up by the folded height, when it lies at or below the
// group's end) or unfolds (down by it, when it lies at or below the header).
int FoldShift(int siblingTop, int headerTop, int extent, bool folding);

// The thumb of the position strip beside a panel: [top, bottom) in a strip
// of the given height for content `total` pixels tall of which `page` show,
// scrolled down by `position`. A total of 0 or less shows a thumb over the
// whole strip.
struct LevelThumb {
    int top = 0;
    int bottom = 0;
};
LevelThumb LevelBarThumb(int height, int total, int page, int position);
