#pragma once
// The two command bars, hidden at start, for work without the menu bar:
// command bar 1 on the left shows the main menus and the mouse-button menus
// as large drop buttons; command bar 2 on the right creates, deletes and
// selects objects, shows the transform read-outs and marks whether the left
// button works on one object or on several.
#include "app/window_services.h"
#include "controls/drop_button.h"
#include "platform/ui/control_bars.h"
#include "platform/ui/tree_ctrl.h"
#include "shell/xyz_button.h"
#include "viewport/serviced_window.h"

#include <array>
#include <vector>

class CQuelDoc;

// One item of the Select Obj popup: an object's name and whether it is
// selected; patch objects first, then polygon objects, in list order.
struct ObjectMenuItem {
    CString name;
    bool checked = false;
};
std::vector<ObjectMenuItem> ObjectMenuItems(const CQuelDoc& doc);
// The first id of the popup's items; item n has the id 200 + n.
constexpr UINT kObjectMenuFirstId = 200;
constexpr UINT kObjectMenuLastId = 0xDFFF;
// The first tree item named `name`, walking the visible items from the root
// at most as many steps as the tree has items; null when none.
HTREEITEM FindVisibleTreeItem(const CTreeCtrl& tree, const CString& name);

// Command bar 1's dialog (195).
class CCommandDlg : public CDialog {
public:
    enum { IDD = 195 };
    CCommandDlg() : CDialog(IDD) {}
    ~CCommandDlg() override;
    const char* GetRuntimeClassName() const override { return "CCommandDlg"; }
    static constexpr int kButtonCount = 15;
    CDropButton& GetButton(int index) { return m_buttons.at(static_cast<size_t>(index)); }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    void OnOK() override {}
    void OnCancel() override {}

private:
    std::array<CDropButton, kButtonCount> m_buttons;
};

// Command bar 2's dialog (198).
class CCommandDlg2 : public CDialog {
public:
    enum { IDD = 198 };
    enum Readout { readoutTrans = 0, readoutRot = 1, readoutScale = 2 };
    CCommandDlg2() : CDialog(IDD) {}
    ~CCommandDlg2() override;
    const char* GetRuntimeClassName() const override { return "CCommandDlg2"; }
    CDropButton& GetCreateButton() { return m_create; }
    CDropButton& GetDeleteButton() { return m_delete; }
    CDropButton& GetSelectButton() { return m_select; }
    CDropButton& GetSingleButton() { return m_single; }
    CDropButton& GetMultiButton() { return m_multi; }
    CXyzButton& GetReadout(Readout which) { return m_readouts.at(static_cast<size_t>(which)); }

    int m_initialized = 0;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    void OnOK() override {}
    void OnCancel() override {}
    const CommandMap& GetCommandMap() const override;

private:
    void OnCreateObject();
    void OnSelectObject();
    void OnUpdateObjectItem(CCmdUI* ui);
    void ChooseObject(int index);

    CDropButton m_create, m_delete, m_select, m_single, m_multi;
    std::array<CXyzButton, 3> m_readouts; // Trans, Rot, Scale
};

// Command bar 1 (template 101, on the left, registered window 400).
class CCommandBar : public CServicedWindow<CDialogBar> {
public:
    const char* GetRuntimeClassName() const override { return "CCommandBar"; }
    // Makes the bar and its dialog over it; the bar starts hidden.
    BOOL Create(CWnd* frame);
    CCommandDlg& GetDialog() { return m_dialog; }

    int m_shown = 0;

protected:
    void OnSize(UINT type, int cx, int cy) override;

private:
    CCommandDlg m_dialog;
};

// Command bar 2 (template 197, on the right, registered window 401): the
// transform read-outs that the tools show their values in.
class CCommandBar2 : public CServicedWindow<CDialogBar>, public CTransformBarServices {
public:
    const char* GetRuntimeClassName() const override { return "CCommandBar2"; }
    BOOL Create(CWnd* frame);
    CCommandDlg2& GetDialog() { return m_dialog; }

    void SetReadoutValue(Readout which, const CVector3& value) override;
    void SetReadoutActive(Readout which, BOOL active) override;
    void RedrawReadouts() override;
    void SetObjectModeButtons(BOOL singlePressed, BOOL multiPressed) override;

    int m_shown = 0;

protected:
    void OnSize(UINT type, int cx, int cy) override;

private:
    CXyzButton* ReadoutButton(Readout which);

    CCommandDlg2 m_dialog;
};
