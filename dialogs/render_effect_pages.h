#pragma once
// Settings pages of the global_settings block: the two radiosity parameter
// sets (the renderer definition's radiosity type chooses which one is
// written) and the MegaPOV post-processing effects (written only where the
// renderer definition allows them). Each change is stored at once and marks
// the document modified.
#include "dialogs/settings_page.h"

class CRadiosityPanel : public CSettingsPage {
public:
    enum { IDD = 186 };
    CRadiosityPanel();
    const char* GetRuntimeClassName() const override { return "CRadiosityPanel"; }
};

class CPostProcessPanel : public CSettingsPage {
public:
    enum { IDD = 183 };
    CPostProcessPanel();
    const char* GetRuntimeClassName() const override { return "CPostProcessPanel"; }

    // Also opens the fields of the effects in use.
    void Refresh() override;

protected:
    void AfterStore(UINT id, AfterChange after) override;

private:
    // Each effect's edits and swatches are open only while its use box is checked.
    void UpdateEnabling();
};
