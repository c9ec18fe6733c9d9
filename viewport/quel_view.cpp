#include "viewport/quel_view.h"

#include "app/app_state.h"
#include "app/doc_helpers.h"
#include "app/document_reader.h"
#include "app/quel_doc.h"
#include "dialogs/insert_file_dialog.h"
#include "platform/ui/common_dialogs.h"
#include "resources/command_ids.h"

CQuelView::~CQuelView() {
    DestroyWindow();
}

int CQuelView::OnCreate(LPCREATESTRUCT cs) {
    if (CView::OnCreate(cs) == -1)
        return -1;
    CQuelDoc* doc = GetDocument();
    GetAppState().m_currentDoc = doc;
    if (doc) {
        doc->RegisterWindow(GetSafeHwnd(), wndView);
        if (CFrameWnd* frame = GetParentFrame(this))
            doc->RegisterWindow(frame->GetSafeHwnd(), wndMainFrame);
    }
    m_splitter.m_document = doc;
    CRect client;
    GetClientRect(&client);
    m_splitter.Create("", WS_CHILD | WS_VISIBLE | WS_TABSTOP, client, this, 1);
    if (doc)
        doc->RegisterWindow(m_splitter.GetSafeHwnd(), wndSplitter);
    return 0;
}

void CQuelView::OnSize(UINT type, int cx, int cy) {
    CView::OnSize(type, cx, cy);
    if (m_splitter.GetNativeWindow()) {
        m_splitter.MoveWindow(0, 0, cx, cy);
        m_splitter.RedrawWindow();
    }
}

BOOL CQuelView::OnEraseBkgnd(CDC*) {
    return TRUE;
}

const CommandMap& CQuelView::GetCommandMap() const {
    static const CommandMap map =
        CommandMapFor<CQuelView>(CView::GetCommandMap())
            .OnCommand(ID_FILE_INSERT, &CQuelView::OnFileInsert)
            .OnCommand(ID_MODEL_CONNECT_CURVE, &CQuelView::OnModelConnectCurve)
            .OnUpdateCommandUI(ID_MODEL_CONNECT_CURVE, &CQuelView::OnUpdateModelConnectCurve);
    return map;
}

void CQuelView::OnFileInsert() {
    CQuelDoc* doc = GetDoc();
    if (!doc)
        return;
    CFileDialog files(TRUE, "qfm", "*.qfm", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                      "quelaForm File(*.qfm)|*.qfm||", this);
    if (files.DoModal() != IDOK)
        return;
    CInsertFileDialog parts(this);
    if (parts.DoModal() != IDOK)
        return;
    const InsertChoices choices = {parts.m_objects,      parts.m_lights,          parts.m_materials,
                                   parts.m_cameras,      parts.m_backgroundColor, parts.m_defaultMaterial,
                                   parts.m_includeFiles, parts.m_globalSettings,  parts.m_radiosity,
                                   parts.m_postProcess,  parts.m_memoCameras,     parts.m_backgroundImage};
    CDocumentReader().InsertDocument(*doc, files.GetPathName(), choices);
}
