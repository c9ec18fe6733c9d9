#pragma once
// The smoothness dialog (117): how finely a pane draws its curves or
// surfaces, 1 to 20 steps.
#include "dialogs/number_field.h"

class CSmoothnessDlg : public CNumberFieldDialog {
public:
    enum { IDD = 117 };
    explicit CSmoothnessDlg(CWnd* parent = nullptr) : CNumberFieldDialog(IDD, parent) {}

    int m_value = 4;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    std::span<CNumberField> GetFields() override;

private:
    CNumberField m_field;
};
