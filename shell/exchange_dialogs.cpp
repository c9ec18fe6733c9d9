#include "shell/exchange_dialogs.h"

#include "dialogs/export_setting_dlg.h"
#include "dialogs/import_settings_dlg.h"
#include "dialogs/mdl_setting_dlg.h"
#include "dialogs/plugin_option_dlg.h"
#include "platform/ui/common_dialogs.h"
#include "platform/ui/frame_wnd.h"

namespace {

static_assert(CExportSettingDlg::modeScope == exportModeScope &&
                  CExportSettingDlg::modeScopeAndSurfaces == exportModeScopeAndSurfaces &&
                  CExportSettingDlg::modeSubdivisionAndScale == exportModeSubdivisionAndScale &&
                  CExportSettingDlg::modeSubdivisionAndScope == exportModeSubdivisionAndScope &&
                  CExportSettingDlg::modeSubdivision == exportModeSubdivision,
              "the dialog's modes are the formats' modes");

bool AskPath(BOOL open, DWORD flags, const CFileChoice& choice, CString& path) {
    CFileDialog dialog(open, choice.defaultExt, choice.fileName, flags, choice.filter, AfxGetMainWnd());
    if (dialog.DoModal() != IDOK)
        return false;
    path = dialog.GetPathName();
    return true;
}

} // namespace

bool CExchangeDialogs::AskExportSettings(ExportSettingMode mode, CExportSettings& settings) {
    CExportSettingDlg dialog(AfxGetMainWnd());
    dialog.m_mode = mode;
    dialog.m_subdivision = settings.subdivision;
    dialog.m_scale = settings.scale;
    dialog.m_scope = settings.scope;
    dialog.m_createAllSurfaces = settings.createAllSurfaces;
    if (dialog.DoModal() != IDOK)
        return false;
    settings.subdivision = dialog.m_subdivision;
    settings.scale = dialog.m_scale;
    settings.scope = dialog.m_scope;
    settings.createAllSurfaces = dialog.m_createAllSurfaces;
    return true;
}

bool CExchangeDialogs::AskSavePath(const CFileChoice& choice, CString& path) {
    return AskPath(FALSE, OFN_OVERWRITEPROMPT, choice, path);
}

bool CExchangeDialogs::AskOpenPath(const CFileChoice& choice, CString& path) {
    return AskPath(TRUE, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, choice, path);
}

bool CExchangeDialogs::AskSptImportSettings(CSptImportSettings& settings) {
    CImportSettingsDlg dialog(AfxGetMainWnd());
    if (dialog.DoModal() != IDOK)
        return false;
    settings.layerColors = dialog.m_layerColors;
    settings.shiftCenter = dialog.m_shiftCenter;
    return true;
}

bool CExchangeDialogs::AskMdlSettings(CMdlSettings& settings) {
    CMdlSettingDlg dialog(AfxGetMainWnd());
    dialog.m_roundMagnitude = settings.roundMagnitude;
    dialog.m_peakMagnitude = settings.peakMagnitude;
    dialog.m_magnitudeMode = settings.magnitudeMode;
    if (dialog.DoModal() != IDOK)
        return false;
    settings.roundMagnitude = dialog.m_roundMagnitude;
    settings.peakMagnitude = dialog.m_peakMagnitude;
    settings.magnitudeMode = dialog.m_magnitudeMode;
    return true;
}

bool CExchangeDialogs::AskPluginOptions(CPluginOptions& options) {
    CPluginOptionDlg dialog(AfxGetMainWnd());
    dialog.m_resolutionOffered = options.resolutionOffered;
    dialog.m_atMostEight = options.atMostEight;
    dialog.m_resolution = options.resolution;
    if (dialog.DoModal() != IDOK)
        return false;
    options.atMostEight = dialog.m_atMostEight;
    options.resolution = dialog.m_resolution;
    return true;
}
