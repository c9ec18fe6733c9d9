#pragma once
// The running program with real key presses into its active pane.
#include "platform/base/file_util.h"
#include "shell_gui/running_app.h"

#include <string>
#include <wx/uiaction.h>

namespace qf::test {

class ShortcutGuiTest : public RunningAppGuiTest {
protected:
    CWnd& Pane(int i) { return Frame().GetView().GetSplitter().GetPane(i).GetFrame().GetGLPane(); }
    // A key pressed wherever the keyboard focus is.
    void Press(int key, int modifiers = wxMOD_NONE) {
        mouse.Sim().Char(key, modifiers);
        PumpEvents(100);
    }
    // The keyboard focus into the active pane, as a click there gives it.
    void FocusPane() {
        Pane(Doc().m_activePane).SetFocus();
        PumpEvents(30);
    }
    CPaneDisplaySettings& ActiveShow() {
        return Doc().m_settings.m_panes[static_cast<size_t>(Doc().m_activePane)];
    }
    static std::string FilePath() { return qf::SettingsPath("quel_shortcut.ini"); }
};

} // namespace qf::test
