#pragma once
// The "[Include]" item's panel: the name, declared in the scene's include
// files, that the item's parent element (material, texture, pigment, normal,
// finish or interior) stands for. Only its ". . ." button changes it, and
// any text is taken, also an empty one or one the scene already uses.
#include "materials/material_element_panel.h"

class CDeclaredNamePanel : public CMaterialElementPanel {
public:
    enum { IDD = 181 };
    CDeclaredNamePanel();
    const char* GetRuntimeClassName() const override { return "CDeclaredNamePanel"; }
    UINT GetDialogId() const override { return IDD; }
    void Refresh() override;

protected:
    const CommandMap& GetCommandMap() const override;

private:
    void OnChooseName();
};
