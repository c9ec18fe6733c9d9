#include "shell/pygmalion_export.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "dialogs/export_setting_dlg.h"
#include "platform/ui/common_dialogs.h"
#include "platform/ui/frame_wnd.h"

std::optional<CPygmalionExportTarget> ChoosePygmalionExport(CQuelDoc& doc) {
    CExportSettingDlg settings(AfxGetMainWnd());
    settings.m_mode = CExportSettingDlg::modeScopeAndSurfaces;
    settings.m_scope = exportSelectedObject;
    if (settings.DoModal() != IDOK)
        return std::nullopt;
    doc.m_pygmalionFill = settings.m_createAllSurfaces ? 1 : 0;

    CPygmalionExportTarget target;
    if (settings.m_scope == exportSelectedObject) {
        target.object = GetSelectedObject();
        if (!target.object) {
            ShowMessage(msgNoObject);
            return std::nullopt;
        }
    } else if (settings.m_scope != exportAllObjects) {
        return std::nullopt;
    }

    CFileDialog file(FALSE, "pyg", "*.pyg", OFN_OVERWRITEPROMPT, "Pygmalion(*.pyg)|*.pyg||", AfxGetMainWnd());
    if (file.DoModal() != IDOK)
        return std::nullopt;
    target.path = file.GetPathName();
    if (!target.object) {
        target.merged = std::make_unique<CSpatchObj>();
        for (CSpatchObj* obj : doc.m_objects)
            target.merged->AppendGeometry(obj, 0);
        target.object = target.merged.get();
    }
    return target;
}
