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
