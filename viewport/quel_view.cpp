#include "viewport/quel_view.h"

#include "app/app_state.h"
#include "app/doc_helpers.h"
#include "app/document_reader.h"
#include "app/quel_doc.h"
#include "dialogs/insert_file_dialog.h"
#include "platform/ui/common_dialogs.h"
#include "resources/command_ids.h"
#include "viewport/model_command.h"

#include <algorithm>

namespace {

// The commands whose items are enabled by one of the common update rules.
struct EnableRule {
    UINT id;
    UpdateRule rule;
};
constexpr EnableRule kEnableRules[] = {
    // Select menu.
    {30005, enableWithObject},
    {30006, enableWithSelection},
    {30007, enableWithVertices},
    {30008, enableWithSelection},
    {30009, enableWithCurvePoint},
    {30048, enableWithInvisibleVertices},
    {30013, enableWithSelection},
    {30014, enableWithAnyObject},
    {30213, enableWithOneSelected},
    {30740, enableWithObject},
    // Display.
    {30738, enableWithObject},
    {30739, enableWithObject},
    // Edits of the current object.
    {30010, enableWithShownSelection},
    {30011, enableWithShownSelection},
    {30012, enableWithShownSelection},
    {30015, enableWithShownSelection},
    {30185, enableWithShownSelection},
    {30187, enableWithCurvePoint},
    {30214, enableWithShownSelection},
    {30183, enableWithShownSelection},
    {30181, enableWithShownSelection},
    {30189, enableWithShownSelection},
    {30191, enableWithShownSelection},
    // Reset CP honours the edit lock like every other edit.
    {30565, enableWithEditableSelection},
    {30595, enableWithEditableCurvePoint},
    {30596, enableWithEditableCurvePoint},
    {30597, enableWithEditableCurvePoint},
    {30737, enableWithShownSelection},
    {30549, enableWithEditableCurvePoint},
    {30131, enableWithEditableCurvePoint},
    {30174, enableWithEditable},
    {30532, enableWithEditable},
    // Insert submenu.
    {30046, enableWithEditableShown},
    {30044, enableWithEditableShown},
    {30079, enableWithEditableShown},
    {30041, enableWithEditableShown},
    {30039, enableWithEditableShown},
    {30049, enableWithEditableShown},
    {30037, enableWithEditableShown},
    {30052, enableWithEditableShown},
    {30055, enableWithEditableShown},
    // Typed transforms and the array.
    {30114, enableWithEditableSelection},
    {30116, enableWithEditableSelection},
    {30118, enableWithEditableSelection},
    {30122, enableWithEditableSelection},
    {30124, enableWithEditableSelection},
    {30577, enableWithClipboard},
};

} // namespace

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
    static const CommandMap map = [this] {
        Map builder(CView::GetCommandMap());
        builder.OnCommand(ID_FILE_INSERT, &CQuelView::OnFileInsert)
            .OnCommand(ID_MODEL_CONNECT_CURVE, &CQuelView::OnModelConnectCurve)
            .OnUpdateCommandUI(ID_MODEL_CONNECT_CURVE, &CQuelView::OnUpdateModelConnectCurve);
        for (const EnableRule& r : kEnableRules)
            builder.OnUpdateCommandUI(r.id, &CQuelView::OnUpdateByRule);
        MapToolCommands(builder);
        MapSelectCommands(builder);
        MapEditCommands(builder);
        MapShapeCommands(builder);
        MapNumericCommands(builder);
        MapRenderCommands(builder);
        return CommandMap(builder);
    }();
    return map;
}

void CQuelView::OnUpdateByRule(CCmdUI* ui) {
    const auto* r = std::find_if(std::begin(kEnableRules), std::end(kEnableRules),
                                 [ui](const EnableRule& e) { return e.id == ui->m_nID; });
    if (r != std::end(kEnableRules))
        EnableByRule(ui, r->rule);
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
