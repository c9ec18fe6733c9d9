#include "controls/text_edit.h"

void CTextEdit::SetWindowText(const CString& text) {
    m_shown = text;
    CEdit::SetWindowText(text);
}

bool CTextEdit::TakeTypedText() {
    CString text;
    GetWindowText(text);
    if (text == m_shown)
        return false;
    if (m_rule.accepts && !m_rule.accepts(text)) {
        // The kept text shows before the message, which takes the focus
        // from the field: leaving it then finds nothing typed.
        SetWindowText(m_shown);
        if (m_rule.tellRefused)
            m_rule.tellRefused(text);
        return false;
    }
    m_shown = text;
    return true;
}

void CTextEdit::CommitTypedText() {
    if (TakeTypedText())
        Notify(EN_KILLFOCUS);
}

void CTextEdit::OnKillFocus(CWnd* newWindow) {
    if (TakeTypedText())
        CEdit::OnKillFocus(newWindow);
    else
        CControlWnd::DefWindowProc(WM_KILLFOCUS, 0, 0);
}
