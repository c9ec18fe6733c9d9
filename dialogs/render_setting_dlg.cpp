#include "dialogs/render_setting_dlg.h"

#include "app/doc_helpers.h"
#include "app/render_setting.h"
#include "app/renderer_list.h"
#include "dialogs/dialog_fields.h"
#include "dialogs/render_dialog_rules.h"
#include "platform/ui/common_dialogs.h"

namespace {

enum : UINT {
    kRendererList = 1145,
    kFormatList = 1240,
    kFolder = 1677,
    kBrowse = 1473,
    kFileName = 1679,
    kWindowSize = 1577,
    kCustomSize = 1578,
    kWidth = 1063,
    kWidthSpin = 1475,
    kHeight = 1462,
    kHeightSpin = 1478,
    kUseAspect = 1431,
    kAspectX = 1464,
    kAspectXSpin = 1481,
    kAspectY = 1675,
    kAspectYSpin = 1152,
    kRadiosity = 1422,
    kAlpha = 1426,
    kAntialias = 1693,
    kThreshold = 1681,
    kThresholdSpin = 1457,
    kJitter = 1695,
    kJitterAmount = 1682,
    kJitterSpin = 1480,
    kRays = 1725,
    kSampling = 1726,
    kPaneA = 1579,
};

void Fill(CComboBox& list, std::initializer_list<const char*> items) {
    list.ResetContent();
    for (const char* item : items)
        list.AddString(item);
}

} // namespace

CRenderSettingDlg::CRenderSettingDlg(CRenderSetting& setting, const CRendererList& renderers, CWnd* parent)
    : CDialog(IDD, parent), m_setting(setting), m_renderers(renderers) {}

void CRenderSettingDlg::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, kRendererList, m_rendererList);
    DDX_Control(dx, kFormatList, m_formatList);
    DDX_Control(dx, kRays, m_raysList);
    DDX_Control(dx, kSampling, m_samplingList);
    DDX_Control(dx, kWidth, m_widthEdit);
    DDX_Control(dx, kWidthSpin, m_widthSpin);
    DDX_Control(dx, kHeight, m_heightEdit);
    DDX_Control(dx, kHeightSpin, m_heightSpin);
    DDX_Control(dx, kAspectX, m_aspectXEdit);
    DDX_Control(dx, kAspectXSpin, m_aspectXSpin);
    DDX_Control(dx, kAspectY, m_aspectYEdit);
    DDX_Control(dx, kAspectYSpin, m_aspectYSpin);
    DDX_Control(dx, kThreshold, m_thresholdEdit);
    DDX_Control(dx, kThresholdSpin, m_thresholdSpin);
    DDX_Control(dx, kJitterAmount, m_jitterEdit);
    DDX_Control(dx, kJitterSpin, m_jitterSpin);
    DDX_Check(dx, kRadiosity, m_radiosity);
    DDX_Check(dx, kAlpha, m_alpha);
    DDX_Check(dx, kUseAspect, m_useAspect);
    DDX_Check(dx, kAntialias, m_antialias);
    DDX_Check(dx, kJitter, m_jitter);
    DDX_Text(dx, kFolder, m_folder);
    DDX_Text(dx, kFileName, m_fileName);
    DDX_Radio(dx, kWindowSize, m_sizeMode);
    DDX_Radio(dx, kPaneA, m_previewPane);
}

BOOL CRenderSettingDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    LoadFromDocument();
    if (IsEnglish())
        SetEnglishTexts();
    return TRUE;
}

void CRenderSettingDlg::LoadFromDocument() {
    FillRendererList(m_rendererList, m_renderers);
    const bool english = IsEnglish();
    if (english) {
        Fill(m_samplingList, {"Non-adaptive Supersampling", "Adaptive Supersampling"});
        Fill(m_formatList, {"bmp", "png", "ppm", "tga(compressed)", "tga(uncompressed)"});
    } else {
        Fill(m_samplingList, {"非適合法", "適合スーパーサンプリング"});
        Fill(m_formatList, {"bmp", "png", "ppm", "tga(圧縮)", "tga(非圧縮)"});
    }
    Fill(m_raysList, {"1×1", "2×2", "3×3", "4×4", "5×5", "6×6"});

    const CRenderSetting& rs = m_setting;
    m_folder = rs.output_folder;
    m_fileName = rs.output_filename;
    m_sizeMode = rs.rendering_type;
    SetupIntField(m_widthEdit, m_widthSpin, 1, 10000, rs.image_w);
    SetupIntField(m_heightEdit, m_heightSpin, 1, 10000, rs.image_h);
    SetupIntField(m_aspectXEdit, m_aspectXSpin, 1, 30, rs.aspect_x);
    SetupIntField(m_aspectYEdit, m_aspectYSpin, 1, 30, rs.aspect_y);
    m_useAspect = rs.use_aspect;
    m_radiosity = rs.use_radiosity;
    m_alpha = rs.use_alpha;
    const bool known = rs.renderer_index >= 0 && rs.renderer_index < m_rendererList.GetCount();
    m_rendererList.SetCurSel(known ? rs.renderer_index : -1);
    m_formatList.SetCurSel(rs.image_type >= 1 && rs.image_type <= 5 ? rs.image_type - 1 : -1);
    m_antialias = rs.use_anti;
    SetupFloatField(m_thresholdEdit, m_thresholdSpin, 0.0f, 1.0f, rs.anti_threshold);
    m_jitter = rs.anti_use_jitter;
    SetupFloatField(m_jitterEdit, m_jitterSpin, 0.0f, 1.0f, rs.anti_jitter);
    m_raysList.SetCurSel(rs.anti_rays - 1);
    m_samplingList.SetCurSel(rs.sampling_method);
    m_previewPane = rs.preview_render_camera;
    UpdateData(FALSE);
    UpdateControlStates();
}

void CRenderSettingDlg::UpdateControlStates() {
    UpdateData(TRUE);
    const CRenderSettingControlStates s =
        RenderSettingControlStates(m_sizeMode, m_useAspect, m_antialias, m_jitter);
    m_widthEdit.EnableWindow(s.width);
    GetDlgItem(kUseAspect)->EnableWindow(s.useAspect);
    m_heightEdit.EnableWindow(s.height);
    m_aspectXEdit.EnableWindow(s.aspect);
    m_aspectYEdit.EnableWindow(s.aspect);
    m_thresholdEdit.EnableWindow(s.threshold);
    GetDlgItem(kJitter)->EnableWindow(s.jitterBox);
    m_raysList.EnableWindow(s.rays);
    m_samplingList.EnableWindow(s.sampling);
    m_jitterEdit.EnableWindow(s.jitterAmount);
}

void CRenderSettingDlg::ApplyAspectRule() {
    UpdateData(TRUE);
    if (m_useAspect)
        m_heightEdit.SetInt(
            AspectLockedHeight(m_widthEdit.GetInt(), m_aspectXEdit.GetInt(), m_aspectYEdit.GetInt()));
}

void CRenderSettingDlg::ApplyFileNameRule() {
    UpdateData(TRUE);
    const int format = m_formatList.GetCurSel();
    if (format < 0)
        return;
    m_fileName = FileNameForFormat(m_fileName, format);
    SetDlgItemText(kFileName, m_fileName);
}

void CRenderSettingDlg::OnBrowseFolder() {
    CFolderDialog browser(IsEnglish() ? "Select Folder" : "フォルダの選択", this);
    UpdateData(TRUE);
    browser.SetPath(m_folder);
    if (browser.DoModal() != IDOK || browser.GetPath().IsEmpty())
        return;
    m_folder = FolderWithSeparator(browser.GetPath());
    SetDlgItemText(kFolder, m_folder);
}

void CRenderSettingDlg::ApplyToDocument() {
    UpdateData(TRUE);
    CRenderSetting& rs = m_setting;
    rs.renderer_index = m_rendererList.GetCurSel();
    rs.output_folder = m_folder;
    rs.output_filename = m_fileName;
    rs.rendering_type = m_sizeMode;
    rs.image_w = m_widthEdit.GetInt();
    rs.image_h = m_heightEdit.GetInt();
    rs.aspect_x = m_aspectXEdit.GetInt();
    rs.aspect_y = m_aspectYEdit.GetInt();
    rs.use_aspect = m_useAspect;
    rs.use_radiosity = m_radiosity;
    rs.use_alpha = m_alpha;
    const int format = m_formatList.GetCurSel();
    rs.image_type = format < 0 ? -1 : format + 1;
    rs.use_anti = m_antialias;
    rs.anti_threshold = m_thresholdEdit.GetFloat();
    rs.anti_use_jitter = m_jitter;
    rs.anti_jitter = m_jitterEdit.GetFloat();
    rs.anti_rays = m_raysList.GetCurSel() + 1;
    rs.sampling_method = m_samplingList.GetCurSel();
    rs.preview_render_camera = m_previewPane;
}

void CRenderSettingDlg::OnOK() {
    ApplyToDocument();
    CDialog::OnOK();
}

void CRenderSettingDlg::SetEnglishTexts() {
    SetWindowText("Renderer Setting");
    static const std::pair<UINT, const char*> texts[] = {
        {1496, "Active Renderer"},
        {1498, "Setting"},
        {1505, "File Format"},
        {1513, "Output Folder"},
        {1515, "File Name"},
        {1506, "Image Size"},
        {1577, "Selected Window Size"},
        {1578, "Customize Size"},
        {1509, "W"},
        {1510, "H"},
        {1431, "Use Aspect"},
        {1511, "W"},
        {1512, "H"},
        {1497, "Option"},
        {1422, "Radiosity"},
        {1426, "Use Alpha-Channel"},
        {1508, "AntiAliasing"},
        {1693, "AntiAliasing"},
        {1324, "Threshold"},
        {1695, "Jitter"},
        {1333, "Rays"},
        {1356, "Sampling Method"},
        {1383, "Preview Rendering(View)"},
    };
    for (const auto& [id, text] : texts)
        SetDlgItemText(static_cast<int>(id), text);
}

const CommandMap& CRenderSettingDlg::GetCommandMap() const {
    static const CommandMap map = CommandMapFor<CRenderSettingDlg>(CDialog::GetCommandMap())
                                      .OnBnClicked(kWindowSize, &CRenderSettingDlg::UpdateControlStates)
                                      .OnBnClicked(kCustomSize, &CRenderSettingDlg::UpdateControlStates)
                                      .OnBnClicked(kUseAspect, &CRenderSettingDlg::UpdateControlStates)
                                      .OnBnClicked(kAntialias, &CRenderSettingDlg::UpdateControlStates)
                                      .OnBnClicked(kJitter, &CRenderSettingDlg::UpdateControlStates)
                                      .OnEnKillFocus(kWidth, &CRenderSettingDlg::ApplyAspectRule)
                                      .OnEnKillFocus(kAspectX, &CRenderSettingDlg::ApplyAspectRule)
                                      .OnEnKillFocus(kAspectY, &CRenderSettingDlg::ApplyAspectRule)
                                      .OnCbnSelChange(kFormatList, &CRenderSettingDlg::ApplyFileNameRule)
                                      .OnEnKillFocus(kFileName, &CRenderSettingDlg::ApplyFileNameRule)
                                      .OnBnClicked(kBrowse, &CRenderSettingDlg::OnBrowseFolder);
    return map;
}
