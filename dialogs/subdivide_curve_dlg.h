#pragma once
// The subdivide-curve dialog (200): into how many pieces (2 to 1000) to cut
// the segments of the selected curve, and whether only the selected segment.
#include "dialogs/number_field.h"

class CSubdivideCurveDlg : public CNumberFieldDialog {
public:
    enum { IDD = 200 };
    explicit CSubdivideCurveDlg(CWnd* parent = nullptr) : CNumberFieldDialog(IDD, parent) {}

    int m_count = 3;
    int m_onlySelectedPart = 0;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    std::span<CNumberField> GetFields() override;

private:
    CNumberField m_field;
};
