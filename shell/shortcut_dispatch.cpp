// The main frame's side of the shortcut keys: the command of a key slot
// looks the slot's action up in the document and runs it.
#include "app/doc_helpers.h"
#include "app/mouse_mode.h"
#include "app/quel_doc.h"
#include "resources/resource_tables.h"
#include "shell/main_frame.h"
#include "shell/shortcut_actions.h"

#include <algorithm>

namespace {

// The slot whose accelerator sends the command; -1 for none.
int SlotOfCommand(UINT command) {
    const std::span<const AccelEntry> keys = ShortcutSlotAccelerators();
    const auto it = std::find_if(keys.begin(), keys.end(),
                                 [command](const AccelEntry& e) { return e.command == command; });
    return it != keys.end() ? static_cast<int>(it - keys.begin()) : -1;
}

BOOL HasHandler(CCmdTarget& route, UINT command) {
    CommandMessage query;
    query.kind = CommandKind::HandlerQuery;
    query.id = command;
    return route.OnCmdMsg(query);
}

// The active pane takes a new resolution; it is drawn again at once only
// when it shows what the resolution is for.
void SetActivePaneResolution(CQuelDoc& doc, int CPaneDisplaySettings::*resolution, int value,
                             int CPaneDisplaySettings::*shown) {
    const int pane = std::clamp(doc.m_activePane, 0, kPaneCount - 1);
    CPaneDisplaySettings& settings = doc.m_settings.m_panes[static_cast<size_t>(pane)];
    settings.*resolution = value;
    if (settings.*shown)
        if (auto* window = doc.FindWindowService<CWindowServices>(wndGLPane0 + pane))
            window->RedrawNow();
}

} // namespace

void CMainFrame::OnShortcutSlot(UINT id) {
    const int slot = SlotOfCommand(id);
    if (CQuelDoc* doc = GetDoc(); doc && slot >= 0 && slot < kShortcutSlotCount)
        ExecuteShortcut(doc->m_shortcutSlots[static_cast<size_t>(slot)]);
}

void CMainFrame::ExecuteShortcut(int action) {
    // A key pressed during a drag must not change what the drag works on.
    if (CWnd::GetCapture())
        return;
    CQuelDoc* doc = GetDoc();
    if (!doc)
        return;
    const ShortcutActionRun what = DescribeShortcutAction(action);
    switch (what.run) {
    case ShortcutRun::nothing:
        break;
    case ShortcutRun::leftTool:
        SetMouseMode(what.value, 1);
        break;
    case ShortcutRun::rightTool:
        SetMouseMode(what.value, 0);
        break;
    case ShortcutRun::middleTool:
        SetMiddleMouseMode(what.value);
        break;
    case ShortcutRun::bothTool:
        SetBothButtonsMode(what.value);
        break;
    case ShortcutRun::sendToFrame:
        SendMessage(WM_COMMAND, MAKEWPARAM(what.value, 0), 0);
        break;
    case ShortcutRun::sendToView:
        m_view.SendMessage(WM_COMMAND, MAKEWPARAM(what.value, 0), 0);
        break;
    case ShortcutRun::command: {
        // Straight to the handler: a key does not ask whether the menu item is enabled.
        CommandMessage message;
        message.id = static_cast<UINT>(what.value);
        OnCmdMsg(message);
        break;
    }
    case ShortcutRun::toggleProjection:
        m_paneCommands.ToggleProjection();
        break;
    case ShortcutRun::curveResolution:
        SetActivePaneResolution(*doc, &CPaneDisplaySettings::m_curveResolution, what.value,
                                &CPaneDisplaySettings::m_showCurves);
        break;
    case ShortcutRun::surfaceResolution:
        SetActivePaneResolution(*doc, &CPaneDisplaySettings::m_surfaceResolution, what.value,
                                &CPaneDisplaySettings::m_showSurfaces);
        break;
    }
}

BOOL CMainFrame::IsShortcutActionAvailable(int action) {
    const ShortcutActionRun what = DescribeShortcutAction(action);
    switch (what.run) {
    case ShortcutRun::nothing:
        return FALSE;
    case ShortcutRun::sendToFrame:
    case ShortcutRun::command:
        return HasHandler(*this, static_cast<UINT>(what.value));
    case ShortcutRun::sendToView:
        return HasHandler(m_view, static_cast<UINT>(what.value));
    default:
        return TRUE;
    }
}

void CMainFrame::FocusActivePane() {
    const int pane = std::clamp(m_document.m_activePane, 0, kPaneCount - 1);
    if (auto* window = dynamic_cast<CWnd*>(m_document.FindRegisteredTarget(wndGLPane0 + pane)))
        window->SetFocus();
}
