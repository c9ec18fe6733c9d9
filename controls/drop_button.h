#pragma once
// CDropButton: the raised button with a drop shadow of the command bars. A
// click either opens a popup menu (SetPopupMode(TRUE), the default: the
// English menu with the English interface, else the Japanese one; at the
// button's right edge extending right, or with SetMenuOnRight(FALSE) at its
// left edge extending left) or sends WM_COMMAND (SetCommand's id, 0) to the
// target (SetTarget, else the main window). An inactive button
// (SetActive(FALSE)) only redraws. SetChecked draws it highlighted (a mode
// button that is on). The owner also gets the ordinary BN_CLICKED. Setters
// only store; the owner redraws.
#include "platform/ui/controls.h"

class CDropButton : public CButton {
public:
    const char* GetRuntimeClassName() const override { return "CDropButton"; }
    void SetActive(BOOL active) { m_active = active != FALSE; }
    void SetMenuOnRight(BOOL onRight) { m_menuOnRight = onRight != FALSE; }
    void SetPopupMode(BOOL popup) { m_popupMode = popup != FALSE; }
    void SetChecked(BOOL checked) { m_checked = checked != FALSE; }
    BOOL IsChecked() const { return m_checked; }
    void SetTarget(CWnd* target) { m_target = target; }
    // The popup of the Japanese interface, and of the English one.
    void SetMenu(UINT menuId, int subMenu) {
        m_japaneseMenu = menuId;
        m_japaneseSubMenu = subMenu;
    }
    void SetEnglishMenu(UINT menuId, int subMenu) {
        m_englishMenu = menuId;
        m_englishSubMenu = subMenu;
    }
    void SetCommand(UINT command) { m_command = command; }

protected:
    void DrawItem(LPDRAWITEMSTRUCT drawItem) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    BOOL OnEraseBkgnd(CDC* dc) override;

private:
    // The target, else the main window.
    CWnd* Receiver() const;
    void OpenPopup();

    bool m_active = true;
    bool m_menuOnRight = true;
    bool m_popupMode = true;
    UINT m_japaneseMenu = 103;
    int m_japaneseSubMenu = 0;
    UINT m_englishMenu = 140;
    int m_englishSubMenu = 0;
    bool m_held = false;
    bool m_checked = false;
    CWnd* m_target = nullptr;
    UINT m_command = 57600; // File > New
    bool m_pressedLook = false;
};
