#include "shell/tool_dialog_bar.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "platform/ui/frame_wnd.h"

namespace {

constexpr UINT kBarTemplate = 111;
constexpr int kStripId = 1028;

struct ToolTab {
    const char* english;
    const char* japanese;
    UINT toolBar;
};

constexpr ToolTab kTabs[kToolTabCount] = {
    {"Main", "一般", 103},           {"Camera", "カメラ", 109},
    {"Patch", "パッチ編集", 150},    {"Multi Obj", "複数オブジェクト", 192},
    {"Light", "ライト", 202},        {"Mat. Axis", "マテリアル座標", 205},
    {"Render", "レンダリング", 158},
};

} // namespace

UINT ToolTabToolBar(int tab) {
    return tab >= 0 && tab < kToolTabCount ? kTabs[tab].toolBar : 0;
}

const char* ToolTabCaption(int tab, bool english) {
    if (tab < 0 || tab >= kToolTabCount)
        return "";
    return english ? kTabs[tab].english : kTabs[tab].japanese;
}

// --- the tab dialog ---------------------------------------------------------

CToolTabDlg::~CToolTabDlg() {
    DestroyWindow();
}

const CommandMap& CToolTabDlg::GetCommandMap() const {
    static const CommandMap map =
        CommandMapFor<CToolTabDlg>(CDialog::GetCommandMap()).OnBnClicked(kStripId, &CToolTabDlg::OnTabChange);
    return map;
}

void CToolTabDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, kStripId, m_tabs);
}

BOOL CToolTabDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    const bool english = IsEnglish() != 0;
    for (int tab = 0; tab < kToolTabCount; ++tab)
        m_tabs.AddItem(ToolTabCaption(tab, english));
    return TRUE;
}

void CToolTabDlg::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    if (m_tabs.GetNativeWindow())
        m_tabs.MoveWindow(0, 0, cx, cy);
}

void CToolTabDlg::OnTabChange() {
    CQuelDoc* doc = GetDoc();
    auto* frame = dynamic_cast<CFrameWnd*>(AfxGetMainWnd());
    auto* toolBar =
        doc ? dynamic_cast<CToolBar*>(CWnd::FromHandle(doc->FindRegisteredWindow(wndToolBar))) : nullptr;
    if (!frame || !toolBar || !toolBar->LoadToolBar(ToolTabToolBar(m_tabs.GetCurSel())))
        return;
    frame->ShowControlBar(toolBar, TRUE, FALSE);
    toolBar->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

// --- the bar ----------------------------------------------------------------

BOOL CToolDialogBar::Create(CWnd* frame) {
    return CDialogBar::Create(frame, kBarTemplate, CBRS_TOP, kBarTemplate);
}

void CToolDialogBar::CreateTabs() {
    if (!m_tabs.Create(CToolTabDlg::IDD, this))
        return;
    CRect client;
    GetClientRect(&client);
    m_tabs.MoveWindow(0, 0, client.Width(), client.Height());
    m_tabs.ShowWindow(SW_SHOW);
    if (CQuelDoc* doc = GetDoc())
        doc->RegisterWindow(m_tabs.GetSafeHwnd(), wndToolTab);
}

void CToolDialogBar::OnSize(UINT type, int cx, int cy) {
    CDialogBar::OnSize(type, cx, cy);
    // The strip takes the bar's whole height: Japanese captions in the UI
    // font reach down to the tabs' bottom line in anything lower.
    if (m_tabs.GetNativeWindow())
        m_tabs.MoveWindow(0, 0, cx, kHeight);
}
