#include "controls/scroll_rules.h"

#include <algorithm>
#include <limits>

ScrollDragStep ClampScrollDrag(int offset, int rawStep, int lowestOffset, int contentHeight,
                               int clientHeight) {
    if (rawStep < 0 && offset == 0 && contentHeight < clientHeight)
        return {true, 0};
    int step = rawStep;
    const int tentative = offset + step;
    if (tentative >= 0)
        step = -offset;
    else if (tentative <= lowestOffset)
        step = lowestOffset - offset;
    return {false, step};
}

int WrapCursorY(int screenY, int screenHeight) {
    constexpr int kEdge = 5;
    if (screenY < kEdge)
        return screenHeight - kEdge;
    if (screenY > screenHeight - kEdge)
        return kEdge;
    return screenY;
}

ScrollResizeStep ResizeScrollStep(int client, int content, int offset, int previous) {
    if (content < client && offset < 0)
        return {true, -offset};
    const int gap = client - (content + offset);
    if (gap > 0 && gap < -offset)
        return {true, gap};
    if (client <= previous || offset == 0)
        return {};
    int step = 0;
    const int oldBottomGap = previous - offset;
    if (oldBottomGap == content)
        step = client >= content ? -offset : client - previous;
    else if (oldBottomGap < content)
        step = client > content + offset ? client - previous : 0;
    return {true, std::min(step, -offset)};
}

GroupExtent MeasureGroup(const std::vector<GroupSibling>& siblings, int header, int endTop,
                         int clientHeight) {
    const GroupSibling& head = siblings[static_cast<size_t>(header)];
    GroupExtent group;
    if (endTop >= 0) {
        group.extent = endTop - head.top;
    } else {
        int nearest = std::numeric_limits<int>::max();
        for (size_t i = 0; i < siblings.size(); ++i)
            if (static_cast<int>(i) != header && siblings[i].isGroupHeader && siblings[i].top >= head.bottom)
                nearest = std::min(nearest, siblings[i].top);
        group.extent =
            nearest != std::numeric_limits<int>::max() ? nearest - head.top : clientHeight - head.top - 10;
    }
    for (size_t i = 0; i < siblings.size(); ++i) {
        const GroupSibling& s = siblings[i];
        if (static_cast<int>(i) != header && !s.isEnterAbsorber && s.top > head.top &&
            s.top < head.top + group.extent)
            group.members.push_back(static_cast<int>(i));
    }
    return group;
}

int FoldShift(int siblingTop, int headerTop, int extent, bool folding) {
    const int folded = FoldedHeight(extent);
    if (folding)
        return siblingTop >= headerTop + extent ? -folded : 0;
    return siblingTop >= headerTop + kGroupHeaderHeight ? folded : 0;
}

LevelThumb LevelBarThumb(int height, int total, int page, int position) {
    if (total <= 0)
        return {0, height};
    const auto part = [&](int value) {
        return static_cast<int>(static_cast<double>(static_cast<long long>(height) * value) / total);
    };
    const int top = part(position);
    return {top, top + part(page)};
}
