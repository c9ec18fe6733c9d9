#pragma once
// A window that the document redraws and places through its registry: the
// window class with CWindowServices answered from its own window.
#include "app/window_services.h"
#include "platform/ui/wnd.h"

template <class Window> class CServicedWindow : public Window, public CWindowServices {
public:
    void RedrawNow() override {
        this->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
    BOOL IsShown() const override { return this->IsWindowVisible(); }
    CRect GetScreenRect() const override {
        CRect rect;
        this->GetWindowRect(&rect);
        return rect;
    }
};
