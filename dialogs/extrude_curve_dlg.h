#pragma once
// The extrude-along-curve dialog (132): the radius (0.01 to 100) of the
// circle swept along the selected curve.
#include "dialogs/number_field.h"

class CExtrudeCurveDlg : public CNumberFieldDialog {
public:
    enum { IDD = 132 };
    explicit CExtrudeCurveDlg(CWnd* parent = nullptr) : CNumberFieldDialog(IDD, parent) {}

    float m_radius = 1.0f;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    std::span<CNumberField> GetFields() override;

private:
    CNumberField m_field;
};
