#pragma once
// The numeric transform dialog (128): three numbers x, y, z from -1000 to
// 1000, which its mode names a translation, rotation angles in degrees,
// scale factors or the position of a new point; the mode also chooses the
// title. The caller presets the numbers and reads them after OK.
#include "dialogs/number_field.h"

#include <array>

class CNumericTransformDlg : public CNumberFieldDialog {
public:
    enum { IDD = 128 };
    enum Mode { modeTranslate = 0, modeRotate = 1, modeScale = 2, modeCreatePoint = 3 };
    explicit CNumericTransformDlg(CWnd* parent = nullptr) : CNumberFieldDialog(IDD, parent) {}

    int m_mode = modeTranslate;
    float m_x = 0.0f;
    float m_y = 0.0f;
    float m_z = 0.0f;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    std::span<CNumberField> GetFields() override;

private:
    std::array<CNumberField, 3> m_fields;
};
