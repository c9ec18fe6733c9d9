#include "controls/tab_strip.h"

#include "controls/control_paint.h"
#include "platform/ui/sys_color.h"

std::vector<TabPlace> LayoutTabs(const std::vector<int>& captionWidths, int margin) {
    std::vector<TabPlace> places;
    int x = margin;
    for (const int width : captionWidths) {
        places.push_back({x, width + 20});
        x += width + 20 + 10;
    }
    return places;
}

int TabAt(const std::vector<TabPlace>& tabs, int x) {
    for (size_t i = 0; i < tabs.size(); ++i)
        if (tabs[i].x <= x && x < tabs[i].x + tabs[i].width)
            return static_cast<int>(i);
    return -1;
}

void CTabStrip::AddItem(const CString& text) {
    m_texts.push_back(text);
    CClientDC dc(this);
    CFont font;
    CreateCaptionFont(font, 12);
    CFont* old = dc.SelectObject(&font);
    std::vector<int> widths;
    for (const CString& t : m_texts)
        widths.push_back(dc.GetTextExtent(t).cx);
    dc.SelectObject(old);
    m_places = LayoutTabs(widths, m_margin);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CTabStrip::OnLButtonDown(UINT flags, CPoint point) {
    const int hit = TabAt(m_places, point.x);
    if (hit >= 0) {
        CRect client;
        GetClientRect(&client);
        const TabPlace& tab = m_places[static_cast<size_t>(hit)];
        m_pressedRect = CRect(tab.x, client.top, tab.x + tab.width, client.bottom);
        m_pressedIndex = hit;
    }
    CButton::OnLButtonDown(flags, point);
}

void CTabStrip::OnLButtonUp(UINT flags, CPoint point) {
    const bool changes = GetCapture() == this && m_pressedIndex >= 0 && m_pressedRect.PtInRect(point) &&
                         m_pressedIndex != m_current;
    if (!changes) {
        CancelPress();
        return;
    }
    m_current = m_pressedIndex;
    RedrawWindow();
    CButton::OnLButtonUp(flags, point);
}

BOOL CTabStrip::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void CTabStrip::DrawTab(CDC& dc, const CRect& r, int index, COLORREF fill) {
    const TabPlace& tab = m_places[static_cast<size_t>(index)];
    const int x = tab.x;
    const int w = tab.width;
    const CPoint outline[] = {{x - 10, r.bottom},
                              {x - 5, r.bottom - 3},
                              {x, r.top + 3},
                              {x + 5, r.top},
                              {x + w - 5, r.top},
                              {x + w, r.top + 3},
                              {x + w + 5, r.bottom - 3},
                              {x + w + 10, r.bottom}};
    CBrush brush(fill);
    CBrush* old = dc.SelectObject(&brush);
    dc.Polygon(outline, 8);
    dc.SelectObject(old);
    dc.SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
    dc.TextOut(x + 10, r.top + 3, m_texts[static_cast<size_t>(index)]);
}

void CTabStrip::DrawItem(LPDRAWITEMSTRUCT drawItem) {
    const CRect client = drawItem->rcItem;
    COffscreenPaint paint(*drawItem->pDC, client);
    CDC& dc = paint.DC();
    const CRect r(client.left + 2, client.top + 2, client.right - 2, client.bottom - 2);
    CFont font;
    CreateCaptionFont(font, 12);
    CFont* oldFont = dc.SelectObject(&font);
    dc.SetBkMode(TRANSPARENT);
    dc.MoveTo(r.left, r.bottom);
    dc.LineTo(r.right, r.bottom);

    const int count = static_cast<int>(m_places.size());
    const COLORREF grey = GetSysColor(COLOR_GRAYTEXT);
    const COLORREF face = GetSysColor(COLOR_3DFACE);
    // The other tabs in the average of the grey-text and face colours.
    const COLORREF other =
        RGB((GetRValue(grey) + GetRValue(face)) / 2, (GetGValue(grey) + GetGValue(face)) / 2,
            (GetBValue(grey) + GetBValue(face)) / 2);
    // Tabs nearer the current one overlap those further away.
    for (int i = count - 1; i > m_current; --i)
        DrawTab(dc, r, i, other);
    for (int i = 0; i < m_current && i < count; ++i)
        DrawTab(dc, r, i, other);
    // A strip without tabs has no current tab to draw.
    if (m_current < count) {
        DrawTab(dc, r, m_current, face);
        const TabPlace& tab = m_places[static_cast<size_t>(m_current)];
        CPen open(PS_SOLID, 1, face);
        CPen* oldPen = dc.SelectObject(&open);
        dc.MoveTo(tab.x - 8, r.bottom);
        dc.LineTo(tab.x + tab.width + 9, r.bottom);
        dc.SelectObject(oldPen);
    }
    dc.SelectObject(oldFont);
}
