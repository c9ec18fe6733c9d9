#pragma once
// The sPatch import settings (114): the colour the object of each of the
// eight layers gets, and whether the imported points are moved so that the
// centre of their box is the origin. Every import starts from the default
// colours; a swatch's colour is taken as soon as the user picks it.
#include "controls/color_button.h"
#include "controls/quel_group.h"
#include "platform/ui/dialog.h"

#include <array>

class CImportSettingsDlg : public CDialog {
public:
    enum { IDD = 114 };
    static constexpr std::array<UINT, 8> kColorIds = {1003, 1006, 1010, 1016, 1042, 1050, 1299, 1474};
    static constexpr UINT kShiftCenterId = 1001;
    static constexpr UINT kOptionGroupId = 1478;
    static constexpr UINT kColorGroupId = 1481;

    explicit CImportSettingsDlg(CWnd* parent = nullptr) : CDialog(IDD, parent) {}

    // After IDOK.
    std::array<COLORREF, 8> m_layerColors{};
    BOOL m_shiftCenter = FALSE;

    // The controls, for the gui tests.
    CColorButton& GetColorButton(int layer) { return m_colorButtons[layer]; }
    CQuelGroup& GetColorGroup() { return m_colorGroup; }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    const CommandMap& GetCommandMap() const override;

private:
    void OnColorChanged(UINT id);

    CQuelGroup m_optionGroup;
    CQuelGroup m_colorGroup;
    std::array<CColorButton, 8> m_colorButtons;
    CButton m_ok;
};
