#include "dialogs/renderer_setting_dlg.h"

#include "app/doc_helpers.h"
#include "dialogs/dialog_fields.h"
#include "dialogs/dialog_texts.h"
#include "dialogs/settings_rules.h"
#include "platform/ui/common_dialogs.h"

#include <iterator>

namespace {

enum : UINT {
    kTitle = 1675,
    kPath = 1677,
    kBrowse = 1475,
    kOfficial = 1577,
    kUnofficial = 1578,
    kOfficialVersion = 1063,
    kUnofficialName = 1462,
    kUnofficialVersion = 1464,
    kPatchType = 1579,
    kBicubicType = 1581,
    kPatchLevel = 1679,
    kPatchLevelSpin = 1478,
    kPolygonType = 1583,
    kPolygonLevel = 1681,
    kPolygonLevelSpin = 1481,
    kRadiosityType = 1585,
    kPostProcess = 1699,
};

// The check boxes and the switch of the definition each one edits.
struct CheckField {
    UINT id;
    int CRendererInfo::*field;
};
constexpr CheckField kCheckFields[CRendererSettingDlg::kCheckCount] = {
    {1693, &CRendererInfo::double_illuminate},  {1695, &CRendererInfo::no_image},
    {1697, &CRendererInfo::no_reflection},      {kPostProcess, &CRendererInfo::post_process},
    {1701, &CRendererInfo::pp_motion_blur},     {1703, &CRendererInfo::pp_focal_blur},
    {1705, &CRendererInfo::pp_soft_glow},       {1706, &CRendererInfo::pp_depth},
    {1707, &CRendererInfo::pp_stars},           {1719, &CRendererInfo::pp_posterize},
    {1720, &CRendererInfo::pp_normal},          {1721, &CRendererInfo::pp_clip_color},
    {1722, &CRendererInfo::pp_invert},          {1723, &CRendererInfo::pp_find_edge},
    {1422, &CRendererInfo::light_parallel},     {1426, &CRendererInfo::light_circular},
    {1431, &CRendererInfo::light_orient},       {1732, &CRendererInfo::light_shadow_pigment},
    {1734, &CRendererInfo::commandline_render}, {1735, &CRendererInfo::hdr},
    {1736, &CRendererInfo::separate_pov_inc},
};
// The first buttons of the five pairs of radio buttons.
constexpr UINT kRadioPairs[] = {kOfficial, kPatchType, kBicubicType, kPolygonType, kRadiosityType};
// The ten effects after "post_process" in the table.
constexpr size_t kFirstEffect = 4;
constexpr size_t kEffectCount = 10;

constexpr ControlText kEnglish[] = {
    {1718, "Title"},
    {1724, "Path"},
    {1496, "Version"},
    {1577, "Official"},
    {1578, "Unofficial"},
    {1715, "version"},
    {1716, "name"},
    {1717, "version"},
    {1497, "Object"},
    {1505, "Patch"},
    {1510, "Below a small number of point"},
    {1509, "Polygon"},
    {1511, "Below a small number of point"},
    {1498, "Light"},
};

} // namespace

CRendererSettingDlg::CRendererSettingDlg(CWnd* parent) : CDialog(IDD, parent) {}

void CRendererSettingDlg::SetInfo(const CRendererInfo& info) {
    m_info.CopyFrom(info);
    FillFields();
}

CRendererInfo CRendererSettingDlg::GetInfo() const {
    CRendererInfo copy;
    copy.CopyFrom(m_info);
    return copy;
}

void CRendererSettingDlg::FillFields() {
    for (size_t i = 0; i < std::size(kCheckFields); ++i)
        m_checks[i] = m_info.*kCheckFields[i].field ? 1 : 0;
    m_version = m_info.is_official ? 0 : 1;
    m_patchType = m_info.patch_type;
    m_bicubicType = m_info.bicubic_patch_type;
    m_polygonType = m_info.output_polygon_type;
    m_radiosityType = m_info.radiosity_type;
    m_title = m_info.title;
    m_path = m_info.path;
    m_officialVersion = m_info.official_version;
    m_unofficialName = m_info.unofficial_name;
    m_unofficialVersion = m_info.unofficial_version;
}

void CRendererSettingDlg::TakeFields() {
    for (size_t i = 0; i < std::size(kCheckFields); ++i)
        m_info.*kCheckFields[i].field = m_checks[i];
    m_info.is_official = m_version == 0 ? 1 : 0;
    m_info.patch_type = m_patchType;
    m_info.bicubic_patch_type = m_bicubicType;
    m_info.output_polygon_type = m_polygonType;
    m_info.radiosity_type = m_radiosityType;
}

const CommandMap& CRendererSettingDlg::GetCommandMap() const {
    static const CommandMap map = [this] {
        CommandMapFor<CRendererSettingDlg> entries(CDialog::GetCommandMap());
        for (const CheckField& check : kCheckFields)
            entries.OnBnClicked(check.id, &CRendererSettingDlg::OnChoice);
        for (const UINT first : kRadioPairs) {
            entries.OnBnClicked(first, &CRendererSettingDlg::OnChoice);
            entries.OnBnClicked(first + 1, &CRendererSettingDlg::OnChoice);
        }
        entries.OnEnChange(kTitle, &CRendererSettingDlg::OnTitleChange)
            .OnEnChange(kOfficialVersion, &CRendererSettingDlg::OnTextChange)
            .OnEnChange(kUnofficialName, &CRendererSettingDlg::OnTextChange)
            .OnEnChange(kUnofficialVersion, &CRendererSettingDlg::OnTextChange)
            .OnEnKillFocus(kPatchLevel, &CRendererSettingDlg::OnPatchLevel)
            .OnEnKillFocus(kPolygonLevel, &CRendererSettingDlg::OnPolygonLevel)
            .OnBnClicked(kBrowse, &CRendererSettingDlg::OnBrowse);
        return CommandMap(entries);
    }();
    return map;
}

void CRendererSettingDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, kPatchLevel, m_patchLevel);
    DDX_Control(dx, kPatchLevelSpin, m_patchLevelSpin);
    DDX_Control(dx, kPolygonLevel, m_polygonLevel);
    DDX_Control(dx, kPolygonLevelSpin, m_polygonLevelSpin);
    for (size_t i = 0; i < std::size(kCheckFields); ++i)
        DDX_Check(dx, static_cast<int>(kCheckFields[i].id), m_checks[i]);
    DDX_Radio(dx, kOfficial, m_version);
    DDX_Radio(dx, kPatchType, m_patchType);
    DDX_Radio(dx, kBicubicType, m_bicubicType);
    DDX_Radio(dx, kPolygonType, m_polygonType);
    DDX_Radio(dx, kRadiosityType, m_radiosityType);
    DDX_Text(dx, kTitle, m_title);
    DDX_Text(dx, kPath, m_path);
    DDX_Text(dx, kOfficialVersion, m_officialVersion);
    DDX_Text(dx, kUnofficialName, m_unofficialName);
    DDX_Text(dx, kUnofficialVersion, m_unofficialVersion);
}

BOOL CRendererSettingDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetupIntField(m_patchLevel, m_patchLevelSpin, 1, 10, m_info.output_patch_level);
    SetupIntField(m_polygonLevel, m_polygonLevelSpin, 1, 10, m_info.output_polygon_level);
    UpdateControlStates();
    ApplyEnglishTexts(*this, "Change Renderer Setting", kEnglish);
    return TRUE;
}

void CRendererSettingDlg::OnChoice() {
    UpdateData(TRUE);
    TakeFields();
    UpdateControlStates();
}

void CRendererSettingDlg::OnTitleChange() {
    UpdateData(TRUE);
    m_info.title = m_title;
    if (CWnd* ok = GetDlgItem(IDOK))
        ok->EnableWindow(!m_title.IsEmpty());
}

void CRendererSettingDlg::OnTextChange() {
    UpdateData(TRUE);
    m_info.official_version = m_officialVersion;
    m_info.unofficial_name = m_unofficialName;
    m_info.unofficial_version = m_unofficialVersion;
}

void CRendererSettingDlg::OnPatchLevel() {
    m_info.output_patch_level = m_patchLevel.GetInt();
}

void CRendererSettingDlg::OnPolygonLevel() {
    m_info.output_polygon_level = m_polygonLevel.GetInt();
}

void CRendererSettingDlg::OnBrowse() {
    // Any file may be the program: no extension marks one here.
    CFileDialog dialog(TRUE, nullptr, nullptr, 0,
                       IsEnglish() ? "All Files (*)|*||" : "すべてのファイル (*)|*||", this);
    dialog.m_ofn.lpstrInitialDir = FolderOf(m_info.path);
    if (dialog.DoModal() != IDOK)
        return;
    m_info.path = dialog.GetPathName();
    m_path = m_info.path;
    SetDlgItemText(kPath, m_path);
}

void CRendererSettingDlg::UpdateControlStates() {
    UpdateData(TRUE);
    const auto enable = [this](UINT id, bool on) {
        if (CWnd* control = GetDlgItem(static_cast<int>(id)))
            control->EnableWindow(on);
    };
    enable(kOfficialVersion, m_version == 0);
    enable(kUnofficialName, m_version == 1);
    enable(kUnofficialVersion, m_version == 1);
    const bool effects = m_checks[3] != 0;
    for (size_t i = kFirstEffect; i < kFirstEffect + kEffectCount; ++i)
        enable(kCheckFields[i].id, effects);
}
