#include "controls/drop_button.h"

#include "app/doc_helpers.h"
#include "controls/control_paint.h"
#include "platform/ui/frame_wnd.h"
#include "platform/ui/menu.h"
#include "platform/ui/sys_color.h"

CWnd* CDropButton::Receiver() const {
    return m_target ? m_target : AfxGetMainWnd();
}

void CDropButton::OnLButtonDown(UINT flags, CPoint point) {
    m_held = true;
    m_pressedLook = true;
    RedrawWindow();
    CButton::OnLButtonDown(flags, point);
}

void CDropButton::OpenPopup() {
    CMenu menu;
    const bool english = IsEnglish() != 0;
    if (!menu.LoadMenu(english ? m_englishMenu : m_japaneseMenu))
        return;
    CMenu* popup = menu.GetSubMenu(english ? m_englishSubMenu : m_japaneseSubMenu);
    CWnd* owner = Receiver();
    if (!popup || !owner)
        return;
    CRect r;
    GetClientRect(&r);
    ClientToScreen(&r);
    if (m_menuOnRight)
        popup->TrackPopupMenu(TPM_RIGHTBUTTON | TPM_LEFTALIGN, r.right, r.top + 5, owner);
    else
        popup->TrackPopupMenu(TPM_RIGHTBUTTON | TPM_RIGHTALIGN, r.left, r.top + 5, owner);
}

void CDropButton::OnLButtonUp(UINT flags, CPoint point) {
    m_held = false;
    RedrawWindow();
    if (m_active && m_popupMode) {
        // The popup takes the pointer itself.
        ReleaseCapture();
        OpenPopup();
    }
    m_pressedLook = false;
    RedrawWindow();
    if (m_active && !m_popupMode)
        if (CWnd* receiver = Receiver())
            receiver->SendMessage(WM_COMMAND, MAKEWPARAM(m_command, 0), 0);
    CButton::OnLButtonUp(flags, point);
}

BOOL CDropButton::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void CDropButton::DrawItem(LPDRAWITEMSTRUCT drawItem) {
    const CRect client = drawItem->rcItem;
    COffscreenPaint paint(*drawItem->pDC, client);
    CDC& dc = paint.DC();
    const int width = client.Width();
    const int w = width - 8;
    const int h = client.Height() - 8;
    const int t = h / 3;
    const int s = t / 2;
    const int d = m_held ? 1 : 0;
    const bool lit = m_checked || m_pressedLook;
    dc.FillSolidRect(client, GetSysColor(lit ? COLOR_ACTIVECAPTION : COLOR_BTNHIGHLIGHT));
    dc.FillSolidRect(4 + 3, 4 + 3, w, h, RGB(0, 0, 0));
    dc.FillSolidRect(4 + d, 4 + d, w, h, GetSysColor(lit ? COLOR_BTNHIGHLIGHT : COLOR_3DFACE));
    dc.Draw3dRect(4 + d, 4 + d, w, h, RGB(255, 255, 255), GetSysColor(COLOR_BTNSHADOW));

    CFont font;
    CreateCaptionFont(font, 12);
    CFont* oldFont = dc.SelectObject(&font);
    dc.SetBkMode(TRANSPARENT);
    CRect text = m_menuOnRight ? CRect(4 + d + 5, 4 + d, 4 + w - 8 - s + d, 4 + h + d)
                               : CRect(4 + d + 5 + s + 3, 4 + d, 4 + w + d - 5, 4 + h + d);
    CString caption;
    GetWindowText(caption);
    constexpr UINT kFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    if (IsWindowEnabled()) {
        dc.SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
        dc.DrawText(caption, &text, kFormat);
    } else {
        CRect engraved = text;
        engraved.OffsetRect(1, 1);
        dc.SetTextColor(GetSysColor(COLOR_BTNHIGHLIGHT));
        dc.DrawText(caption, &engraved, kFormat);
        dc.SetTextColor(GetSysColor(COLOR_BTNSHADOW));
        dc.DrawText(caption, &text, kFormat);
    }
    dc.SelectObject(oldFont);

    if (!m_popupMode)
        return;
    CBrush black(RGB(0, 0, 0));
    CBrush* oldBrush = dc.SelectObject(&black);
    const int y = 4 + t + d;
    if (m_menuOnRight) {
        const int x = width - 4 - s + d - 3;
        const CPoint arrow[] = {{x, y}, {x, y + t}, {x + s, y + t / 2}};
        dc.Polygon(arrow, 3);
    } else {
        const int x = 4 + s + d + 3;
        const CPoint arrow[] = {{x, y}, {x, y + t}, {x - s, y + t / 2}};
        dc.Polygon(arrow, 3);
    }
    dc.SelectObject(oldBrush);
}
