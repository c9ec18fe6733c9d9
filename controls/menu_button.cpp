#include "controls/menu_button.h"

#include "app/doc_helpers.h"
#include "controls/control_paint.h"
#include "platform/ui/frame_wnd.h"
#include "platform/ui/menu.h"
#include "platform/ui/shell_services.h"
#include "platform/ui/sys_color.h"

void CMenuButton::SetHot(BOOL hot) {
    if (m_hot == hot)
        return;
    m_hot = hot;
    RedrawWindow();
}

void CMenuButton::OnMouseMove(UINT flags, CPoint point) {
    CWnd* holder = GetCapture();
    if (holder && holder != this) {
        CButton::OnMouseMove(flags, point);
        return;
    }
    CRect client;
    GetClientRect(&client);
    if (client.PtInRect(point)) {
        if (!m_hot && GetActiveWindow())
            SetHot(TRUE);
        // Held so that leaving the button is seen.
        SetCapture();
    } else {
        SetHot(FALSE);
        ReleaseCapture();
    }
}

void CMenuButton::OnLButtonDown(UINT flags, CPoint point) {
    SetCapture();
    CButton::OnLButtonDown(flags, point);
}

void CMenuButton::OnLButtonUp(UINT flags, CPoint point) {
    // The popup takes the pointer itself.
    ReleaseCapture();
    CMenu menu;
    CMenu* popup = menu.LoadMenu(m_menuId) ? menu.GetSubMenu(m_subMenu) : nullptr;
    if (popup) {
        SetActivePane(m_paneIndex);
        CRect r;
        GetWindowRect(&r);
        CWnd* owner = AfxGetMainWnd();
        popup->TrackPopupMenu(TPM_RIGHTBUTTON | TPM_LEFTALIGN, r.left, r.bottom, owner ? owner : GetParent());
    }
    SetHot(FALSE);
    CButton::OnLButtonUp(flags, point);
    ReturnFocusToMainWnd();
}

BOOL CMenuButton::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void CMenuButton::DrawItem(LPDRAWITEMSTRUCT drawItem) {
    CDC& dc = *drawItem->pDC;
    const CRect client = drawItem->rcItem;
    dc.FillRect(client, GetSysColorBrush(COLOR_3DFACE));
    CFont font;
    CreateCaptionFont(font, 12);
    CFont* oldFont = dc.SelectObject(&font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(m_hot ? RGB(0, 0, 255) : RGB(0, 0, 0));
    CString caption;
    GetWindowText(caption);
    dc.TextOut(0, 0, caption);
    const int x = dc.GetTextExtent(caption).cx + 1;
    dc.SelectObject(oldFont);
    // The corner mark that says a menu opens here.
    const int b = client.bottom;
    CBrush black(RGB(0, 0, 0));
    CBrush* oldBrush = dc.SelectObject(&black);
    const CPoint mark[] = {{x, b - 2}, {x + 4, b - 2}, {x + 4, b - 6}};
    dc.Polygon(mark, 3);
    dc.SelectObject(oldBrush);
}
