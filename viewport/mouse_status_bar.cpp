#include "viewport/mouse_status_bar.h"

#include "app/app_state.h"
#include "app/doc_helpers.h"
#include "app/mouse_mode.h"
#include "app/quel_doc.h"
#include "platform/ui/frame_wnd.h"
#include "platform/ui/menu.h"
#include "resources/resource_tables.h"

#include <algorithm>

namespace {

constexpr int kLeftId = 1063;
constexpr int kMiddleId = 1464;
constexpr int kRightId = 1462;
constexpr int kTextId = 1063;
constexpr std::array<int, 3> kSelectorIds = {kLeftId, kMiddleId, kRightId};
// The tools of the left, middle and right buttons in the pane menus.
constexpr std::array<int, 3> kSubmenus = {8, 9, 10};

} // namespace

void CMouseButtonSelector::SetMenu(int menuResourceId, int submenuIndex) {
    m_menuId = menuResourceId;
    m_submenu = submenuIndex;
}

void CMouseButtonSelector::OnLButtonUp(UINT flags, CPoint point) {
    CMenu menu;
    CMenu* tools = menu.LoadMenu(static_cast<UINT>(m_menuId)) ? menu.GetSubMenu(m_submenu) : nullptr;
    if (tools) {
        CRect field;
        GetClientRect(&field);
        ClientToScreen(&field);
        tools->TrackPopupMenu(TPM_RIGHTBUTTON, std::max(field.left, 0), field.top, AfxGetMainWnd());
    }
    CEdit::OnLButtonUp(flags, point);
}

CString CMouseAssignStrip::GetModeName(int mode) {
    const char* name = MouseModeName(mode, IsEnglish());
    return name ? CString(name) : CString();
}

void CMouseAssignStrip::SetLeftText(int mode) {
    m_leftText = " L : " + GetModeName(mode);
    UpdateData(FALSE);
}

void CMouseAssignStrip::SetRightText(int mode) {
    m_rightText = " R : " + GetModeName(mode);
    UpdateData(FALSE);
}

void CMouseAssignStrip::SetMiddleText(int mode) {
    m_middleText = " M : " + GetModeName(mode);
    UpdateData(FALSE);
}

void CMouseAssignStrip::DoDataExchange(CDataExchange* dx) {
    for (size_t i = 0; i < m_selectors.size(); ++i)
        DDX_Control(dx, kSelectorIds[i], m_selectors[i]);
    DDX_Text(dx, kLeftId, m_leftText);
    DDX_Text(dx, kRightId, m_rightText);
    DDX_Text(dx, kMiddleId, m_middleText);
}

BOOL CMouseAssignStrip::OnInitDialog() {
    CDialog::OnInitDialog();
    const int menu = static_cast<int>(IsEnglish() ? IDR_PANE_MENU_EN : IDR_PANE_MENU_JA);
    for (size_t i = 0; i < m_selectors.size(); ++i)
        m_selectors[i].SetMenu(menu, kSubmenus[i]);
    return TRUE;
}

void CMouseAssignStrip::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    if (!m_selectors[fieldLeft].GetSafeHwnd())
        return;
    const int w = (cx - 8) / 3;
    const int h = cy - 4;
    m_selectors[fieldLeft].MoveWindow(2, 2, w, h);
    m_selectors[fieldMiddle].MoveWindow(w + 4, 2, w, h);
    m_selectors[fieldRight].MoveWindow(2 * w + 6, 2, w, h);
}

void CStatusTextDlg::DoDataExchange(CDataExchange* dx) {
    DDX_Text(dx, kTextId, m_text);
}

void CStatusTextDlg::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    if (CWnd* edit = GetDlgItem(kTextId))
        edit->MoveWindow(2, 2, cx - 4, cy - 4);
}

LRESULT CStatusTextDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_DOC_NOTIFY)
        return CDialog::WindowProc(message, wParam, lParam);
    if (lParam == notifyShowStatusText) {
        m_text = GetAppState().m_statusText;
        UpdateData(FALSE);
        if (CWnd* edit = GetDlgItem(kTextId))
            edit->UpdateWindow();
    }
    return 0;
}

BOOL CMouseStatusBar::Create(CWnd* parent) {
    if (!CDialogBar::Create(parent, IDD, CBRS_BOTTOM, IDD))
        return FALSE;
    CRect client;
    GetClientRect(&client);
    if (!m_strip.Create(CMouseAssignStrip::IDD, this) || !m_text.Create(CStatusTextDlg::IDD, this))
        return FALSE;
    m_strip.MoveWindow(client);
    m_strip.ShowWindow(SW_SHOW);
    m_text.MoveWindow(client);
    m_text.ShowWindow(SW_HIDE);
    if (CQuelDoc* doc = GetDoc()) {
        doc->RegisterWindow(m_strip.GetSafeHwnd(), wndMouseAssignStrip);
        doc->RegisterWindow(m_text.GetSafeHwnd(), wndStatusText);
        m_strip.SetLeftText(doc->m_settings.m_mouseModeLeft);
        m_strip.SetRightText(doc->m_settings.m_mouseModeRight);
        m_strip.SetMiddleText(doc->m_settings.m_mouseModeMiddle);
    }
    return TRUE;
}

void CMouseStatusBar::OnSize(UINT type, int cx, int cy) {
    CDialogBar::OnSize(type, cx, cy);
    if (m_strip.GetSafeHwnd())
        m_strip.MoveWindow(0, 0, cx, cy);
    if (m_text.GetSafeHwnd())
        m_text.MoveWindow(0, 0, cx, cy);
}

LRESULT CMouseStatusBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_DOC_NOTIFY)
        return CDialogBar::WindowProc(message, wParam, lParam);
    if (lParam == notifyShowStatusText || lParam == notifyHideStatusText) {
        const bool text = lParam == notifyShowStatusText;
        m_strip.ShowWindow(text ? SW_HIDE : SW_SHOW);
        m_text.ShowWindow(text ? SW_SHOW : SW_HIDE);
    }
    return 0;
}
