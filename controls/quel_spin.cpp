#include "controls/quel_spin.h"

#include "controls/control_notify.h"
#include "controls/control_paint.h"
#include "controls/my_edit.h"
#include "platform/ui/cursor.h"
#include "platform/ui/sys_color.h"

#include <array>

namespace {

constexpr UINT_PTR kFirstRepeatTimer = 1;
constexpr UINT_PTR kRepeatTimer = 2;
constexpr UINT kFirstRepeatDelay = 500;
constexpr UINT kRepeatInterval = 100;

// The arrow's three corners, moved by `shift` pixels right and down.
std::array<CPoint, 3> Arrow(CPoint apex, CPoint left, CPoint right, int shift) {
    const CSize d(shift, shift);
    return {apex + d, left + d, right + d};
}

void DrawArrow(CDC& dc, const std::array<CPoint, 3>& arrow, bool enabled) {
    if (enabled) {
        CBrush black(RGB(0, 0, 0));
        CBrush* old = dc.SelectObject(&black);
        dc.Polygon(arrow.data(), 3);
        dc.SelectObject(old);
        return;
    }
    // Engraved: a light outline one pixel down-right under a dark one.
    for (const auto& [color, shift] : {std::pair{COLOR_BTNHIGHLIGHT, 1}, std::pair{COLOR_BTNSHADOW, 0}}) {
        CPen pen(PS_SOLID, 1, GetSysColor(color));
        CPen* old = dc.SelectObject(&pen);
        const CSize d(shift, shift);
        const CPoint outline[] = {arrow[0] + d, arrow[1] + d, arrow[2] + d, arrow[0] + d};
        dc.Polyline(outline, 4);
        dc.SelectObject(old);
    }
}

} // namespace

void CQuelSpin::SetRange(int min, int max) {
    m_values.intMin = min;
    m_values.intMax = max;
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CQuelSpin::SetRangeF(float min, float max) {
    m_values.floatMin = min;
    m_values.floatMax = max;
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CQuelSpin::Step(bool up) {
    SetPos(NextSpinValue(m_values.intValue, up, m_pow2, m_stepOne));
    const float step = SpinFloatStep(m_decimals);
    SetPosF(up ? m_values.floatValue + step : m_values.floatValue - step);
}

void CQuelSpin::TellBuddy(BOOL inProgress) {
    if (!m_buddy)
        return;
    if (m_floatMode)
        m_buddy->SetFloatFromSpin(m_values.floatValue, inProgress);
    else
        m_buddy->SetIntFromSpin(m_values.intValue, inProgress);
}

void CQuelSpin::StopTimers() {
    KillTimer(kFirstRepeatTimer);
    KillTimer(kRepeatTimer);
}

void CQuelSpin::ShowCursorShape() {
    SetCursor(LoadStandardCursor(m_dragging ? IDC_SIZENS : IDC_ARROW));
}

void CQuelSpin::OnLButtonDown(UINT flags, CPoint point) {
    CRect client;
    GetClientRect(&client);
    const SpinHalf half = client.PtInRect(point) ? SpinHalfOfPress(point.y, client.Height()) : spinNoHalf;
    if (half != spinNoHalf) {
        m_pressedHalf = half;
        m_pressed = true;
        SetTimer(kFirstRepeatTimer, kFirstRepeatDelay);
    }
    RedrawWindow();
    CPoint screen = point;
    ClientToScreen(&screen);
    m_dragStartY = screen.y;
    m_dragStartInt = m_values.intValue;
    m_dragStartFloat = m_values.floatValue;
    CButton::OnLButtonDown(flags, point);
}

void CQuelSpin::OnTimer(UINT_PTR id) {
    if (id != kFirstRepeatTimer && id != kRepeatTimer) {
        CButton::OnTimer(id);
        return;
    }
    // A repeat that was already under way when the press ended does nothing.
    if (!m_pressed || m_dragging)
        return;
    if (id == kFirstRepeatTimer) {
        KillTimer(kFirstRepeatTimer);
        SetTimer(kRepeatTimer, kRepeatInterval);
    }
    CPoint cursor;
    GetCursorPos(&cursor);
    ScreenToClient(&cursor);
    CRect client;
    GetClientRect(&client);
    const bool inside = cursor.x >= 0 && cursor.x < client.Width();
    if (inside && InSpinUpperHalf(cursor.y, client.Height()) && m_pressedHalf == spinUpperHalf)
        Step(true);
    else if (inside && InSpinLowerHalfForRepeat(cursor.y, client.Height()) && m_pressedHalf == spinLowerHalf)
        Step(false);
    m_dragStartInt = m_values.intValue;
    m_dragStartFloat = m_values.floatValue;
    SendCommandToParent(*this);
    TellBuddy(TRUE);
}

void CQuelSpin::OnMouseMove(UINT flags, CPoint point) {
    CPoint screen = point;
    ClientToScreen(&screen);
    CRect client;
    GetClientRect(&client);
    const int height = client.Height();
    if (m_pressed && !m_dragging) {
        const bool inside = point.x >= 0 && point.x < client.Width();
        const bool left =
            (m_pressedHalf == spinUpperHalf && !(inside && InSpinUpperHalf(point.y, height))) ||
            (m_pressedHalf == spinLowerHalf && !(inside && InSpinLowerHalfForDrag(point.y, height)));
        if (left) {
            m_dragging = true;
            m_pressedHalf = spinNoHalf;
            StopTimers();
            m_dragStartY = screen.y;
            m_dragStartInt = m_values.intValue;
            m_dragStartFloat = m_values.floatValue;
            RedrawWindow();
        }
    } else if (m_pressed && m_dragging) {
        const int d = m_dragStartY - screen.y;
        if (m_pow2 || !m_stepOne) {
            // One step per move above or below the start; the start stays.
            if (d >= 1)
                SetPos(NextSpinValue(m_values.intValue, true, m_pow2, m_stepOne));
            else if (d < 0)
                SetPos(NextSpinValue(m_values.intValue, false, m_pow2, m_stepOne));
        } else {
            SetPos(m_dragStartInt + d);
        }
        SetPosF(static_cast<float>(d) * m_dragFactor * SpinFloatStep(m_decimals) + m_dragStartFloat);
        PostCommandToParent(*this);
        TellBuddy(TRUE);
    }
    ShowCursorShape();
    // A press whose capture was taken away ends here.
    if (m_pressed && GetCapture() != this)
        OnLButtonUp(flags, point);
    else
        CButton::OnMouseMove(flags, point);
}

void CQuelSpin::OnLButtonUp(UINT flags, CPoint point) {
    if (m_pressed && !m_dragging) {
        if (m_pressedHalf != spinNoHalf)
            Step(m_pressedHalf == spinUpperHalf);
        PostCommandToParent(*this);
        TellBuddy(FALSE);
    } else if (m_pressed && m_dragging) {
        TellBuddy(FALSE);
    }
    m_pressed = false;
    m_dragging = false;
    StopTimers();
    m_pressedHalf = spinNoHalf;
    RedrawWindow();
    ShowCursorShape();
    CButton::OnLButtonUp(flags, point);
}

BOOL CQuelSpin::OnSetCursor(CWnd*, UINT, UINT) {
    ShowCursorShape();
    return TRUE;
}

void CQuelSpin::OnEnable(BOOL enable) {
    m_enabled = enable != FALSE;
    CButton::OnEnable(enable);
    Invalidate();
}

BOOL CQuelSpin::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void CQuelSpin::DrawItem(LPDRAWITEMSTRUCT drawItem) {
    const CRect client = drawItem->rcItem;
    COffscreenPaint paint(*drawItem->pDC, client);
    CDC& dc = paint.DC();
    const int width = client.Width();
    const int h2 = client.Height() / 2;
    const CRect upper(0, 0, width, h2);
    const CRect lower(0, h2, width, client.Height());
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF grey = GetSysColor(COLOR_GRAYTEXT);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    if (m_pressedHalf == spinUpperHalf) {
        dc.Draw3dRect(upper, grey, light);
        dc.Draw3dRect(lower, light, grey);
    } else if (m_pressedHalf == spinLowerHalf) {
        dc.Draw3dRect(upper, light, shadow);
        dc.Draw3dRect(lower, shadow, light);
    } else {
        dc.Draw3dRect(upper, light, grey);
        dc.Draw3dRect(lower, light, grey);
    }
    const int t = h2 / 3;
    const int cx = width / 2;
    const int upShift = m_pressedHalf == spinUpperHalf ? 1 : 0;
    const int downShift = m_pressedHalf == spinLowerHalf ? 1 : 0;
    DrawArrow(dc, Arrow(CPoint(cx, t), CPoint(cx - t, 2 * t), CPoint(cx + t, 2 * t), upShift), m_enabled);
    DrawArrow(dc, Arrow(CPoint(cx, h2 + 2 * t), CPoint(cx - t, h2 + t), CPoint(cx + t, h2 + t), downShift),
              m_enabled);
}
