#include "app/quel_doc.h"
#include "formats/export_plugin_manager.h"
#include "shell/exchange_dialogs.h"
#include "shell/main_frame.h"

namespace {

constexpr const char* kPluginMenuText = "sPatch Plug-in";

// The submenu of the File menu whose item reads "sPatch Plug-in"; null when none.
CMenu* FindPluginMenu(CMenu& menu) {
    CMenu* file = menu.GetSubMenu(0);
    if (!file)
        return nullptr;
    for (int i = 0; i < file->GetMenuItemCount(); ++i) {
        CString text;
        file->GetMenuString(static_cast<UINT>(i), text, MF_BYPOSITION);
        if (text == kPluginMenuText)
            return file->GetSubMenu(i);
    }
    return nullptr;
}

} // namespace

void CMainFrame::UpdatePluginMenu(CMenu& menu) {
    CMenu* plugins = FindPluginMenu(menu);
    if (!plugins)
        return;
    for (int i = plugins->GetMenuItemCount() - 1; i >= 0; --i)
        plugins->DeleteMenu(static_cast<UINT>(i), MF_BYPOSITION);
    const std::vector<CString> names = TheExportPluginManager().ListPlugins(ExportPluginFolder(m_document));
    if (names.empty()) {
        plugins->AppendMenu(MF_STRING | MF_GRAYED, PluginMenuCommand(0), "(none)");
        return;
    }
    const UINT state = m_document.m_objects.IsEmpty() ? MF_GRAYED : MF_ENABLED;
    for (size_t k = 0; k < names.size(); ++k)
        plugins->AppendMenu(MF_STRING | state, PluginMenuCommand(static_cast<int>(k)), names[k]);
}

BOOL CMainFrame::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (CFrameWnd::OnCommand(wParam, lParam))
        return TRUE;
    if (HIWORD(wParam) != 0)
        return FALSE;
    CExchangeDialogs dialogs;
    return TheExportPluginManager().RunPluginExport(LOWORD(wParam), m_document, dialogs);
}

BOOL CMainFrame::TakesUnhandledCommand(UINT id) const {
    return id >= PluginMenuCommand(0) && id < PluginMenuCommand(TheExportPluginManager().GetPluginCount());
}
