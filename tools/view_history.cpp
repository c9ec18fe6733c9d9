#include "tools/view_history.h"

#include "app/quel_doc.h"

namespace {

bool IsPane(int pane) {
    return pane >= 0 && pane < kPaneCount;
}

} // namespace

void PushViewHistory(CQuelDoc& doc, int pane) {
    if (!IsPane(pane))
        return;
    CViewHistory& history = doc.m_viewHistory[static_cast<size_t>(pane)];
    history.m_forwardCount = 0;
    if (history.m_backCount == CViewHistory::depth) {
        for (int i = 1; i < CViewHistory::depth; ++i)
            history.m_back[static_cast<size_t>(i - 1)] = history.m_back[static_cast<size_t>(i)];
    } else {
        ++history.m_backCount;
    }
    history.m_back[static_cast<size_t>(history.m_backCount - 1)] = doc.m_cameras[static_cast<size_t>(pane)];
}

bool UndoViewHistory(CQuelDoc& doc, int pane) {
    if (!IsPane(pane))
        return false;
    CViewHistory& history = doc.m_viewHistory[static_cast<size_t>(pane)];
    if (history.m_backCount == 0)
        return false;
    CCamera& camera = doc.m_cameras[static_cast<size_t>(pane)];
    history.m_forward[static_cast<size_t>(history.m_forwardCount++)] = camera;
    camera = history.m_back[static_cast<size_t>(--history.m_backCount)];
    return true;
}

bool RedoViewHistory(CQuelDoc& doc, int pane) {
    if (!IsPane(pane))
        return false;
    CViewHistory& history = doc.m_viewHistory[static_cast<size_t>(pane)];
    if (history.m_forwardCount == 0)
        return false;
    // The entry the undo restored from stays in place, so a further undo returns to it.
    doc.m_cameras[static_cast<size_t>(pane)] =
        history.m_forward[static_cast<size_t>(--history.m_forwardCount)];
    ++history.m_backCount;
    return true;
}
