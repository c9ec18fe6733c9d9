#include "dialogs/debug_info_dlg.h"

#include "app/doc_helpers.h"
#include "app/opengl_setting.h"
#include "dialogs/dialog_fields.h"
#include "dialogs/render_dialog_rules.h"

namespace {

enum : UINT {
    kWindowCount = 1000,
    kNear = 1063,
    kNearSpin = 1475,
    kFar = 1462,
    kFarSpin = 1478,
    kSpecular = 1464,
    kSpecularSpin = 1481,
    kShininess = 1675,
    kShininessSpin = 1152,
};

// Far enough for large scenes: the default far plane is 5000.
constexpr float kMaxDistance = 100000.0f;

} // namespace

CDebugInfoDlg::CDebugInfoDlg(COpenGLSetting& setting, CWnd* parent)
    : CDialog(IDD, parent), m_setting(setting) {}

void CDebugInfoDlg::DoDataExchange(CDataExchange* dx) {
    DDX_Text(dx, kWindowCount, m_windowCount);
    DDX_Control(dx, kNear, m_nearEdit);
    DDX_Control(dx, kNearSpin, m_nearSpin);
    DDX_Control(dx, kFar, m_farEdit);
    DDX_Control(dx, kFarSpin, m_farSpin);
    DDX_Control(dx, kSpecular, m_specularEdit);
    DDX_Control(dx, kSpecularSpin, m_specularSpin);
    DDX_Control(dx, kShininess, m_shininessEdit);
    DDX_Control(dx, kShininessSpin, m_shininessSpin);
}

BOOL CDebugInfoDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetupFloatField(m_nearEdit, m_nearSpin, 0.001f, kMaxDistance, static_cast<float>(m_setting.near_plane));
    SetupFloatField(m_farEdit, m_farSpin, 0.001f, kMaxDistance, static_cast<float>(m_setting.far_plane));
    SetupFloatField(m_specularEdit, m_specularSpin, 0.0f, 10.0f, m_setting.specular);
    SetupFloatField(m_shininessEdit, m_shininessSpin, 0.0f, 1000.0f, m_setting.shininess);
    return TRUE;
}

void CDebugInfoDlg::Repaint() {
    PostToRegisteredWindows(notifyRepaintPanes);
}

void CDebugInfoDlg::OnNearPlane() {
    const double value = m_nearEdit.GetFloat();
    if (!IsUsableClipRange(value, m_setting.far_plane)) {
        m_nearEdit.SetFloat(static_cast<float>(m_setting.near_plane));
        return;
    }
    m_setting.near_plane = value;
    Repaint();
}

void CDebugInfoDlg::OnFarPlane() {
    const double value = m_farEdit.GetFloat();
    if (!IsUsableClipRange(m_setting.near_plane, value)) {
        m_farEdit.SetFloat(static_cast<float>(m_setting.far_plane));
        return;
    }
    m_setting.far_plane = value;
    Repaint();
}

void CDebugInfoDlg::OnSpecular() {
    m_setting.specular = m_specularEdit.GetFloat();
    Repaint();
}

void CDebugInfoDlg::OnShininess() {
    m_setting.shininess = m_shininessEdit.GetFloat();
    Repaint();
}

const CommandMap& CDebugInfoDlg::GetCommandMap() const {
    static const CommandMap map = CommandMapFor<CDebugInfoDlg>(CDialog::GetCommandMap())
                                      .OnEnKillFocus(kNear, &CDebugInfoDlg::OnNearPlane)
                                      .OnEnKillFocus(kFar, &CDebugInfoDlg::OnFarPlane)
                                      .OnEnKillFocus(kSpecular, &CDebugInfoDlg::OnSpecular)
                                      .OnEnKillFocus(kShininess, &CDebugInfoDlg::OnShininess);
    return map;
}
