#include "controls/quel_scroll.h"

#include "controls/scroll_rules.h"
#include "platform/ui/cursor.h"
#include "platform/ui/dc.h"
#include "platform/ui/sys_color.h"
#include "resources/resource_tables.h"

CQuelScroll::~CQuelScroll() {
    m_enterAbsorber.DestroyWindow();
    DestroyWindow();
}

BOOL CQuelScroll::PreCreateWindow(CREATESTRUCT& cs) {
    // A quick second grab of the background is another drag, not a double click.
    cs.classStyle &= ~CS_DBLCLKS;
    return CDialog::PreCreateWindow(cs);
}

BOOL CQuelScroll::OnInitDialog() {
    CDialog::OnInitDialog();
    m_contentHeight = ClientHeight();
    m_enterAbsorber.Create(kEnterAbsorberCaption, WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON,
                           CRect(0, 0, 10, 10), this, IDOK);
    m_enterAbsorber.ShowWindow(SW_HIDE);
    m_enterAbsorber.EnableWindow(FALSE);
    return TRUE;
}

int CQuelScroll::ClientHeight() const {
    CRect client;
    GetClientRect(&client);
    return client.Height();
}

int CQuelScroll::UpdateScrollLimit() {
    const int client = ClientHeight();
    m_lowestOffset = client - m_contentHeight;
    return client;
}

void CQuelScroll::NotifyParent() {
    if (CWnd* parent = GetParent())
        parent->SendMessage(WM_VSCROLL, SB_PAGEUP, 0);
}

void CQuelScroll::ScrollContent(int step) {
    ScrollWindowEx(0, step, nullptr, nullptr, nullptr, nullptr, SW_SCROLLCHILDREN | SW_INVALIDATE);
}

void CQuelScroll::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillRect(client, GetSysColorBrush(COLOR_3DFACE));
}

void CQuelScroll::OnLButtonDown(UINT flags, CPoint point) {
    SetCursor(LoadCursor(IDC_PANEL_DRAG));
    m_dragging = true;
    SetCapture();
    m_lastDragY = point.y;
    m_lowestOffset = ClientHeight() - m_contentHeight;
    CDialog::OnLButtonDown(flags, point);
}

void CQuelScroll::OnMouseMove(UINT flags, CPoint point) {
    if (!m_dragging) {
        CDialog::OnMouseMove(flags, point);
        return;
    }
    const int client = ClientHeight();
    CPoint cursor;
    GetCursorPos(&cursor);
    SetCursor(LoadCursor(IDC_PANEL_DRAG));
    const ScrollDragStep drag =
        ClampScrollDrag(m_offset, point.y - m_lastDragY, m_lowestOffset, m_contentHeight, client);
    if (drag.ignored) {
        m_lastDragY = point.y;
        return;
    }
    if (drag.step != 0)
        ScrollContent(drag.step);
    const int wrapped = WrapCursorY(cursor.y, GetSystemMetrics(SM_CYSCREEN));
    if (wrapped != cursor.y) {
        cursor.y = wrapped;
        SetCursorPos(cursor.x, cursor.y);
    }
    ScreenToClient(&cursor);
    m_offset += drag.step;
    // From where the cursor now is, so that a wrap makes no jump.
    m_lastDragY = cursor.y;
    NotifyParent();
    CDialog::OnMouseMove(flags, point);
}

void CQuelScroll::OnLButtonUp(UINT flags, CPoint point) {
    m_dragging = false;
    ReleaseCapture();
    CDialog::OnLButtonUp(flags, point);
}

BOOL CQuelScroll::OnSetCursor(CWnd* window, UINT hitTest, UINT message) {
    // A child control keeps its own cursor.
    if (window != this)
        return FALSE;
    CDialog::OnSetCursor(window, hitTest, message);
    SetCursor(LoadCursor(IDC_PANEL_HAND));
    return TRUE;
}

void CQuelScroll::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    ClampAfterResize();
}

void CQuelScroll::ClampAfterResize() {
    const int client = ClientHeight();
    const ScrollResizeStep adjust = ResizeScrollStep(client, m_contentHeight, m_offset, m_lastClientHeight);
    if (adjust.scroll) {
        ScrollContent(adjust.step);
        m_offset += adjust.step;
        NotifyParent();
    }
    m_lastClientHeight = client;
}
