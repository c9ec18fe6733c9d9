#pragma once
// The 15-pixel bar above each pane's OpenGL window: the pane letter, lit
// while its pane is the active one; three menu buttons that open the view,
// show and light menus for the pane (their captions light up under the
// pointer); and three line-figure buttons that widen the pane to its whole
// column, its whole row or the whole view area, pressed again to go back.
// Pane i's bar is registered under wndPaneHeader0 + i.
#include "app/window_services.h"
#include "controls/menu_button.h"
#include "controls/pane_buttons.h"
#include "platform/ui/dialog.h"
#include "viewport/splitter_layout.h"

#include <array>

class CPaneHeaderDialog : public CDialog, public CPaneHeaderServices {
public:
    enum { IDD = 102 };
    CPaneHeaderDialog() : CDialog(IDD) {}
    const char* GetRuntimeClassName() const override { return "CPaneHeaderDialog"; }

    // Also the pane the letter shows and the menu buttons act on.
    void SetPaneIndex(int index);
    int GetPaneIndex() const { return m_paneIndex; }
    // Shows or hides the pane window of `pane` and notes it in the pane, so
    // that the splitter shows it again after a divider drag.
    static void SetPaneVisible(int pane, bool show);

    void RedrawPaneLetter() override;

    // The buttons: "View", "Show", "Light"; full column, full row, whole area.
    CMenuButton& GetMenuButton(int index) { return m_menuButtons.at(static_cast<size_t>(index)); }
    CLineButton& GetLayoutButton(int index) { return m_layoutButtons.at(static_cast<size_t>(index)); }
    CTextButton& GetLetter() { return m_letter; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnPaint() override;
    void OnOK() override {}
    void OnCancel() override {}
    const CommandMap& GetCommandMap() const override;

private:
    void OnFullColumn();
    void OnFullRow();
    void OnMaximize();
    // Runs a layout command on the four panes and lays the splitter out again.
    void ChangeLayout(void (*command)(CPaneLayout&, int));

    int m_paneIndex = 0;
    std::array<CMenuButton, 3> m_menuButtons;
    CTextButton m_letter;
    std::array<CLineButton, 3> m_layoutButtons;
};
