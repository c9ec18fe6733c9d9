#pragma once
// The side bar: the dialog bar at the right (or left) edge of the main
// window, holding the page host with the tabs "Object", "Light",
// "Material" and "etc." whose pages show one at a time.
#include "platform/ui/control_bars.h"
#include "platform/ui/tab_ctrl.h"
#include "shell/light_page.h"
#include "shell/material_page.h"
#include "shell/object_page.h"
#include "shell/scene_page.h"
#include "viewport/serviced_window.h"

#include <array>

// The page host (registered window 26): the tabs and, over the area under
// them, the pages (registered windows 27 to 30). A page is a dialog of its
// own; the host only places them and shows the chosen one.
class CPanelTabDlg : public CDialog {
public:
    enum { IDD = 139 };
    enum Tab { tabObject = 0, tabLight = 1, tabMaterial = 2, tabScene = 3, tabCount = 4 };
    CPanelTabDlg() : CDialog(IDD) {}
    ~CPanelTabDlg() override;
    const char* GetRuntimeClassName() const override { return "CPanelTabDlg"; }

    // Shows the page of tab 0..3 and hides the others; another value, or a
    // call before the object page exists, does nothing.
    void ShowPage(int tab);
    // The page of a tab; null for a tab whose page does not exist.
    CWnd* GetPage(int tab) const;
    CObjectPage& GetObjectPage() { return m_objectPage; }
    CLightPage& GetLightPage() { return m_lightPage; }
    CMaterialPage& GetMaterialPage() { return m_materialPage; }
    CScenePage& GetScenePage() { return m_scenePage; }
    CTabCtrl& GetTabCtrl() { return m_tab; }

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnOK() override {}
    void OnCancel() override {}
    const CommandMap& GetCommandMap() const override;

private:
    void OnTabChange(NMHDR* header, LRESULT* result);

    CObjectPage m_objectPage;
    CLightPage m_lightPage;
    CMaterialPage m_materialPage;
    CScenePage m_scenePage;
    CTabCtrl m_tab;
};

// The bar (registered window 21). The frame keeps its shown flag and its
// side: the window commands and the window-layout file change them.
class CSideBar : public CServicedWindow<CDialogBar> {
public:
    const char* GetRuntimeClassName() const override { return "CSideBar"; }
    // Template 113, on the right, with id 113.
    BOOL Create(CWnd* frame);
    // Makes the page host over the whole bar and registers it (window 26).
    void InitPanelHost();
    CPanelTabDlg& GetPanelHost() { return m_panelHost; }

    int m_onRight = 1;
    int m_shown = 1;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void OnSize(UINT type, int cx, int cy) override;

private:
    CPanelTabDlg m_panelHost;
};
