#pragma once
// Every message box and every other modal window (dialogs, common dialogs,
// popup menus) runs through one runner. The program installs the one that
// shows real windows; a test installs the scripted runner, which answers
// from a queue and keeps what was asked. With no runner installed a box is
// written to the error stream, a modal window is not shown, and either gets
// the answer that changes nothing.
#include "platform/base/cstring.h"
#include "platform/base/message.h"

#include <deque>
#include <functional>
#include <vector>

// Box types: buttons in the low four bits, the icon above them.
constexpr UINT MB_OK = 0x00;
constexpr UINT MB_OKCANCEL = 0x01;
constexpr UINT MB_YESNOCANCEL = 0x03;
constexpr UINT MB_YESNO = 0x04;
constexpr UINT MB_TYPEMASK = 0x0F;
constexpr UINT MB_ICONERROR = 0x10;
constexpr UINT MB_ICONQUESTION = 0x20;
constexpr UINT MB_ICONWARNING = 0x30;
constexpr UINT MB_ICONINFORMATION = 0x40;
constexpr UINT MB_ICONMASK = 0xF0;

// Answers.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

namespace qf {

// One question put to the user.
struct CModalRequest {
    HWND owner;
    CString text;
    CString caption;
    UINT type = MB_OK;
};

// A modal window other than a message box, as the runner sees it. The
// window classes implement it; a test's script may look at the window
// (dynamic_cast to its class), set it up and answer for the user.
class CModalWindow {
public:
    virtual ~CModalWindow() = default;
    // Shows the window and runs until the user ends it; returns its result.
    virtual int RunModalLoop() = 0;
    // The result that changes nothing: IDCANCEL, or 0 for a popup menu.
    virtual int GetCancelResult() const { return IDCANCEL; }
};

class CModalRunner {
public:
    virtual ~CModalRunner() = default;
    // Shows the box modally over owner (none: over nothing) and returns the answer.
    virtual int RunMessageBox(const CModalRequest& request) = 0;
    // Runs the window for the user and returns its result.
    virtual int RunModal(CModalWindow& window) { return window.RunModalLoop(); }
};

// Makes runner the one in use (null: none) and returns the one it replaces.
CModalRunner* SetModalRunner(CModalRunner* runner);

// The answer that changes nothing: OK for a box with only OK, else Cancel, or No without a Cancel button.
int CancellingAnswer(UINT type);

// Answers boxes from a script and records every request. It is the runner in
// use while it lives and gives the previous one back when it dies.
class CScriptedModalRunner : public CModalRunner {
public:
    CScriptedModalRunner();
    ~CScriptedModalRunner() override;
    CScriptedModalRunner(const CScriptedModalRunner&) = delete;
    CScriptedModalRunner& operator=(const CScriptedModalRunner&) = delete;

    // Queues the answer to the next box that has not been answered yet.
    void Answer(int answer) { m_answers.push_back(answer); }
    int RunMessageBox(const CModalRequest& request) override;

    // Queues the script of the next modal window: it gets the window (which
    // it may run, set up and end itself when a display is there) and returns
    // the window's result.
    using Script = std::function<int(CModalWindow& window)>;
    void AnswerModal(Script script) { m_scripts.push_back(std::move(script)); }
    // The next modal window is not shown and gets this result.
    void AnswerModal(int result);
    int RunModal(CModalWindow& window) override;

    const std::vector<CModalRequest>& GetRequests() const { return m_requests; }
    // Boxes and windows that came when the script had no answer left; they
    // got CancellingAnswer and the window's cancel result.
    int GetUnscriptedCount() const { return m_unscripted; }
    int GetModalCount() const { return m_modalCount; }

private:
    CModalRunner* m_previous;
    std::deque<int> m_answers;
    std::deque<Script> m_scripts;
    std::vector<CModalRequest> m_requests;
    int m_unscripted = 0;
    int m_modalCount = 0;
};

// Runs the window through the runner in use and returns its result; with
// no runner the window is not shown and gets its cancel result.
int RunModal(CModalWindow& window);

} // namespace qf

// Shows a message box through the runner in use and returns its answer.
int MessageBox(HWND owner, const CString& text, const CString& caption, UINT type = MB_OK);
