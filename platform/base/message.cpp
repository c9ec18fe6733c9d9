#include "platform/base/message.h"

#include <deque>
#include <vector>

namespace {

// One slot per handle index; index 0 stays unused so that {0, 0} is null.
struct HandleSlot {
    CMessageTarget* target = nullptr;
    std::uint32_t generation = 1;
};

struct PostedMessage {
    HWND target;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// How many SendMessage calls are under way since the loop last handed a
// message out; the guard sees only the outermost.
int g_sendDepth = 0;
// Whether a RunFromEventLoop call is under way since the loop last handed
// something out.
bool g_inRun = false;
CMessageGuard* g_guard = nullptr;
// Asks the window layer whether a request goes on (see RequestGoesOn).
bool (*g_requestGoesOn)() = nullptr;

// Targets that outlive the table (static windows dying at exit) only drop
// their handles once it is gone.
bool g_stateGone = false;

struct MessageState {
    std::vector<HandleSlot> slots{1};
    std::vector<std::uint32_t> freeSlots;
    std::deque<PostedMessage> posted;
    std::function<void()> wakeup;
    ~MessageState() { g_stateGone = true; }
};

MessageState& State() {
    static MessageState state;
    return state;
}

void Wake() {
    MessageState& s = State();
    if (s.wakeup && !s.posted.empty())
        s.wakeup();
}

} // namespace

CMessageTarget::~CMessageTarget() {
    CloseHandle();
}

HWND CMessageTarget::OpenHandle() {
    if (m_hWnd)
        return m_hWnd;
    MessageState& s = State();
    std::uint32_t index;
    if (!s.freeSlots.empty()) {
        index = s.freeSlots.back();
        s.freeSlots.pop_back();
    } else {
        index = static_cast<std::uint32_t>(s.slots.size());
        s.slots.emplace_back();
    }
    s.slots[index].target = this;
    m_hWnd = HWND{index, s.slots[index].generation};
    return m_hWnd;
}

void CMessageTarget::CloseHandle() {
    if (!m_hWnd || g_stateGone) {
        m_hWnd = HWND{};
        return;
    }
    MessageState& s = State();
    HandleSlot& slot = s.slots[m_hWnd.index];
    slot.target = nullptr;
    // A generation never reads 0, so no live handle can equal a default one.
    if (++slot.generation == 0)
        slot.generation = 1;
    s.freeSlots.push_back(m_hWnd.index);
    m_hWnd = HWND{};
}

CMessageTarget* CMessageTarget::FromHandle(HWND h) {
    if (g_stateGone)
        return nullptr;
    MessageState& s = State();
    if (!h || h.index >= s.slots.size())
        return nullptr;
    const HandleSlot& slot = s.slots[h.index];
    return slot.generation == h.generation ? slot.target : nullptr;
}

BOOL IsWindow(HWND h) {
    return CMessageTarget::FromHandle(h) != nullptr;
}

LRESULT SendMessage(HWND h, UINT message, WPARAM wParam, LPARAM lParam) {
    CMessageTarget* target = CMessageTarget::FromHandle(h);
    if (!target)
        return 0;
    struct Depth {
        Depth() { ++g_sendDepth; }
        ~Depth() { --g_sendDepth; }
    };
    CMessageGuard* guard = g_sendDepth == 0 ? g_guard : nullptr;
    const HandingOut kind = g_inRun ? HandingOut::within : HandingOut::request;
    const Depth depth;
    return guard ? guard->Deliver(*target, message, wParam, lParam, kind)
                 : target->WindowProc(message, wParam, lParam);
}

void SetRequestGoesOnProbe(bool (*probe)()) {
    g_requestGoesOn = probe;
}

bool RequestGoesOn() {
    return g_requestGoesOn && g_requestGoesOn();
}

CMessageGuard* SetMessageGuard(CMessageGuard* guard) {
    CMessageGuard* previous = g_guard;
    g_guard = guard;
    return previous;
}

CEventLoopScope::CEventLoopScope() : m_outerDepth(g_sendDepth), m_outerRun(g_inRun) {
    g_sendDepth = 0;
    g_inRun = false;
}

CEventLoopScope::~CEventLoopScope() {
    g_sendDepth = m_outerDepth;
    g_inRun = m_outerRun;
}

void RunFromEventLoop(void (*call)(void*), void* context, HandingOut kind) {
    if (g_sendDepth > 0 || g_inRun)
        kind = HandingOut::display;
    const CEventLoopScope loop;
    g_inRun = true;
    if (g_guard)
        g_guard->Run(call, context, kind);
    else
        call(context);
}

BOOL PostMessage(HWND h, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!IsWindow(h))
        return FALSE;
    MessageState& s = State();
    const bool wasEmpty = s.posted.empty();
    s.posted.push_back({h, message, wParam, lParam});
    if (wasEmpty)
        Wake();
    return TRUE;
}

int DispatchPostedMessages() {
    MessageState& s = State();
    // Only this round's messages: a handler that posts again cannot keep the
    // caller here forever.
    const size_t count = s.posted.size();
    int taken = 0;
    for (size_t i = 0; i < count && !s.posted.empty(); ++i) {
        const PostedMessage m = s.posted.front();
        s.posted.pop_front();
        ++taken;
        const CEventLoopScope loop;
        SendMessage(m.target, m.message, m.wParam, m.lParam);
    }
    Wake();
    return taken;
}

void SetPostedMessageWakeup(std::function<void()> wakeup) {
    State().wakeup = std::move(wakeup);
    Wake();
}
