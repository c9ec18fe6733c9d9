#include "shell/object_info_panel.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "dialogs/dialog_texts.h"
#include "dialogs/select_list_dlgs.h"

namespace {

constexpr std::array<UINT, 7> kGroupIds = {1475, 1478, 1457, 1473, 1481, 1467, 1152};
constexpr int kName = 1030;
constexpr int kRename = 1034;
constexpr int kColor = 1038;
constexpr int kSeeThroughAmount = 1712;
constexpr int kSeeThroughSpin = 1713;
constexpr int kSeeThroughMeter = 1714;
constexpr int kMirrorNone = 1577;
constexpr int kMirrorConnected = 1579;
constexpr int kLimit = 1063;
constexpr int kLimitSpin = 1727;
constexpr std::array<int, 3> kAxisIds = {1693, 1695, 1697};
constexpr int kDivision = 1689;
constexpr int kDivisionSpin = 1691;
constexpr int kAngle = 1650;
constexpr int kAngleSpin = 1651;
constexpr int kSubdivisionCount = 1730;
constexpr int kSubdivisionSpin = 1729;
constexpr int kFirstLayer = 1673;
constexpr int kLastLayer = 1680;
constexpr int kMaterialName = 1668;
constexpr int kChooseMaterial = 1670;
constexpr int kSetPosition = 1671;
constexpr int kReferenceName = 1458;
constexpr int kChooseReference = 1463;

// The check boxes that change one switch of the object each.
struct CheckField {
    int id;
    ObjectInfoField field;
    int CObjectInfoValues::*value;
    bool updatesEnabling;
};
constexpr CheckField kChecks[] = {
    {1044, ObjectInfoField::show, &CObjectInfoValues::show, false},
    {1048, ObjectInfoField::exportOn, &CObjectInfoValues::exportOn, false},
    {1051, ObjectInfoField::noShadow, &CObjectInfoValues::noShadow, false},
    {1055, ObjectInfoField::editDisabled, &CObjectInfoValues::editDisabled, false},
    {1057, ObjectInfoField::smooth, &CObjectInfoValues::smooth, false},
    {1703, ObjectInfoField::fivePoint, &CObjectInfoValues::fivePoint, false},
    {1711, ObjectInfoField::seeThrough, &CObjectInfoValues::seeThrough, true},
    {1431, ObjectInfoField::limitDistance, &CObjectInfoValues::limitDistance, true},
    {1683, ObjectInfoField::polygonize, &CObjectInfoValues::polygonize, true},
    {1699, ObjectInfoField::polygonSmoothing, &CObjectInfoValues::polygonSmoothing, true},
    {1728, ObjectInfoField::subdivision, &CObjectInfoValues::subdivision, true},
    {1672, ObjectInfoField::useMaterial, &CObjectInfoValues::useMaterial, false},
    {1310, ObjectInfoField::motionBlur, &CObjectInfoValues::motionBlur, true},
    {1080, ObjectInfoField::doubleIlluminate, &CObjectInfoValues::doubleIlluminate, false},
    {1422, ObjectInfoField::noImage, &CObjectInfoValues::noImage, false},
    {1426, ObjectInfoField::noReflection, &CObjectInfoValues::noReflection, false},
    {1652, ObjectInfoField::exportUV, &CObjectInfoValues::exportUV, false},
    {1701, ObjectInfoField::hollow, &CObjectInfoValues::hollow, false},
};

constexpr ControlText kEnglish[] = {
    {1475, "Name + Color"},
    {1478, "Option"},
    {1044, "show"},
    {1048, "export"},
    {1051, "no_shadow"},
    {1055, "disable edit"},
    {1057, "smooth"},
    {1703, "Enable 5Point Patch"},
    {1711, "Use See-through"},
    {1457, "Mirror"},
    {1506, "Mirror"},
    {1577, "None"},
    {1578, "Separated Mirror"},
    {1579, "Connected Mirror"},
    {1431, "Limit Distance"},
    {1510, "Axis"},
    {1473, "Convert Polygon"},
    {1683, "Convert Polygon"},
    {1505, "subdivide"},
    {1699, "Smoothing"},
    {1511, "Angle"},
    {1728, "Subdivision Surface"},
    {1512, "subdivide"},
    {1481, "Material"},
    {1497, "Layer"},
    {1672, "Use this material"},
    {1671, "Set Position"},
    {1467, "POV-Ray Option"},
    {1080, "double illuminate"},
    {1652, "export uv info"},
    {1152, "Motion Blur"},
    {1310, "use motion_blur"},
    {1496, "refer object"},
};

} // namespace

const CommandMap& CObjectInfoPanel::GetCommandMap() const {
    static const CommandMap map = [this] {
        CommandMapFor<CObjectInfoPanel> entries(CSideBarPanel::GetCommandMap());
        for (const CheckField& check : kChecks)
            entries.OnControlRange(BN_CLICKED, check.id, check.id, &CObjectInfoPanel::OnCheck);
        for (const int id : kAxisIds)
            entries.OnControlRange(BN_CLICKED, id, id, &CObjectInfoPanel::OnMirrorAxis);
        for (const int id : {kSeeThroughAmount, kLimit, kDivision, kAngle, kSubdivisionCount})
            entries.OnControlRange(EN_KILLFOCUS, id, id, &CObjectInfoPanel::OnKillFocusNumber);
        entries.OnControlRange(BN_CLICKED, kMirrorNone, kMirrorConnected, &CObjectInfoPanel::OnMirrorMode)
            .OnControlRange(BN_CLICKED, kFirstLayer, kLastLayer, &CObjectInfoPanel::OnLayer)
            .OnBnClicked(kColor, &CObjectInfoPanel::OnColor)
            .OnBnClicked(kRename, &CObjectInfoPanel::OnRename)
            .OnBnClicked(kChooseMaterial, &CObjectInfoPanel::OnChooseMaterial)
            .OnBnClicked(kSetPosition, &CObjectInfoPanel::OnSetPosition)
            .OnBnClicked(kChooseReference, &CObjectInfoPanel::OnChooseReference);
        return CommandMap(entries);
    }();
    return map;
}

void CObjectInfoPanel::DoDataExchange(CDataExchange* dx) {
    CSideBarPanel::DoDataExchange(dx);
    for (size_t i = 0; i < kGroupIds.size(); ++i)
        DDX_Control(dx, static_cast<int>(kGroupIds[i]), m_groups[i]);
    DDX_Control(dx, kColor, m_color);
    DDX_Control(dx, kSeeThroughAmount, m_seeThroughAmount);
    DDX_Control(dx, kSeeThroughSpin, m_seeThroughSpin);
    DDX_Control(dx, kSeeThroughMeter, m_seeThroughMeter);
    DDX_Control(dx, kLimit, m_limit);
    DDX_Control(dx, kLimitSpin, m_limitSpin);
    DDX_Control(dx, kDivision, m_division);
    DDX_Control(dx, kDivisionSpin, m_divisionSpin);
    DDX_Control(dx, kAngle, m_angle);
    DDX_Control(dx, kAngleSpin, m_angleSpin);
    DDX_Control(dx, kSubdivisionCount, m_subdivisionCount);
    DDX_Control(dx, kSubdivisionSpin, m_subdivisionSpin);
    DDX_Text(dx, kName, m_values.name);
    DDX_Text(dx, kReferenceName, m_values.referenceName);
    DDX_Text(dx, kMaterialName, m_values.materialName);
    for (const CheckField& check : kChecks)
        DDX_Check(dx, check.id, m_values.*check.value);
    for (size_t axis = 0; axis < kAxisIds.size(); ++axis)
        DDX_Check(dx, kAxisIds[axis], m_values.mirrorAxis[axis]);
    DDX_Radio(dx, kMirrorNone, m_values.mirrorMode);
    DDX_Radio(dx, kFirstLayer, m_values.layer);
}

BOOL CObjectInfoPanel::OnInitDialog() {
    CSideBarPanel::OnInitDialog();
    for (CQuelGroup& group : m_groups)
        group.Init();
    for (CMyEdit* edit : {&m_seeThroughAmount, &m_limit, &m_division, &m_angle, &m_subdivisionCount})
        edit->SetLiveCommit(FALSE);
    m_division.SetSpin(&m_divisionSpin);
    m_division.SetRange(1, 8);
    m_division.SetStepOne(FALSE);
    m_division.SetInt(1);
    m_seeThroughAmount.SetSpin(&m_seeThroughSpin);
    m_seeThroughAmount.SetMeter(&m_seeThroughMeter);
    m_seeThroughAmount.SetRange(0, 100);
    m_seeThroughAmount.SetInt(0);
    m_limit.SetSpin(&m_limitSpin);
    m_limit.SetFloatMode(TRUE);
    m_limit.SetRangeF(0.0f, 1000.0f);
    m_limit.SetFloat(0.0f);
    m_angle.SetSpin(&m_angleSpin);
    m_angle.SetFloatMode(TRUE);
    m_angle.SetDecimals(1);
    m_angle.SetRangeF(0.0f, 180.0f);
    m_angle.SetFloat(0.0f);
    m_angleSpin.SetDragStepF(10.0f);
    m_subdivisionCount.SetSpin(&m_subdivisionSpin);
    m_subdivisionCount.SetRange(2, 16);
    m_subdivisionCount.SetPow2(TRUE);
    m_subdivisionCount.SetInt(4);
    ApplyEnglishTexts(*this, nullptr, kEnglish);
    return TRUE;
}

void CObjectInfoPanel::Refresh() {
    const CSpatchObj* obj = GetSelectedObject();
    if (!obj)
        return;
    m_values = ReadObjectInfo(*obj);
    m_color.SetColor(m_values.color);
    // Through the fields, so that the values shown keep to their ranges.
    m_division.SetInt(m_values.division);
    m_angle.SetFloat(m_values.angle);
    m_subdivisionCount.SetInt(m_values.subdivisionCount);
    m_seeThroughAmount.SetInt(m_values.seeThroughAmount);
    m_limit.SetFloat(m_values.limit);
    UpdateData(FALSE);
    UpdateEnabling();
}

void CObjectInfoPanel::UpdateEnabling() {
    UpdateData(TRUE);
    const CObjectInfoEnabling e = ObjectInfoEnabling(m_values);
    EnableControls({kChooseReference}, e.reference);
    EnableControls({kDivision, 1505}, e.division);
    EnableControls({1699, 1728}, e.polygonOptions);
    EnableControls({1511, kAngle}, e.angle);
    EnableControls({1512, kSubdivisionCount}, e.subdivisionCount);
    EnableControls({kSeeThroughAmount}, e.seeThroughAmount);
    EnableControls({1431}, e.limitCheck);
    EnableControls({kLimit}, e.limitDistance);
    EnableControls({kAxisIds[0], kAxisIds[1], kAxisIds[2]}, e.axes);
}

void CObjectInfoPanel::Change(ObjectInfoField field) {
    CQuelDoc* doc = GetDoc();
    CSpatchObj* obj = GetSelectedObject();
    if (doc && obj)
        ChangeObjectInfo(*doc, *obj, field, m_values);
}

void CObjectInfoPanel::OnCheck(UINT id) {
    UpdateData(TRUE);
    for (const CheckField& check : kChecks)
        if (check.id == static_cast<int>(id)) {
            Change(check.field);
            if (check.updatesEnabling)
                UpdateEnabling();
        }
}

void CObjectInfoPanel::OnColor() {
    m_values.color = m_color.GetColor();
    Change(ObjectInfoField::color);
}

void CObjectInfoPanel::OnMirrorMode(UINT) {
    UpdateData(TRUE);
    Change(ObjectInfoField::mirrorMode);
    UpdateEnabling();
}

void CObjectInfoPanel::OnMirrorAxis(UINT) {
    UpdateData(TRUE);
    Change(ObjectInfoField::mirrorAxes);
}

void CObjectInfoPanel::OnKillFocusNumber(UINT id) {
    switch (id) {
    case kSeeThroughAmount:
        m_values.seeThroughAmount = m_seeThroughAmount.GetInt();
        Change(ObjectInfoField::seeThroughAmount);
        break;
    case kLimit:
        m_values.limit = m_limit.GetFloat();
        Change(ObjectInfoField::limit);
        break;
    case kDivision:
        m_values.division = m_division.GetInt();
        Change(ObjectInfoField::division);
        break;
    case kAngle:
        m_values.angle = m_angle.GetFloat();
        Change(ObjectInfoField::angle);
        break;
    case kSubdivisionCount:
        m_values.subdivisionCount = m_subdivisionCount.GetInt();
        Change(ObjectInfoField::subdivisionCount);
        break;
    default:
        break;
    }
}

void CObjectInfoPanel::OnLayer(UINT) {
    UpdateData(TRUE);
    CQuelDoc* doc = GetDoc();
    CSpatchObj* obj = GetSelectedObject();
    if (!doc || !obj)
        return;
    SetCurrentSlot(*doc, *obj, m_values.layer);
    Refresh();
}

void CObjectInfoPanel::OnRename() {
    CQuelDoc* doc = GetDoc();
    CSpatchObj* obj = GetSelectedObject();
    CString name;
    if (!doc || !obj || !AskNewName(obj->GetName(), name))
        return;
    RenameObject(*doc, *obj, name);
    m_values.name = name;
    SetDlgItemText(kName, m_values.name);
}

void CObjectInfoPanel::OnChooseMaterial() {
    CSpatchObj* obj = GetSelectedObject();
    if (!obj || !ChooseSlotMaterial(*obj, true))
        return;
    m_values.materialName = SlotMaterialName(*obj);
    SetDlgItemText(kMaterialName, m_values.materialName);
}

void CObjectInfoPanel::OnSetPosition() {
    if (CSpatchObj* obj = GetSelectedObject())
        EditSlotAxis(*obj, true);
}

void CObjectInfoPanel::OnChooseReference() {
    CQuelDoc* doc = GetDoc();
    CSpatchObj* obj = GetSelectedObject();
    if (!doc || !obj)
        return;
    CSelectObjectDlg dialog(this);
    dialog.m_excludedName = obj->GetName();
    if (dialog.DoModal() != IDOK)
        return;
    SetReferenceObject(*doc, *obj, dialog.m_index);
    m_values.referenceName = ReferenceObjectName(*obj);
    SetDlgItemText(kReferenceName, m_values.referenceName);
}
