#pragma once
// CMenuButton: a flat caption with a small corner mark that opens a popup
// menu under itself (the "View", "Show" and "Light" buttons of a pane's
// header). The caption turns blue while the pointer is over it. On release
// the button makes its pane the active one, opens submenu SetMenu(menu,
// submenu) at its bottom-left corner with the main window as owner (so the
// chosen command goes through the frame's command routing and acts on that
// pane), then gives the owner the ordinary BN_CLICKED and the keyboard
// focus back to the main window.
#include "platform/ui/controls.h"

class CMenuButton : public CButton {
public:
    const char* GetRuntimeClassName() const override { return "CMenuButton"; }
    void SetMenu(UINT menuId, int subMenu) {
        m_menuId = menuId;
        m_subMenu = subMenu;
    }
    void SetPaneIndex(int pane) { m_paneIndex = pane; }
    // The pointer is over the button.
    BOOL IsHot() const { return m_hot; }

protected:
    void DrawItem(LPDRAWITEMSTRUCT drawItem) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    BOOL OnEraseBkgnd(CDC* dc) override;

private:
    void SetHot(BOOL hot);

    UINT m_menuId = 103;
    int m_subMenu = 0;
    BOOL m_hot = FALSE;
    int m_paneIndex = 0;
};
