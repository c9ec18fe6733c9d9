#include "tools/tool_pane.h"

void CHandleState::Grab(int handle, bool freeOtherAxes) {
    if (handle < handleX || handle > handleCentre)
        return;
    if (freeOtherAxes && handle != handleCentre) {
        m_highlight = {1, 1, 1, 0};
        m_highlight[static_cast<size_t>(handle)] = 0;
    } else {
        m_highlight[static_cast<size_t>(handle)] = 1;
    }
}
