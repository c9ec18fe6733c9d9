#pragma once
// The tool dialog bar: the thin bar under the menu bar with the tabs
// "Main", "Camera", "Patch", "Multi Obj", "Light", "Mat. Axis" and "Render".
// Choosing a tab loads that tab's button set into the main frame's tool bar
// and shows the tool bar; one tool-bar slot thus serves seven sets.
#include "controls/tab_strip.h"
#include "platform/ui/control_bars.h"
#include "viewport/serviced_window.h"

// The tool bar resource that tab 0..6 loads; 0 for another index.
UINT ToolTabToolBar(int tab);
// The caption of tab 0..6 in the interface language.
const char* ToolTabCaption(int tab, bool english);
constexpr int kToolTabCount = 7;

// The tab dialog (template 112, registered window 24).
class CToolTabDlg : public CDialog {
public:
    enum { IDD = 112 };
    CToolTabDlg() : CDialog(IDD) {}
    ~CToolTabDlg() override;
    const char* GetRuntimeClassName() const override { return "CToolTabDlg"; }
    CTabStrip& GetTabStrip() { return m_tabs; }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnOK() override {}
    void OnCancel() override {}
    const CommandMap& GetCommandMap() const override;

private:
    void OnTabChange();

    CTabStrip m_tabs;
};

// The bar (template 111, registered window 22), 20 pixels high at the top.
class CToolDialogBar : public CServicedWindow<CDialogBar> {
public:
    const char* GetRuntimeClassName() const override { return "CToolDialogBar"; }
    BOOL Create(CWnd* frame);
    // Makes the tab dialog over the bar and registers it.
    void CreateTabs();
    CToolTabDlg& GetTabDialog() { return m_tabs; }
    int GetBarThickness() const override { return kHeight; }

    int m_shown = 1;

protected:
    void OnSize(UINT type, int cx, int cy) override;

private:
    static constexpr int kHeight = 20;
    CToolTabDlg m_tabs;
};
