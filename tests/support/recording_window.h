#pragma once
// A stand-in window for tests without a display: it owns a live handle,
// records every message it receives and answers each with `result`.
#include "platform/base/message.h"

#include <functional>
#include <vector>

namespace qf::test {

struct RecordedMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class RecordingWindow : public CMessageTarget {
public:
    RecordingWindow() { OpenHandle(); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        received.push_back({message, wParam, lParam});
        if (onMessage)
            onMessage(message, wParam, lParam);
        return result;
    }
    // The window dies; the object stays for inspection.
    void Destroy() { CloseHandle(); }

    std::vector<RecordedMessage> received;
    LRESULT result = 0;
    std::function<void(UINT message, WPARAM wParam, LPARAM lParam)> onMessage;
};

} // namespace qf::test
