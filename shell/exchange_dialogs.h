#pragma once
// The real dialogs behind the exchange-format commands: the export settings
// (122), the system's file dialogs, the sPatch import settings (114), the
// AnimationMaster export settings (196) and the plug-in options (211), each
// over the main window.
#include "formats/exchange_ui.h"

class CExchangeDialogs : public CExchangeUi {
public:
    bool AskExportSettings(ExportSettingMode mode, CExportSettings& settings) override;
    bool AskSavePath(const CFileChoice& choice, CString& path) override;
    bool AskOpenPath(const CFileChoice& choice, CString& path) override;
    bool AskSptImportSettings(CSptImportSettings& settings) override;
    bool AskMdlSettings(CMdlSettings& settings) override;
    bool AskPluginOptions(CPluginOptions& options) override;
};
