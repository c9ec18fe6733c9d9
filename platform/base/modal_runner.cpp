#include "platform/base/modal_runner.h"

#include <cstdio>

namespace qf {
namespace {

CModalRunner* g_runner = nullptr;

} // namespace

CModalRunner* SetModalRunner(CModalRunner* runner) {
    CModalRunner* previous = g_runner;
    g_runner = runner;
    return previous;
}

int CancellingAnswer(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_OK:
        return IDOK;
    case MB_YESNO:
        return IDNO;
    default:
        return IDCANCEL;
    }
}

CScriptedModalRunner::CScriptedModalRunner() : m_previous(SetModalRunner(this)) {}

CScriptedModalRunner::~CScriptedModalRunner() {
    SetModalRunner(m_previous);
}

int CScriptedModalRunner::RunMessageBox(const CModalRequest& request) {
    m_requests.push_back(request);
    if (m_answers.empty()) {
        ++m_unscripted;
        return CancellingAnswer(request.type);
    }
    const int answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

void CScriptedModalRunner::AnswerModal(int result) {
    AnswerModal([result](CModalWindow&) { return result; });
}

int CScriptedModalRunner::RunModal(CModalWindow& window) {
    ++m_modalCount;
    if (m_scripts.empty()) {
        ++m_unscripted;
        return window.GetCancelResult();
    }
    const Script script = std::move(m_scripts.front());
    m_scripts.pop_front();
    return script(window);
}

int RunModal(CModalWindow& window) {
    const CEventLoopScope loop;
    return g_runner ? g_runner->RunModal(window) : window.GetCancelResult();
}

} // namespace qf

int MessageBox(HWND owner, const CString& text, const CString& caption, UINT type) {
    const qf::CModalRequest request{owner, text, caption, type};
    const CEventLoopScope loop;
    if (qf::g_runner)
        return qf::g_runner->RunMessageBox(request);
    std::fprintf(stderr, "%s: %s\n", caption.GetString(), text.GetString());
    return qf::CancellingAnswer(type);
}
