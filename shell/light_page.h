#pragma once
// The "Light" page of the side bar (registered window 28): a tree with one
// item per light, sorted by name, each showing the picture of its light's
// type; the New, Copy, Delete and etc. buttons under it; and below them the
// light panel with a level bar that shows how far the panel is scrolled.
// Choosing an item selects its light and shows the panel. The document's
// reader, File > Insert and undo keep the tree in step through
// CLightPageServices.
#include "app/window_services.h"
#include "shell/light_panel.h"
#include "shell/tree_page.h"

class CLightPage : public CTreePage, public CLightPageServices, public CLightTreeHost {
public:
    enum { IDD = 146 };
    CLightPage();
    ~CLightPage() override;
    const char* GetRuntimeClassName() const override { return "CLightPage"; }

    // The item operations of the rest of the program.
    void ResetTree() override;
    void RemoveLightItem(CLightData* light) override;
    void AddLightItem(CLightData* light, BOOL select) override;
    void RenameLightItem(const CString& name, const CString& newName) override;
    void ShowSelectedType(int type) override;

    CLightPanel& GetPanel() { return m_panel; }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    BOOL OnInitDialog() override;
    void OnDestroy() override;
    const CommandMap& GetCommandMap() const override;

private:
    // Selects the light of the selected item and shows the panel.
    void UpdateSelection() override;
    HTREEITEM FindLightItem(const CString& name) const;
    // Every item shows the picture of its light's type again (after undo).
    void ShowItemTypes();
    void OnNew();
    void OnCopy();
    void OnDelete();

    // The one entry of the page list, "Light".
    CLightPanel m_panel;
    CImageList m_images;
};
