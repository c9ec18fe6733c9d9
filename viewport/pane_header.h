#pragma once
// The 15-pixel bar above each pane's OpenGL window: the pane letter, lit
// while its pane is the active one; three buttons that open the view, show
// and light menus for the pane; and three layout buttons that widen the pane
// to its whole column, its whole row or the whole view area, pressed again to
// go back. Pane i's bar is registered under wndPaneHeader0 + i.
#include "app/window_services.h"
#include "platform/ui/controls.h"
#include "platform/ui/dialog.h"
#include "viewport/splitter_layout.h"

#include <array>

// The pane letter "A" to "D".
class CPaneLetterButton : public CButton {
public:
    int m_paneIndex = 0;

protected:
    void DrawItem(LPDRAWITEMSTRUCT drawItem) override;
};

// A flat button showing its caption.
class CPaneMenuButton : public CButton {
protected:
    void DrawItem(LPDRAWITEMSTRUCT drawItem) override;
};

// A small picture of the four panes with the part the pane would cover
// filled: 0 its column, 1 its row, 2 the whole area.
class CPaneLayoutButton : public CButton {
public:
    int m_shape = 0;

protected:
    void DrawItem(LPDRAWITEMSTRUCT drawItem) override;
};

class CPaneHeaderDialog : public CDialog, public CPaneHeaderServices {
public:
    enum { IDD = 102 };
    CPaneHeaderDialog() : CDialog(IDD) {}
    const char* GetRuntimeClassName() const override { return "CPaneHeaderDialog"; }

    // Before the bar is made.
    void SetPaneIndex(int index);
    int GetPaneIndex() const { return m_paneIndex; }
    // Shows or hides the pane window of `pane` and notes it in the pane, so
    // that the splitter shows it again after a divider drag.
    static void SetPaneVisible(int pane, bool show);

    void RedrawPaneLetter() override;

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
    void OnViewMenu();
    void OnShowMenu();
    void OnLightMenu();
    // Opens submenu `index` of the pane popup menus under the button, for this pane.
    void OpenMenu(CButton& button, int index);
    // Runs a layout command on the four panes and lays the splitter out again.
    void ChangeLayout(void (*command)(CPaneLayout&, int));

    int m_paneIndex = 0;
    CPaneLetterButton m_letter;
    std::array<CPaneMenuButton, 3> m_menuButtons;
    std::array<CPaneLayoutButton, 3> m_layoutButtons;
};
