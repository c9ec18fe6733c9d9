#include "viewport/pane_header.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "platform/ui/dc.h"
#include "platform/ui/frame_wnd.h"
#include "platform/ui/menu.h"
#include "platform/ui/sys_color.h"
#include "resources/resource_tables.h"
#include "viewport/view_splitter.h"

#include <algorithm>

namespace {

constexpr UINT kLetterId = 1012;
constexpr UINT kViewMenuId = 1468;
constexpr UINT kShowMenuId = 1476;
constexpr UINT kLightMenuId = 1479;
constexpr UINT kFullColumnId = 1002;
constexpr UINT kFullRowId = 1004;
constexpr UINT kMaximizeId = 1008;

// The submenus of the pane popup menus that the three menu buttons open.
constexpr int kViewSubmenu = 1;
constexpr int kShowSubmenu = 2;
constexpr int kLightSubmenu = 3;

void SelectCaptionFont(CDC& dc, CFont& font, int height) {
    font.CreateFont(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, OUT_CHARACTER_PRECIS,
                    CLIP_CHARACTER_PRECIS, DRAFT_QUALITY, DEFAULT_PITCH, "MS UI Gothic");
    dc.SelectObject(&font);
}

} // namespace

void CPaneLetterButton::DrawItem(LPDRAWITEMSTRUCT drawItem) {
    CDC& dc = *drawItem->pDC;
    const CQuelDoc* doc = GetDoc();
    const bool active = doc && doc->m_activePane == m_paneIndex;
    CRect r = drawItem->rcItem;
    dc.FillSolidRect(r, GetSysColor(active ? COLOR_HIGHLIGHT : COLOR_3DFACE));
    dc.Draw3dRect(r, GetSysColor(COLOR_3DSHADOW), GetSysColor(COLOR_3DHILIGHT));
    CFont font;
    SelectCaptionFont(dc, font, 11);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetSysColor(active ? COLOR_BTNHIGHLIGHT : COLOR_BTNTEXT));
    const char letter[2] = {static_cast<char>('A' + m_paneIndex), '\0'};
    dc.DrawText(letter, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void CPaneMenuButton::DrawItem(LPDRAWITEMSTRUCT drawItem) {
    CDC& dc = *drawItem->pDC;
    CRect r = drawItem->rcItem;
    dc.FillSolidRect(r, GetSysColor(COLOR_3DFACE));
    if (drawItem->itemState & ODS_SELECTED)
        dc.Draw3dRect(r, GetSysColor(COLOR_3DSHADOW), GetSysColor(COLOR_3DHILIGHT));
    CFont font;
    SelectCaptionFont(dc, font, 12);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetSysColor(COLOR_BTNTEXT));
    CString caption;
    GetWindowText(caption);
    dc.DrawText(caption, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void CPaneLayoutButton::DrawItem(LPDRAWITEMSTRUCT drawItem) {
    CDC& dc = *drawItem->pDC;
    const CRect r = drawItem->rcItem;
    dc.FillSolidRect(r, GetSysColor(COLOR_3DFACE));
    if (drawItem->itemState & ODS_SELECTED)
        dc.Draw3dRect(r, GetSysColor(COLOR_3DSHADOW), GetSysColor(COLOR_3DHILIGHT));
    // Four panes in a square; the part the pane would cover is filled.
    const int side = std::max(4, std::min(r.Width(), r.Height()) - 6);
    const CRect box(r.left + (r.Width() - side) / 2, r.top + (r.Height() - side) / 2,
                    r.left + (r.Width() - side) / 2 + side, r.top + (r.Height() - side) / 2 + side);
    const int half = side / 2;
    CRect filled(box.left, box.top, box.left + half, box.top + half);
    if (m_shape == 0)
        filled.bottom = box.bottom;
    else if (m_shape == 1)
        filled.right = box.right;
    else
        filled = box;
    const COLORREF ink = GetSysColor(COLOR_BTNTEXT);
    dc.FillSolidRect(filled, ink);
    dc.Draw3dRect(box, ink, ink);
    dc.FillSolidRect(box.left + half, box.top, 1, side, ink);
    dc.FillSolidRect(box.left, box.top + half, side, 1, ink);
}

void CPaneHeaderDialog::SetPaneIndex(int index) {
    m_paneIndex = index;
    m_letter.m_paneIndex = index;
}

void CPaneHeaderDialog::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, kLetterId, m_letter);
    DDX_Control(dx, kViewMenuId, m_menuButtons[0]);
    DDX_Control(dx, kShowMenuId, m_menuButtons[1]);
    DDX_Control(dx, kLightMenuId, m_menuButtons[2]);
    DDX_Control(dx, kFullColumnId, m_layoutButtons[0]);
    DDX_Control(dx, kFullRowId, m_layoutButtons[1]);
    DDX_Control(dx, kMaximizeId, m_layoutButtons[2]);
}

BOOL CPaneHeaderDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    for (int i = 0; i < 3; ++i)
        m_layoutButtons[static_cast<size_t>(i)].m_shape = i;
    if (IsEnglish()) {
        m_menuButtons[0].SetWindowText("View");
        m_menuButtons[1].SetWindowText("Show");
        m_menuButtons[2].SetWindowText("Light");
    }
    return TRUE;
}

void CPaneHeaderDialog::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    if (!m_letter.GetNativeWindow())
        return;
    const int h = cy;
    m_letter.MoveWindow(1, 1, std::max(0, h - 2), std::max(0, h - 2));
    const int x0 = h + 5;
    const int step = (cx - x0 - 3 * h - 5) / 3;
    for (int i = 0; i < 3; ++i)
        m_menuButtons[static_cast<size_t>(i)].MoveWindow(x0 + i * step, 0, std::max(0, step - 5), h);
    for (int i = 0; i < 3; ++i)
        m_layoutButtons[static_cast<size_t>(i)].MoveWindow(cx - (3 - i) * h, 0, h, h);
}

void CPaneHeaderDialog::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(client, GetSysColor(COLOR_BTNFACE));
}

void CPaneHeaderDialog::RedrawPaneLetter() {
    if (m_letter.GetNativeWindow())
        m_letter.RedrawWindow();
}

const CommandMap& CPaneHeaderDialog::GetCommandMap() const {
    static const CommandMap map = CommandMapFor<CPaneHeaderDialog>(CDialog::GetCommandMap())
                                      .OnBnClicked(kFullColumnId, &CPaneHeaderDialog::OnFullColumn)
                                      .OnBnClicked(kFullRowId, &CPaneHeaderDialog::OnFullRow)
                                      .OnBnClicked(kMaximizeId, &CPaneHeaderDialog::OnMaximize)
                                      .OnBnClicked(kViewMenuId, &CPaneHeaderDialog::OnViewMenu)
                                      .OnBnClicked(kShowMenuId, &CPaneHeaderDialog::OnShowMenu)
                                      .OnBnClicked(kLightMenuId, &CPaneHeaderDialog::OnLightMenu);
    return map;
}

void CPaneHeaderDialog::OnViewMenu() {
    OpenMenu(m_menuButtons[0], kViewSubmenu);
}

void CPaneHeaderDialog::OnShowMenu() {
    OpenMenu(m_menuButtons[1], kShowSubmenu);
}

void CPaneHeaderDialog::OnLightMenu() {
    OpenMenu(m_menuButtons[2], kLightSubmenu);
}

void CPaneHeaderDialog::OpenMenu(CButton& button, int index) {
    SetActivePane(m_paneIndex);
    CMenu menu;
    if (!menu.LoadMenu(IsEnglish() ? IDR_PANE_MENU_EN : IDR_PANE_MENU_JA))
        return;
    CMenu* popup = menu.GetSubMenu(index);
    if (!popup)
        return;
    CRect r;
    button.GetWindowRect(&r);
    CWnd* owner = AfxGetMainWnd();
    popup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, r.left, r.bottom, owner ? owner : this);
}

void CPaneHeaderDialog::SetPaneVisible(int pane, bool show) {
    auto* window = dynamic_cast<CViewportPane*>(FindRegisteredTarget(wndViewportPane0 + pane));
    if (!window)
        return;
    if (window->GetNativeWindow())
        window->ShowWindow(show ? SW_SHOW : SW_HIDE);
    window->m_visible = show ? 1 : 0;
}

void CPaneHeaderDialog::ChangeLayout(void (*command)(CPaneLayout&, int)) {
    std::array<CViewportPane*, kPaneCount> panes{};
    CPaneLayout layout;
    for (int p = 0; p < kPaneCount; ++p) {
        panes[static_cast<size_t>(p)] =
            dynamic_cast<CViewportPane*>(FindRegisteredTarget(wndViewportPane0 + p));
        if (!panes[static_cast<size_t>(p)])
            return;
        layout.modes[static_cast<size_t>(p)] = panes[static_cast<size_t>(p)]->m_layoutMode;
        layout.visible[static_cast<size_t>(p)] = panes[static_cast<size_t>(p)]->m_visible;
    }
    command(layout, m_paneIndex);
    for (int p = 0; p < kPaneCount; ++p) {
        panes[static_cast<size_t>(p)]->m_layoutMode = layout.modes[static_cast<size_t>(p)];
        SetPaneVisible(p, layout.visible[static_cast<size_t>(p)] != 0);
    }
    if (auto* splitter = dynamic_cast<CViewSplitter*>(FindRegisteredTarget(wndSplitter)))
        splitter->RecalcLayout();
}

void CPaneHeaderDialog::OnFullColumn() {
    ChangeLayout(ToggleFullColumn);
}

void CPaneHeaderDialog::OnFullRow() {
    ChangeLayout(ToggleFullRow);
}

void CPaneHeaderDialog::OnMaximize() {
    ChangeLayout(ToggleWholeArea);
}
