#include "dialogs/preview_setting_dlg.h"

#include "app/doc_helpers.h"
#include "app/renderer_list.h"
#include "dialogs/dialog_fields.h"
#include "dialogs/render_dialog_rules.h"

namespace {

enum : UINT {
    kColor = 1116,
    kSphere = 1577,
    kBox = 1578,
    kCylinder = 1579,
    kTorus = 1580,
    kCameraX = 1666,
    kCameraXSpin = 1369,
    kCameraY = 1667,
    kCameraYSpin = 1373,
    kCameraZ = 1669,
    kCameraZSpin = 1378,
    kAngle = 1495,
    kAngleSpin = 1575,
    kWindowSize = 1659,
    kWindowSizeSpin = 1660,
    kObjectSize = 1664,
    kObjectSizeSpin = 1665,
    kRendererList = 1145,
    kAntialias = 1661,
    kXyPlane = 1662,
    kXzPlane = 1663,
};

} // namespace

CPreviewSettingDlg::CPreviewSettingDlg(const CRendererList& renderers, CWnd* parent)
    : CDialog(IDD, parent), m_renderers(renderers) {}

void CPreviewSettingDlg::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, kColor, m_colorButton);
    DDX_Control(dx, kRendererList, m_rendererList);
    DDX_Control(dx, kCameraX, m_xEdit);
    DDX_Control(dx, kCameraXSpin, m_xSpin);
    DDX_Control(dx, kCameraY, m_yEdit);
    DDX_Control(dx, kCameraYSpin, m_ySpin);
    DDX_Control(dx, kCameraZ, m_zEdit);
    DDX_Control(dx, kCameraZSpin, m_zSpin);
    DDX_Control(dx, kAngle, m_angleEdit);
    DDX_Control(dx, kAngleSpin, m_angleSpin);
    DDX_Control(dx, kWindowSize, m_windowEdit);
    DDX_Control(dx, kWindowSizeSpin, m_windowSpin);
    DDX_Control(dx, kObjectSize, m_sizeEdit);
    DDX_Control(dx, kObjectSizeSpin, m_sizeSpin);
    DDX_Radio(dx, kSphere, m_shapeRadio);
    DDX_Check(dx, kAntialias, m_antialias);
    DDX_Check(dx, kXzPlane, m_xzPlane);
    DDX_Check(dx, kXyPlane, m_xyPlane);
}

BOOL CPreviewSettingDlg::OnInitDialog() {
    m_shapeRadio = PreviewRadioFromShape(m_shape);
    CDialog::OnInitDialog();
    m_colorButton.SetColor(m_bgColor);
    SetupFloatField(m_xEdit, m_xSpin, -1000.0f, 1000.0f, m_cameraX);
    SetupFloatField(m_yEdit, m_ySpin, -1000.0f, 1000.0f, m_cameraY);
    SetupFloatField(m_zEdit, m_zSpin, -1000.0f, 1000.0f, m_cameraZ);
    // An angle below 1 degree gives the renderer no picture.
    SetupFloatField(m_angleEdit, m_angleSpin, 1.0f, 170.0f, m_angle);
    SetupFloatField(m_sizeEdit, m_sizeSpin, 0.1f, 10.0f, m_objectSize);
    SetupIntField(m_windowEdit, m_windowSpin, 30, 500, m_windowSize);
    FillRendererList(m_rendererList, m_renderers);
    const int chosen = m_setting.renderer_index;
    if (chosen >= 0 && chosen < m_rendererList.GetCount())
        m_rendererList.SetCurSel(chosen);
    if (IsEnglish())
        SetEnglishTexts();
    return TRUE;
}

void CPreviewSettingDlg::OnColor() {
    m_bgColor = m_colorButton.GetColor();
}

void CPreviewSettingDlg::OnShape() {
    UpdateData(TRUE);
    m_shape = PreviewShapeFromRadio(m_shapeRadio);
}

void CPreviewSettingDlg::OnRenderer() {
    m_setting.renderer_index = m_rendererList.GetCurSel();
}

void CPreviewSettingDlg::OnKillFocusNumber() {
    m_cameraX = m_xEdit.GetFloat();
    m_cameraY = m_yEdit.GetFloat();
    m_cameraZ = m_zEdit.GetFloat();
    m_angle = m_angleEdit.GetFloat();
    m_objectSize = m_sizeEdit.GetFloat();
    m_windowSize = m_windowEdit.GetInt();
}

void CPreviewSettingDlg::OnOK() {
    OnKillFocusNumber();
    OnShape();
    CDialog::OnOK();
}

void CPreviewSettingDlg::SetEnglishTexts() {
    SetWindowText("Setting");
    static const std::pair<UINT, const char*> texts[] = {
        {kSphere, "Sphere"},          {kBox, "Box"},
        {kCylinder, "Cylinder"},      {kTorus, "Torus"},
        {kXyPlane, "X-Y Plane"},      {kXzPlane, "X-Z Plane"},
        {kAntialias, "AntiAliasing"}, {1505, "Object Type"},
        {1506, "Camera Position"},    {1496, "background color"},
        {1497, "Window Size"},        {1498, "Object Size"},
        {1513, "Active Renderer"},
    };
    for (const auto& [id, text] : texts)
        SetDlgItemText(static_cast<int>(id), text);
}

const CommandMap& CPreviewSettingDlg::GetCommandMap() const {
    static const CommandMap map = [this] {
        CommandMapFor<CPreviewSettingDlg> entries(CDialog::GetCommandMap());
        entries.OnBnClicked(kColor, &CPreviewSettingDlg::OnColor)
            .OnCbnSelChange(kRendererList, &CPreviewSettingDlg::OnRenderer);
        for (UINT id : {kSphere, kBox, kCylinder, kTorus})
            entries.OnBnClicked(id, &CPreviewSettingDlg::OnShape);
        for (UINT id : {kCameraX, kCameraY, kCameraZ, kAngle, kWindowSize, kObjectSize})
            entries.OnEnKillFocus(id, &CPreviewSettingDlg::OnKillFocusNumber);
        return CommandMap(entries);
    }();
    return map;
}
