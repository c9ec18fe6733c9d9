#pragma once
// A user at a dialog that runs for real: clicks on its controls, text typed
// into its fields, Enter, and what its controls show.
#include "platform/ui/controls.h"
#include "platform/ui/dialog.h"
#include "platform_ui_gui/probe_wnd.h"

#include <gtest/gtest.h>
#include <wx/choice.h>

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
    // Picks an entry of a drop-down list as the toolkit reports a user's choice.
    static void Choose(CDialog& dialog, int id, int index) {
        auto* choice = dynamic_cast<wxChoice*>(dialog.GetDlgItem(id)->GetNativeWindow());
        ASSERT_TRUE(choice);
        choice->SetSelection(index);
        wxCommandEvent event(wxEVT_CHOICE, choice->GetId());
        event.SetEventObject(choice);
        event.SetInt(index);
        choice->ProcessWindowEvent(event);
        PumpEvents(30);
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
