#include "platform/ui/toolkit_app.h"

#include "platform/base/message.h"

void CToolkitApp::CallEventHandler(wxEvtHandler* handler, wxEventFunctor& functor, wxEvent& event) const {
    RunFromEventLoop([&] { wxApp::CallEventHandler(handler, functor, event); });
}
