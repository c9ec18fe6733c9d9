#pragma once
// The document's side of the command routing: the file, edit, undo and help
// commands of the menus, and what the class library's document keeps beside
// the scene: its file path and title, and the question whether to save
// changes before they would be lost. The view routes the commands it does
// not handle here.
#include "platform/base/cmd_target.h"
#include "platform/base/cstring.h"

class CQuelDoc;
class CRecentFileList;
class CSpatchObj;

class CQuelDocCommands : public CCmdTarget {
public:
    CQuelDocCommands(CQuelDoc& document, CRecentFileList& recentFiles)
        : m_document(document), m_recentFiles(recentFiles) {}

    // File > New: a new scene once a modified one was saved or given up.
    BOOL NewDocument();
    // Opens the document at path once a modified scene was saved or given
    // up; a failure was reported and leaves everything as it was, or, when
    // memory ran out after the scene was given up, a new untitled document.
    BOOL OpenDocumentFile(const CString& path);
    // Asks whether to save a modified document: TRUE when the caller may go
    // on (saved, or not to be saved), FALSE when the user cancelled or the
    // save failed.
    BOOL SaveModified();
    BOOL DoFileSave();
    BOOL DoSaveAs();

    CString GetPathName() const { return m_pathName; }
    // The file's name, or "無題" / "Untitled" before the document has one.
    CString GetTitle() const;
    // "<title> - quelaForm", shown by the main frame.
    CString GetFrameTitle() const;

    // Edit commands the shortcut keys run directly.
    void OnEditCopy();
    void OnEditCut();
    void OnEditPaste();
    void OnEditPasteAtSelection();
    void OnEditPasteAlongCurve();

protected:
    const CommandMap& GetCommandMap() const override;

private:
    void OnFileSave();
    void OnFileSaveAs();
    void OnEditUndo();
    void OnUpdateEditUndo(CCmdUI* ui);
    void OnUpdateEditRedo(CCmdUI* ui);
    void OnEditClearUndo();
    void OnUpdateEditCopyOrCut(CCmdUI* ui);
    void OnUpdateEditPaste(CCmdUI* ui);
    void OnUpdateEditPasteAtSelection(CCmdUI* ui);
    void OnUpdateEditPasteAlongCurve(CCmdUI* ui);
    void OnEditUndoSetting();
    // Help > Edit Shortcut Key.
    void OnEditShortcut();
    // The exchange formats (doc_exchange_commands.cpp).
    void OnFileImportSpt();
    void OnUpdateFileImportSpt(CCmdUI* ui);
    void OnFileExportSpt();
    void OnUpdateFileExportSpt(CCmdUI* ui);
    void OnFileImportMqo();
    void OnUpdateFileImportMqo(CCmdUI* ui);
    void OnFileExportMqo();
    void OnUpdateFileExportMqo(CCmdUI* ui);
    void OnFileExportDxf();
    void OnUpdateFileExportDxf(CCmdUI* ui);
    void OnFileExportX();
    void OnUpdateFileExportX(CCmdUI* ui);
    void OnFileExportMdl();
    void OnUpdateFileExportMdl(CCmdUI* ui);
    void OnFileImportMdl();
    void OnUpdateFileImportMdl(CCmdUI* ui);
    void OnFileExportObj();
    void OnUpdateFileExportObj(CCmdUI* ui);
    void OnFileImportObj();
    void OnUpdateFileImportObj(CCmdUI* ui);
    void OnFileExportPygmalion();
    void OnUpdateFileExportPygmalion(CCmdUI* ui);
    void OnFileExportVrml();
    void OnUpdateFileExportVrml(CCmdUI* ui);
    void OnFileExportRrt();
    void OnUpdateFileExportRrt(CCmdUI* ui);
    void OnFileImportLwo();
    void OnUpdateFileImportLwo(CCmdUI* ui);
    // The renderers' exports and Help > Debug (doc_render_commands.cpp).
    void OnFileExportPov();
    void OnUpdateFileExportPov(CCmdUI* ui);
    void OnUpdateFileExportMegaPov(CCmdUI* ui);
    void OnFileExportRib();
    void OnUpdateFileExportRib(CCmdUI* ui);
    void OnFileExportLightflow();
    void OnUpdateFileExportLightflow(CCmdUI* ui);
    void OnHelpDebug();
    // Formats the program names in its menus but does not read or write.
    void OnUpdateUnsupportedFormat(CCmdUI* ui);
    void OnHelp();

    // Saves the document as path; the path is had before the file is
    // written, so that a save done is never left with the old one.
    BOOL SaveDocumentAs(CString path);
    // The document now belongs to path (empty: none), taken without fail,
    // and the title and the recent files show it.
    void SetPathName(CString path);
    // The title and the recent-file list show the document's path. They only
    // show what is done: memory running out there leaves the display behind.
    void ShowPathName();
    // After a new or opened document took the old one's place: its path,
    // and the keyboard focus where the start puts it.
    void TakeReplacedDocument(CString path);
    // The current object, once an undo step with its whole copy is recorded;
    // null (nothing recorded) without one, or after telling the user that it
    // may not be edited.
    CSpatchObj* BeginObjectEdit(const char* japanese, const char* english);
    // Pastes the clipboard into the current object as one undo step; with
    // atSelection the pasted points move to the centre of the selection.
    void Paste(bool atSelection);

    CQuelDoc& m_document;
    CRecentFileList& m_recentFiles;
    CString m_pathName;
};
