#pragma once
// The panel of the selected patch object on the object page (registered
// window 31): name and colour, display and POV-Ray switches, mirror,
// polygon conversion, material slots and motion blur. Each control's change
// is one change of the object that it shows (object_info_edits.h).
#include "controls/color_button.h"
#include "controls/my_edit.h"
#include "controls/quel_group.h"
#include "controls/quel_meter.h"
#include "controls/quel_spin.h"
#include "shell/object_info_edits.h"
#include "shell/side_bar_panel.h"

#include <array>

class CObjectInfoPanel : public CSideBarPanel {
public:
    enum { IDD = 144 };
    const char* GetRuntimeClassName() const override { return "CObjectInfoPanel"; }
    BOOL Make(CWnd* page) { return CDialog::Create(IDD, page); }

    // Loads the controls from the selected patch object; nothing without one.
    void Refresh() override;
    // Reads the controls back and enables the controls that depend on others.
    void UpdateEnabling();

    // The values the controls show; the frame's object-flag commands set
    // show, export and edit-disabled and write them back with UpdateData(FALSE).
    CObjectInfoValues m_values;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    const CommandMap& GetCommandMap() const override;

private:
    void OnCheck(UINT id);
    void OnColor();
    void OnMirrorMode(UINT id);
    void OnMirrorAxis(UINT id);
    void OnLayer(UINT id);
    void OnKillFocusNumber(UINT id);
    void OnRename();
    void OnChooseMaterial();
    void OnSetPosition();
    void OnChooseReference();
    // Records the field's change on the selected object.
    void Change(ObjectInfoField field);

    std::array<CQuelGroup, 7> m_groups;
    CColorButton m_color;
    CMyEdit m_seeThroughAmount;
    CQuelSpin m_seeThroughSpin;
    CQuelMeter m_seeThroughMeter;
    CMyEdit m_limit;
    CQuelSpin m_limitSpin;
    CMyEdit m_division;
    CQuelSpin m_divisionSpin;
    CMyEdit m_angle;
    CQuelSpin m_angleSpin;
    CMyEdit m_subdivisionCount;
    CQuelSpin m_subdivisionSpin;
};
