#include "materials/element_type_panels.h"

#include "app/doc_helpers.h"

#include <algorithm>

namespace {

constexpr int kMegaPovCheck = 1079;

constexpr int kTypeWithEtcGroups[] = {1475, 1478, 1481};
constexpr ControlText kTypeWithEtcEnglish[] = {{1475, "Type"}, {1478, "etc."}, {1481, "MegaPOV Option"}};
constexpr int kTypeOnlyGroups[] = {1475, 1478};
constexpr ControlText kTypeOnlyEnglish[] = {{1475, "Type"}, {1478, "MegaPOV Option"}};

constexpr int kPigmentTypes[] = {1122, 1127, 1133, 1137, 1141, 1143, 1147};
constexpr OptionCheck kPigmentOptions[] = {{1151, optionPigmentNoise}, {kMegaPovCheck, optionPigmentMegaPov}};
constexpr ElementTypePanelSpec kPigment{CPigmentPanel::IDD, itemPigment,        kPigmentTypes,
                                        kPigmentOptions,    kTypeWithEtcGroups, kTypeWithEtcEnglish};

constexpr int kNormalTypes[] = {1577, 1578, 1579};
constexpr OptionCheck kNormalOptions[] = {
    {1153, optionNormalBumpSize}, {1155, optionNormalNoise}, {kMegaPovCheck, optionNormalMegaPov}};
constexpr ElementTypePanelSpec kNormal{CNormalPanel::IDD, itemNormal,         kNormalTypes,
                                       kNormalOptions,    kTypeWithEtcGroups, kTypeWithEtcEnglish};

constexpr int kTwoTypes[] = {1577, 1578};
constexpr OptionCheck kFinishOptions[] = {{kMegaPovCheck, optionFinishMegaPov}};
constexpr ElementTypePanelSpec kFinish{CFinishPanel::IDD, itemFinish,      kTwoTypes,
                                       kFinishOptions,    kTypeOnlyGroups, kTypeOnlyEnglish};
constexpr OptionCheck kInteriorOptions[] = {{kMegaPovCheck, optionInteriorMegaPov}};
constexpr ElementTypePanelSpec kInterior{CInteriorPanel::IDD, itemInterior,    kTwoTypes,
                                         kInteriorOptions,    kTypeOnlyGroups, kTypeOnlyEnglish};

} // namespace

CElementTypePanel::CElementTypePanel(const ElementTypePanelSpec& spec)
    : CMaterialElementPanel(spec.groups), m_spec(spec), m_options(spec.options.size(), 0) {}

CPigmentPanel::CPigmentPanel() : CElementTypePanel(kPigment) {}
CNormalPanel::CNormalPanel() : CElementTypePanel(kNormal) {}
CFinishPanel::CFinishPanel() : CElementTypePanel(kFinish) {}
CInteriorPanel::CInteriorPanel() : CElementTypePanel(kInterior) {}

void CElementTypePanel::DoDataExchange(CDataExchange* dx) {
    CMaterialElementPanel::DoDataExchange(dx);
    DDX_Radio(dx, m_spec.typeRadios.front(), m_type);
    for (size_t i = 0; i < m_spec.options.size(); ++i)
        DDX_Check(dx, m_spec.options[i].id, m_options[i]);
}

BOOL CElementTypePanel::OnInitDialog() {
    CMaterialElementPanel::OnInitDialog();
    ApplyEnglishTexts(*this, nullptr, m_spec.english);
    UpdateEnables();
    return TRUE;
}

BOOL CElementTypePanel::OnCmdMsg(const CommandMessage& message) {
    // Control clicks only: the spins and group headers send code 0 without a sender.
    if (message.kind == CommandKind::Command && message.code == BN_CLICKED && message.sender) {
        const auto& radios = m_spec.typeRadios;
        if (std::find(radios.begin(), radios.end(), static_cast<int>(message.id)) != radios.end()) {
            OnType();
            return TRUE;
        }
        for (const OptionCheck& check : m_spec.options)
            if (check.id == static_cast<int>(message.id)) {
                OnOption(check);
                return TRUE;
            }
    }
    return CMaterialElementPanel::OnCmdMsg(message);
}

void CElementTypePanel::Refresh() {
    const CMaterialData* mat = CurrentMaterial();
    if (!mat)
        return;
    m_type = GetElementType(*mat, m_spec.elementKind);
    for (size_t i = 0; i < m_spec.options.size(); ++i)
        m_options[i] = GetOption(*mat, m_spec.options[i].option);
    UpdateData(FALSE);
    UpdateEnables();
}

void CElementTypePanel::UpdateEnables() {
    const BOOL own = m_type != static_cast<int>(m_spec.typeRadios.size()) - 1;
    for (const OptionCheck& check : m_spec.options)
        EnableItem(check.id, own && check.id != kMegaPovCheck);
}

void CElementTypePanel::OnType() {
    CMaterialData* mat = CurrentMaterial();
    if (!mat)
        return;
    UpdateData(TRUE);
    const MaterialTreeChange change = ChooseElementType(*mat, m_spec.elementKind, m_type);
    if (change.action == MaterialTreeChange::none)
        return;
    ChangeTree(change, *mat);
    UpdateEnables();
    SetModifiedForPanels();
}

void CElementTypePanel::OnOption(const OptionCheck& check) {
    CMaterialData* mat = CurrentMaterial();
    if (!mat)
        return;
    UpdateData(TRUE);
    const auto index = static_cast<size_t>(&check - m_spec.options.data());
    ChangeTree(SetOption(*mat, check.option, m_options[index]), *mat);
    UpdateEnables();
    SetModifiedForPanels();
}
