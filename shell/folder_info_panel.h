#pragma once
// The panel of the selected folder on the object page (registered window
// 34): its name and its show and export switches, which apply to everything
// below it.
#include "controls/quel_group.h"
#include "shell/side_bar_panel.h"

#include <array>

class CFolderInfoPanel : public CSideBarPanel {
public:
    enum { IDD = 225 };
    const char* GetRuntimeClassName() const override { return "CFolderInfoPanel"; }
    BOOL Make(CWnd* page) { return CDialog::Create(IDD, page); }

    // Loads the controls from the selected folder; nothing without one.
    void Refresh() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    const CommandMap& GetCommandMap() const override;

private:
    void OnRename();
    void OnShow();
    void OnExport();

    CString m_name;
    int m_show = 0;
    int m_export = 0;
    std::array<CQuelGroup, 2> m_groups;
};
