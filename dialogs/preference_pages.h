#pragma once
// Preference pages of the settings tree: the scene's background colour, the
// colours of the panes, the material of objects without one of their own,
// and the other settings (control points, camera, lathe, vertex selection,
// motion blur, how surfaces are coloured and how see-through they are).
// The mouse page has a file of its own.
#include "dialogs/settings_page.h"

class CBackgroundColorPage : public CSettingsPage {
public:
    enum { IDD = 169 };
    CBackgroundColorPage();
    const char* GetRuntimeClassName() const override { return "CBackgroundColorPage"; }
};

// The colours of quel.ini. A change shows at once in the four panes: the
// background repaints them, the others draw their curves, control points or
// grid again over the picture.
class CColorSettingPage : public CSettingsPage {
public:
    enum { IDD = 151 };
    CColorSettingPage();
    const char* GetRuntimeClassName() const override { return "CColorSettingPage"; }

protected:
    void AfterStore(UINT id, AfterChange after) override;
};

class CDefaultMaterialPage : public CSettingsPage {
public:
    enum { IDD = 213 };
    CDefaultMaterialPage();
    const char* GetRuntimeClassName() const override { return "CDefaultMaterialPage"; }

    // Also the name of the referenced material; empty when none has its id.
    void Refresh() override;

protected:
    const CommandMap& GetCommandMap() const override;

private:
    // Chooses the referenced material from the document's materials.
    void OnChooseMaterial();
};

class CEtcSettingPage : public CSettingsPage {
public:
    enum { IDD = 234 };
    CEtcSettingPage();
    const char* GetRuntimeClassName() const override { return "CEtcSettingPage"; }

protected:
    // The custom object colour repaints the panes only while it is in use.
    void AfterStore(UINT id, AfterChange after) override;
};
