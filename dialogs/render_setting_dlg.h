#pragma once
// The render settings dialog (236, "POV-Rayでのレンダリング設定" / "Renderer
// Setting"): the active renderer definition and the render setting's output
// format, folder and file name, image size with the aspect lock, radiosity,
// alpha, anti-aliasing and the pane the render command renders. It shows the
// setting it is given when it opens and writes it back only on OK.
#include "controls/my_edit.h"
#include "controls/quel_spin.h"
#include "platform/ui/controls.h"
#include "platform/ui/dialog.h"

class CRenderSetting;
class CRendererList;

class CRenderSettingDlg : public CDialog {
public:
    enum { IDD = 236 };
    CRenderSettingDlg(CRenderSetting& setting, const CRendererList& renderers, CWnd* parent = nullptr);

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    const CommandMap& GetCommandMap() const override;

private:
    void LoadFromDocument();
    void ApplyToDocument();
    void UpdateControlStates();
    // The height follows the width while the aspect is locked.
    void ApplyAspectRule();
    // The file name takes the extension of the chosen format.
    void ApplyFileNameRule();
    void OnBrowseFolder();
    void SetEnglishTexts();

    CRenderSetting& m_setting;
    const CRendererList& m_renderers;

    CComboBox m_rendererList;
    CComboBox m_formatList;
    CComboBox m_raysList;
    CComboBox m_samplingList;
    CMyEdit m_widthEdit, m_heightEdit, m_aspectXEdit, m_aspectYEdit, m_thresholdEdit, m_jitterEdit;
    CQuelSpin m_widthSpin, m_heightSpin, m_aspectXSpin, m_aspectYSpin, m_thresholdSpin, m_jitterSpin;

    int m_radiosity = 0;
    int m_alpha = 0;
    int m_useAspect = 0;
    int m_antialias = 0;
    int m_jitter = 0;
    CString m_folder;
    CString m_fileName;
    int m_sizeMode = -1;
    int m_previewPane = -1;
};
