#include "platform/ui/modal_focus.h"

#include "platform/base/message.h"
#include "platform/ui/frame_wnd.h"
#include "platform/ui/gtk_functions.h"

#include <vector>
#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/modalhook.h>
#include <wx/toplevel.h>
#include <wx/weakref.h>

namespace {

// Whether keys typed into the top-level window reach no window. GTK drops a
// window's focus when the focused widget is hidden or destroyed and gives
// it to nothing; wx does not hear of it while the window is not the active
// one, which it is not while a dialog is open, so GTK is asked.
bool IsKeyboardFocusLost(const wxWindow& topLevel) {
    using GetFocus = void* (*)(void*);
    using WidgetTest = int (*)(void*);
    const auto focusOf = GtkFunction<GetFocus>("gtk_window_get_focus");
    const auto visible = GtkFunction<WidgetTest>("gtk_widget_is_visible");
    const auto sensitive = GtkFunction<WidgetTest>("gtk_widget_is_sensitive");
    void* window = topLevel.GetHandle();
    if (!focusOf || !visible || !sensitive || !window)
        return false;
    void* focus = focusOf(window);
    return !focus || !visible(focus) || !sensitive(focus);
}

// GTK gives the focus back to the widget that had it when the dialog's
// owner is active again; this steps in only where that widget went away.
class CModalFocusKeeper : public wxModalDialogHook {
public:
    CModalFocusKeeper() {
        // Enter and Exit run inside the toolkit's dialog loop, which cannot
        // carry an exception back: the room for the owners is had first.
        m_ownersOpen.reserve(kMostOpen);
        Register();
        wxTheApp->Bind(wxEVT_IDLE, &CModalFocusKeeper::OnIdle, this);
    }

protected:
    int Enter(wxDialog* dialog) override {
        wxWindow* owner = dialog->GetParent();
        ++m_open;
        // Beyond the room kept, the main window stands for the owner.
        if (m_ownersOpen.size() < kMostOpen)
            m_ownersOpen.emplace_back(owner ? wxGetTopLevelParent(owner) : nullptr);
        return wxID_NONE;
    }
    void Exit(wxDialog*) override {
        if (m_open == 0)
            return;
        m_closedOwner = nullptr;
        if (m_ownersOpen.size() == m_open) {
            m_closedOwner = m_ownersOpen.back().get();
            m_ownersOpen.pop_back();
        }
        --m_open;
        RunFromEventLoop([this] { ReturnFocusIfLost(); });
        m_checkWhenIdle = true;
    }

private:
    void OnIdle(wxIdleEvent& event) {
        event.Skip();
        if (!m_checkWhenIdle || m_open > 0)
            return;
        m_checkWhenIdle = false;
        RunFromEventLoop([this] { ReturnFocusIfLost(); });
    }

    void ReturnFocusIfLost() {
        CWnd* main = AfxGetMainWnd();
        wxWindow* owner = m_closedOwner ? m_closedOwner.get() : main ? main->GetNativeWindow() : nullptr;
        if (!owner || !owner->IsShown() || !IsKeyboardFocusLost(*owner))
            return;
        if (auto* frame = dynamic_cast<CFrameWnd*>(CWnd::FromNative(owner)))
            frame->FocusDefaultWindow();
        else
            owner->SetFocus();
    }

    static constexpr size_t kMostOpen = 16;
    // The top-level owner of each dialog still open, innermost last, as far
    // as the room kept goes.
    std::vector<wxWeakRef<wxWindow>> m_ownersOpen;
    size_t m_open = 0;
    wxWeakRef<wxWindow> m_closedOwner;
    bool m_checkWhenIdle = false;
};

} // namespace

void InstallModalFocusKeeper() {
    if (!wxTheApp)
        return;
    static CModalFocusKeeper keeper;
}
