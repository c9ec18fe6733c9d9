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

inline int RunModalWithSteps(CDialog& dialog, std::function<void()> steps) {
    wxTheApp->CallAfter([&dialog, steps] {
        PumpEvents(50);
        steps();
        PumpEvents(50);
        if (dialog.GetNativeWindow())
            dialog.EndDialog(kStillOpen);
    });
    return dialog.DoModal();
}

} // namespace qf::test
