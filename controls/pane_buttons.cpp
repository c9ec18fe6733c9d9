#include "controls/pane_buttons.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "controls/control_paint.h"
#include "platform/ui/sys_color.h"

void CTextButton::SetPaneIndex(int pane) {
    m_paneIndex = pane;
    if (GetNativeWindow())
        RedrawWindow();
}

BOOL CTextButton::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void CTextButton::DrawItem(LPDRAWITEMSTRUCT drawItem) {
    const CRect client = drawItem->rcItem;
    COffscreenPaint paint(*drawItem->pDC, client);
    CDC& dc = paint.DC();
    const CQuelDoc* doc = GetDoc();
    const bool active = doc && doc->m_activePane == m_paneIndex;
    CBrush fill(active ? RGB(240, 180, 210) : RGB(180, 220, 210));
    CBrush* oldBrush = dc.SelectObject(&fill);
    dc.RoundRect(client, CPoint(3, 3));
    dc.SelectObject(oldBrush);
    CFont font;
    CreateCaptionFont(font, 11);
    CFont* oldFont = dc.SelectObject(&font);
    dc.SetBkMode(TRANSPARENT);
    if (m_paneIndex >= 0 && m_paneIndex < 4) {
        const char letter[2] = {static_cast<char>('A' + m_paneIndex), '\0'};
        dc.TextOut(2, 1, letter);
    }
    dc.SelectObject(oldFont);
}

void CLineButton::OnLButtonDown(UINT flags, CPoint point) {
    m_penColor = RGB(0, 0, 255);
    RedrawWindow();
    CButton::OnLButtonDown(flags, point);
}

void CLineButton::OnLButtonUp(UINT flags, CPoint point) {
    m_penColor = RGB(0, 0, 0);
    RedrawWindow();
    CButton::OnLButtonUp(flags, point);
    ReturnFocusToMainWnd();
}

void CLineButton::DrawItem(LPDRAWITEMSTRUCT drawItem) {
    CDC& dc = *drawItem->pDC;
    const int w = drawItem->rcItem.Width();
    const int h = drawItem->rcItem.Height();
    constexpr int m = 2;
    CPen pen(PS_SOLID, 1, m_penColor);
    CPen* old = dc.SelectObject(&pen);
    if (m_figure == 0) {
        const CPoint bar[] = {{w / 3, m}, {w / 3, h - m}, {(w / 3) * 2, h - m}, {(w / 3) * 2, m}, {w / 3, m}};
        dc.Polyline(bar, 5);
    } else if (m_figure == 1) {
        const CPoint bar[] = {{m, h / 3}, {w - m, h / 3}, {w - m, (h / 3) * 2}, {m, (h / 3) * 2}, {m, h / 3}};
        dc.Polyline(bar, 5);
    } else {
        const CPoint front[] = {
            {m, h / 2}, {(w / 4) * 3, h / 2}, {(w / 4) * 3, h - m}, {m, h - m}, {m, h / 2}};
        dc.Polyline(front, 5);
        const CPoint back[] = {
            {w / 4, h / 2}, {w / 4, m}, {w - m, m}, {w - m, (h / 4) * 3}, {(w / 4) * 3, (h / 4) * 3}};
        dc.Polyline(back, 5);
    }
    dc.SelectObject(old);
}
