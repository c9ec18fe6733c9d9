#include "materials/rgbft_block.h"

#include "materials/material_rules.h"

const RgbftIds& RgbftBlockIds(int block) {
    return kRgbftBlocks[block - 1];
}

void CRgbftBlock::Bind(CDataExchange* dx) {
    DDX_Control(dx, static_cast<int>(m_ids.swatch), m_swatch);
    DDX_Control(dx, static_cast<int>(m_ids.filterSwatch), m_filterSwatch);
    DDX_Control(dx, static_cast<int>(m_ids.transmitSwatch), m_transmitSwatch);
    for (size_t i = 0; i < 5; ++i) {
        DDX_Control(dx, static_cast<int>(m_ids.edits[i]), m_edits[i]);
        DDX_Control(dx, static_cast<int>(m_ids.spins[i]), m_spins[i]);
        DDX_Control(dx, static_cast<int>(m_ids.meters[i]), m_meters[i]);
    }
}

void CRgbftBlock::Init() {
    for (size_t i = 0; i < 5; ++i) {
        CMyEdit& edit = m_edits[i];
        edit.SetSpin(&m_spins[i]);
        edit.SetMeter(&m_meters[i]);
        edit.SetFloatMode(FALSE);
        edit.SetRange(0, 255);
        edit.SetInt(0);
    }
    m_filterSwatch.EnableWindow(FALSE);
    m_transmitSwatch.EnableWindow(FALSE);
}

void CRgbftBlock::Show(COLORREF color, float filter, float transmit) {
    m_swatch.SetColor(color);
    m_filterSwatch.SetColor(GreyOf(filter));
    m_transmitSwatch.SetColor(GreyOf(transmit));
    m_edits[fieldRed].SetInt(GetRValue(color));
    m_edits[fieldGreen].SetInt(GetGValue(color));
    m_edits[fieldBlue].SetInt(GetBValue(color));
    m_edits[fieldFilter].SetInt(ComponentToByte(filter));
    m_edits[fieldTransmit].SetInt(ComponentToByte(transmit));
}

CRgbftBlock::Field CRgbftBlock::LeftField(const CommandMessage& message) const {
    if (message.kind != CommandKind::Command || !message.sender || message.code != EN_KILLFOCUS)
        return fieldNone;
    for (int i = 0; i < 5; ++i)
        if (m_ids.edits[i] == message.id)
            return static_cast<Field>(i);
    return fieldNone;
}

bool CRgbftBlock::ChoseColor(const CommandMessage& message) const {
    return message.kind == CommandKind::Command && !message.sender && message.code == BN_CLICKED &&
           message.id == m_ids.swatch;
}

COLORREF CRgbftBlock::FieldColor() const {
    return RGB(m_edits[fieldRed].GetInt() & 255, m_edits[fieldGreen].GetInt() & 255,
               m_edits[fieldBlue].GetInt() & 255);
}

float CRgbftBlock::FieldFilter() const {
    return ByteToComponent(m_edits[fieldFilter].GetInt());
}

float CRgbftBlock::FieldTransmit() const {
    return ByteToComponent(m_edits[fieldTransmit].GetInt());
}

void CRgbftBlock::ShowSwatchOf(Field field) {
    if (field == fieldFilter)
        m_filterSwatch.SetColor(GreyOf(FieldFilter()));
    else if (field == fieldTransmit)
        m_transmitSwatch.SetColor(GreyOf(FieldTransmit()));
    else if (field != fieldNone)
        m_swatch.SetColor(FieldColor());
}

COLORREF CRgbftBlock::TakeSwatchColor() {
    const COLORREF color = m_swatch.GetColor();
    m_edits[fieldRed].SetInt(GetRValue(color));
    m_edits[fieldGreen].SetInt(GetGValue(color));
    m_edits[fieldBlue].SetInt(GetBValue(color));
    return color;
}

void CRgbftBlock::StoreField(Field field, CColorMapEntry& entry) const {
    if (field == fieldFilter)
        entry.m_filter = FieldFilter();
    else if (field == fieldTransmit)
        entry.m_transmit = FieldTransmit();
    else if (field != fieldNone)
        entry.m_color = FieldColor();
}
