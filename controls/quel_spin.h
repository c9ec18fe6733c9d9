#pragma once
// CQuelSpin: the small up/down button beside a number field. A click on a
// half steps once (on release); holding a half repeats the step 500 ms after
// the press and then every 100 ms; pressing a half and moving out of it
// turns the press into a vertical drag (up = larger; integers one per pixel,
// or one step per move with SetStepOne(FALSE) or SetPow2(TRUE); floats
// SetDragStepF x the float step per pixel).
//
// Owners normally never talk to it: CMyEdit::SetSpin links it, and the edit
// passes on mode, range, decimals and the step rules and commits what the
// spin reaches (its EN_KILLFOCUS). What the parent receives besides:
// WM_COMMAND (control id, 0, no sender) posted after a click step and each
// drag move and sent after each auto-repeat step, and the ordinary
// BN_CLICKED when the button is released over it.
#include "controls/numeric_rules.h"
#include "platform/ui/controls.h"

class CMyEdit;

class CQuelSpin : public CButton {
public:
    const char* GetRuntimeClassName() const override { return "CQuelSpin"; }

    // Clamp to the range (lower bound first) and store; return the previous value.
    int SetPos(int value) { return m_values.SetInt(value); }
    int GetPos() const { return m_values.intValue; }
    float SetPosF(float value) { return m_values.SetFloat(value); }
    float GetPosF() const { return m_values.floatValue; }
    // Store and redraw; the value is not clamped again.
    void SetRange(int min, int max);
    void SetRangeF(float min, float max);
    void SetFloatMode(BOOL floatMode) { m_floatMode = floatMode != FALSE; }
    // The float step is 10 to the power of -decimals.
    void SetDecimals(int decimals) { m_decimals = decimals; }
    void SetBuddy(CMyEdit* buddy) { m_buddy = buddy; }
    void SetStepOne(BOOL stepOne) { m_stepOne = stepOne != FALSE; }
    void SetPow2(BOOL pow2) { m_pow2 = pow2 != FALSE; }
    // The float change per dragged pixel, in float steps (1 by default).
    void SetDragStepF(float factor) { m_dragFactor = factor; }

    SpinHalf GetPressedHalf() const { return m_pressedHalf; }
    bool IsDragging() const { return m_dragging; }

protected:
    void DrawItem(LPDRAWITEMSTRUCT drawItem) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnTimer(UINT_PTR id) override;
    BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message) override;
    void OnEnable(BOOL enable) override;
    BOOL OnEraseBkgnd(CDC* dc) override;

private:
    // One step of the integer and the float value in a direction.
    void Step(bool up);
    // Tells the buddy the values; a posted or sent WM_COMMAND goes to the parent first.
    void TellBuddy(BOOL inProgress);
    void StopTimers();
    void ShowCursorShape();

    int m_decimals = 3;
    float m_dragFactor = 1.0f;
    bool m_floatMode = false;
    CBuddyValues m_values;
    float m_dragStartFloat = 0.0f;
    int m_dragStartY = 0;
    int m_dragStartInt = 0;
    bool m_pressed = false;
    SpinHalf m_pressedHalf = spinNoHalf;
    bool m_dragging = false;
    bool m_stepOne = true;
    bool m_pow2 = false;
    bool m_enabled = true;
    CMyEdit* m_buddy = nullptr;
};
