#include "shell/polygon_panel.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "dialogs/dialog_texts.h"
#include "shell/object_info_edits.h"

namespace {

constexpr std::array<int, 5> kGroupIds = {1475, 1478, 1481, 1152, 1467};
constexpr int kName = 1030;
constexpr int kRename = 1034;
constexpr int kColor = 1038;
constexpr int kSmooth = 1057;
constexpr int kAngleLabel = 1496;
constexpr int kAngle = 1650;
constexpr int kAngleSpin = 1651;
constexpr int kFirstLayer = 1673;
constexpr int kLastLayer = 1680;
constexpr int kMaterialName = 1668;
constexpr int kChooseMaterial = 1670;
constexpr int kSetPosition = 1671;

struct CheckField {
    int id;
    PolygonField field;
    int CPolygonValues::*value;
};
constexpr CheckField kChecks[] = {
    {1044, PolygonField::show, &CPolygonValues::show},
    {1048, PolygonField::exportOn, &CPolygonValues::exportOn},
    {1051, PolygonField::noShadow, &CPolygonValues::noShadow},
    {1055, PolygonField::editDisabled, &CPolygonValues::editDisabled},
    {1649, PolygonField::oneSide, &CPolygonValues::oneSide},
    {kSmooth, PolygonField::smooth, &CPolygonValues::smooth},
    {1672, PolygonField::useMaterial, &CPolygonValues::useMaterial},
};

constexpr ControlText kEnglish[] = {
    {1475, "Name + Color"},  {1478, "Option"},
    {1044, "show"},          {1048, "export"},
    {1051, "no_shadow"},     {1055, "disable edit"},
    {1649, "draw one side"}, {1481, "Material"},
    {1497, "Layer"},         {1672, "Use this material"},
    {1671, "Set Position"},  {1152, "Smoothing"},
    {kSmooth, "smooth"},     {kAngleLabel, "facet"},
    {1467, "Etc."},
};

} // namespace

const CommandMap& CPolygonPanel::GetCommandMap() const {
    static const CommandMap map = [this] {
        CommandMapFor<CPolygonPanel> entries(CSideBarPanel::GetCommandMap());
        for (const CheckField& check : kChecks)
            entries.OnControlRange(BN_CLICKED, check.id, check.id, &CPolygonPanel::OnCheck);
        entries.OnControlRange(BN_CLICKED, kFirstLayer, kLastLayer, &CPolygonPanel::OnLayer)
            .OnEnKillFocus(kAngle, &CPolygonPanel::OnKillFocusAngle)
            .OnBnClicked(kColor, &CPolygonPanel::OnColor)
            .OnBnClicked(kRename, &CPolygonPanel::OnRename)
            .OnBnClicked(kChooseMaterial, &CPolygonPanel::OnChooseMaterial)
            .OnBnClicked(kSetPosition, &CPolygonPanel::OnSetPosition);
        return CommandMap(entries);
    }();
    return map;
}

void CPolygonPanel::DoDataExchange(CDataExchange* dx) {
    CSideBarPanel::DoDataExchange(dx);
    for (size_t i = 0; i < kGroupIds.size(); ++i)
        DDX_Control(dx, kGroupIds[i], m_groups[i]);
    DDX_Control(dx, kColor, m_color);
    DDX_Control(dx, kAngle, m_angle);
    DDX_Control(dx, kAngleSpin, m_angleSpin);
    DDX_Text(dx, kName, m_values.name);
    DDX_Text(dx, kMaterialName, m_values.materialName);
    for (const CheckField& check : kChecks)
        DDX_Check(dx, check.id, m_values.*check.value);
    DDX_Radio(dx, kFirstLayer, m_values.layer);
}

BOOL CPolygonPanel::OnInitDialog() {
    CSideBarPanel::OnInitDialog();
    for (CQuelGroup& group : m_groups)
        group.Init();
    m_angle.SetSpin(&m_angleSpin);
    m_angle.SetFloatMode(TRUE);
    m_angle.SetDecimals(1);
    m_angle.SetRangeF(0.0f, 180.0f);
    m_angle.SetFloat(60.0f);
    m_angle.SetLiveCommit(FALSE);
    m_angleSpin.SetDragStepF(5.0f);
    ApplyEnglishTexts(*this, nullptr, kEnglish);
    UpdateAngleEnabling();
    return TRUE;
}

void CPolygonPanel::Refresh() {
    const CPolygonObj* polygon = GetSelectedPolygonObject();
    if (!polygon)
        return;
    m_values = ReadPolygonValues(*polygon);
    m_color.SetColor(m_values.color);
    m_angle.SetFloat(m_values.angle);
    UpdateData(FALSE);
    UpdateAngleEnabling();
}

void CPolygonPanel::UpdateAngleEnabling() {
    UpdateData(TRUE);
    const BOOL on = m_values.smooth ? TRUE : FALSE;
    m_angle.EnableWindow(on);
    if (CWnd* label = GetDlgItem(kAngleLabel))
        label->EnableWindow(on);
}

void CPolygonPanel::Change(PolygonField field) {
    CQuelDoc* doc = GetDoc();
    CPolygonObj* polygon = GetSelectedPolygonObject();
    if (doc && polygon)
        ChangePolygon(*doc, *polygon, field, m_values);
}

void CPolygonPanel::OnCheck(UINT id) {
    UpdateData(TRUE);
    if (static_cast<int>(id) == kSmooth)
        UpdateAngleEnabling();
    for (const CheckField& check : kChecks)
        if (check.id == static_cast<int>(id))
            Change(check.field);
}

void CPolygonPanel::OnColor() {
    m_values.color = m_color.GetColor();
    Change(PolygonField::color);
}

void CPolygonPanel::OnKillFocusAngle() {
    m_values.angle = m_angle.GetFloat();
    Change(PolygonField::angle);
}

void CPolygonPanel::OnLayer(UINT) {
    UpdateData(TRUE);
    CQuelDoc* doc = GetDoc();
    CPolygonObj* polygon = GetSelectedPolygonObject();
    if (!doc || !polygon)
        return;
    SetCurrentSlot(*doc, *polygon, m_values.layer);
    Refresh();
}

void CPolygonPanel::OnRename() {
    CQuelDoc* doc = GetDoc();
    CPolygonObj* polygon = GetSelectedPolygonObject();
    CString name;
    if (!doc || !polygon || !AskNewName(polygon->GetName(), name))
        return;
    RenamePolygon(*doc, *polygon, name);
    m_values.name = name;
    SetDlgItemText(kName, m_values.name);
}

void CPolygonPanel::OnChooseMaterial() {
    CPolygonObj* polygon = GetSelectedPolygonObject();
    if (!polygon || !ChooseSlotMaterial(*polygon, false))
        return;
    m_values.materialName = SlotMaterialName(*polygon);
    SetDlgItemText(kMaterialName, m_values.materialName);
}

void CPolygonPanel::OnSetPosition() {
    if (CPolygonObj* polygon = GetSelectedPolygonObject())
        EditSlotAxis(*polygon, false);
}
