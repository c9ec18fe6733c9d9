#include "dialogs/viewport_setting_dlgs.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "dialogs/dialog_fields.h"

namespace {

// Camera (130).
constexpr std::array<UINT, 3> kLocationIds = {1482, 1487, 1489};
constexpr std::array<UINT, 3> kLocationSpinIds = {1574, 1573, 1572};
constexpr std::array<UINT, 3> kLookAtIds = {1491, 1493, 1494};
constexpr std::array<UINT, 3> kLookAtSpinIds = {1571, 1570, 1569};
constexpr UINT kAngleId = 1495;
constexpr UINT kAngleSpinId = 1575;
constexpr std::array<UINT, 3> kCameraGroupIds = {1475, 1478, 1481};

// Grid (125).
constexpr UINT kGridSizeId = 1363;
constexpr UINT kGridSizeSpinId = 1326;
constexpr UINT kGridCountId = 1370;
constexpr UINT kGridCountSpinId = 1375;
constexpr std::array<UINT, 3> kGridLockIds = {1331, 1335, 1342};
constexpr UINT kAllPanesId = 1340;

// View (231).
constexpr UINT kResolutionId = 1063;
constexpr UINT kResolutionSpinId = 1475;
constexpr UINT kViewGridId = 1462;
constexpr UINT kViewGridSpinId = 1478;
constexpr std::array<UINT, 3> kViewLockIds = {1422, 1426, 1431};

// OpenGL (214).
constexpr UINT kDisplayListId = 1422;
constexpr UINT kCurveOnSurfaceId = 1426;
constexpr UINT kSeeThroughId = 1431;
constexpr UINT kCurveTypeId = 1577;
constexpr UINT kSurfaceTypeId = 1579;

CVector3 FromFields(const std::array<CMyEdit, 3>& edits) {
    return CVector3(edits[0].GetFloat(), edits[1].GetFloat(), edits[2].GetFloat());
}

void SetTexts(CDialog& dialog, std::initializer_list<std::pair<UINT, const char*>> texts) {
    for (const auto& [id, text] : texts)
        dialog.SetDlgItemText(static_cast<int>(id), text);
}

} // namespace

void CNumberFieldsDlg::OnOK() {
    ReadFields();
    CDialog::OnOK();
}

void CCameraSettingDlg::DoDataExchange(CDataExchange* dx) {
    for (size_t axis = 0; axis < 3; ++axis) {
        DDX_Control(dx, static_cast<int>(kLocationIds[axis]), m_locationEdits[axis]);
        DDX_Control(dx, static_cast<int>(kLocationSpinIds[axis]), m_locationSpins[axis]);
        DDX_Control(dx, static_cast<int>(kLookAtIds[axis]), m_lookAtEdits[axis]);
        DDX_Control(dx, static_cast<int>(kLookAtSpinIds[axis]), m_lookAtSpins[axis]);
        DDX_Control(dx, static_cast<int>(kCameraGroupIds[axis]), m_groups[axis]);
    }
    DDX_Control(dx, kAngleId, m_angleEdit);
    DDX_Control(dx, kAngleSpinId, m_angleSpin);
    DDX_Control(dx, IDOK, m_ok);
}

BOOL CCameraSettingDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    for (size_t axis = 0; axis < 3; ++axis) {
        SetupFloatField(m_locationEdits[axis], m_locationSpins[axis], -kCoordinateLimit, kCoordinateLimit,
                        m_location.Get(static_cast<int>(axis)));
        SetupFloatField(m_lookAtEdits[axis], m_lookAtSpins[axis], -kCoordinateLimit, kCoordinateLimit,
                        m_lookAt.Get(static_cast<int>(axis)));
    }
    // An angle of 0 or below has no projection, so the range starts at 1.
    SetupFloatField(m_angleEdit, m_angleSpin, kMinAngle, kMaxAngle, m_angle);
    m_groups[0].Init();
    m_groups[1].Init();
    m_groups[2].Init(&m_ok);
    return TRUE;
}

void CCameraSettingDlg::ReadFields() {
    m_location = FromFields(m_locationEdits);
    m_lookAt = FromFields(m_lookAtEdits);
    m_angle = m_angleEdit.GetFloat();
}

void CGridSettingDlg::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, kGridSizeId, m_sizeEdit);
    DDX_Control(dx, kGridSizeSpinId, m_sizeSpin);
    DDX_Control(dx, kGridCountId, m_countEdit);
    DDX_Control(dx, kGridCountSpinId, m_countSpin);
    for (size_t axis = 0; axis < 3; ++axis)
        DDX_Check(dx, static_cast<int>(kGridLockIds[axis]), m_lock[axis]);
    DDX_Check(dx, kAllPanesId, m_allPanes);
}

BOOL CGridSettingDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (IsEnglish()) {
        SetWindowText("Grid Setting");
        SetTexts(*this, {{1496, "Size"}, {1497, "Num"}, {1498, "Lock"}, {kAllPanesId, "Change All Windows"}});
    }
    SetupFloatField(m_sizeEdit, m_sizeSpin, 0.001f, 100.0f, m_size);
    SetupIntField(m_countEdit, m_countSpin, 1, 1000, m_count);
    return TRUE;
}

void CGridSettingDlg::ReadFields() {
    m_size = m_sizeEdit.GetFloat();
    m_count = m_countEdit.GetInt();
}

void CViewSettingDlg::LoadFromView(int pane) {
    m_pane = pane;
    const CQuelDoc* doc = GetDoc();
    if (!doc || pane < 0 || pane >= kPaneCount)
        return;
    const CPaneDisplaySettings& show = doc->m_settings.m_panes[static_cast<size_t>(pane)];
    m_resolution = show.m_curveResolution / 2;
    m_gridSize = show.m_gridSpacing;
    m_lock = show.m_gridLock;
}

void CViewSettingDlg::StoreToView() {
    CQuelDoc* doc = GetDoc();
    if (!doc || m_pane < 0 || m_pane >= kPaneCount)
        return;
    CPaneDisplaySettings& show = doc->m_settings.m_panes[static_cast<size_t>(m_pane)];
    show.m_curveResolution = show.m_surfaceResolution = m_resolution * 2;
    show.m_gridLock = m_lock;
    show.m_gridSpacing = m_gridSize;
    if (auto* window = doc->FindWindowService<CWindowServices>(wndGLPane0 + m_pane))
        window->RedrawNow();
}

void CViewSettingDlg::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, kResolutionId, m_resolutionEdit);
    DDX_Control(dx, kResolutionSpinId, m_resolutionSpin);
    DDX_Control(dx, kViewGridId, m_gridEdit);
    DDX_Control(dx, kViewGridSpinId, m_gridSpin);
    for (size_t axis = 0; axis < 3; ++axis)
        DDX_Check(dx, static_cast<int>(kViewLockIds[axis]), m_lock[axis]);
}

BOOL CViewSettingDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (IsEnglish()) {
        SetWindowText("Setting");
        SetTexts(*this, {{1496, "Resolution(Curve,Surface)"},
                         {1497, "Grid Setting"},
                         {1498, "Grid Size"},
                         {1505, "Grid Lock"}});
    }
    SetupIntField(m_resolutionEdit, m_resolutionSpin, 1, 10, m_resolution);
    SetupFloatField(m_gridEdit, m_gridSpin, 1.0f, 1000.0f, m_gridSize);
    return TRUE;
}

void CViewSettingDlg::ReadFields() {
    m_resolution = m_resolutionEdit.GetInt();
    m_gridSize = m_gridEdit.GetFloat();
}

void COpenGLSettingDlg::LoadFrom(const COpenGLSetting& setting) {
    m_curveType = setting.curve_type;
    m_surfaceType = setting.surface_type;
    m_useDisplayList = setting.use_displaylist;
    m_curveOnSurface = setting.draw_curve_on_surface;
    m_seeThroughUnlit = setting.draw_alpha_surface_with_light ? 0 : 1;
}

void COpenGLSettingDlg::StoreTo(COpenGLSetting& setting) const {
    setting.curve_type = m_curveType;
    setting.surface_type = m_surfaceType;
    setting.use_displaylist = m_useDisplayList;
    setting.draw_curve_on_surface = m_curveOnSurface;
    setting.draw_alpha_surface_with_light = m_seeThroughUnlit ? 0 : 1;
}

void COpenGLSettingDlg::DoDataExchange(CDataExchange* dx) {
    DDX_Check(dx, kDisplayListId, m_useDisplayList);
    DDX_Check(dx, kCurveOnSurfaceId, m_curveOnSurface);
    DDX_Check(dx, kSeeThroughId, m_seeThroughUnlit);
    DDX_Radio(dx, kCurveTypeId, m_curveType);
    DDX_Radio(dx, kSurfaceTypeId, m_surfaceType);
}

BOOL COpenGLSettingDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (IsEnglish()) {
        SetWindowText("OpenGL Setting");
        SetTexts(*this, {{1496, "Draw Curve Type"},
                         {1497, "Draw Surface Type"},
                         {kDisplayListId, "Use DisplayList"},
                         {kCurveOnSurfaceId, "Draw Curve On Surface"},
                         {kSeeThroughId, "Draw See-through Surface without Lighting"}});
    }
    return TRUE;
}
