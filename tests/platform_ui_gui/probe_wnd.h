#pragma once
// Helpers of the window-layer tests: a window that records every message it
// receives (in one log several probes may share) and lets a test hook its
// handlers, a frame on screen to hold them, and simulated mouse input.
#include "platform/ui/dc.h"
#include "platform/ui/wnd.h"
#include "support/gui_test.h"

#include <functional>
#include <string>
#include <vector>
#include <wx/frame.h>
#include <wx/uiaction.h>

namespace qf::test {

struct ProbeMessage {
    std::string window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class ProbeWnd : public CWnd {
public:
    explicit ProbeWnd(std::string name, std::vector<ProbeMessage>* log = nullptr)
        : m_name(std::move(name)), m_log(log ? log : &m_ownLog) {}

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        m_log->push_back({m_name, message, wParam, lParam});
        if (onMessage)
            onMessage(message, wParam, lParam);
        return CWnd::WindowProc(message, wParam, lParam);
    }

    // Messages of one kind this window received, in order.
    std::vector<ProbeMessage> Received(UINT message) const {
        std::vector<ProbeMessage> out;
        for (const auto& m : *m_log)
            if (m.window == m_name && m.message == message)
                out.push_back(m);
        return out;
    }
    std::vector<UINT> MessagesAmong(std::initializer_list<UINT> kinds) const {
        std::vector<UINT> out;
        for (const auto& m : *m_log)
            if (m.window == m_name && std::find(kinds.begin(), kinds.end(), m.message) != kinds.end())
                out.push_back(m.message);
        return out;
    }
    void ClearLog() { m_log->clear(); }

    int createResult = 0;
    UINT classStyle = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    std::function<void(UINT, WPARAM, LPARAM)> onMessage;
    std::function<void(CDC&)> onPaint;
    std::function<BOOL(CWnd*, UINT, UINT)> onSetCursor;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override {
        cs.classStyle = classStyle;
        return TRUE;
    }
    int OnCreate(LPCREATESTRUCT cs) override { return createResult == -1 ? -1 : CWnd::OnCreate(cs); }
    void OnPaint() override {
        CPaintDC dc(this);
        if (onPaint)
            onPaint(dc);
    }
    BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message) override {
        return onSetCursor ? onSetCursor(window, hitTest, message)
                           : CWnd::OnSetCursor(window, hitTest, message);
    }

private:
    std::string m_name;
    std::vector<ProbeMessage> m_ownLog;
    std::vector<ProbeMessage>* m_log;
};

// A top-level window at a fixed place on the screen, shown and raised.
class ProbeFrame : public ProbeWnd {
public:
    explicit ProbeFrame(std::vector<ProbeMessage>* log = nullptr, CRect rect = CRect(40, 40, 640, 520))
        : ProbeWnd("frame", log) {
        Create("probe", WS_VISIBLE, rect, nullptr, 0);
        static_cast<wxFrame*>(GetNativeWindow())->Raise();
        PumpUntil([this] { return IsWindowVisible() && GetNativeWindow()->IsShownOnScreen(); });
        PumpEvents(50);
    }
};

// Simulated input needs the loop to run between steps.
class SimulatedMouse {
public:
    void MoveTo(const CWnd& wnd, CPoint client) {
        wnd.ClientToScreen(&client);
        m_sim.MouseMove(client.x, client.y);
        PumpEvents(30);
    }
    void Down(int button = wxMOUSE_BTN_LEFT) {
        m_sim.MouseDown(button);
        PumpEvents(30);
    }
    void Up(int button = wxMOUSE_BTN_LEFT) {
        m_sim.MouseUp(button);
        PumpEvents(30);
    }
    void DoubleClick() {
        m_sim.MouseDblClick();
        PumpEvents(60);
    }
    wxUIActionSimulator& Sim() { return m_sim; }

private:
    wxUIActionSimulator m_sim;
};

} // namespace qf::test
