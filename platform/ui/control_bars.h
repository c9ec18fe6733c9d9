#pragma once
// The bars of a frame: the status bar, tool bars and dialog bars. A bar made
// as a child of a frame is laid out by it on the side its bar style names;
// a tool bar anywhere inside a frame has its buttons brought up to date by
// that frame's update handlers while the program is idle.
#include "platform/ui/dialog.h"

#include <vector>

class CFrameWnd;

// Bar styles: the side a bar stands on, and the edges it draws.
constexpr DWORD CBRS_BORDER_LEFT = 0x0100;
constexpr DWORD CBRS_BORDER_TOP = 0x0200;
constexpr DWORD CBRS_BORDER_RIGHT = 0x0400;
constexpr DWORD CBRS_BORDER_BOTTOM = 0x0800;
constexpr DWORD CBRS_BORDER_ANY = 0x0F00;
constexpr DWORD CBRS_ALIGN_LEFT = 0x1000;
constexpr DWORD CBRS_ALIGN_TOP = 0x2000;
constexpr DWORD CBRS_ALIGN_RIGHT = 0x4000;
constexpr DWORD CBRS_ALIGN_BOTTOM = 0x8000;
constexpr DWORD CBRS_ALIGN_ANY = 0xF000;
constexpr DWORD CBRS_LEFT = CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT;
constexpr DWORD CBRS_TOP = CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM;
constexpr DWORD CBRS_RIGHT = CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT;
constexpr DWORD CBRS_BOTTOM = CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP;
// Tool bars: tool tips, and prompts in the status bar while pointed at.
constexpr DWORD CBRS_TOOLTIPS = 0x0010;
constexpr DWORD CBRS_FLYBY = 0x0020;
// Accepted so that callers may pass it; bars here never float or change size.
constexpr DWORD CBRS_SIZE_DYNAMIC = 0x0040;
// Tool bars here are always flat.
constexpr DWORD TBSTYLE_FLAT = 0x0800;

// Ids of the frame's own bars.
constexpr UINT AFX_IDW_TOOLBAR = 0xE800;    // 59392
constexpr UINT AFX_IDW_STATUS_BAR = 0xE801; // 59393
// The child that fills what the bars leave of the frame.
constexpr UINT AFX_IDW_PANE_FIRST = 0xE900;

// A status-bar pane without an indicator: the message pane.
constexpr UINT ID_SEPARATOR = 0;

// What every bar has: its style and its window.
class CControlBar {
public:
    virtual ~CControlBar() = default;
    DWORD GetBarStyle() const { return m_barStyle; }
    // Changing the side takes effect at the frame's next layout.
    virtual void SetBarStyle(DWORD style) { m_barStyle = style; }
    virtual CWnd& GetBarWindow() = 0;
    // The room the bar takes across its side: height on top or bottom,
    // width on the left or right.
    virtual int GetBarThickness() const = 0;

protected:
    // Makes the bar's window (style: window bits and bar bits) and tells the
    // frame, when the parent is one, that the bar stands in it.
    BOOL CreateBarWindow(CWnd& wnd, CWnd* parent, DWORD style, UINT id);
    DWORD m_barStyle = 0;
};

// The frame a window lies in, or null.
CFrameWnd* GetParentFrame(const CWnd* wnd);

class CStatusBar : public CWnd, public CControlBar {
public:
    const char* GetRuntimeClassName() const override { return "CStatusBar"; }
    BOOL Create(CWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                UINT id = AFX_IDW_STATUS_BAR);
    // One pane per id: ID_SEPARATOR is the message pane, which takes the room
    // left; an indicator shows its string while its key lock is on.
    BOOL SetIndicators(const UINT* ids, int count);
    BOOL SetPaneText(int index, const char* text);
    CString GetPaneText(int index) const;
    int CommandToIndex(UINT id) const;
    // Indicators follow their key locks.
    void UpdateIndicators();

    CWnd& GetBarWindow() override { return *this; }
    int GetBarThickness() const override;

protected:
    wxWindow* CreateNativeWindow(wxWindow* parent, const CREATESTRUCT& cs) override;
    void OnDestroy() override;

private:
    std::vector<UINT> m_ids;
};

class CToolBar : public CWnd, public CControlBar {
public:
    CToolBar();
    ~CToolBar() override;
    const char* GetRuntimeClassName() const override { return "CToolBar"; }
    BOOL Create(CWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE | CBRS_TOP, UINT id = AFX_IDW_TOOLBAR);
    // The buttons, pictures and tool tips of a tool-bar resource.
    BOOL LoadToolBar(UINT id);
    void SetBarStyle(DWORD style) override;

    int GetCount() const { return static_cast<int>(m_buttons.size()); }
    // The command of the button at index, 0 for a separator.
    UINT GetItemID(int index) const;
    BOOL IsButtonEnabled(UINT id) const;
    BOOL IsButtonChecked(UINT id) const;
    // Runs the update handler of every button through `target`.
    void UpdateButtons(CCmdTarget& target);

    CWnd& GetBarWindow() override { return *this; }
    int GetBarThickness() const override;

    struct Button {
        UINT id;
        bool enabled = true;
        bool checked = false;
    };

protected:
    wxWindow* CreateNativeWindow(wxWindow* parent, const CREATESTRUCT& cs) override;
    void OnDestroy() override;

private:
    void ApplyTips();
    void ShowButton(const Button& button);

    std::vector<Button> m_buttons;
};

// A bar made from a dialog template: its controls, data exchange and
// handlers are a child dialog's, and it stays as large as its template
// across its side.
class CDialogBar : public CDialog, public CControlBar {
public:
    const char* GetRuntimeClassName() const override { return "CDialogBar"; }
    BOOL Create(CWnd* parent, UINT templateId, DWORD barStyle, UINT id);

    CWnd& GetBarWindow() override { return *this; }
    int GetBarThickness() const override;

protected:
    // Enter and Escape leave a bar alone.
    void OnOK() override {}
    void OnCancel() override {}
    BOOL OnEraseBkgnd(CDC* dc) override;
    void OnDestroy() override;

private:
    CSize m_templateSize;
};
