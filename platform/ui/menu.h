#pragma once
// Menus: menu bars and popups, loaded from the resource tables or built item
// by item. A CMenu is a handle on a menu: the frame that shows a menu bar
// keeps it alive, so the object that loaded it may be released (Detach) or
// die. A menu is only shown while a frame holds it as its bar or while
// TrackPopupMenu runs; every change is visible the next time it opens.
//
// Items are found by command id (MF_BYCOMMAND, searching sub-menus too) or by
// position (MF_BYPOSITION). Before a popup opens its owner gets
// WM_INITMENUPOPUP, whose default processing runs the update handler
// (CCmdUI) of every item through the owner's command routing.
#include "platform/base/cstring.h"
#include "platform/base/modal_runner.h"
#include "platform/base/win_types.h"
#include "resources/resource_format.h"

#include <memory>

class CWnd;

constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_ENABLED = 0x0000;
constexpr UINT MF_UNCHECKED = 0x0000;
constexpr UINT MF_BYCOMMAND = 0x0000;
constexpr UINT MF_DISABLED = 0x0002; // shown grey, like MF_GRAYED
constexpr UINT MF_POPUP = 0x0010;
constexpr UINT MF_BYPOSITION = 0x0400;
constexpr UINT MF_SEPARATOR = 0x0800;

// TrackPopupMenu: the point is the menu's top-left corner, or its top-right
// corner with TPM_RIGHTALIGN. Either mouse button chooses an item here.
constexpr UINT TPM_LEFTBUTTON = 0x0000;
constexpr UINT TPM_LEFTALIGN = 0x0000;
constexpr UINT TPM_RIGHTBUTTON = 0x0002;
constexpr UINT TPM_RIGHTALIGN = 0x0008;

// wParam: the CMenu* of the menu bar.
constexpr UINT WM_INITMENU = 0x0116;
// wParam: the CMenu* of the popup; lParam: its position in its parent menu.
constexpr UINT WM_INITMENUPOPUP = 0x0117;
// wParam: MAKEWPARAM(command id, 0) of the item pointed at, 0xFFFF in the low word when the menu closed.
constexpr UINT WM_MENUSELECT = 0x011F;

struct MenuNode;

class CMenu {
public:
    CMenu();
    ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    // The menu resource with the id, from the chosen language's set first,
    // then the other's. FALSE when neither has it.
    BOOL LoadMenu(UINT id);
    BOOL CreateMenu();      // an empty menu bar
    BOOL CreatePopupMenu(); // an empty popup
    // This object shows the same menu as `other`.
    void Attach(const CMenu& other);
    // This object lets go of its menu; a frame that shows it keeps it.
    BOOL DestroyMenu();
    void Detach() { DestroyMenu(); }
    bool IsLoaded() const { return m_node != nullptr; }

    // Null when the item at pos is no popup.
    CMenu* GetSubMenu(int pos) const;
    int GetMenuItemCount() const;
    // The command id at pos: 0 for a separator, 0xFFFFFFFF for a popup or no item.
    UINT GetMenuItemID(int pos) const;
    // Returns the length of the text, 0 when there is no such item.
    int GetMenuString(UINT item, CString& text, UINT flags) const;
    // MF_CHECKED, MF_GRAYED, MF_POPUP, MF_SEPARATOR bits; 0xFFFFFFFF when there is no such item.
    UINT GetMenuState(UINT item, UINT flags) const;

    BOOL AppendMenu(UINT flags, UINT_PTR id = 0, const char* text = nullptr);
    // The popup is shared: both menus show the same popup.
    BOOL AppendMenu(UINT flags, const CMenu& popup, const char* text);
    // Before the item at `item` (MF_BYPOSITION) or before the item with that
    // command; with MF_BYPOSITION a position of -1 or past the end appends.
    BOOL InsertMenu(UINT item, UINT flags, UINT_PTR id = 0, const char* text = nullptr);
    // Replaces the item's id, text and state; keeps a popup's sub-menu.
    BOOL ModifyMenu(UINT item, UINT flags, UINT_PTR id = 0, const char* text = nullptr);
    BOOL DeleteMenu(UINT item, UINT flags);
    // Both return the previous state (MF_CHECKED / MF_GRAYED), 0xFFFFFFFF when there is no item.
    UINT CheckMenuItem(UINT item, UINT check);
    UINT EnableMenuItem(UINT item, UINT enable);

    // Shows the popup at a screen point until the user chooses or dismisses
    // it; a choice is sent to the owner as WM_COMMAND (id, 0) before this
    // returns. FALSE when nothing was chosen.
    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, const CRect* ignored = nullptr);

    MenuNode* GetNode() const { return m_node; }
    std::shared_ptr<MenuNode> Share() const { return m_hold; }

private:
    friend struct MenuNode;
    explicit CMenu(MenuNode* borrowed) : m_node(borrowed) {}
    void Hold(std::shared_ptr<MenuNode> node);
    UINT SetStateBit(UINT item, UINT flags, UINT bit, bool on);

    std::shared_ptr<MenuNode> m_hold; // empty for the sub-menu objects a menu hands out
    MenuNode* m_node = nullptr;
};

// A popup menu as the modal runner runs it; TrackPopupMenu makes one. A
// test's script may choose an item for the user.
class CPopupMenuRun : public qf::CModalWindow {
public:
    CPopupMenuRun(CMenu& menu, CWnd* owner, CPoint screenPoint, UINT flags)
        : m_menu(menu), m_owner(owner), m_point(screenPoint), m_flags(flags) {}

    CMenu& GetMenu() const { return m_menu; }
    CWnd* GetOwner() const { return m_owner; }
    CPoint GetPoint() const { return m_point; }
    UINT GetFlags() const { return m_flags; }
    // The result of choosing the item with the command: the id, or 0 when
    // no enabled item of the menu or its sub-menus has it.
    int Choose(UINT id) const;

    // Shows the popup and returns the chosen command, 0 for none.
    int RunModalLoop() override;
    int GetCancelResult() const override { return 0; }

private:
    CMenu& m_menu;
    CWnd* m_owner;
    CPoint m_point;
    UINT m_flags;
};
