#pragma once
// The group of controls that shows one colour entry of a pigment: a tall
// colour swatch; number fields R, G, B, F and T from 0 to 255, each with a
// spin and a slider; and two small swatches showing filter and transmit as
// greys, which do nothing when clicked. A filter or transmit f shows as the
// byte trunc(f * 255) and a field F stores F / 255.
//
// The colour panels and the colour-map panel hold one block per entry they
// show; the block only shows values and reads its fields, the panel decides
// where they go.
#include "app/material_data.h"
#include "controls/color_button.h"
#include "controls/my_edit.h"
#include "controls/quel_meter.h"
#include "controls/quel_spin.h"
#include "platform/ui/dialog.h"
#include "resources/rgbft_ids.h"

#include <array>

// The ids of block 1, 2 or 3 (the same in every panel).
const RgbftIds& RgbftBlockIds(int block);

class CRgbftBlock {
public:
    enum Field { fieldNone = -1, fieldRed, fieldGreen, fieldBlue, fieldFilter, fieldTransmit };

    explicit CRgbftBlock(const RgbftIds& ids) : m_ids(ids) {}

    // In the panel's DoDataExchange.
    void Bind(CDataExchange* dx);
    // In the panel's OnInitDialog: integer fields 0 .. 255 showing 0, the grey swatches greyed.
    void Init();

    // The swatches and the fields show the entry.
    void Show(COLORREF color, float filter, float transmit);
    // The field of the block a notification says was left; fieldNone for any other.
    Field LeftField(const CommandMessage& message) const;
    // Whether a notification tells of a colour chosen in the block's swatch
    // (which sends it without naming itself).
    bool ChoseColor(const CommandMessage& message) const;

    // What the fields hold.
    COLORREF FieldColor() const;
    float FieldFilter() const;
    float FieldTransmit() const;
    // After a field was left, its swatch shows what the fields now hold.
    void ShowSwatchOf(Field field);
    // After the colour dialog: the swatch's colour, now also in the R, G, B fields.
    COLORREF TakeSwatchColor();
    // The colour entry takes what the left field holds (the colour from all three of R, G, B).
    void StoreField(Field field, CColorMapEntry& entry) const;

private:
    const RgbftIds& m_ids;
    CColorButton m_swatch;
    CColorButton m_filterSwatch;
    CColorButton m_transmitSwatch;
    std::array<CMyEdit, 5> m_edits;
    std::array<CQuelSpin, 5> m_spins;
    std::array<CQuelMeter, 5> m_meters;
};
