#include "viewport/pane_header.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "platform/ui/dc.h"
#include "platform/ui/sys_color.h"
#include "resources/resource_tables.h"
#include "viewport/view_splitter.h"

#include <algorithm>

namespace {

constexpr UINT kLetterId = 1012;
constexpr std::array<UINT, 3> kMenuIds = {1468, 1476, 1479};
constexpr std::array<const char*, 3> kEnglishMenuTexts = {"View", "Show", "Light"};
constexpr UINT kFullColumnId = 1002;
constexpr UINT kFullRowId = 1004;
constexpr UINT kMaximizeId = 1008;
constexpr std::array<UINT, 3> kLayoutIds = {kFullColumnId, kFullRowId, kMaximizeId};

} // namespace

void CPaneHeaderDialog::SetPaneIndex(int index) {
    m_paneIndex = index;
    m_letter.SetPaneIndex(index);
    for (CMenuButton& button : m_menuButtons)
        button.SetPaneIndex(index);
}

void CPaneHeaderDialog::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, kLetterId, m_letter);
    for (size_t i = 0; i < 3; ++i) {
        DDX_Control(dx, static_cast<int>(kMenuIds[i]), m_menuButtons[i]);
        DDX_Control(dx, static_cast<int>(kLayoutIds[i]), m_layoutButtons[i]);
    }
}

BOOL CPaneHeaderDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    const bool english = IsEnglish() != 0;
    for (size_t i = 0; i < 3; ++i) {
        // Figures: a tall bar, a wide bar, two frames. Submenus 1 to 3 of the pane menus.
        m_layoutButtons[i].SetShape(static_cast<int>(i));
        m_menuButtons[i].SetMenu(english ? IDR_PANE_MENU_EN : IDR_PANE_MENU_JA, static_cast<int>(i) + 1);
        if (english)
            m_menuButtons[i].SetWindowText(kEnglishMenuTexts[i]);
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
                                      .OnBnClicked(kMaximizeId, &CPaneHeaderDialog::OnMaximize);
    return map;
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
