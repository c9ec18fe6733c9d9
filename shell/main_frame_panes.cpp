// The main frame's commands for the panes and the objects: the active
// pane's picture to the clipboard, the underlay images, the document's
// counts, and the editable, export and show switches of every object.
#include "app/doc_helpers.h"
#include "app/object_flags.h"
#include "app/quel_doc.h"
#include "app/underlay_settings.h"
#include "dialogs/background_image_dlg.h"
#include "dialogs/document_info_dlg.h"
#include "render/render_support.h"
#include "resources/command_ids.h"
#include "shell/main_frame.h"
#include "viewport/gl_pane.h"

void CMainFrame::OnSaveClipboard() {
    auto* pane =
        dynamic_cast<CGLPane*>(m_document.FindRegisteredTarget(wndGLPane0 + m_document.m_activePane));
    if (!pane)
        return;
    if (!CopyImageToClipboard(pane->ReadPicture()))
        TellRenderError("画像をクリップボードに保存できませんでした",
                        "The picture could not be put on the clipboard");
}

void CMainFrame::OnUnderlayImages() {
    CBackgroundImageDlg dialog(this);
    dialog.m_entries = ReadUnderlayEntries(m_document);
    if (dialog.DoModal() != IDOK)
        return;
    for (const CUnderlayFailure& failure : ApplyUnderlayEntries(m_document, dialog.m_entries))
        TellRenderError("下絵を読み込めませんでした:\n" + failure.path + "\n" + CString(failure.reason),
                        "The background image cannot be used:\n" + failure.path + "\n" +
                            CString(failure.reason));
    for (int pane = 0; pane < kPaneCount; ++pane)
        if (m_document.m_settings.m_panes[static_cast<size_t>(pane)].m_showUnderlay)
            if (auto* window = m_document.FindWindowService<CWindowServices>(wndGLPane0 + pane))
                window->RedrawNow();
}

void CMainFrame::OnWindowDocument() {
    CDocumentInfoDlg(m_document, this).DoModal();
}

void CMainFrame::OnObjectFlag(UINT command) {
    const bool onlySelected = command == ID_OBJECT_SHOW_SELECTED || command == ID_OBJECT_EDIT_SELECTED ||
                              command == ID_OBJECT_EXPORT_SELECTED;
    const ObjectFlag flag =
        command == ID_OBJECT_EDIT_ALL || command == ID_OBJECT_EDIT_SELECTED       ? ObjectFlag::editable
        : command == ID_OBJECT_EXPORT_ALL || command == ID_OBJECT_EXPORT_SELECTED ? ObjectFlag::exported
                                                                                  : ObjectFlag::shown;
    if (SetObjectFlags(m_document, flag, onlySelected))
        RedrawAllPanes();
}

void CMainFrame::OnUpdateObjectFlag(CCmdUI* ui) {
    ui->Enable(CanSetObjectFlags(m_document));
}
