#include "shell/doc_commands.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "controls/typed_field.h"
#include "platform/base/modal_runner.h"
#include "platform/ui/common_dialogs.h"
#include "platform/ui/frame_wnd.h"
#include "resources/command_ids.h"
#include "shell/document_strings.h"
#include "shell/main_frame.h"
#include "shell/recent_file_list.h"

#include <utility>

BOOL CQuelDocCommands::NewDocument() {
    if (!SaveModified())
        return FALSE;
    m_document.OnNewDocument();
    TakeReplacedDocument(CString());
    return TRUE;
}

BOOL CQuelDocCommands::OpenDocumentFile(const CString& path) {
    if (!SaveModified())
        return FALSE;
    CString pathName = path;
    const unsigned resets = m_document.GetResetCount();
    if (!m_document.OnOpenDocument(path)) {
        // A new document took the open one's place: it has no file yet, and
        // Save must not write it over the previous one's.
        if (m_document.GetResetCount() != resets)
            TakeReplacedDocument(CString());
        return FALSE;
    }
    TakeReplacedDocument(std::move(pathName));
    return TRUE;
}

void CQuelDocCommands::TakeReplacedDocument(CString path) {
    SetPathName(std::move(path));
    // The panels of the old document may have held the focus and are gone:
    // the keys go to the active pane, as after the start. Before the start
    // shows the frame, the start does this itself.
    UpdateDisplay([] {
        if (auto* frame = dynamic_cast<CMainFrame*>(AfxGetMainWnd()); frame && frame->IsWindowVisible())
            frame->FocusActivePane();
    });
}

void CQuelDocCommands::SetPathName(CString path) {
    std::swap(m_pathName, path);
    ShowPathName();
}

void CQuelDocCommands::ShowPathName() {
    UpdateDisplay([this] {
        if (!m_pathName.IsEmpty())
            m_recentFiles.Add(m_pathName);
        if (CWnd* main = AfxGetMainWnd())
            main->SetWindowText(GetFrameTitle());
    });
}

CString CQuelDocCommands::GetTitle() const {
    if (m_pathName.IsEmpty())
        return IsEnglish() ? "Untitled" : "無題";
    const int slash = m_pathName.ReverseFind('/');
    return slash < 0 ? m_pathName : m_pathName.Mid(slash + 1);
}

CString CQuelDocCommands::GetFrameTitle() const {
    return GetTitle() + " - " + GetDocString(docStringWindowTitle);
}

BOOL CQuelDocCommands::SaveModified() {
    // Text typed into a panel but not yet committed is a change too;
    // nothing that replaces or closes the document moves the focus first.
    CTypedField::CommitFocused();
    if (!m_document.IsModified())
        return TRUE;
    const CString question =
        IsEnglish() ? "Save changes to " + GetTitle() + "?" : GetTitle() + " への変更を保存しますか?";
    const CWnd* main = AfxGetMainWnd();
    switch (MessageBox(main ? main->GetSafeHwnd() : HWND{}, question, GetDocString(docStringWindowTitle),
                       MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
        return DoFileSave();
    case IDNO:
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CQuelDocCommands::DoFileSave() {
    if (m_pathName.IsEmpty())
        return DoSaveAs();
    if (!m_document.OnSaveDocument(m_pathName))
        return FALSE;
    ShowPathName();
    return TRUE;
}

BOOL CQuelDocCommands::SaveDocumentAs(CString path) {
    if (!m_document.OnSaveDocument(path))
        return FALSE;
    SetPathName(std::move(path));
    return TRUE;
}

BOOL CQuelDocCommands::DoSaveAs() {
    const CString name = m_pathName.IsEmpty() ? GetTitle() + GetDocString(docStringFilterExt) : m_pathName;
    CFileDialog dialog(FALSE, GetDocString(docStringFilterExt).Mid(1), name,
                       OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, DocumentFilter(), AfxGetMainWnd());
    if (dialog.DoModal() != IDOK)
        return FALSE;
    return SaveDocumentAs(dialog.GetPathName());
}

void CQuelDocCommands::OnFileSave() {
    DoFileSave();
}

void CQuelDocCommands::OnFileSaveAs() {
    DoSaveAs();
}

const CommandMap& CQuelDocCommands::GetCommandMap() const {
    static const CommandMap map =
        CommandMapFor<CQuelDocCommands>(CCmdTarget::GetCommandMap())
            .OnCommand(ID_FILE_SAVE, &CQuelDocCommands::OnFileSave)
            .OnCommand(ID_FILE_SAVE_AS, &CQuelDocCommands::OnFileSaveAs)
            .OnCommand(ID_EDIT_UNDO, &CQuelDocCommands::OnEditUndo)
            .OnUpdateCommandUI(ID_EDIT_UNDO, &CQuelDocCommands::OnUpdateEditUndo)
            .OnUpdateCommandUI(ID_EDIT_REDO, &CQuelDocCommands::OnUpdateEditRedo)
            .OnCommand(ID_EDIT_CLEAR_UNDO, &CQuelDocCommands::OnEditClearUndo)
            .OnCommand(ID_EDIT_COPY, &CQuelDocCommands::OnEditCopy)
            .OnUpdateCommandUI(ID_EDIT_COPY, &CQuelDocCommands::OnUpdateEditCopyOrCut)
            .OnCommand(ID_EDIT_CUT, &CQuelDocCommands::OnEditCut)
            .OnUpdateCommandUI(ID_EDIT_CUT, &CQuelDocCommands::OnUpdateEditCopyOrCut)
            .OnCommand(ID_EDIT_PASTE, &CQuelDocCommands::OnEditPaste)
            .OnUpdateCommandUI(ID_EDIT_PASTE, &CQuelDocCommands::OnUpdateEditPaste)
            .OnCommand(ID_EDIT_PASTE_AT_SELECTION, &CQuelDocCommands::OnEditPasteAtSelection)
            .OnUpdateCommandUI(ID_EDIT_PASTE_AT_SELECTION, &CQuelDocCommands::OnUpdateEditPasteAtSelection)
            .OnCommand(ID_EDIT_PASTE_ALONG_CURVE, &CQuelDocCommands::OnEditPasteAlongCurve)
            .OnUpdateCommandUI(ID_EDIT_PASTE_ALONG_CURVE, &CQuelDocCommands::OnUpdateEditPasteAlongCurve)
            .OnCommand(ID_EDIT_UNDO_SETTING, &CQuelDocCommands::OnEditUndoSetting)
            .OnCommand(ID_HELP_EDIT_SHORTCUT, &CQuelDocCommands::OnEditShortcut)
            .OnCommand(ID_FILE_IMPORT_SPT, &CQuelDocCommands::OnFileImportSpt)
            .OnUpdateCommandUI(ID_FILE_IMPORT_SPT, &CQuelDocCommands::OnUpdateFileImportSpt)
            .OnCommand(ID_FILE_EXPORT_SPT, &CQuelDocCommands::OnFileExportSpt)
            .OnUpdateCommandUI(ID_FILE_EXPORT_SPT, &CQuelDocCommands::OnUpdateFileExportSpt)
            .OnCommand(ID_FILE_IMPORT_MQO, &CQuelDocCommands::OnFileImportMqo)
            .OnUpdateCommandUI(ID_FILE_IMPORT_MQO, &CQuelDocCommands::OnUpdateFileImportMqo)
            .OnCommand(ID_FILE_EXPORT_MQO, &CQuelDocCommands::OnFileExportMqo)
            .OnUpdateCommandUI(ID_FILE_EXPORT_MQO, &CQuelDocCommands::OnUpdateFileExportMqo)
            .OnCommand(ID_FILE_EXPORT_DXF, &CQuelDocCommands::OnFileExportDxf)
            .OnUpdateCommandUI(ID_FILE_EXPORT_DXF, &CQuelDocCommands::OnUpdateFileExportDxf)
            .OnCommand(ID_FILE_EXPORT_X, &CQuelDocCommands::OnFileExportX)
            .OnUpdateCommandUI(ID_FILE_EXPORT_X, &CQuelDocCommands::OnUpdateFileExportX)
            .OnCommand(ID_FILE_EXPORT_MDL, &CQuelDocCommands::OnFileExportMdl)
            .OnUpdateCommandUI(ID_FILE_EXPORT_MDL, &CQuelDocCommands::OnUpdateFileExportMdl)
            .OnCommand(ID_FILE_IMPORT_MDL, &CQuelDocCommands::OnFileImportMdl)
            .OnUpdateCommandUI(ID_FILE_IMPORT_MDL, &CQuelDocCommands::OnUpdateFileImportMdl)
            .OnCommand(ID_FILE_EXPORT_OBJ, &CQuelDocCommands::OnFileExportObj)
            .OnUpdateCommandUI(ID_FILE_EXPORT_OBJ, &CQuelDocCommands::OnUpdateFileExportObj)
            .OnCommand(ID_FILE_IMPORT_OBJ, &CQuelDocCommands::OnFileImportObj)
            .OnUpdateCommandUI(ID_FILE_IMPORT_OBJ, &CQuelDocCommands::OnUpdateFileImportObj)
            .OnCommand(ID_FILE_EXPORT_PYGMALION, &CQuelDocCommands::OnFileExportPygmalion)
            .OnUpdateCommandUI(ID_FILE_EXPORT_PYGMALION, &CQuelDocCommands::OnUpdateFileExportPygmalion)
            .OnCommand(ID_FILE_EXPORT_VRML, &CQuelDocCommands::OnFileExportVrml)
            .OnUpdateCommandUI(ID_FILE_EXPORT_VRML, &CQuelDocCommands::OnUpdateFileExportVrml)
            .OnCommand(ID_FILE_EXPORT_RRT, &CQuelDocCommands::OnFileExportRrt)
            .OnUpdateCommandUI(ID_FILE_EXPORT_RRT, &CQuelDocCommands::OnUpdateFileExportRrt)
            .OnCommand(ID_FILE_IMPORT_LWO, &CQuelDocCommands::OnFileImportLwo)
            .OnUpdateCommandUI(ID_FILE_IMPORT_LWO, &CQuelDocCommands::OnUpdateFileImportLwo)
            .OnUpdateCommandUI(ID_FILE_EXPORT_TRUESPACE, &CQuelDocCommands::OnUpdateUnsupportedFormat)
            .OnUpdateCommandUI(ID_FILE_EXPORT_LIGHTWAVE5, &CQuelDocCommands::OnUpdateUnsupportedFormat)
            .OnUpdateCommandUI(ID_FILE_EXPORT_LIGHTWAVE6, &CQuelDocCommands::OnUpdateUnsupportedFormat)
            .OnUpdateCommandUI(ID_FILE_IMPORT_PYGMALION, &CQuelDocCommands::OnUpdateUnsupportedFormat)
            .OnCommand(ID_HELP_INDEX, &CQuelDocCommands::OnHelp)
            .OnCommand(ID_FILE_EXPORT_POVRAY, &CQuelDocCommands::OnFileExportPov)
            .OnUpdateCommandUI(ID_FILE_EXPORT_POVRAY, &CQuelDocCommands::OnUpdateFileExportPov)
            .OnUpdateCommandUI(ID_FILE_EXPORT_MEGAPOV, &CQuelDocCommands::OnUpdateFileExportMegaPov)
            .OnCommand(ID_FILE_EXPORT_RIB, &CQuelDocCommands::OnFileExportRib)
            .OnUpdateCommandUI(ID_FILE_EXPORT_RIB, &CQuelDocCommands::OnUpdateFileExportRib)
            .OnCommand(ID_FILE_EXPORT_LIGHTFLOW, &CQuelDocCommands::OnFileExportLightflow)
            .OnUpdateCommandUI(ID_FILE_EXPORT_LIGHTFLOW, &CQuelDocCommands::OnUpdateFileExportLightflow)
            .OnCommand(ID_HELP_DEBUG, &CQuelDocCommands::OnHelpDebug);
    return map;
}
