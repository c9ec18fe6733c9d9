#pragma once
// Commands as a menu sends them: run one through a target's routing, or ask
// the target's update handlers whether its item is enabled.
#include "platform/base/cmd_target.h"

namespace qf::test {

// The state an update handler leaves on an item; untouched items stay
// enabled and unchecked.
class ItemState : public CCmdUI {
public:
    explicit ItemState(UINT id) { m_nID = id; }
    void Enable(BOOL on) override { enabled = on; }
    void SetCheck(int check) override { checked = check; }
    void SetText(const char*) override {}
    BOOL enabled = TRUE;
    int checked = 0;
};

inline BOOL IsItemEnabled(CCmdTarget& target, UINT id) {
    ItemState state(id);
    state.DoUpdate(&target);
    return state.enabled;
}

inline int IsItemChecked(CCmdTarget& target, UINT id) {
    ItemState state(id);
    state.DoUpdate(&target);
    return state.checked;
}

inline void RunCommand(CCmdTarget& target, UINT id) {
    CommandMessage message;
    message.id = id;
    target.OnCmdMsg(message);
}

} // namespace qf::test
