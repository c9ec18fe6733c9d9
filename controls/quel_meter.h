#pragma once
// CQuelMeter: a flat horizontal slider, a sunken bar filled from the left up
// to its value. A click or drag sets the value from the mouse's x (the left
// edge is the minimum, the right edge the maximum; the int value truncated).
//
// Owners normally link it to a number field (CMyEdit::SetMeter) and listen to
// the field, which commits what the slider reaches. The parent also receives
// WM_COMMAND (control id, 0, no sender) sent on the press and on every move
// of a drag, and the ordinary BN_CLICKED when the button is released over it.
// A slider with an empty range or no width keeps its minimum.
#include "controls/numeric_rules.h"
#include "platform/ui/controls.h"

class CMyEdit;

class CQuelMeter : public CButton {
public:
    const char* GetRuntimeClassName() const override { return "CQuelMeter"; }

    // Clamp (lower bound first), store, redraw when the mode shows it; the previous value.
    int SetPos(int value);
    int GetPos() const { return m_values.intValue; }
    float SetPosF(float value);
    float GetPosF() const { return m_values.floatValue; }
    // Store and redraw.
    void SetRange(int min, int max);
    void SetRangeF(float min, float max);
    // Which value is drawn and passed on.
    void SetFloatMode(BOOL floatMode) { m_floatMode = floatMode != FALSE; }
    void SetDecimals(int decimals) { m_decimals = decimals; }
    void SetBuddy(CMyEdit* buddy) { m_buddy = buddy; }

protected:
    void DrawItem(LPDRAWITEMSTRUCT drawItem) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnEnable(BOOL enable) override;
    BOOL OnEraseBkgnd(CDC* dc) override;

private:
    void Track(int x);
    void TellBuddy(BOOL inProgress);

    CBuddyValues m_values{0, 10, 0, 0.0f, 10.0f, 0.0f};
    bool m_dragging = false;
    bool m_floatMode = false;
    int m_decimals = 3;
    bool m_enabled = true;
    CMyEdit* m_buddy = nullptr;
};
