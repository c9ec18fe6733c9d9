#pragma once
// The panel of the selected light on the light page (registered window 33):
// name and colour, location, type, options, the spot, area and fade
// settings and the POV-Ray light modifiers. Each control's change is one
// undo step of the light (the rename one of its name); numbers commit when
// the field is left or its spin or slider let go. The light translate tool
// refreshes it at every step of a drag.
#include "controls/color_button.h"
#include "controls/my_edit.h"
#include "controls/quel_group.h"
#include "controls/quel_meter.h"
#include "controls/quel_spin.h"
#include "shell/light_commands.h"
#include "shell/side_bar_panel.h"

#include <array>

// The light page as its panel reaches it.
class CLightTreeHost {
public:
    virtual ~CLightTreeHost() = default;
    // The selected item shows the picture of the light type.
    virtual void ShowSelectedType(int type) = 0;
};

class CLightPanel : public CSideBarPanel {
public:
    enum { IDD = 149 };
    const char* GetRuntimeClassName() const override { return "CLightPanel"; }
    BOOL Make(CWnd* page, CLightTreeHost* host) {
        m_host = host;
        return CDialog::Create(IDD, page);
    }

    // Loads the controls from the selected light; nothing without one.
    void Refresh() override;
    // Reads the controls back and enables those the type and switches use.
    void UpdateEnabling();

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    const CommandMap& GetCommandMap() const override;

private:
    // A number field with its buddies.
    struct CNumber {
        CMyEdit edit;
        CQuelSpin spin;
        CQuelMeter meter;
    };

    void SetUpNumbers();
    // The number field with the edit's id.
    CMyEdit& Edit(int id);
    void OnCheck(UINT id);
    void OnType(UINT id);
    void OnColor();
    void OnShadowColor();
    void OnKillFocusNumber(UINT id);
    void OnRename();
    void Change(LightField field);

    CLightValues m_values;
    CLightTreeHost* m_host = nullptr;
    std::array<CQuelGroup, 8> m_groups;
    CColorButton m_color;
    CColorButton m_shadowColor;
    // Every number field by its edit's id, with its spin and slider where it has them.
    std::array<CNumber, 20> m_numbers;
};
