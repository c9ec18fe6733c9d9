#include "materials/noise_panels.h"

#include "materials/material_rules.h"

namespace {

using TurbulenceField = NumberField<CTurbulenceData>;
using PatternField = NumberField<CPatternData>;

constexpr int kWaveTypeList = 1145;
constexpr int kPatternList = 1052;
// The gradient axis boxes X, Y and Z.
constexpr UINT kGradientBoxes[3] = {1214, 1272, 1276};

// clang-format off
constexpr TurbulenceField kTurbulenceFields[] = {
    {1420, 1369, 0, 0, 5, 0, [](CTurbulenceData& t) -> float& { return t.m_turbulence[0]; }, nullptr},
    {1421, 1373, 0, 0, 5, 0, [](CTurbulenceData& t) -> float& { return t.m_turbulence[1]; }, nullptr},
    {1424, 1378, 0, 0, 5, 0, [](CTurbulenceData& t) -> float& { return t.m_turbulence[2]; }, nullptr},
    {1427, 1382, 0, 1, 10, 6, nullptr, [](CTurbulenceData& t) -> int& { return t.m_octaves; }},
    {1430, 1386, 0, 0, 100, 0.5f, [](CTurbulenceData& t) -> float& { return t.m_omega; }, nullptr},
    {1433, 1389, 0, 0, 100, 2, [](CTurbulenceData& t) -> float& { return t.m_lambda; }, nullptr},
    {1436, 1392, 0, 0, 100, 1, [](CTurbulenceData& t) -> float& { return t.m_frequency; }, nullptr},
    {1439, 1395, 0, 0, 360, 0, [](CTurbulenceData& t) -> float& { return t.m_phase; }, nullptr},
};
constexpr int kNoiseGroups[] = {1475, 1478};

constexpr UINT kAgateEdit = 1061;
constexpr UINT kMandelEdit = 1074;
constexpr UINT kArmsEdit = 1135;
constexpr UINT kQuiltedEdits[] = {1154, 1163};
constexpr PatternField kPatternFields[] = {
    {1054, 1352, 1357, 0, 1, 0.5f, [](CPatternData& p) -> float& { return p.m_bumpDepth; }, nullptr},
    {kAgateEdit, 1359, 1364, 0, 10, 1, [](CPatternData& p) -> float& { return p.m_agateTurb; }, nullptr},
    {kMandelEdit, 1367, 1371, 1, 256, 25, nullptr, [](CPatternData& p) -> int& { return p.m_mandelIterations; }},
    {kArmsEdit, 1376, 1380, 1, 50, 5, nullptr, [](CPatternData& p) -> int& { return p.m_spiralArms; }},
    {1154, 1384, 1387, 0, 2, 0, [](CPatternData& p) -> float& { return p.m_control0; }, nullptr},
    {1163, 1390, 1393, 0, 2, 1, [](CPatternData& p) -> float& { return p.m_control1; }, nullptr},
};

constexpr NumberField<CNormalData> kBumpSizeFields[] = {
    {1078, 1077, 0, -100, 100, 1, [](CNormalData& n) -> float& { return n.m_bumpSize; }, nullptr},
};
constexpr int kBumpSizeGroups[] = {1475};
// clang-format on

void FillList(CComboBox& list, std::span<const char* const> names) {
    list.ResetContent();
    for (size_t i = 0; i < names.size(); ++i)
        list.SetItemData(list.AddString(names[i]), i);
}

} // namespace

// --- noise ---------------------------------------------------------------------------

CNoisePanel::CNoisePanel() : CRecordPanel(kNoiseGroups, kTurbulenceFields, {}) {}

void CNoisePanel::DoDataExchange(CDataExchange* dx) {
    CRecordPanel::DoDataExchange(dx);
    DDX_Control(dx, kWaveTypeList, m_waveType);
}

BOOL CNoisePanel::OnInitDialog() {
    CRecordPanel::OnInitDialog();
    FillList(m_waveType, WaveTypeNames());
    return TRUE;
}

const CommandMap& CNoisePanel::GetCommandMap() const {
    static const CommandMap map = CommandMapFor<CNoisePanel>(CRecordPanel::GetCommandMap())
                                      .OnCbnSelChange(kWaveTypeList, &CNoisePanel::OnWaveType);
    return map;
}

void CNoisePanel::ShowMore(CTurbulenceData& turbulence) {
    m_waveType.SetCurSel(turbulence.m_waveType);
}

void CNoisePanel::OnWaveType() {
    CMaterialData* mat = CurrentMaterial();
    const int index = m_waveType.GetCurSel();
    if (!mat || index < 0)
        return;
    RecordOf(*mat).m_waveType = index;
    SetModifiedForPanels();
}

// --- pattern --------------------------------------------------------------------------

CPatternPanel::CPatternPanel(std::span<const int> groups) : CRecordPanel(groups, kPatternFields, {}) {}

void CPatternPanel::DoDataExchange(CDataExchange* dx) {
    CRecordPanel::DoDataExchange(dx);
    DDX_Control(dx, kPatternList, m_pattern);
}

BOOL CPatternPanel::OnInitDialog() {
    CRecordPanel::OnInitDialog();
    FillList(m_pattern, PatternNames());
    return TRUE;
}

const CommandMap& CPatternPanel::GetCommandMap() const {
    static const CommandMap map =
        CommandMapFor<CPatternPanel>(CRecordPanel::GetCommandMap())
            .OnCbnSelChange(kPatternList, &CPatternPanel::OnPattern)
            .OnControlRange(BN_CLICKED, kGradientBoxes[0], kGradientBoxes[0], &CPatternPanel::OnGradientAxis)
            .OnControlRange(BN_CLICKED, kGradientBoxes[1], kGradientBoxes[1], &CPatternPanel::OnGradientAxis)
            .OnControlRange(BN_CLICKED, kGradientBoxes[2], kGradientBoxes[2], &CPatternPanel::OnGradientAxis);
    return map;
}

void CPatternPanel::ShowMore(CPatternData& pattern) {
    for (int i = 0; i < m_pattern.GetCount(); ++i)
        if (static_cast<int>(m_pattern.GetItemData(i)) == pattern.m_pattern)
            m_pattern.SetCurSel(i);
    for (int axis = 0; axis < 3; ++axis)
        CheckDlgButton(static_cast<int>(kGradientBoxes[axis]),
                       pattern.m_gradient[axis] ? BST_CHECKED : BST_UNCHECKED);
}

// The fields follow the pattern chosen in the list.
void CPatternPanel::UpdateEnables(const CPatternData&) {
    const int index = m_pattern.GetCurSel();
    const PatternFields fields =
        FieldsForPattern(index < 0 ? -1 : static_cast<int>(m_pattern.GetItemData(index)));
    m_numbers.Enable(kAgateEdit, fields.agateTurbulence);
    m_numbers.Enable(kMandelEdit, fields.mandelIterations);
    m_numbers.Enable(kArmsEdit, fields.numberOfArms);
    for (UINT id : kQuiltedEdits)
        m_numbers.Enable(id, fields.quilted);
    for (UINT id : kGradientBoxes)
        EnableItem(static_cast<int>(id), fields.gradientAxes);
}

void CPatternPanel::OnPattern() {
    CMaterialData* mat = CurrentMaterial();
    const int index = m_pattern.GetCurSel();
    if (!mat || index < 0)
        return;
    CPatternData& pattern = RecordOf(*mat);
    pattern.m_pattern = static_cast<int>(m_pattern.GetItemData(index));
    UpdateEnables(pattern);
    SetModifiedForPanels();
}

void CPatternPanel::OnGradientAxis(UINT id) {
    CMaterialData* mat = CurrentMaterial();
    if (!mat)
        return;
    int axes[3];
    int clicked = 0;
    for (int axis = 0; axis < 3; ++axis) {
        axes[axis] = IsDlgButtonChecked(static_cast<int>(kGradientBoxes[axis])) == BST_CHECKED ? 1 : 0;
        if (kGradientBoxes[axis] == id)
            clicked = axis;
    }
    KeepOneGradientAxis(axes, clicked);
    CheckDlgButton(static_cast<int>(id), axes[clicked] ? BST_CHECKED : BST_UNCHECKED);
    RecordOf(*mat).m_gradient[clicked] = axes[clicked];
    SetModifiedForPanels();
}

// --- bump size ----------------------------------------------------------------------------

CBumpSizePanel::CBumpSizePanel() : CRecordPanel(kBumpSizeGroups, kBumpSizeFields, {}) {}
