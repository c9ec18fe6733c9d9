#pragma once
// Runs a modal window for real in a gui test: the steps run inside its
// modal loop, as the user's input would; a window the steps left open is
// ended with kStillOpen so that a failing test cannot hang.
#include "platform/ui/dialog.h"
#include "support/gui_test.h"

#include <functional>
#include <wx/app.h>

namespace qf::test {

constexpr int kStillOpen = -2;

// Queues the steps to run once the dialog's modal loop runs.
inline void ScheduleModalSteps(CDialog& dialog, std::function<void()> steps) {
    wxTheApp->CallAfter([&dialog, steps] {
        PumpEvents(50);
        steps();
        PumpEvents(50);
        if (dialog.GetNativeWindow())
            dialog.EndDialog(kStillOpen);
    });
}

inline int RunModalWithSteps(CDialog& dialog, std::function<void()> steps) {
    ScheduleModalSteps(dialog, std::move(steps));
    return dialog.DoModal();
}

// A script for the scripted runner, for a dialog that a command makes: the
// dialog runs for real with the steps inside its modal loop.
template <class Dialog> CScriptedModalRunner::Script RealDialogWithSteps(std::function<void(Dialog&)> steps) {
    return [steps](CModalWindow& window) {
        auto& dialog = dynamic_cast<Dialog&>(window);
        ScheduleModalSteps(dialog, [&dialog, steps] { steps(dialog); });
        return dialog.RunModalLoop();
    };
}

} // namespace qf::test
