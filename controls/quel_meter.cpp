#include "controls/quel_meter.h"

#include "controls/control_notify.h"
#include "controls/control_paint.h"
#include "controls/my_edit.h"
#include "platform/ui/cursor.h"
#include "platform/ui/sys_color.h"

#include <cmath>

int CQuelMeter::SetPos(int value) {
    const int previous = m_values.SetInt(value);
    if (!m_floatMode)
        RedrawWindow();
    return previous;
}

float CQuelMeter::SetPosF(float value) {
    const float previous = m_values.SetFloat(value);
    if (m_floatMode)
        RedrawWindow();
    return previous;
}

void CQuelMeter::SetRange(int min, int max) {
    m_values.intMin = min;
    m_values.intMax = max;
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CQuelMeter::SetRangeF(float min, float max) {
    m_values.floatMin = min;
    m_values.floatMax = max;
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CQuelMeter::Track(int x) {
    CRect client;
    GetClientRect(&client);
    const MeterValue value = MeterValueAt(x, client.Width(), m_values.intMin, m_values.intMax,
                                          m_values.floatMin, m_values.floatMax);
    SetPos(value.intValue);
    SetPosF(value.floatValue);
    SendCommandToParent(*this);
    TellBuddy(TRUE);
}

void CQuelMeter::TellBuddy(BOOL inProgress) {
    if (!m_buddy)
        return;
    if (m_floatMode)
        m_buddy->SetFloatFromMeter(m_values.floatValue, inProgress);
    else
        m_buddy->SetIntFromMeter(m_values.intValue, inProgress);
}

void CQuelMeter::OnLButtonDown(UINT flags, CPoint point) {
    m_dragging = true;
    Track(point.x);
    CButton::OnLButtonDown(flags, point);
}

void CQuelMeter::OnMouseMove(UINT flags, CPoint point) {
    SetCursor(LoadStandardCursor(IDC_ARROW));
    if (m_dragging)
        Track(point.x);
    CButton::OnMouseMove(flags, point);
}

void CQuelMeter::OnLButtonUp(UINT flags, CPoint point) {
    m_dragging = false;
    TellBuddy(FALSE);
    CButton::OnLButtonUp(flags, point);
}

void CQuelMeter::OnEnable(BOOL enable) {
    m_enabled = enable != FALSE;
    CButton::OnEnable(enable);
    Invalidate();
}

BOOL CQuelMeter::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void CQuelMeter::DrawItem(LPDRAWITEMSTRUCT drawItem) {
    CRect client = drawItem->rcItem;
    COffscreenPaint paint(*drawItem->pDC, client);
    CDC& dc = paint.DC();
    const float fraction =
        m_floatMode ? MeterFraction(m_values.floatValue, m_values.floatMin, m_values.floatMax)
                    : MeterFraction(static_cast<float>(m_values.intValue),
                                    static_cast<float>(m_values.intMin), static_cast<float>(m_values.intMax));
    const int x = static_cast<int>(std::trunc(static_cast<float>(client.Width()) * fraction));
    const CRect filled(client.left + 2, client.top + 3, x, client.bottom - 3);
    const CRect rest(x, client.top + 3, client.right - 2, client.bottom - 3);
    if (!filled.IsRectEmpty())
        dc.FillRect(filled, GetSysColorBrush(m_enabled ? COLOR_HIGHLIGHT : COLOR_GRAYTEXT));
    if (!rest.IsRectEmpty())
        dc.FillRect(rest, GetSysColorBrush(COLOR_3DFACE));
    dc.DrawEdge(&client, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
}
