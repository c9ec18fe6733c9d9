#pragma once
// Where a model edit hands the left mouse button another tool. Choosing a tool
// is the document's business (its mouse-mode setter also updates the panes and
// bars), so the model asks through this interface and never reaches a window.
class CMouseModeSetter {
public:
    // The translate tool, which Extrude hands the left button.
    static constexpr int translateTool = 303;

    virtual ~CMouseModeSetter() = default;
    virtual void SetLeftMouseMode(int mode) = 0;
};
