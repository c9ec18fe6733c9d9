#pragma once
// Where a model edit hands the left mouse button another tool. Choosing a tool
// is the document's business (its mouse-mode setter also updates the panes and
// bars), so the model asks through this interface and never reaches a window.
#include "model/mouse_modes.h"

class CMouseModeSetter {
public:
    virtual ~CMouseModeSetter() = default;
    virtual void SetLeftMouseMode(int mode) = 0;
};
