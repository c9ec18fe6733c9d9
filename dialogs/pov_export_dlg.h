#pragma once
// The POV-Ray export dialog (240, "Export POV-Ray"): which renderer
// definition the scene is written for, and radiosity. OK is offered only
// while a definition is chosen.
#include "app/render_setting.h"
#include "platform/ui/controls.h"
#include "platform/ui/dialog.h"

class CRendererList;

class CPovExportDlg : public CDialog {
public:
    enum { IDD = 240 };
    explicit CPovExportDlg(const CRendererList& renderers, CWnd* parent = nullptr);

    // Before DoModal, the definition to start on (the active renderer); after
    // IDOK, the chosen definition's position. Also the render setting whose
    // radiosity switch the dialog edits.
    int m_rendererIndex = -1;
    CRenderSetting m_renderSetting;
    int m_radiosity = 0;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    const CommandMap& GetCommandMap() const override;

private:
    void OnRenderer();
    void OnRadiosity();

    const CRendererList& m_renderers;
    CComboBox m_rendererList;
};
