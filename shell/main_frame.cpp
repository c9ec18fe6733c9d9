#include "shell/main_frame.h"

#include "app/app_state.h"
#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "controls/typed_field.h"
#include "dialogs/knife_dlg.h"
#include "dialogs/select_multi_objects_dlg.h"
#include "platform/ui/cursor.h"
#include "platform/ui/resource_lookup.h"
#include "platform/ui/shell_services.h"
#include "resources/command_ids.h"
#include "resources/resource_tables.h"
#include "shell/doc_commands.h"
#include "shell/recent_file_list.h"

namespace {

constexpr UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_KANA, ID_INDICATOR_CAPS, ID_INDICATOR_NUM,
                                ID_INDICATOR_SCRL};

// The frame's size before the user changes it.
const CRect kInitialRect(0, 0, 1024, 768);

} // namespace

CMainFrame::CMainFrame(CQuelDoc& document, CQuelDocCommands& commands, CRecentFileList& recentFiles)
    : m_document(document), m_commands(commands), m_recentFiles(recentFiles), m_view(&document) {}

CMainFrame::~CMainFrame() {
    DestroyWindow();
    if (GetAppState().m_mainWindow == this)
        GetAppState().m_mainWindow = nullptr;
}

BOOL CMainFrame::LoadFrame(UINT resourceId) {
    if (!Create(m_commands.GetFrameTitle(), 0, kInitialRect, nullptr, 0))
        return FALSE;
    ShowMainMenu(resourceId);
    LoadAccelTable(resourceId);
    SetWindowIcon(*this, IDR_MAINFRAME_JA);
    return TRUE;
}

int CMainFrame::OnCreate(LPCREATESTRUCT cs) {
    // The panes made below find the document through the main window.
    GetAppState().m_mainWindow = this;
    if (CFrameWnd::OnCreate(cs) == -1)
        return -1;
    if (!m_wndStatusBar.Create(this) || !m_wndStatusBar.SetIndicators(kIndicators, std::size(kIndicators)))
        return -1;
    CreateToolDialogBar();
    if (!m_wndToolBar.Create(this) || !m_wndToolBar.LoadToolBar(IDR_MAINFRAME_JA))
        return -1;
    if (m_sideBar.Create(this)) {
        m_sideBar.InitPanelHost();
        m_sideBar.SetBarStyle(m_sideBar.GetBarStyle() | CBRS_BORDER_LEFT);
    }
    CreateCommandBars();
    CreateMouseStatusBar();
    m_wndToolBar.SetBarStyle(m_wndToolBar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC);
    m_document.RegisterWindow(m_wndToolBar.GetSafeHwnd(), wndToolBar);
    m_document.RegisterWindow(m_wndStatusBar.GetSafeHwnd(), wndStatusBar);
    m_document.RegisterWindow(m_sideBar.GetSafeHwnd(), wndSideBar);

    m_view.SetDocumentTarget(&m_commands);
    if (!m_view.Create("", WS_CHILD | WS_VISIBLE, CRect(), this, AFX_IDW_PANE_FIRST))
        return -1;
    SetActiveView(&m_view);
    ApplyWindowLayout();
    RecalcLayout();
    return 0;
}

void CMainFrame::OnClose() {
    if (m_commands.SaveModified())
        CFrameWnd::OnClose();
}

void CMainFrame::OnDestroy() {
    GetAppState().m_mainWindow = nullptr;
    CWndLayout().Write(GetWindowLayout());
    CFrameWnd::OnDestroy();
}

void CMainFrame::OnInitMenu(CMenu* menu) {
    if (!menu || menu != GetMenu())
        return;
    CFrameWnd::OnInitMenu(menu);
    menu->ModifyMenu(ID_EDIT_UNDO, MF_BYCOMMAND | MF_STRING, ID_EDIT_UNDO,
                     m_document.m_undoBuffer.GetUndoMenuText());
    UpdateRecentFileMenu(*menu);
    UpdatePluginMenu(*menu);
}

void CMainFrame::UpdateRecentFileMenu(CMenu& menu) {
    CMenu* file = menu.GetSubMenu(0);
    if (!file)
        return;
    int position = -1;
    for (int i = file->GetMenuItemCount() - 1; i >= 0; --i) {
        const UINT id = file->GetMenuItemID(i);
        if (id >= ID_FILE_MRU_FILE1 && id < ID_FILE_MRU_FILE1 + kRecentFileCount) {
            position = i;
            file->DeleteMenu(static_cast<UINT>(i), MF_BYPOSITION);
        }
    }
    if (position < 0)
        return;
    if (m_recentFiles.GetCount() == 0) {
        // The resource's own item says that the list is empty.
        CMenu resource;
        CString text;
        if (resource.LoadMenu(IsEnglish() ? IDR_MAINFRAME_EN : IDR_MAINFRAME_JA))
            resource.GetMenuString(ID_FILE_MRU_FILE1, text, MF_BYCOMMAND);
        file->InsertMenu(static_cast<UINT>(position), MF_BYPOSITION | MF_STRING | MF_GRAYED,
                         ID_FILE_MRU_FILE1, text);
        return;
    }
    for (int i = 0; i < m_recentFiles.GetCount(); ++i) {
        const CString label = CString("&") + static_cast<char>('1' + i) + " " + m_recentFiles[i];
        file->InsertMenu(static_cast<UINT>(position + i), MF_BYPOSITION | MF_STRING,
                         ID_FILE_MRU_FILE1 + static_cast<UINT>(i), label);
    }
}

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // Text typed into a panel belongs to the item the panel shows: it is
    // committed before a menu command or a key's command acts.
    if (message == WM_COMMAND)
        CTypedField::CommitFocused();
    if (message == WM_DROPFILES) {
        // One document at a time: the first dropped file opens.
        const auto* paths = reinterpret_cast<const std::vector<CString>*>(wParam);
        if (paths && !paths->empty())
            m_commands.OpenDocumentFile(paths->front());
        return 0;
    }
    return CFrameWnd::WindowProc(message, wParam, lParam);
}

CQuelDoc* CMainFrame::GetActiveDocument() {
    return &m_document;
}

void CMainFrame::SetBusyCursor(BOOL on) {
    SetCursor(LoadStandardCursor(on ? IDC_WAIT : IDC_ARROW));
}

void CMainFrame::ReturnFocusToMainWnd() {
    if (::GetActiveWindow() && CWnd::GetFocus() != this)
        SetFocus();
}

std::unique_ptr<CKnifeDialogServices> CMainFrame::CreateKnifeDialog() {
    auto knife = std::make_unique<CKnifeDlg>();
    if (!knife->Create(CKnifeDlg::IDD, this))
        return nullptr;
    return knife;
}

std::unique_ptr<CMultiObjectDialogServices> CMainFrame::CreateMultiObjectDialog() {
    auto dialog = std::make_unique<CSelectMultiObjectsDlg>();
    if (!dialog->Create(CSelectMultiObjectsDlg::IDD, nullptr))
        return nullptr;
    return dialog;
}
