#include "platform/base/cmd_target.h"

BOOL CCmdUI::DoUpdate(CCmdTarget* target) {
    if (!target)
        return FALSE;
    CommandMessage message;
    message.kind = CommandKind::UpdateUI;
    message.id = m_nID;
    message.ui = this;
    return target->OnCmdMsg(message);
}

BOOL CCmdUI::HasCommandHandler(CCmdTarget* target) const {
    if (!target)
        return FALSE;
    CommandMessage message;
    message.kind = CommandKind::HandlerQuery;
    message.id = m_nID;
    return target->OnCmdMsg(message);
}

const CommandMap::Entry* CommandMap::Find(const CommandMessage& message) const {
    for (const CommandMap* map = this; map; map = map->m_base)
        for (const Entry& entry : map->m_entries)
            if (entry.kind == message.kind && entry.code == message.code && message.id >= entry.firstId &&
                message.id <= entry.lastId)
                return &entry;
    return nullptr;
}

const CommandMap& CommandMap::Empty() {
    static const CommandMap empty;
    return empty;
}

BOOL CCmdTarget::OnCmdMsg(const CommandMessage& message) {
    return DispatchOwnCommand(message);
}

BOOL CCmdTarget::DispatchOwnCommand(const CommandMessage& message) {
    if (message.kind == CommandKind::HandlerQuery) {
        CommandMessage command = message;
        command.kind = CommandKind::Command;
        return GetCommandMap().Find(command) ? TRUE : FALSE;
    }
    const CommandMap::Entry* entry = GetCommandMap().Find(message);
    if (!entry)
        return FALSE;
    entry->handler(*this, message);
    return TRUE;
}

const CommandMap& CCmdTarget::GetCommandMap() const {
    return CommandMap::Empty();
}
