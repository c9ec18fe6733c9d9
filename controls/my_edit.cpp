#include "controls/my_edit.h"

#include "controls/numeric_rules.h"
#include "controls/quel_meter.h"
#include "controls/quel_spin.h"
#include "platform/ui/input.h"

void CMyEdit::SetFloatMode(BOOL floatMode) {
    m_value.SetFloatMode(floatMode != FALSE);
    if (m_spin)
        m_spin->SetFloatMode(floatMode);
    if (m_meter)
        m_meter->SetFloatMode(floatMode);
}

void CMyEdit::SetInt(int value) {
    const bool typed = HoldsTypedText();
    ShowSetValue(m_value.SetInt(value), typed);
}

void CMyEdit::SetFloat(float value) {
    const bool typed = HoldsTypedText();
    ShowSetValue(m_value.SetFloat(value), typed);
}

void CMyEdit::ShowSetValue(const CString& text, bool typed) {
    // A panel that shows its stored values again (after another of its
    // fields committed) would otherwise wipe what the user is typing.
    if (!typed)
        SetWindowText(text);
    MoveBuddies(true, true);
}

bool CMyEdit::HoldsTypedText() const {
    if (GetFocus() != this)
        return false;
    CString text;
    GetWindowText(text);
    return m_value.IsTyped(text);
}

void CMyEdit::SetDecimals(int decimals) {
    m_value.SetDecimals(decimals);
    if (m_value.IsFloatMode())
        SetFloat(m_value.GetFloat());
    else
        SetInt(m_value.GetInt());
    if (m_spin)
        m_spin->SetDecimals(decimals);
    if (m_meter)
        m_meter->SetDecimals(decimals);
}

void CMyEdit::SetRange(int min, int max) {
    m_value.SetRange(min, max);
    if (m_spin)
        m_spin->SetRange(min, max);
    if (m_meter)
        m_meter->SetRange(min, max);
}

void CMyEdit::SetRangeF(float min, float max) {
    m_value.SetRangeF(min, max);
    if (m_spin)
        m_spin->SetRangeF(min, max);
    if (m_meter)
        m_meter->SetRangeF(min, max);
}

void CMyEdit::SetSpin(CQuelSpin* spin) {
    m_spin = spin;
    if (m_spin)
        m_spin->SetBuddy(this);
}

void CMyEdit::SetMeter(CQuelMeter* meter) {
    m_meter = meter;
    if (m_meter)
        m_meter->SetBuddy(this);
}

void CMyEdit::SetStepOne(BOOL stepOne) {
    m_value.SetOddAllowed(stepOne != FALSE);
    if (m_spin)
        m_spin->SetStepOne(stepOne);
}

void CMyEdit::SetPow2(BOOL pow2) {
    m_value.SetPowerOfTwo(pow2 != FALSE);
    if (m_spin)
        m_spin->SetPow2(pow2);
}

void CMyEdit::MoveBuddies(bool spin, bool meter) {
    const bool floatMode = m_value.IsFloatMode();
    if (meter && m_meter) {
        if (floatMode)
            m_meter->SetPosF(m_value.GetFloat());
        else
            m_meter->SetPos(m_value.GetInt());
    }
    if (spin && m_spin) {
        if (floatMode)
            m_spin->SetPosF(m_value.GetFloat());
        else
            m_spin->SetPos(m_value.GetInt());
    }
}

void CMyEdit::SetIntFromSpin(int value, BOOL inProgress) {
    TakeBuddyInt(value, inProgress, true);
}

void CMyEdit::SetIntFromMeter(int value, BOOL inProgress) {
    TakeBuddyInt(value, inProgress, false);
}

void CMyEdit::SetFloatFromSpin(float value, BOOL inProgress) {
    TakeBuddyFloat(value, inProgress, true);
}

void CMyEdit::SetFloatFromMeter(float value, BOOL inProgress) {
    TakeBuddyFloat(value, inProgress, false);
}

void CMyEdit::TakeBuddyInt(int value, BOOL inProgress, bool fromSpin) {
    SetWindowText(m_value.SetInt(value));
    CommitFromBuddy(inProgress);
    MoveBuddies(!fromSpin, fromSpin);
}

void CMyEdit::TakeBuddyFloat(float value, BOOL inProgress, bool fromSpin) {
    SetWindowText(m_value.SetFloat(value));
    CommitFromBuddy(inProgress);
    MoveBuddies(!fromSpin, fromSpin);
}

void CMyEdit::CommitFromBuddy(BOOL inProgress) {
    m_setByBuddy = true;
    // The kill-focus handling is the one commit path; it lets the owner hear
    // EN_KILLFOCUS because a buddy set the value.
    if (m_liveCommit || !inProgress)
        SendMessage(WM_KILLFOCUS, 0, 0);
}

void CMyEdit::OnChar(UINT ch, UINT repeat, UINT flags) {
    // A refused character is dropped without a beep.
    if (AcceptsNumberChar(ch, m_value.IsFloatMode(), GetKeyState(VK_CONTROL) < 0))
        CEdit::OnChar(ch, repeat, flags);
}

bool CMyEdit::CommitText() {
    CString text;
    GetWindowText(text);
    const CNumericValue::Commit commit = m_value.CommitText(text);
    if (text != commit.text)
        SetWindowText(commit.text);
    MoveBuddies(true, true);
    return commit.changed;
}

void CMyEdit::CommitTypedText() {
    if (CommitText())
        Notify(EN_KILLFOCUS);
}

void CMyEdit::OnKillFocus(CWnd* newWindow) {
    const bool changed = !m_setByBuddy && CommitText();
    if (changed || m_setByBuddy)
        CEdit::OnKillFocus(newWindow);
    else
        CControlWnd::DefWindowProc(WM_KILLFOCUS, 0, 0);
    m_setByBuddy = false;
}

BOOL CMyEdit::OnSetCursor(CWnd* window, UINT hitTest, UINT message) {
    CEdit::OnSetCursor(window, hitTest, message);
    // Pointing at a field takes the focus, so moving from one field to
    // another commits the first.
    if (GetFocus() != this) {
        SetFocus();
        SetSel(0, -1);
    }
    return TRUE;
}

void CMyEdit::OnEnable(BOOL enable) {
    CEdit::OnEnable(enable);
    if (m_meter)
        m_meter->EnableWindow(enable);
    if (m_spin)
        m_spin->EnableWindow(enable);
}
