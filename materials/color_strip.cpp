#include "materials/color_strip.h"

#include "platform/ui/dc.h"

// --- strip ---------------------------------------------------------------------------------

BOOL CColorStrip::PreCreateWindow(CREATESTRUCT& cs) {
    cs.classStyle = CS_HREDRAW | CS_VREDRAW;
    return TRUE;
}

// The ramp covers the whole strip, so nothing is erased under it.
BOOL CColorStrip::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void CColorStrip::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    const std::vector<COLORREF> columns = m_ramp.Columns(client.Width());
    for (size_t x = 0; x < columns.size(); ++x)
        dc.FillSolidRect(client.left + static_cast<int>(x), client.top, 1, client.Height(), columns[x]);
}

// --- marker --------------------------------------------------------------------------------

BOOL CColorStopMarker::PreCreateWindow(CREATESTRUCT& cs) {
    cs.classStyle = CS_HREDRAW | CS_VREDRAW;
    return TRUE;
}

void CColorStopMarker::SetColor(COLORREF color) {
    m_color = color;
    if (GetSafeHwnd())
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

BOOL CColorStopMarker::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void CColorStopMarker::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    CBrush fill(m_color);
    CBrush* previous = dc.SelectObject(&fill);
    dc.Rectangle(client);
    dc.SelectObject(previous);
}

void CColorStopMarker::OnLButtonDown(UINT flags, CPoint point) {
    if (CWnd* parent = GetParent())
        parent->SendMessage(WM_HSCROLL, static_cast<WPARAM>(m_index), 0);
    CWnd::OnLButtonDown(flags, point);
}
