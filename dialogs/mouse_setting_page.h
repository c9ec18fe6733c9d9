#pragma once
// The mouse page: which camera tool the right and middle buttons and the
// left+right chord start, and which camera drags run reversed. A choice is
// applied at once through the document's button setters, so the mouse
// status bar follows; the page shows the tools again when a command changes
// them while it is open.
#include "app/window_services.h"
#include "dialogs/settings_page.h"

class CMouseSettingPage : public CSettingsPage, public CMouseButtonPageServices {
public:
    enum { IDD = 106 };
    CMouseSettingPage();
    const char* GetRuntimeClassName() const override { return "CMouseSettingPage"; }

    // Selects the button's entry of the tool toolIndex - 1; none when no entry has it.
    void SetButtonChoice(Button button, int toolIndex) override;
    CComboBox& GetList(Button button);

protected:
    void DoDataExchange(CDataExchange* dx) override;
    // Fills the lists and shows the document's tools and reverse flags, each time the page is made.
    BOOL OnInitDialog() override;
    const CommandMap& GetCommandMap() const override;

private:
    // Takes the reverse flags, then gives each button the tool of its list's selection.
    void Apply();
    static void Fill(CComboBox& list, bool withPopupMenu);
    // The entry whose tool is mode; none when no entry has it.
    static void Select(CComboBox& list, int mode);

    CComboBox m_rightList;
    CComboBox m_middleList;
    CComboBox m_bothList;
};
