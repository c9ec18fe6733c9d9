#include "shell/quel_app.h"

#include "app/app_state.h"
#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "controls/typed_field.h"
#include "dialogs/select_resource_type_dlg.h"
#include "platform/base/file_util.h"
#include "platform/ui/common_dialogs.h"
#include "platform/ui/resource_lookup.h"
#include "platform/ui/shell_services.h"
#include "resources/resource_tables.h"
#include "shell/about_dlg.h"
#include "shell/doc_commands.h"
#include "shell/document_strings.h"
#include "shell/language_file.h"
#include "shell/main_frame.h"
#include "shell/shell_registration.h"

namespace {

// The recent-file list, kept in the settings folder between runs.
constexpr const char* kRecentFilesName = "quel_recent_files.ini";

// The folder part of a document path, when that folder still exists.
CString ExistingFolderOf(const CString& path) {
    const int slash = path.ReverseFind('/');
    if (slash < 0)
        return CString();
    const CString folder = slash == 0 ? CString("/") : path.Left(slash);
    return qf::GetFileStatus(folder.GetString()).isDirectory ? folder : CString();
}

} // namespace

CQuelApp::CQuelApp() = default;

CQuelApp::~CQuelApp() {
    ExitInstance();
}

bool CQuelApp::AskEnglish() {
    const LanguageChoice stored = ReadLanguageFile(qf::SettingsPath(kLanguageFileName));
    if (stored != languageMissing)
        return stored == languageEnglish;
    // Japanese is IDOK; English, Escape and the close box are anything else.
    CSelectResourceTypeDlg dialog;
    return dialog.DoModal() != IDOK;
}

BOOL CQuelApp::InitInstance(const std::vector<CString>& arguments) {
    m_recentFiles.Load(qf::SettingsPath(kRecentFilesName));

    const bool english = AskEnglish();
    GetAppState().m_english = english ? 1 : 0;
    SetResourceLanguage(english ? ResourceLanguage::English : ResourceLanguage::Japanese);
    const UINT resourceId = english ? IDR_MAINFRAME_EN : IDR_MAINFRAME_JA;

    InstallModelDocumentAccessor();
    m_document = std::make_unique<CQuelDoc>();
    m_commands = std::make_unique<CQuelDocCommands>(*m_document, m_recentFiles);
    m_frame = std::make_unique<CMainFrame>(*m_document, *m_commands, m_recentFiles);
    if (!m_frame->LoadFrame(resourceId)) {
        m_frame.reset();
        return FALSE;
    }
    m_pMainWnd = m_frame.get();

    RegisterShellFileTypes();

    // The document named on the command line, else a new one. A file that
    // cannot be opened was reported; the user goes on with a new document.
    const bool opened = arguments.size() > 1 && m_commands->OpenDocumentFile(arguments[1]);
    if (!opened && !m_commands->NewDocument()) {
        m_frame->DestroyWindow();
        return FALSE;
    }

    m_frame->ShowWindow(SW_SHOW);
    m_frame->UpdateWindow();
    m_frame->FocusActivePane();
    DragAcceptFiles(*m_frame, TRUE);
    return TRUE;
}

void CQuelApp::RegisterShellFileTypes() const {
    CShellRegistration registration;
    registration.dataHome = UserDataHome();
    registration.executable = qf::JoinPath(qf::ExecutableDir(), "quelaform");
    registration.typeName = GetDocString(docStringRegFileTypeName);
    registration.extension = GetDocString(docStringFilterExt);
    if (const IconResource* icon = FindIconResource(IDR_MAINFRAME_JA))
        registration.icon = &icon->image;
    ::RegisterShellFileTypes(registration);
}

void CQuelApp::ExitInstance() {
    if (m_frame) {
        m_frame->DestroyWindow();
        m_frame.reset();
    }
    m_pMainWnd = nullptr;
    if (m_document) {
        SaveRecentFiles();
        GetAppState().m_currentDoc = nullptr;
        m_memoryGuard.LetGoOfDocument();
        m_commands.reset();
        m_document.reset();
    }
}

void CQuelApp::SaveRecentFiles() const {
    m_recentFiles.Save(qf::SettingsPath(kRecentFilesName));
}

const CommandMap& CQuelApp::GetCommandMap() const {
    static const CommandMap map =
        CommandMapFor<CQuelApp>(CWinApp::GetCommandMap())
            .OnCommand(ID_APP_ABOUT, &CQuelApp::OnAppAbout)
            .OnCommand(ID_FILE_NEW, &CQuelApp::OnFileNew)
            .OnCommand(ID_FILE_OPEN, &CQuelApp::OnFileOpen)
            .OnCommandRange(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE1 + kRecentFileCount - 1,
                            &CQuelApp::OnOpenRecentFile)
            .OnCommand(ID_APP_EXIT, &CQuelApp::OnAppExit);
    return map;
}

void CQuelApp::OnAppAbout() {
    CAboutDlg dialog(m_frame.get());
    dialog.DoModal();
}

void CQuelApp::OnMouseButtonPress(CWnd* pressed) {
    // A press in the field itself places the caret.
    if (pressed != CWnd::GetFocus())
        CTypedField::CommitFocused();
}

void CQuelApp::OnFileNew() {
    if (m_commands)
        m_commands->NewDocument();
}

void CQuelApp::OnFileOpen() {
    if (!m_commands)
        return;
    CFileDialog dialog(TRUE, GetDocString(docStringFilterExt).Mid(1), nullptr,
                       OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, DocumentFilter(), m_frame.get());
    dialog.m_ofn.lpstrInitialDir = OpenDialogFolder();
    if (dialog.DoModal() == IDOK)
        m_commands->OpenDocumentFile(dialog.GetPathName());
}

CString CQuelApp::OpenDialogFolder() const {
    CString folder = ExistingFolderOf(m_commands->GetPathName());
    if (folder.IsEmpty() && m_recentFiles.GetCount() > 0)
        folder = ExistingFolderOf(m_recentFiles[0]);
    return folder;
}

void CQuelApp::OnOpenRecentFile(UINT id) {
    const int index = static_cast<int>(id - ID_FILE_MRU_FILE1);
    if (!m_commands || index < 0 || index >= m_recentFiles.GetCount())
        return;
    const CString path = m_recentFiles[index];
    if (!m_commands->OpenDocumentFile(path) && !qf::FileExists(path.GetString()))
        m_recentFiles.Remove(index);
}

void CQuelApp::OnAppExit() {
    if (m_frame)
        m_frame->SendMessage(WM_CLOSE);
}
