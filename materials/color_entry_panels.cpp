#include "materials/color_entry_panels.h"

#include "dialogs/dialog_texts.h"

namespace {

using PigmentField = NumberField<CPigmentData>;

constexpr int kOneGroup[] = {1475};
constexpr int kTwoGroups[] = {1475, 1478};
constexpr int kThreeGroups[] = {1475, 1478, 1481};

// clang-format off
constexpr PigmentField kBrickFields[] = {
    {1159, 1157, 0, 0.001f, 1000, 8, [](CPigmentData& p) -> float& { return p.m_brickSize[0]; }, nullptr},
    {1161, 1164, 0, 0.001f, 1000, 3, [](CPigmentData& p) -> float& { return p.m_brickSize[1]; }, nullptr},
    {1167, 1170, 0, 0.001f, 1000, 4.5f, [](CPigmentData& p) -> float& { return p.m_brickSize[2]; }, nullptr},
    {1172, 1174, 0, 0.001f, 1000, 0.5f, [](CPigmentData& p) -> float& { return p.m_mortar; }, nullptr},
};
// clang-format on
constexpr ControlText kBrickEnglish[] = {{1475, "Color1"}, {1478, "Color2"}, {1481, "Option"}};

} // namespace

CColorEntryPanel::CColorEntryPanel(std::span<const int> groups, int blockCount,
                                   std::span<const PigmentField> fields)
    : CRecordPanel(groups, fields, {}) {
    for (int block = 1; block <= blockCount; ++block)
        m_blocks.push_back(std::make_unique<CRgbftBlock>(RgbftBlockIds(block)));
}

void CColorEntryPanel::DoDataExchange(CDataExchange* dx) {
    CRecordPanel::DoDataExchange(dx);
    for (const std::unique_ptr<CRgbftBlock>& block : m_blocks)
        block->Bind(dx);
}

BOOL CColorEntryPanel::OnInitDialog() {
    CRecordPanel::OnInitDialog();
    for (const std::unique_ptr<CRgbftBlock>& block : m_blocks)
        block->Init();
    return TRUE;
}

void CColorEntryPanel::ShowMore(CPigmentData& pigment) {
    for (size_t k = 0; k < m_blocks.size(); ++k) {
        const CColorMapEntry& entry = pigment.m_colors[k];
        m_blocks[k]->Show(entry.m_color, entry.m_filter, entry.m_transmit);
    }
}

BOOL CColorEntryPanel::OnCmdMsg(const CommandMessage& message) {
    for (size_t k = 0; k < m_blocks.size(); ++k) {
        if (const CRgbftBlock::Field field = m_blocks[k]->LeftField(message);
            field != CRgbftBlock::fieldNone) {
            OnField(k, field);
            return TRUE;
        }
        if (m_blocks[k]->ChoseColor(message)) {
            OnSwatch(k);
            return TRUE;
        }
    }
    return CRecordPanel::OnCmdMsg(message);
}

void CColorEntryPanel::OnField(size_t block, CRgbftBlock::Field field) {
    CMaterialData* mat = CurrentMaterial();
    if (!mat)
        return;
    m_blocks[block]->StoreField(field, RecordOf(*mat).m_colors[block]);
    m_blocks[block]->ShowSwatchOf(field);
    SetModifiedForPanels();
}

void CColorEntryPanel::OnSwatch(size_t block) {
    CMaterialData* mat = CurrentMaterial();
    if (!mat)
        return;
    RecordOf(*mat).m_colors[block].m_color = m_blocks[block]->TakeSwatchColor();
    SetModifiedForPanels();
}

CSolidColorPanel::CSolidColorPanel() : CColorEntryPanel(kOneGroup, 1) {}

CCheckerPanel::CCheckerPanel() : CColorEntryPanel(kTwoGroups, 2) {}

CHexagonPanel::CHexagonPanel() : CColorEntryPanel(kThreeGroups, 3) {}

CBrickPanel::CBrickPanel() : CColorEntryPanel(kThreeGroups, 2, kBrickFields) {}

BOOL CBrickPanel::OnInitDialog() {
    CColorEntryPanel::OnInitDialog();
    ApplyEnglishTexts(*this, nullptr, kBrickEnglish);
    return TRUE;
}
