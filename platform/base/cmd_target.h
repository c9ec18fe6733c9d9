#pragma once
// Command targets: objects that handle commands through a table of handlers
// keyed by command id (or an id range) and notification code, and pass what
// they do not handle on to the next target of a route. The frame, the views,
// dialogs and controls are targets, and so are the document and the
// application, which is why this lives below the window layer.
//
// A class declares its table by overriding GetCommandMap:
//
//     const CommandMap& CMyDialog::GetCommandMap() const {
//         static const CommandMap map = CommandMapFor<CMyDialog>(CDialog::GetCommandMap())
//                                           .OnBnClicked(1475, &CMyDialog::OnBrowse)
//                                           .OnUpdateCommandUI(30025, &CMyDialog::OnUpdateTool);
//         return map;
//     }
//
// Entries of the class come before those of its base; the first that fits wins.
#include "platform/base/cstring.h"
#include "platform/base/message.h"

#include <functional>
#include <vector>

// Notification codes of WM_COMMAND (the high word of wParam). A menu choice
// carries 0 and an accelerator 1, both without a sending control.
constexpr UINT BN_CLICKED = 0;
constexpr UINT EN_SETFOCUS = 0x0100;
constexpr UINT EN_KILLFOCUS = 0x0200;
constexpr UINT EN_CHANGE = 0x0300;
constexpr UINT LBN_SELCHANGE = 1;
constexpr UINT LBN_DBLCLK = 2;
constexpr UINT CBN_SELCHANGE = 1;
constexpr UINT kAcceleratorCode = 1;

// Notification codes of WM_NOTIFY (NMHDR::code).
constexpr UINT NM_CLICK = static_cast<UINT>(-2);
constexpr UINT NM_DBLCLK = static_cast<UINT>(-3);
constexpr UINT NM_RCLICK = static_cast<UINT>(-5);
constexpr UINT TVN_SELCHANGING = static_cast<UINT>(-401);
constexpr UINT TVN_SELCHANGED = static_cast<UINT>(-402);
constexpr UINT TVN_BEGINDRAG = static_cast<UINT>(-407);
constexpr UINT TCN_SELCHANGE = static_cast<UINT>(-551);

class CCmdTarget;

// The state of one menu item or tool-bar button, handed to the update
// handler of its command. An update handler that calls nothing leaves the
// item as it is.
class CCmdUI {
public:
    UINT m_nID = 0;

    virtual ~CCmdUI() = default;
    virtual void Enable(BOOL on = TRUE) = 0;
    // 0 unchecked, 1 checked.
    virtual void SetCheck(int check = 1) = 0;
    virtual void SetText(const char* text) = 0;

    // Routes the update through `target`; TRUE when a handler ran.
    BOOL DoUpdate(CCmdTarget* target);
    // Whether a menu command with this id has a handler along target's route.
    BOOL HasCommandHandler(CCmdTarget* target) const;
};

enum class CommandKind {
    Command,          // WM_COMMAND from a menu, an accelerator or a control
    UpdateUI,         // asks the state of a menu item or button
    Notify,           // WM_NOTIFY from a control
    ReflectedCommand, // a control's own WM_COMMAND, offered to the control first
    ReflectedNotify,
    HandlerQuery, // asks whether a menu command has a handler; none runs
};

// One command as the targets of a route see it.
struct CommandMessage {
    CommandKind kind = CommandKind::Command;
    UINT id = 0;
    UINT code = 0; // notification code; 0 for menu and update messages
    HWND sender;   // the control that sent it; null for menus and accelerators
    CCmdUI* ui = nullptr;
    NMHDR* header = nullptr;
    LRESULT* result = nullptr;

    // A menu choice or an accelerator (no control sent it).
    bool IsMenuCommand() const { return kind == CommandKind::Command && !sender; }
};

// A class's table of handlers, chained to its base class's table.
class CommandMap {
public:
    using Handler = std::function<void(CCmdTarget&, const CommandMessage&)>;
    struct Entry {
        CommandKind kind;
        UINT code;
        UINT firstId;
        UINT lastId;
        Handler handler;
    };

    explicit CommandMap(const CommandMap* base = nullptr) : m_base(base) {}

    // The first entry for the message in this table, then its bases'.
    const Entry* Find(const CommandMessage& message) const;
    void Add(Entry entry) { m_entries.push_back(std::move(entry)); }

    // The table of a class without handlers of its own.
    static const CommandMap& Empty();

private:
    const CommandMap* m_base;
    std::vector<Entry> m_entries;
};

class CCmdTarget {
public:
    CCmdTarget() = default;
    virtual ~CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;

    // Offers the message along this target's route; TRUE when a handler ran.
    // The base offers it to this target's own table only; routers (frame,
    // view, dialog) override this to pass it on.
    virtual BOOL OnCmdMsg(const CommandMessage& message);

protected:
    // This target's own table: a handler that fits runs, TRUE then. A
    // handler query only finds it.
    BOOL DispatchOwnCommand(const CommandMessage& message);
    virtual const CommandMap& GetCommandMap() const;
};

// Builds the table of class T; each entry names a member function of T.
template <class T> class CommandMapFor {
public:
    explicit CommandMapFor(const CommandMap& base) : m_map(&base) {}

    // Menu, accelerator and button commands (BN_CLICKED is code 0 too).
    CommandMapFor& OnCommand(UINT id, void (T::*fn)()) { return Simple(CommandKind::Command, 0, id, id, fn); }
    CommandMapFor& OnCommandRange(UINT first, UINT last, void (T::*fn)(UINT)) {
        return WithId(CommandKind::Command, 0, first, last, fn);
    }
    CommandMapFor& OnUpdateCommandUI(UINT id, void (T::*fn)(CCmdUI*)) { return UpdateRange(id, id, fn); }
    CommandMapFor& OnUpdateCommandUIRange(UINT first, UINT last, void (T::*fn)(CCmdUI*)) {
        return UpdateRange(first, last, fn);
    }

    // Control notifications to the control's parent.
    CommandMapFor& OnControl(UINT code, UINT id, void (T::*fn)()) {
        return Simple(CommandKind::Command, code, id, id, fn);
    }
    CommandMapFor& OnControlRange(UINT code, UINT first, UINT last, void (T::*fn)(UINT)) {
        return WithId(CommandKind::Command, code, first, last, fn);
    }
    CommandMapFor& OnBnClicked(UINT id, void (T::*fn)()) { return OnControl(BN_CLICKED, id, fn); }
    CommandMapFor& OnEnChange(UINT id, void (T::*fn)()) { return OnControl(EN_CHANGE, id, fn); }
    CommandMapFor& OnEnKillFocus(UINT id, void (T::*fn)()) { return OnControl(EN_KILLFOCUS, id, fn); }
    CommandMapFor& OnLbnSelChange(UINT id, void (T::*fn)()) { return OnControl(LBN_SELCHANGE, id, fn); }
    CommandMapFor& OnLbnDblClk(UINT id, void (T::*fn)()) { return OnControl(LBN_DBLCLK, id, fn); }
    CommandMapFor& OnCbnSelChange(UINT id, void (T::*fn)()) { return OnControl(CBN_SELCHANGE, id, fn); }
    CommandMapFor& OnNotify(UINT code, UINT id, void (T::*fn)(NMHDR*, LRESULT*)) {
        return NotifyRange(CommandKind::Notify, code, id, id, fn);
    }
    CommandMapFor& OnNotifyRange(UINT code, UINT first, UINT last, void (T::*fn)(NMHDR*, LRESULT*)) {
        return NotifyRange(CommandKind::Notify, code, first, last, fn);
    }

    // A control's own notification, handled by the control before its
    // parent hears of it; the parent gets nothing when this runs.
    CommandMapFor& OnControlReflect(UINT code, void (T::*fn)()) {
        return Simple(CommandKind::ReflectedCommand, code, 0, 0xFFFF, fn);
    }
    CommandMapFor& OnNotifyReflect(UINT code, void (T::*fn)(NMHDR*, LRESULT*)) {
        return NotifyRange(CommandKind::ReflectedNotify, code, 0, 0xFFFF, fn);
    }

    operator CommandMap() const { return m_map; }

private:
    CommandMapFor& Simple(CommandKind kind, UINT code, UINT first, UINT last, void (T::*fn)()) {
        m_map.Add({kind, code, first, last,
                   [fn](CCmdTarget& t, const CommandMessage&) { (static_cast<T&>(t).*fn)(); }});
        return *this;
    }
    CommandMapFor& WithId(CommandKind kind, UINT code, UINT first, UINT last, void (T::*fn)(UINT)) {
        m_map.Add({kind, code, first, last,
                   [fn](CCmdTarget& t, const CommandMessage& m) { (static_cast<T&>(t).*fn)(m.id); }});
        return *this;
    }
    CommandMapFor& UpdateRange(UINT first, UINT last, void (T::*fn)(CCmdUI*)) {
        m_map.Add({CommandKind::UpdateUI, 0, first, last,
                   [fn](CCmdTarget& t, const CommandMessage& m) { (static_cast<T&>(t).*fn)(m.ui); }});
        return *this;
    }
    CommandMapFor& NotifyRange(CommandKind kind, UINT code, UINT first, UINT last,
                               void (T::*fn)(NMHDR*, LRESULT*)) {
        m_map.Add({kind, code, first, last, [fn](CCmdTarget& t, const CommandMessage& m) {
                       (static_cast<T&>(t).*fn)(m.header, m.result);
                   }});
        return *this;
    }

    CommandMap m_map;
};
