#include "platform/ui/toolkit_app.h"

#include "platform/base/message.h"

namespace {

// Events that only bring the windows up to date with what was done.
bool ShowsOnly(const wxEvent& event) {
    const wxEventType type = event.GetEventType();
    return type == wxEVT_IDLE || type == wxEVT_PAINT || type == wxEVT_ERASE_BACKGROUND ||
           type == wxEVT_SIZE || type == wxEVT_MOVE || type == wxEVT_SHOW || type == wxEVT_UPDATE_UI;
}

} // namespace

void CToolkitApp::CallEventHandler(wxEvtHandler* handler, wxEventFunctor& functor, wxEvent& event) const {
    RunFromEventLoop([&] { wxApp::CallEventHandler(handler, functor, event); },
                     ShowsOnly(event) ? HandingOut::display : HandingOut::request);
}
