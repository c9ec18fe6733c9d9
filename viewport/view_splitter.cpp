#include "viewport/view_splitter.h"

#include "app/quel_doc.h"
#include "platform/ui/cursor.h"
#include "platform/ui/dc.h"
#include "platform/ui/sys_color.h"

#include <algorithm>

CViewSplitter::~CViewSplitter() {
    for (CViewportPane& pane : m_panes)
        pane.DestroyWindow();
    DestroyWindow();
}

CSize CViewSplitter::ClientSize() const {
    CRect client;
    GetClientRect(&client);
    return CSize(client.Width(), client.Height());
}

std::array<int, kPaneCount> CViewSplitter::Modes() const {
    std::array<int, kPaneCount> modes{};
    for (size_t i = 0; i < modes.size(); ++i)
        modes[i] = m_panes[i].m_layoutMode;
    return modes;
}

int CViewSplitter::OnCreate(LPCREATESTRUCT cs) {
    if (CWnd::OnCreate(cs) == -1)
        return -1;
    CRect client;
    GetClientRect(&client);
    for (int i = 0; i < kPaneCount; ++i) {
        CViewportPane& pane = GetPane(i);
        pane.Create("", WS_CHILD | WS_VISIBLE | WS_TABSTOP, client, this, static_cast<UINT>(i));
        pane.SetPaneIndex(i, m_document);
        if (m_document)
            m_document->RegisterWindow(pane.GetSafeHwnd(), wndViewportPane0 + i);
    }
    return 0;
}

void CViewSplitter::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    RecalcLayout();
}

void CViewSplitter::RecalcLayout() {
    if (!m_panes[0].GetNativeWindow())
        return;
    const std::array<CRect, kPaneCount> rects = PaneRects(ClientSize(), m_ratioX, m_ratioY, Modes());
    for (size_t i = 0; i < rects.size(); ++i)
        if (m_panes[i].GetNativeWindow())
            m_panes[i].MoveWindow(rects[i].left, rects[i].top, std::max(0, rects[i].Width()),
                                  std::max(0, rects[i].Height()));
}

void CViewSplitter::OnLButtonDown(UINT, CPoint point) {
    m_dragging = 1;
    SetCapture();
    const DividerDrag drag = HitDivider(ClientSize(), m_ratioX, m_ratioY, Modes(), point);
    if (drag != dragNothing)
        m_dragKind = drag;
}

void CViewSplitter::OnMouseMove(UINT flags, CPoint point) {
    if (m_dragging) {
        const CSize client = ClientSize();
        const float rx = DragRatio(point.x, client.cx);
        const float ry = DragRatio(point.y, client.cy);
        SetCursor(LoadStandardCursor(m_dragKind == dragCross               ? IDC_SIZEALL
                                     : m_dragKind == dragHorizontalDivider ? IDC_SIZENS
                                                                           : IDC_SIZEWE));
        if (m_dragKind != dragHorizontalDivider)
            m_ratioX = rx;
        if (m_dragKind != dragVerticalDivider)
            m_ratioY = ry;
        RecalcLayout();
        for (CViewportPane& pane : m_panes)
            pane.ShowWindow(SW_HIDE);
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
    CWnd::OnMouseMove(flags, point);
}

void CViewSplitter::OnLButtonUp(UINT flags, CPoint point) {
    m_dragging = 0;
    ReleaseCapture();
    for (CViewportPane& pane : m_panes)
        if (pane.m_visible && pane.GetNativeWindow())
            pane.ShowWindow(SW_SHOWNORMAL);
    CWnd::OnLButtonUp(flags, point);
}

void CViewSplitter::ResetRatios() {
    m_ratioX = 0.5f;
    m_ratioY = 0.5f;
    RecalcLayout();
}

void CViewSplitter::OnLButtonDblClk(UINT flags, CPoint point) {
    ResetRatios();
    CWnd::OnLButtonDblClk(flags, point);
}

void CViewSplitter::OnRButtonDown(UINT flags, CPoint point) {
    if (m_dragging)
        return;
    ResetRatios();
    CWnd::OnRButtonDown(flags, point);
}

BOOL CViewSplitter::OnSetCursor(CWnd*, UINT, UINT) {
    CPoint point;
    GetCursorPos(&point);
    ScreenToClient(&point);
    SetCursor(LoadStandardCursor(IDC_ARROW));
    switch (HitDivider(ClientSize(), m_ratioX, m_ratioY, Modes(), point)) {
    case dragCross:
        SetCursor(LoadStandardCursor(IDC_SIZEALL));
        break;
    case dragHorizontalDivider:
        SetCursor(LoadStandardCursor(IDC_SIZENS));
        break;
    case dragVerticalDivider:
        SetCursor(LoadStandardCursor(IDC_SIZEWE));
        break;
    default:
        break;
    }
    return TRUE;
}

BOOL CViewSplitter::OnEraseBkgnd(CDC* dc) {
    if (!dc)
        return TRUE;
    const CSize client = ClientSize();
    if (m_dragging)
        dc->FillSolidRect(CRect(0, 0, client.cx, client.cy), GetSysColor(COLOR_BTNFACE));
    for (const CRect& part : DividerParts(client, m_ratioX, m_ratioY, Modes()))
        dc->FillSolidRect(part, GetSysColor(COLOR_BTNTEXT));
    return TRUE;
}

void CViewSplitter::OnPaint() {
    CPaintDC dc(this);
}
