#pragma once
// The panel of the selected polygon object on the object page (registered
// window 32): name and colour, display switches, material slots and normal
// smoothing. Its option changes record no undo step (only the rename does),
// but every change marks the document modified.
#include "controls/color_button.h"
#include "controls/my_edit.h"
#include "controls/quel_group.h"
#include "controls/quel_spin.h"
#include "shell/item_panel_edits.h"
#include "shell/side_bar_panel.h"

#include <array>

class CPolygonPanel : public CSideBarPanel {
public:
    enum { IDD = 199 };
    const char* GetRuntimeClassName() const override { return "CPolygonPanel"; }
    BOOL Make(CWnd* page) { return CDialog::Create(IDD, page); }

    // Loads the controls from the selected polygon object; nothing without one.
    void Refresh() override;
    // The smoothing angle is enabled exactly while smoothing is on.
    void UpdateAngleEnabling();

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    const CommandMap& GetCommandMap() const override;

private:
    void OnCheck(UINT id);
    void OnColor();
    void OnKillFocusAngle();
    void OnLayer(UINT id);
    void OnRename();
    void OnChooseMaterial();
    void OnSetPosition();
    void Change(PolygonField field);

    CPolygonValues m_values;
    std::array<CQuelGroup, 5> m_groups;
    CColorButton m_color;
    CMyEdit m_angle;
    CQuelSpin m_angleSpin;
};
