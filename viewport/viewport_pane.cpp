#include "viewport/viewport_pane.h"

#include "app/quel_doc.h"
#include "platform/ui/dc.h"

#include <algorithm>

namespace {

constexpr DWORD kChildStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP;

} // namespace

BOOL CPaneFrame::PreCreateWindow(CREATESTRUCT& cs) {
    cs.style |= WS_CLIPCHILDREN;
    return CWnd::PreCreateWindow(cs);
}

void CPaneFrame::SetPaneIndex(int index, CQuelDoc* doc) {
    m_glPane.SetPaneIndex(index);
    m_header.SetPaneIndex(index);
    CRect client;
    GetClientRect(&client);
    m_glPane.Create("", kChildStyle, client, this, static_cast<UINT>(10 + index));
    m_header.Create(CPaneHeaderDialog::IDD, this);
    m_glPane.ShowWindow(SW_SHOW);
    m_header.ShowWindow(SW_SHOW);
    if (doc) {
        doc->RegisterWindow(GetSafeHwnd(), wndPaneFrame0 + index);
        doc->RegisterWindow(m_glPane.GetSafeHwnd(), wndGLPane0 + index);
        doc->RegisterWindow(m_header.GetSafeHwnd(), wndPaneHeader0 + index);
    }
    if (m_header.GetNativeWindow())
        m_header.MoveWindow(0, 0, client.Width(), m_headerHeight);
    RecalcLayout();
}

void CPaneFrame::RecalcLayout() {
    if (!m_glPane.GetNativeWindow())
        return;
    CRect client;
    GetClientRect(&client);
    m_glPane.MoveWindow(0, m_headerHeight, client.Width(), std::max(0, client.Height() - m_headerHeight));
}

void CPaneFrame::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    if (m_header.GetNativeWindow())
        m_header.MoveWindow(0, 0, cx, m_headerHeight);
    RecalcLayout();
}

BOOL CPaneFrame::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void CPaneFrame::OnPaint() {
    CPaintDC dc(this);
}

CViewportPane::~CViewportPane() {
    DestroyWindow();
}

void CViewportPane::SetPaneIndex(int index, CQuelDoc* doc) {
    m_frame.SetPaneIndex(index, doc);
}

int CViewportPane::OnCreate(LPCREATESTRUCT cs) {
    if (CWnd::OnCreate(cs) == -1)
        return -1;
    CRect client;
    GetClientRect(&client);
    m_frame.Create("", kChildStyle, client, this, 1);
    return 0;
}

void CViewportPane::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    if (m_frame.GetNativeWindow())
        m_frame.MoveWindow(0, 0, cx, cy);
}

BOOL CViewportPane::OnEraseBkgnd(CDC*) {
    return TRUE;
}
