#include "platform/ui/menu.h"

#include "platform/base/cmd_target.h"
#include "platform/ui/menu_layout.h"
#include "platform/ui/menu_node.h"
#include "platform/ui/native_window.h"
#include "platform/ui/resource_lookup.h"
#include "platform/ui/wnd.h"

#include <algorithm>
#include <unordered_map>
#include <wx/dcclient.h>
#include <wx/menu.h>
#include <wx/settings.h>

namespace {

// wx takes menu and tool ids below 0x7FFF only, and fills in labels and
// shortcuts of its own for 5000-5999; our commands go up to 0xFFFF. Each
// command gets a wx id of its own above wx's range the first time it is shown.
struct WxMenuIds {
    std::unordered_map<UINT, int> byCommand;
    std::unordered_map<int, UINT> byWxId;
};
WxMenuIds& MenuIds() {
    static WxMenuIds ids;
    return ids;
}

bool Grey(UINT flags) {
    return (flags & (MF_GRAYED | MF_DISABLED)) != 0;
}

std::unique_ptr<MenuItemNode> MakeItem(UINT flags, UINT_PTR id, const char* text) {
    auto item = std::make_unique<MenuItemNode>();
    item->separator = (flags & MF_SEPARATOR) != 0;
    if (!item->separator) {
        item->id = static_cast<UINT>(id);
        item->text = text ? text : "";
    }
    item->state = (Grey(flags) ? MF_GRAYED : 0) | (flags & MF_CHECKED);
    return item;
}

// Reads one level of a flat menu resource up to its End.
void LoadLevel(MenuNode& node, std::span<const MenuEntry>& entries) {
    while (!entries.empty()) {
        const MenuEntry entry = entries.front();
        entries = entries.subspan(1);
        if (entry.kind == MenuEntryKind::End)
            return;
        auto item = std::make_unique<MenuItemNode>();
        item->text = entry.text ? entry.text : "";
        item->state = entry.state;
        item->separator = entry.kind == MenuEntryKind::Separator;
        if (entry.kind == MenuEntryKind::Item)
            item->id = entry.id;
        if (entry.kind == MenuEntryKind::Popup) {
            item->popup = std::make_shared<MenuNode>();
            LoadLevel(*item->popup, entries);
        }
        node.items.push_back(std::move(item));
    }
}

// The CCmdUI of a menu item: its handler's calls change the menu at once.
class CMenuItemCmdUI : public CCmdUI {
public:
    explicit CMenuItemCmdUI(MenuItemNode& item) : m_item(item) { m_nID = item.id; }
    void Enable(BOOL on) override {
        m_item.state = on ? m_item.state & ~MF_GRAYED : m_item.state | MF_GRAYED;
    }
    void SetCheck(int check) override {
        m_item.state = check ? m_item.state | MF_CHECKED : m_item.state & ~MF_CHECKED;
    }
    void SetText(const char* text) override { m_item.text = text ? text : ""; }

private:
    MenuItemNode& m_item;
};

} // namespace

MenuItemNode* MenuNode::Find(UINT item, UINT flags, MenuNode** holder) {
    if (flags & MF_BYPOSITION) {
        if (item >= items.size())
            return nullptr;
        if (holder)
            *holder = this;
        return items[item].get();
    }
    for (auto& entry : items) {
        if (entry->popup) {
            if (MenuItemNode* found = entry->popup->Find(item, flags, holder))
                return found;
        } else if (!entry->separator && entry->id == item) {
            if (holder)
                *holder = this;
            return entry.get();
        }
    }
    return nullptr;
}

CMenu* MenuNode::Wrapper(MenuItemNode& item) {
    for (auto& [owner, wrapper] : wrappers)
        if (owner == &item)
            return wrapper.get();
    wrappers.emplace_back(&item, std::unique_ptr<CMenu>(new CMenu(item.popup.get())));
    return wrappers.back().second.get();
}

CMenu::CMenu() = default;
CMenu::~CMenu() = default;

void CMenu::Hold(std::shared_ptr<MenuNode> node) {
    m_hold = std::move(node);
    m_node = m_hold.get();
}

BOOL CMenu::LoadMenu(UINT id) {
    const MenuResource* resource = FindMenuResource(id);
    if (!resource)
        return FALSE;
    auto node = std::make_shared<MenuNode>();
    std::span<const MenuEntry> entries = resource->entries;
    LoadLevel(*node, entries);
    Hold(std::move(node));
    return TRUE;
}

BOOL CMenu::CreateMenu() {
    Hold(std::make_shared<MenuNode>());
    return TRUE;
}

BOOL CMenu::CreatePopupMenu() {
    return CreateMenu();
}

void CMenu::Attach(const CMenu& other) {
    m_hold = other.m_hold;
    m_node = other.m_node;
}

BOOL CMenu::DestroyMenu() {
    const BOOL had = m_node != nullptr;
    m_hold.reset();
    m_node = nullptr;
    return had;
}

CMenu* CMenu::GetSubMenu(int pos) const {
    if (!m_node || pos < 0 || pos >= static_cast<int>(m_node->items.size()))
        return nullptr;
    MenuItemNode& item = *m_node->items[pos];
    return item.popup ? m_node->Wrapper(item) : nullptr;
}

int CMenu::GetMenuItemCount() const {
    return m_node ? static_cast<int>(m_node->items.size()) : -1;
}

UINT CMenu::GetMenuItemID(int pos) const {
    if (!m_node || pos < 0 || pos >= static_cast<int>(m_node->items.size()))
        return 0xFFFFFFFF;
    const MenuItemNode& item = *m_node->items[pos];
    return item.popup ? 0xFFFFFFFF : item.id;
}

int CMenu::GetMenuString(UINT item, CString& text, UINT flags) const {
    const MenuItemNode* found = m_node ? m_node->Find(item, flags) : nullptr;
    text = found ? found->text : CString();
    return text.GetLength();
}

UINT CMenu::GetMenuState(UINT item, UINT flags) const {
    const MenuItemNode* found = m_node ? m_node->Find(item, flags) : nullptr;
    if (!found)
        return 0xFFFFFFFF;
    return found->state | (found->popup ? MF_POPUP : 0) | (found->separator ? MF_SEPARATOR : 0);
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, const char* text) {
    return InsertMenu(static_cast<UINT>(-1), flags | MF_BYPOSITION, id, text);
}

BOOL CMenu::AppendMenu(UINT flags, const CMenu& popup, const char* text) {
    if (!m_node || !popup.m_node || !popup.m_hold)
        return FALSE;
    auto item = MakeItem(flags & ~MF_SEPARATOR, 0, text);
    item->popup = popup.m_hold;
    m_node->items.push_back(std::move(item));
    return TRUE;
}

BOOL CMenu::InsertMenu(UINT item, UINT flags, UINT_PTR id, const char* text) {
    if (!m_node)
        return FALSE;
    MenuNode* holder = m_node;
    size_t index = m_node->items.size();
    if (flags & MF_BYPOSITION) {
        index = std::min<size_t>(item, m_node->items.size());
    } else {
        const MenuItemNode* before = m_node->Find(item, flags, &holder);
        if (!before)
            return FALSE;
        index = static_cast<size_t>(std::find_if(holder->items.begin(), holder->items.end(),
                                                 [&](const auto& p) { return p.get() == before; }) -
                                    holder->items.begin());
    }
    holder->items.insert(holder->items.begin() + static_cast<std::ptrdiff_t>(index),
                         MakeItem(flags, id, text));
    return TRUE;
}

BOOL CMenu::ModifyMenu(UINT item, UINT flags, UINT_PTR id, const char* text) {
    MenuItemNode* found = m_node ? m_node->Find(item, flags) : nullptr;
    if (!found)
        return FALSE;
    auto replacement = MakeItem(flags, id, text);
    found->separator = replacement->separator;
    found->id = found->popup ? 0 : replacement->id;
    found->text = replacement->text;
    found->state = replacement->state;
    return TRUE;
}

BOOL CMenu::DeleteMenu(UINT item, UINT flags) {
    MenuNode* holder = nullptr;
    const MenuItemNode* found = m_node ? m_node->Find(item, flags, &holder) : nullptr;
    if (!found)
        return FALSE;
    std::erase_if(holder->wrappers, [&](const auto& w) { return w.first == found; });
    std::erase_if(holder->items, [&](const auto& p) { return p.get() == found; });
    return TRUE;
}

UINT CMenu::SetStateBit(UINT item, UINT flags, UINT bit, bool on) {
    MenuItemNode* found = m_node ? m_node->Find(item, flags) : nullptr;
    if (!found)
        return 0xFFFFFFFF;
    const UINT previous = found->state & bit;
    found->state = on ? found->state | bit : found->state & ~bit;
    return previous;
}

UINT CMenu::CheckMenuItem(UINT item, UINT check) {
    return SetStateBit(item, check, MF_CHECKED, (check & MF_CHECKED) != 0);
}

UINT CMenu::EnableMenuItem(UINT item, UINT enable) {
    return SetStateBit(item, enable, MF_GRAYED, Grey(enable));
}

void UpdateMenuItems(CMenu& popup, CCmdTarget& target) {
    MenuNode* node = popup.GetNode();
    if (!node)
        return;
    // A handler may change the menu; walk a copy of the item list.
    std::vector<MenuItemNode*> items;
    for (auto& item : node->items)
        items.push_back(item.get());
    for (MenuItemNode* item : items) {
        if (item->separator || item->popup)
            continue;
        CMenuItemCmdUI ui(*item);
        ui.DoUpdate(&target);
    }
}

wxString MenuLabelForWx(const CString& text) {
    const int tab = text.Find('\t');
    return wxString::FromUTF8((tab < 0 ? text : text.Left(tab)).GetString());
}

int WxMenuIdFor(UINT commandId) {
    WxMenuIds& ids = MenuIds();
    const auto [it, added] =
        ids.byCommand.emplace(commandId, wxID_HIGHEST + 1 + static_cast<int>(ids.byCommand.size()));
    if (added)
        ids.byWxId.emplace(it->second, commandId);
    return it->second;
}

UINT CommandIdFromWxMenuId(int wxId) {
    const WxMenuIds& ids = MenuIds();
    const auto it = ids.byWxId.find(wxId);
    return it != ids.byWxId.end() ? it->second : 0;
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, const CRect*) {
    if (!m_node || !owner)
        return FALSE;
    const HWND h = owner->GetSafeHwnd();
    owner->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(this), 0);
    CPopupMenuRun run(*this, owner, CPoint(x, y), flags);
    const int chosen = qf::RunModal(run);
    if (chosen <= 0 || !IsWindow(h))
        return FALSE;
    owner->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(chosen), 0), 0);
    return TRUE;
}

int CPopupMenuRun::Choose(UINT id) const {
    MenuNode* node = m_menu.GetNode();
    const MenuItemNode* item = node ? node->Find(id, MF_BYCOMMAND) : nullptr;
    return item && !(item->state & MF_GRAYED) ? static_cast<int>(id) : 0;
}

namespace {

bool g_popupRunning = false;

// wx cannot open a popup by its right edge: the width is measured from the
// labels with the menu font and the theme's room for checks and arrows.
int EstimatedPopupWidth(wxWindow* window, const MenuNode& node) {
    wxClientDC dc(window);
    dc.SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
    int widest = 0;
    for (const auto& item : node.items)
        if (!item->separator)
            widest = std::max(widest, dc.GetTextExtent(MenuLabelForWx(item->text)).x);
    constexpr int kCheckAndArrowRoom = 56;
    return widest + kCheckAndArrowRoom;
}

} // namespace

CPopupMenuScope::CPopupMenuScope() : m_outer(g_popupRunning) {
    g_popupRunning = true;
}

CPopupMenuScope::~CPopupMenuScope() {
    g_popupRunning = m_outer;
}

bool PopupMenuRunning() {
    return g_popupRunning;
}

int CPopupMenuRun::RunModalLoop() {
    wxWindow* window = m_owner ? m_owner->GetNativeWindow() : nullptr;
    MenuNode* node = m_menu.GetNode();
    if (!window || !node)
        return 0;
    CMenuDisplay display(m_menu.Share(), *node, false);
    const HWND h = m_owner->GetSafeHwnd();
    // Sub-menus are brought up to date through their owner as they open.
    const auto onOpen = [&display, h](wxMenuEvent& event) {
        event.Skip();
        const CMenuDisplay::Link* link = display.Find(event.GetMenu());
        CWnd* owner = CWnd::FromHandle(h);
        if (!link || !link->parent || !owner)
            return;
        owner->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(link->parent->Wrapper(*link->item)),
                           link->index);
        display.Sync(event.GetMenu());
    };
    window->Bind(wxEVT_MENU_OPEN, onOpen);
    CPoint point = m_point;
    if (m_flags & TPM_RIGHTALIGN)
        point.x -= EstimatedPopupWidth(window, *node);
    m_owner->ScreenToClient(&point);
    const CPopupMenuScope running;
    const int id = window->GetPopupMenuSelectionFromUser(*display.GetPopup(), point.x, point.y);
    if (CWnd::FromHandle(h))
        window->Unbind(wxEVT_MENU_OPEN, onOpen);
    return static_cast<int>(CommandIdFromWxMenuId(id));
}

// ---------------------------------------------------------------------------

CMenuDisplay::CMenuDisplay(std::shared_ptr<MenuNode> hold, MenuNode& root, bool bar,
                           std::function<void(wxMenu*)> opening)
    : m_opening(std::move(opening)), m_hold(std::move(hold)), m_root(root) {
    if (bar) {
        m_bar = MakeOwnedByWx<wxMenuBar>();
        SyncBar();
    } else {
        m_popup = std::make_unique<wxMenu>();
        m_links[m_popup.get()] = Link{nullptr, nullptr, 0, &m_root};
        Fill(*m_popup, m_root);
    }
}

CMenuDisplay::~CMenuDisplay() = default;

const CMenuDisplay::Link* CMenuDisplay::Find(const wxMenu* menu) const {
    const auto it = m_links.find(menu);
    return it == m_links.end() ? nullptr : &it->second;
}

void CMenuDisplay::Fill(wxMenu& menu, MenuNode& node) {
    int index = 0;
    for (auto& item : node.items) {
        if (item->separator) {
            menu.AppendSeparator();
        } else if (item->popup) {
            wxMenu* sub = MakeOwnedByWx<wxMenu>();
            m_links[sub] = Link{&node, item.get(), index, item->popup.get()};
            Fill(*sub, *item->popup);
            menu.AppendSubMenu(sub, MenuLabelForWx(item->text))->Enable(!(item->state & MF_GRAYED));
        } else {
            // Only a checked item is a check item: GTK would draw an empty
            // box beside every other one.
            const bool checked = (item->state & MF_CHECKED) != 0;
            wxMenuItem* added = menu.Append(WxMenuIdFor(item->id), MenuLabelForWx(item->text), wxEmptyString,
                                            checked ? wxITEM_CHECK : wxITEM_NORMAL);
            if (checked)
                added->Check(true);
            added->Enable(!(item->state & MF_GRAYED));
        }
        ++index;
    }
}

void CMenuDisplay::Forget(wxMenu& menu) {
    for (wxMenuItem* item : menu.GetMenuItems())
        if (wxMenu* sub = item->GetSubMenu()) {
            Forget(*sub);
            m_links.erase(sub);
        }
}

void CMenuDisplay::Sync(wxMenu* menu) {
    const Link* link = Find(menu);
    if (!link)
        return;
    MenuNode& node = *link->node;
    bool same = menu->GetMenuItemCount() == node.items.size();
    for (size_t i = 0; same && i < node.items.size(); ++i) {
        const MenuItemNode& item = *node.items[i];
        const wxMenuItem* shown = menu->FindItemByPosition(i);
        if (item.separator)
            same = shown->IsSeparator();
        else if (item.popup)
            same = shown->IsSubMenu() && Find(shown->GetSubMenu()) &&
                   Find(shown->GetSubMenu())->node == item.popup.get();
        else
            same = !shown->IsSubMenu() && !shown->IsSeparator() && shown->GetId() == WxMenuIdFor(item.id) &&
                   shown->IsCheckable() == ((item.state & MF_CHECKED) != 0);
    }
    if (!same) {
        Forget(*menu);
        while (menu->GetMenuItemCount() > 0)
            menu->Destroy(menu->FindItemByPosition(0));
        Fill(*menu, node);
        return;
    }
    for (size_t i = 0; i < node.items.size(); ++i) {
        const MenuItemNode& item = *node.items[i];
        wxMenuItem* shown = menu->FindItemByPosition(i);
        if (item.separator)
            continue;
        const wxString label = MenuLabelForWx(item.text);
        if (shown->GetItemLabel() != label)
            shown->SetItemLabel(label);
        shown->Enable(!(item.state & MF_GRAYED));
        if (shown->IsCheckable())
            shown->Check(true);
        // A submenu whose items changed while its menu was being prepared
        // gets them now: GTK sizes a submenu wrongly when items are added as
        // it opens.
        if (item.popup)
            Sync(shown->GetSubMenu());
    }
}

void CMenuDisplay::SyncBar() {
    if (!m_bar)
        return;
    std::vector<std::pair<MenuItemNode*, int>> popups;
    for (size_t i = 0; i < m_root.items.size(); ++i)
        if (m_root.items[i]->popup)
            popups.emplace_back(m_root.items[i].get(), static_cast<int>(i));
    bool same = m_bar->GetMenuCount() == popups.size();
    for (size_t i = 0; same && i < popups.size(); ++i) {
        const Link* link = Find(m_bar->GetMenu(i));
        same = link && link->node == popups[i].first->popup.get();
    }
    if (!same) {
        while (m_bar->GetMenuCount() > 0) {
            std::unique_ptr<wxMenu> removed(m_bar->Remove(0));
            Forget(*removed);
            m_links.erase(removed.get());
        }
        for (const auto& [item, index] : popups) {
            wxMenu* menu = MakeOwnedByWx<wxMenu>();
            m_links[menu] = Link{&m_root, item, index, item->popup.get()};
            Fill(*menu, *item->popup);
            m_bar->Append(menu, MenuLabelForWx(item->text));
            if (m_opening)
                CallBeforeShowing(*menu, [opening = m_opening, menu] { opening(menu); });
        }
    }
    for (size_t i = 0; i < popups.size(); ++i) {
        m_bar->SetMenuLabel(i, MenuLabelForWx(popups[i].first->text));
        m_bar->EnableTop(i, !(popups[i].first->state & MF_GRAYED));
    }
}
