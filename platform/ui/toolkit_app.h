#pragma once
// The wx application of the program and of the window tests: every event
// handler it runs starts a handing-out of messages of its own.
#include <wx/app.h>

class CToolkitApp : public wxApp {
public:
    // The event may come in the middle of another handler (a repaint that a
    // command asks for at once); between the two lies toolkit code that
    // cannot carry an exception back, so each handler is a call of the event
    // loop of its own, through the message guard.
    void CallEventHandler(wxEvtHandler* handler, wxEventFunctor& functor, wxEvent& event) const override;
};
