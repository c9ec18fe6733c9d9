#pragma once
// CMyEdit: the number field of the panels and dialogs. It holds one integer
// or one float (SetFloatMode), takes only the keys a number needs, clamps
// the value to its range (SetRange / SetRangeF turn the clamp on), shows it
// with its decimals, and keeps a buddy spin button (SetSpin) and slider
// (SetMeter) in step both ways.
//
// What the owner hears: EN_KILLFOCUS, and only when the value really
// changed: when the user leaves the field after typing a new number, or at
// once when a buddy stepped it (with SetLiveCommit(FALSE) only on the last
// step of a spin drag or auto-repeat). The owner's ON_EN_KILLFOCUS handler
// is the commit point; it reads GetInt or GetFloat. SetInt and SetFloat
// notify nobody.
//
// A panel uses it like this, with the template items 1063 (edit) and 1475
// (spin, an owner-drawn button):
//
//     DDX_Control(dx, 1063, m_edit);   DDX_Control(dx, 1475, m_spin);
//     // OnInitDialog:
//     m_edit.SetSpin(&m_spin);
//     m_edit.SetFloatMode(TRUE);
//     m_edit.SetRangeF(0.0f, 180.0f);
//     m_edit.SetFloat(m_angle);
//     // the map: .OnEnKillFocus(1063, &CMyPanel::OnKillFocusAngle)
//     void CMyPanel::OnKillFocusAngle() { m_angle = m_edit.GetFloat(); }
//
// Text that is no number ("12abc", empty, "1e999") leaves the value as it
// was and shows it again. Text the user did not change commits nothing, so
// a value finer than the field's decimals survives a visit. A dialog closed with Enter while the field has
// the focus still hears the typed value: the field is left as the dialog closes.
#include "controls/numeric_value.h"
#include "controls/typed_field.h"
#include "platform/ui/controls.h"

class CQuelSpin;
class CQuelMeter;

class CMyEdit : public CEdit, public CTypedField {
public:
    const char* GetRuntimeClassName() const override { return "CMyEdit"; }

    // Also puts the buddies in that mode.
    void SetFloatMode(BOOL floatMode);
    BOOL IsFloatMode() const { return m_value.IsFloatMode(); }
    // Clamp, show, move the buddies; no notification. Text the user is
    // typing into the focused field stays: it commits over the new value
    // when he leaves the field.
    void SetInt(int value);
    void SetFloat(float value);
    int GetInt() const { return m_value.GetInt(); }
    float GetFloat() const { return m_value.GetFloat(); }
    // Shows the value again with the new digits; also the buddies' decimals.
    void SetDecimals(int decimals);
    // Also the buddies' ranges.
    void SetRange(int min, int max);
    void SetRangeF(float min, float max);
    // Links the buddy and makes this edit the buddy's buddy. Not owned.
    void SetSpin(CQuelSpin* spin);
    void SetMeter(CQuelMeter* meter);
    CQuelSpin* GetSpin() const { return m_spin; }
    CQuelMeter* GetMeter() const { return m_meter; }
    // Every buddy step commits (default), or only the last one of a drag or auto-repeat.
    void SetLiveCommit(BOOL live) { m_liveCommit = live != FALSE; }
    // FALSE: an odd integer entry above 1 goes down to the even number below
    // (also the spin's steps go by two).
    void SetStepOne(BOOL stepOne);
    // Integer entries snap to 1, 2, 4, 8, 16 or 32 (the spin walks the powers of two).
    void SetPow2(BOOL pow2);

    // The buddies' side: a spin or slider step with the value it reached;
    // inProgress is TRUE for the steps of a drag or auto-repeat before the last.
    void SetIntFromSpin(int value, BOOL inProgress);
    void SetIntFromMeter(int value, BOOL inProgress);
    void SetFloatFromSpin(float value, BOOL inProgress);
    void SetFloatFromMeter(float value, BOOL inProgress);

    // Takes the typed text now, as leaving the field does (the owner hears
    // EN_KILLFOCUS when the value changed): what a dialog's OK runs first.
    void CommitTypedText() override;

protected:
    void OnChar(UINT ch, UINT repeat, UINT flags) override;
    void OnKillFocus(CWnd* newWindow) override;
    BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message) override;
    void OnEnable(BOOL enable) override;

private:
    // Shows the text of a value just set, unless the user's entry holds the field.
    void ShowSetValue(const CString& text, bool typed);
    // The field has the focus and holds text the user typed and did not commit.
    bool HoldsTypedText() const;
    // Takes the typed text as the value and shows it as taken; true when the value changed.
    bool CommitText();
    // A buddy step: show the value, commit when due, move the other buddy.
    void TakeBuddyInt(int value, BOOL inProgress, bool fromSpin);
    void TakeBuddyFloat(float value, BOOL inProgress, bool fromSpin);
    void CommitFromBuddy(BOOL inProgress);
    // Moves the buddies to the value (float value in float mode).
    void MoveBuddies(bool spin, bool meter);

    CNumericValue m_value;
    bool m_setByBuddy = false;
    bool m_liveCommit = true;
    CQuelSpin* m_spin = nullptr;
    CQuelMeter* m_meter = nullptr;
};
