#pragma once
// The bar at the bottom of the main window. It shows either which tool each
// mouse button runs, in the assignment strip, or one line of status text;
// a status text replaces the strip until a drag ends (the update message's
// codes 100 and 101). A left click on a button's field opens the menu of
// the tools for that button; the chosen item goes to the main window as a
// menu command, which sets the tool. The strip is registered as window 25,
// the text line as window 500; the main frame registers the bar.
#include "app/window_services.h"
#include "platform/ui/control_bars.h"
#include "platform/ui/controls.h"

#include <array>

// The clickable field of one mouse button.
class CMouseButtonSelector : public CEdit {
public:
    const char* GetRuntimeClassName() const override { return "CMouseButtonSelector"; }
    // The menu resource and the position of the submenu the click opens.
    void SetMenu(int menuResourceId, int submenuIndex);

protected:
    // Opens the submenu under the field's top-left corner, never left of the screen.
    void OnLButtonUp(UINT flags, CPoint point) override;

private:
    int m_menuId = 103;
    int m_submenu = 0;
};

class CMouseAssignStrip : public CDialog, public CMouseAssignStripServices {
public:
    enum { IDD = 118 };
    enum Field { fieldLeft, fieldMiddle, fieldRight };

    // The name of a mode in the interface language; "" for a mode without one.
    static CString GetModeName(int mode);

    void SetLeftText(int mode) override;
    void SetRightText(int mode) override;
    void SetMiddleText(int mode) override;
    CMouseButtonSelector& GetSelector(Field field) { return m_selectors[field]; }

    CString m_leftText = " L : ";
    CString m_rightText = " R : ";
    CString m_middleText = " M : ";

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnSize(UINT type, int cx, int cy) override;
    // Enter and Escape never close the strip.
    void OnOK() override {}
    void OnCancel() override {}

private:
    std::array<CMouseButtonSelector, 3> m_selectors;
};

class CStatusTextDlg : public CDialog {
public:
    enum { IDD = 223 };
    CString m_text;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnOK() override {}
    void OnCancel() override {}
    // Code 100: the application's status text.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class CMouseStatusBar : public CDialogBar {
public:
    enum { IDD = 115 };
    // The bar's window along the frame's bottom, with the strip shown and the
    // text line hidden over its whole client area, naming the document's
    // button tools. FALSE when a window could not be made.
    BOOL Create(CWnd* parent);

    CMouseAssignStrip& GetStrip() { return m_strip; }
    CStatusTextDlg& GetTextLine() { return m_text; }

protected:
    void OnSize(UINT type, int cx, int cy) override;
    // Code 100 shows the text line, code 101 the strip.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CMouseAssignStrip m_strip;
    CStatusTextDlg m_text;
};
