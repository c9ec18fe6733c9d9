#pragma once
// The material preview setting dialog (204, "設定" / "Setting"): the
// preview's background colour, shape, camera position and angle, picture
// and object size, the two checkered planes, anti-aliasing and the renderer
// definition of the preview. The caller fills the public fields and the
// render setting before DoModal and takes them back on IDOK.
#include "app/render_setting.h"
#include "controls/color_button.h"
#include "controls/my_edit.h"
#include "controls/quel_spin.h"
#include "platform/ui/controls.h"
#include "platform/ui/dialog.h"

class CRendererList;

class CPreviewSettingDlg : public CDialog {
public:
    enum { IDD = 204 };
    explicit CPreviewSettingDlg(const CRendererList& renderers, CWnd* parent = nullptr);

    void SetSetting(const CRenderSetting& setting) { m_setting = setting; }
    void GetSetting(CRenderSetting& setting) const { setting = m_setting; }

    COLORREF m_bgColor = 0;
    int m_shape = 0; // 0 sphere, 1 box, 2 cylinder, 8 torus
    float m_cameraX = 0.0f;
    float m_cameraY = 2.0f;
    float m_cameraZ = -5.0f;
    float m_angle = 13.0f;
    int m_windowSize = 200;
    float m_objectSize = 1.0f;
    int m_antialias = 0;
    int m_xzPlane = 0; // the floor, the plane through x and z
    int m_xyPlane = 0; // the plane behind the shape, through x and y

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    const CommandMap& GetCommandMap() const override;

private:
    void OnColor();
    void OnShape();
    void OnRenderer();
    void OnKillFocusNumber();
    void SetEnglishTexts();

    const CRendererList& m_renderers;
    CRenderSetting m_setting;
    int m_shapeRadio = 0;

    CColorButton m_colorButton;
    CComboBox m_rendererList;
    CMyEdit m_xEdit, m_yEdit, m_zEdit, m_angleEdit, m_windowEdit, m_sizeEdit;
    CQuelSpin m_xSpin, m_ySpin, m_zSpin, m_angleSpin, m_windowSpin, m_sizeSpin;
};
