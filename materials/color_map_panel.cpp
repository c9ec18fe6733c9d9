#include "materials/color_map_panel.h"

#include "app/doc_helpers.h"
#include "dialogs/dialog_texts.h"

namespace {

constexpr int kGroups[] = {1475, 1478};
constexpr ControlText kEnglish[] = {{1475, "Color_Map"}, {1478, "Noise Pattern"}};
constexpr int kAdd = 1653;
constexpr int kDelete = 1654;
constexpr int kMirror = 1655;
constexpr int kSpace = 1656;
constexpr int kRotateLeft = 1657;
constexpr int kRotateRight = 1658;

} // namespace

CColorMapPanel::CColorMapPanel() : CPatternPanel(kGroups), m_block(RgbftBlockIds(1)) {}

const CommandMap& CColorMapPanel::GetCommandMap() const {
    static const CommandMap map = CommandMapFor<CColorMapPanel>(CPatternPanel::GetCommandMap())
                                      .OnBnClicked(kAdd, &CColorMapPanel::OnAdd)
                                      .OnBnClicked(kDelete, &CColorMapPanel::OnDelete)
                                      .OnBnClicked(kMirror, &CColorMapPanel::OnMirror)
                                      .OnBnClicked(kSpace, &CColorMapPanel::OnSpace)
                                      .OnBnClicked(kRotateLeft, &CColorMapPanel::OnRotateLeft)
                                      .OnBnClicked(kRotateRight, &CColorMapPanel::OnRotateRight);
    return map;
}

void CColorMapPanel::DoDataExchange(CDataExchange* dx) {
    CPatternPanel::DoDataExchange(dx);
    m_block.Bind(dx);
}

// Made over the placeholder, which stays where it is under it.
void CColorMapPanel::CreateOwnControls() {
    CRect place;
    GetDlgItem(placeholderId)->GetRectInParent(&place);
    m_editor.Create("", WS_CHILD | WS_VISIBLE | WS_TABSTOP, place, this, editorId);
}

BOOL CColorMapPanel::OnInitDialog() {
    CPatternPanel::OnInitDialog();
    m_block.Init();
    ApplyEnglishTexts(*this, nullptr, kEnglish);
    return TRUE;
}

void CColorMapPanel::Refresh() {
    const CMaterialData* mat = CurrentMaterial();
    if (!mat)
        return;
    m_editor.LoadStops(ColorMapOf(mat->m_texture.m_pigment));
    LoadCurrentStop();
    CPatternPanel::Refresh();
}

void CColorMapPanel::LoadCurrentStop() {
    if (!CurrentMaterial())
        return;
    const CColorMapStops& stops = m_editor.GetStops();
    const ColorStop& stop = stops.Stop(stops.GetCurrent());
    m_block.Show(stop.color, stop.filter, stop.transmit);
}

void CColorMapPanel::CommitColorMap() {
    CMaterialData* mat = CurrentMaterial();
    if (!mat)
        return;
    StoreColorMap(m_editor.GetStops(), mat->m_texture.m_pigment);
    SetModifiedForPanels();
}

BOOL CColorMapPanel::OnCmdMsg(const CommandMessage& message) {
    if (const CRgbftBlock::Field field = m_block.LeftField(message); field != CRgbftBlock::fieldNone) {
        OnField(field);
        return TRUE;
    }
    if (m_block.ChoseColor(message)) {
        OnSwatch();
        return TRUE;
    }
    return CPatternPanel::OnCmdMsg(message);
}

void CColorMapPanel::OnField(CRgbftBlock::Field field) {
    if (!CurrentMaterial())
        return;
    m_editor.SetCurrentStop(m_block.FieldColor(), m_block.FieldFilter(), m_block.FieldTransmit());
    m_block.ShowSwatchOf(field);
    CommitColorMap();
}

void CColorMapPanel::OnSwatch() {
    if (!CurrentMaterial())
        return;
    const COLORREF color = m_block.TakeSwatchColor();
    m_editor.SetCurrentStop(color, m_block.FieldFilter(), m_block.FieldTransmit());
    CommitColorMap();
}

void CColorMapPanel::Apply(void (CColorMapEditor::*operation)()) {
    (m_editor.*operation)();
    CommitColorMap();
}
