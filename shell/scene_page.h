#pragma once
// The "etc." page of the side bar (registered window 30): a settings tree
// over the upper third and, below it, the settings page of the chosen leaf
// with a level bar that shows how far the page is scrolled. A page's window
// is made when its leaf is chosen (so it shows the document's values anew)
// and destroyed when another item is; at most one exists at a time. While
// it exists it is registered in the document under its page's id.
#include "app/window_services.h"
#include "controls/level_bar.h"
#include "dialogs/mouse_setting_page.h"
#include "dialogs/preference_pages.h"
#include "dialogs/render_effect_pages.h"
#include "dialogs/renderer_pages.h"
#include "dialogs/scene_setting_pages.h"
#include "platform/base/obj_list.h"
#include "platform/ui/controls.h"
#include "platform/ui/dialog.h"
#include "platform/ui/tree_ctrl.h"
#include "shell/page_entry.h"
#include "shell/settings_tree.h"

#include <array>

class CScenePage : public CDialog, public CScenePageServices {
public:
    enum { IDD = 143 };
    CScenePage();
    ~CScenePage() override;
    const char* GetRuntimeClassName() const override { return "CScenePage"; }

    // Selects the first top-level item, so that no page is shown.
    void SelectRootItem() override;

    CTreeCtrl& GetTree() { return m_tree; }
    // The page shown; null when none is.
    CSettingsPage* GetCurrentPage() const;
    CSettingsPage& GetPage(SettingsPageKind kind) const { return *m_pages[kind]; }
    const CLevelBar& GetLevelBar() const { return m_levelBar; }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnVScroll(UINT code, UINT position, CWnd* scrollBar) override;
    void OnDestroy() override;
    // Enter and Escape leave the page alone.
    void OnOK() override {}
    void OnCancel() override {}
    const CommandMap& GetCommandMap() const override;

private:
    void BuildTree();
    void OnSelChanging(NMHDR* header, LRESULT* result);
    void OnSelChanged(NMHDR* header, LRESULT* result);
    // Shows the page whose leaf is selected and destroys every other page window.
    void ShowSelectedPage();
    // Makes the page's window and registers it.
    bool MakePage(const SettingsPageEntry& entry, CSettingsPage& page);
    // Unregisters the page's window and destroys it.
    void DestroyPage(CSettingsPage& page);
    CRect PageRect() const;
    // The level bar follows the current page's scrolling.
    void UpdateLevelBar();

    CBackgroundColorPage m_backgroundPage;
    CIncludeFilePanel m_includeFilePage;
    CRadiosityPanel m_radiosityPage;
    CGlobalSettingsPanel m_globalSettingsPage;
    CPostProcessPanel m_postProcessPage;
    CColorSettingPage m_colorPage;
    CRendererPathPanel m_pathPage;
    CMouseSettingPage m_mousePage;
    CEtcSettingPage m_etcPage;
    CPovSettingListPanel m_rendererListPage;
    CDefaultMaterialPage m_materialPage;
    CImageBasedLightingPanel m_lightingPage;
    // The pages above by SettingsPageKind.
    std::array<CSettingsPage*, pageKindCount> m_pages;
    // One entry per page, in SettingsPageEntries' order, naming the leaf
    // that shows it; owned here, pointing at the pages above.
    CObjList<CPageEntry> m_pageList;
    // 0 when no page is shown, else the shown entry's position + 1.
    int m_currentPage = 0;
    CLevelBar m_levelBar;
    CTreeCtrl m_tree;
    CStatic m_pageFrame;
};
