#pragma once
// The material axis of an object's material slot ("マテリアル座標をセット"):
// position, scale and rotation, each x, y and z from -1000 to 1000. The
// caller presets the three vectors and reads them after OK.
#include "controls/my_edit.h"
#include "model/vector3.h"
#include "platform/ui/dialog.h"

#include <array>

class CMaterialAxisDlg : public CDialog {
public:
    enum { IDD = 215 };
    explicit CMaterialAxisDlg(CWnd* parent = nullptr) : CDialog(IDD, parent) {}

    CVector3 m_position{0.0f, 0.0f, 0.0f};
    CVector3 m_scale{1.0f, 1.0f, 1.0f};
    CVector3 m_rotate{0.0f, 0.0f, 0.0f};

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    const CommandMap& GetCommandMap() const override;

private:
    // A field was left: its number goes into its vector.
    void OnKillFocusField(UINT id);
    CVector3* VectorOf(size_t field);

    std::array<CMyEdit, 9> m_fields;
};
