#pragma once
// A user at a dialog that runs for real: clicks on its controls, text typed
// into its fields, Enter, and what its controls show.
#include "platform/ui/controls.h"
#include "platform/ui/dialog.h"
#include "platform_ui_gui/probe_wnd.h"

namespace qf::test {

class DialogInput {
public:
    void Click(CDialog& dialog, int id, CPoint at = CPoint(5, 5)) {
        m_mouse.MoveTo(*dialog.GetDlgItem(id), at);
        m_mouse.Down();
        m_mouse.Up();
    }
    // Replaces the field's text with what the keys type, leaving the focus in it.
    void Type(CDialog& dialog, int id, const char* text) {
        Click(dialog, id);
        dynamic_cast<CEdit&>(*dialog.GetDlgItem(id)).SetSel(0, -1);
        m_mouse.Sim().Text(text);
        PumpEvents(50);
    }
    void Key(int wxKey) {
        m_mouse.Sim().Char(wxKey);
        PumpEvents(50);
    }
    static CString Text(const CDialog& dialog, int id) {
        CString text;
        dialog.GetDlgItemText(id, text);
        return text;
    }
    SimulatedMouse& Mouse() { return m_mouse; }

private:
    SimulatedMouse m_mouse;
};

} // namespace qf::test
