#include "shell/light_panel.h"

#include "app/doc_helpers.h"
#include "app/light_data.h"
#include "app/quel_doc.h"
#include "dialogs/dialog_texts.h"

namespace {

constexpr std::array<int, 8> kGroupIds = {1475, 1478, 1481, 1152, 1467, 1473, 1457, 1480};
constexpr int kName = 1030;
constexpr int kRename = 1034;
constexpr int kColor = 1038;
constexpr int kFirstType = 1535;
constexpr int kLastType = 1538;
constexpr int kShadowColor = 1731;

// The number fields: edit, spin and slider (0 for none), kind and range.
struct NumberSpec {
    int edit;
    int spin;
    int meter;
    bool isFloat;
    float min;
    float max;
    float initial;
};
constexpr float kFar = 1000.0f;
constexpr NumberSpec kNumbers[] = {
    {1532, 0, 0, true, -kFar, kFar, 0.0f},
    {1533, 0, 0, true, -kFar, kFar, 0.0f},
    {1534, 0, 0, true, -kFar, kFar, 0.0f},
    {1539, 0, 0, true, -kFar, kFar, 0.0f},
    {1541, 0, 0, true, -kFar, kFar, 0.0f},
    {1540, 0, 0, true, -kFar, kFar, 0.0f},
    {1542, 0, 0, true, -kFar, kFar, 0.0f},
    {1543, 0, 0, true, -kFar, kFar, 0.0f},
    {1544, 0, 0, true, -kFar, kFar, 0.0f},
    {1549, 0, 0, true, -kFar, kFar, 0.0f},
    {1550, 0, 0, true, -kFar, kFar, 0.0f},
    {1551, 0, 0, true, -kFar, kFar, 0.0f},
    {1519, 1160, 1169, true, 0.001f, 89.999f, 30.0f},
    {1545, 1233, 1277, true, 0.001f, 89.999f, 40.0f},
    {1546, 1285, 1304, true, 0.0f, 100.0f, 10.0f},
    {1547, 1308, 1311, false, 2.0f, 50.0f, 2.0f},
    {1548, 1315, 1319, false, 2.0f, 50.0f, 2.0f},
    {1552, 1452, 1453, false, 0.0f, 5.0f, 1.0f},
    {1576, 1459, 0, true, 0.0f, kFar, 0.0f},
    {1514, 1461, 0, true, 0.0f, 100.0f, 1.0f},
};

// The three edits of each vector, x, y, z.
struct VectorField {
    std::array<UINT, 3> ids;
    CVector3 CLightValues::*value;
    LightField field;
};
constexpr VectorField kVectors[] = {
    {{1532, 1533, 1534}, &CLightValues::location, LightField::location},
    {{1539, 1541, 1540}, &CLightValues::pointAt, LightField::pointAt},
    {{1542, 1543, 1544}, &CLightValues::axisU, LightField::axisU},
    {{1549, 1550, 1551}, &CLightValues::axisV, LightField::axisV},
};

struct FloatField {
    int id;
    float CLightValues::*value;
    LightField field;
};
constexpr FloatField kFloats[] = {
    {1519, &CLightValues::radius, LightField::radius},
    {1545, &CLightValues::falloff, LightField::falloff},
    {1546, &CLightValues::tightness, LightField::tightness},
    {1576, &CLightValues::fadeDistance, LightField::fadeDistance},
    {1514, &CLightValues::fadePower, LightField::fadePower},
};

struct IntField {
    int id;
    int CLightValues::*value;
    LightField field;
};
constexpr IntField kInts[] = {
    {1547, &CLightValues::areaSizeU, LightField::areaSizeU},
    {1548, &CLightValues::areaSizeV, LightField::areaSizeV},
    {1552, &CLightValues::adaptive, LightField::adaptive},
};

// The check boxes, each one switch of the light.
struct CheckField {
    int id;
    int CLightValues::*value;
    LightField field;
    bool updatesEnabling;
};
constexpr CheckField kChecks[] = {
    {1289, &CLightValues::shadowless, LightField::shadowless, false},
    {1295, &CLightValues::mediaAttenuation, LightField::mediaAttenuation, false},
    {1301, &CLightValues::mediaInteraction, LightField::mediaInteraction, false},
    {1553, &CLightValues::jitter, LightField::jitter, false},
    {1554, &CLightValues::areaSpot, LightField::areaSpot, true},
    {1531, &CLightValues::fade, LightField::fade, true},
    {1099, &CLightValues::parallel, LightField::parallel, false},
    {1101, &CLightValues::circular, LightField::circular, false},
    {1103, &CLightValues::orient, LightField::orient, false},
    {1733, &CLightValues::shadowPigment, LightField::shadowPigment, true},
};

constexpr ControlText kEnglish[] = {
    {1475, "Name + Color"},
    {1478, "Position"},
    {1481, "Type"},
    {1535, "Point Light"},
    {1536, "Spot Light"},
    {1537, "Cylinder Light"},
    {1538, "Area Light"},
    {1152, "Option"},
    {1289, "Shadowless"},
    {1295, "Media_Attenuation"},
    {1301, "Media_Interaction"},
    {1467, "Spot and Cylinder Option"},
    {1496, "Look_At"},
    {1497, "Radius"},
    {1498, "Falloff"},
    {1505, "Tightness"},
    {1473, "Area Option"},
    {1506, "U Steps"},
    {1510, "V_Steps"},
    {1511, "U_Vector"},
    {1512, "V_Vector"},
    {1515, "Adaptive"},
    {1553, "Jitter"},
    {1554, "Spot Light"},
    {1457, "Fade"},
    {1531, "Use Fade"},
    {1454, "Fade Distance"},
    {1455, "Fade Power"},
    {1480, "Option"},
    {1099, "Parallel"},
    {1101, "Circular"},
    {1103, "Orient"},
};

} // namespace

const CommandMap& CLightPanel::GetCommandMap() const {
    static const CommandMap map = [this] {
        CommandMapFor<CLightPanel> entries(CSideBarPanel::GetCommandMap());
        for (const CheckField& check : kChecks)
            entries.OnControlRange(BN_CLICKED, check.id, check.id, &CLightPanel::OnCheck);
        for (const NumberSpec& number : kNumbers)
            entries.OnControlRange(EN_KILLFOCUS, number.edit, number.edit, &CLightPanel::OnKillFocusNumber);
        entries.OnControlRange(BN_CLICKED, kFirstType, kLastType, &CLightPanel::OnType)
            .OnBnClicked(kColor, &CLightPanel::OnColor)
            .OnBnClicked(kShadowColor, &CLightPanel::OnShadowColor)
            .OnBnClicked(kRename, &CLightPanel::OnRename);
        return CommandMap(entries);
    }();
    return map;
}

void CLightPanel::DoDataExchange(CDataExchange* dx) {
    CSideBarPanel::DoDataExchange(dx);
    for (size_t i = 0; i < kGroupIds.size(); ++i)
        DDX_Control(dx, kGroupIds[i], m_groups[i]);
    DDX_Control(dx, kColor, m_color);
    DDX_Control(dx, kShadowColor, m_shadowColor);
    for (size_t i = 0; i < m_numbers.size(); ++i) {
        const NumberSpec& spec = kNumbers[i];
        DDX_Control(dx, spec.edit, m_numbers[i].edit);
        if (spec.spin)
            DDX_Control(dx, spec.spin, m_numbers[i].spin);
        if (spec.meter)
            DDX_Control(dx, spec.meter, m_numbers[i].meter);
    }
    DDX_Text(dx, kName, m_values.name);
    for (const CheckField& check : kChecks)
        DDX_Check(dx, check.id, m_values.*check.value);
    DDX_Radio(dx, kFirstType, m_values.type);
}

BOOL CLightPanel::OnInitDialog() {
    CSideBarPanel::OnInitDialog();
    for (CQuelGroup& group : m_groups)
        group.Init();
    SetUpNumbers();
    ApplyEnglishTexts(*this, nullptr, kEnglish);
    UpdateEnabling();
    return TRUE;
}

void CLightPanel::SetUpNumbers() {
    for (size_t i = 0; i < m_numbers.size(); ++i) {
        const NumberSpec& spec = kNumbers[i];
        CNumber& number = m_numbers[i];
        number.edit.SetLiveCommit(FALSE);
        if (spec.spin)
            number.edit.SetSpin(&number.spin);
        if (spec.meter)
            number.edit.SetMeter(&number.meter);
        number.edit.SetFloatMode(spec.isFloat ? TRUE : FALSE);
        if (spec.isFloat) {
            number.edit.SetRangeF(spec.min, spec.max);
            number.edit.SetFloat(spec.initial);
        } else {
            number.edit.SetRange(static_cast<int>(spec.min), static_cast<int>(spec.max));
            number.edit.SetInt(static_cast<int>(spec.initial));
        }
    }
}

CMyEdit& CLightPanel::Edit(int id) {
    for (size_t i = 0; i < m_numbers.size(); ++i)
        if (kNumbers[i].edit == id)
            return m_numbers[i].edit;
    return m_numbers[0].edit;
}

void CLightPanel::Refresh() {
    const CLightData* light = GetSelectedLight();
    if (!light)
        return;
    m_values = ReadLightValues(*light);
    m_color.SetColor(m_values.color);
    m_shadowColor.SetColor(m_values.shadowColor);
    // Through the fields, so that the values shown keep to their ranges.
    for (const VectorField& vector : kVectors)
        for (int axis = 0; axis < 3; ++axis)
            Edit(static_cast<int>(vector.ids[static_cast<size_t>(axis)]))
                .SetFloat((m_values.*vector.value).Get(axis));
    for (const FloatField& f : kFloats)
        Edit(f.id).SetFloat(m_values.*f.value);
    for (const IntField& f : kInts)
        Edit(f.id).SetInt(m_values.*f.value);
    UpdateData(FALSE);
    UpdateEnabling();
}

void CLightPanel::UpdateEnabling() {
    UpdateData(TRUE);
    const CLightEnabling e = LightEnabling(m_values);
    EnableControls({1576, 1514}, e.fade);
    EnableControls({1539, 1541, 1540, 1519, 1545, 1546}, e.spot);
    EnableControls({1542, 1543, 1544, 1549, 1550, 1551, 1547, 1548, 1552, 1554, 1553}, e.area);
    EnableControls({kShadowColor}, e.shadowColor);
}

void CLightPanel::Change(LightField field) {
    CQuelDoc* doc = GetDoc();
    CLightData* light = GetSelectedLight();
    if (doc && light)
        ChangeLight(*doc, *light, field, m_values);
}

void CLightPanel::OnCheck(UINT id) {
    if (!GetSelectedLight())
        return;
    UpdateData(TRUE);
    for (const CheckField& check : kChecks)
        if (check.id == static_cast<int>(id)) {
            Change(check.field);
            if (check.updatesEnabling)
                UpdateEnabling();
        }
}

void CLightPanel::OnType(UINT) {
    if (!GetSelectedLight())
        return;
    UpdateData(TRUE);
    Change(LightField::type);
    if (m_host)
        m_host->ShowSelectedType(m_values.type);
    UpdateEnabling();
}

void CLightPanel::OnColor() {
    m_values.color = m_color.GetColor();
    Change(LightField::color);
}

void CLightPanel::OnShadowColor() {
    m_values.shadowColor = m_shadowColor.GetColor();
    Change(LightField::shadowColor);
}

void CLightPanel::OnKillFocusNumber(UINT id) {
    const int edit = static_cast<int>(id);
    for (const VectorField& vector : kVectors)
        for (int axis = 0; axis < 3; ++axis)
            if (static_cast<int>(vector.ids[static_cast<size_t>(axis)]) == edit) {
                (m_values.*vector.value).Set(axis, Edit(edit).GetFloat());
                Change(vector.field);
            }
    for (const FloatField& f : kFloats)
        if (f.id == edit) {
            m_values.*f.value = Edit(edit).GetFloat();
            Change(f.field);
        }
    for (const IntField& f : kInts)
        if (f.id == edit) {
            m_values.*f.value = Edit(edit).GetInt();
            Change(f.field);
        }
    // The one of radius and falloff that the other pushed.
    Edit(1519).SetFloat(m_values.radius);
    Edit(1545).SetFloat(m_values.falloff);
}

void CLightPanel::OnRename() {
    CQuelDoc* doc = GetDoc();
    CLightData* light = GetSelectedLight();
    CString name;
    if (!doc || !light || !AskNewName(light->m_name, name))
        return;
    RenameLight(*doc, *light, name);
    m_values.name = name;
    SetDlgItemText(kName, m_values.name);
}
