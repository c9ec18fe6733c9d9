#pragma once
// The array dialog (209): how many copies (1 to 1000) and, per copy, the
// rotation in degrees (-360 to 360), scale factors and translation (-1000 to
// 1000) that the next copy adds.
#include "dialogs/number_field.h"
#include "model/vector3.h"

#include <array>

class CArrayDlg : public CNumberFieldDialog {
public:
    enum { IDD = 209 };
    explicit CArrayDlg(CWnd* parent = nullptr) : CNumberFieldDialog(IDD, parent) {}

    int m_count = 5;
    CVector3 m_rotate{0.0f, 0.0f, 0.0f};
    CVector3 m_scale{1.0f, 1.0f, 1.0f};
    CVector3 m_translate{0.0f, 0.0f, 0.0f};

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    std::span<CNumberField> GetFields() override;
    void OnFieldsStored() override;

private:
    // The count, then rotation, scale and translation x, y, z.
    std::array<CNumberField, 10> m_fields;
    std::array<float, 9> m_steps{};
};
