#pragma once
// The menu model behind CMenu and the wx menus that show it; shared by the
// files of the window layer, nothing outside platform/ui includes this.
#include "platform/ui/menu.h"

#include <functional>
#include <map>
#include <vector>

class CCmdTarget;
class wxMenu;
class wxMenuBar;
class wxString;

struct MenuItemNode {
    UINT id = 0;
    CString text;
    UINT state = 0; // MF_CHECKED | MF_GRAYED
    bool separator = false;
    std::shared_ptr<MenuNode> popup;
};

// A menu bar or popup. Items are kept by pointer so that sub-menu objects
// handed out stay valid while items around them come and go.
struct MenuNode {
    std::vector<std::unique_ptr<MenuItemNode>> items;
    // The CMenu objects GetSubMenu handed out, one per popup item.
    std::vector<std::pair<const MenuItemNode*, std::unique_ptr<CMenu>>> wrappers;

    // The item with the command id, here or in a sub-menu (depth first), or
    // at a position of this menu (MF_BYPOSITION), and the menu holding it.
    MenuItemNode* Find(UINT item, UINT flags, MenuNode** holder = nullptr);
    // The CMenu GetSubMenu hands out for the popup at an item.
    CMenu* Wrapper(MenuItemNode& item);
};

// Runs the update handler of every item of a popup through `target` (the
// default processing of WM_INITMENUPOPUP). Items without a handler keep their state.
void UpdateMenuItems(CMenu& popup, CCmdTarget& target);

// The label wx gets for a menu text: never a shortcut after a tab.
wxString MenuLabelForWx(const CString& text);
int WxMenuIdFor(UINT commandId);
// The command id of a wx menu event of our menus, 0 for others.
UINT CommandIdFromWxMenuId(int wxId);

// Shows a menu node as a wx menu bar (its popups as the bar's menus) or as
// a wx popup, and brings each wx menu up to date with its node when it opens.
class CMenuDisplay {
public:
    // Where a shown wx menu comes from: the popup item of a parent menu
    // (null for the popup itself), and its position there.
    struct Link {
        MenuNode* parent = nullptr;
        MenuItemNode* item = nullptr;
        int index = 0;
        MenuNode* node = nullptr;
    };

    // `hold` keeps the menu alive while it is shown (empty for a sub-menu,
    // which its menu keeps).
    // opening, for a bar: called with a menu of the bar just before GTK shows it.
    CMenuDisplay(std::shared_ptr<MenuNode> hold, MenuNode& root, bool bar,
                 std::function<void(wxMenu*)> opening = {});
    ~CMenuDisplay();
    CMenuDisplay(const CMenuDisplay&) = delete;
    CMenuDisplay& operator=(const CMenuDisplay&) = delete;

    // The bar for a frame, which owns it once it shows it.
    wxMenuBar* GetBar() const { return m_bar; }
    // The popup, owned by the display.
    wxMenu* GetPopup() const { return m_popup.get(); }

    const Link* Find(const wxMenu* menu) const;
    // Makes the wx menu and its submenus show their nodes' items as they are now.
    void Sync(wxMenu* menu);
    // Makes the bar's titles and menus match the root's popups.
    void SyncBar();

private:
    void Fill(wxMenu& menu, MenuNode& node);
    void Forget(wxMenu& menu);

    std::function<void(wxMenu*)> m_opening;
    std::shared_ptr<MenuNode> m_hold;
    MenuNode& m_root;
    wxMenuBar* m_bar = nullptr;
    std::unique_ptr<wxMenu> m_popup;
    std::map<const wxMenu*, Link> m_links;
};

// Set while a popup menu runs: frames leave the popup's wx events to it.
class CPopupMenuScope {
public:
    CPopupMenuScope();
    ~CPopupMenuScope();
    CPopupMenuScope(const CPopupMenuScope&) = delete;
    CPopupMenuScope& operator=(const CPopupMenuScope&) = delete;

private:
    bool m_outer;
};
bool PopupMenuRunning();
