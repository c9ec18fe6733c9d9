#pragma once
// Dialogs made from the dialog templates of the resource tables, and the
// dialog data exchange (DDX) between a dialog's members and its controls.
//
// A dialog class names its template id, overrides DoDataExchange to pair
// members with controls, and OnInitDialog, OnOK and OnCancel as it needs:
//
//     class CRenameDlg : public CDialog {
//     public:
//         explicit CRenameDlg(CWnd* parent = nullptr) : CDialog(120, parent) {}
//         CString m_name;
//     protected:
//         void DoDataExchange(CDataExchange* dx) override { DDX_Text(dx, 1063, m_name); }
//     };
//     CRenameDlg dlg;
//     dlg.m_name = "old";
//     if (dlg.DoModal() == IDOK) use(dlg.m_name);
//
// DoModal runs through the modal runner (platform/base/modal_runner.h), so a
// test can answer it. Create(template, parent) makes a modeless dialog, or a
// panel when the template has WS_CHILD. The items of the template become
// standard controls owned by the dialog; DDX_Control hands an item over to a
// member of the dialog instead (a custom control class, or a typed one).
//
// Keys: Escape and the close box send IDCANCEL, Enter sends the default
// button's command (nothing while that button is disabled; a focused push
// button takes Enter itself), each to the innermost dialog holding the focus.
// Before that command, an edit holding the focus is left (WM_KILLFOCUS), as
// a click on the button would leave it.
// IDOK and IDCANCEL call the virtual OnOK and OnCancel.
#include "platform/base/modal_runner.h"
#include "platform/ui/wnd.h"
#include "resources/resource_format.h"

#include <memory>
#include <vector>

class CDialog;
class wxKeyEvent;

constexpr UINT WM_INITDIALOG = 0x0110;

// Pixels of a rectangle given in dialog units of the 9-point UI font.
CRect DialogUnitsToPixels(const CRect& dialogUnits);
// The point size and pixel height of that font.
constexpr int kDialogFontPoints = 9;
constexpr int kDialogFontPixels = 12;

class CDataExchange {
public:
    CDataExchange(CDialog* dialog, BOOL saveAndValidate)
        : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

    BOOL m_bSaveAndValidate; // TRUE: controls → members
    CDialog* m_pDlgWnd;

    // A control's text failed to convert: the user is told, the control
    // gets the focus with its text selected, and the rest of the exchange is skipped.
    void Fail(int id, UINT messageId);
    bool Failed() const { return m_failed; }

private:
    bool m_failed = false;
};

// Text of an edit, static text or button.
void DDX_Text(CDataExchange* dx, int id, CString& value);
// Numbers in an edit, in the C numeric locale; a text that is no number
// keeps the member's value and fails the exchange.
void DDX_Text(CDataExchange* dx, int id, int& value);
void DDX_Text(CDataExchange* dx, int id, float& value);
// A check box: 0 or 1.
void DDX_Check(CDataExchange* dx, int id, int& value);
// The radio group that starts at firstId (a WS_GROUP control): the index of
// the checked button, -1 when none is.
void DDX_Radio(CDataExchange* dx, int firstId, int& index);
// The selected entry of a combo box, -1 for none.
void DDX_CBIndex(CDataExchange* dx, int id, int& index);
// Hands the template item over to `control` the first time.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);

class CDialog : public CWnd, public qf::CModalWindow {
public:
    explicit CDialog(UINT templateId = 0, CWnd* parent = nullptr);
    ~CDialog() override;
    const char* GetRuntimeClassName() const override { return "CDialog"; }

    // Runs the dialog modally through the modal runner: IDOK, IDCANCEL or
    // the value given to EndDialog; -1 when it could not be made.
    virtual int DoModal();
    // A modeless dialog, or a panel of parent when the template has WS_CHILD.
    virtual BOOL Create(UINT templateId, CWnd* parent = nullptr);
    using CWnd::Create;
    // The dialog is made from a template the caller holds (and keeps alive)
    // instead of the resources' template of that id.
    void UseTemplate(const DialogTemplate& dialogTemplate);
    // Ends a modal dialog with the result; hides a modeless one.
    void EndDialog(int result);
    // TRUE: controls → members (FALSE when a value failed); FALSE: members → controls.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    UINT GetTemplateId() const { return m_templateId; }
    const DialogTemplate* GetTemplate() const { return m_template; }
    CWnd* GetOwner() const { return m_owner; }

    void CheckDlgButton(int id, UINT check);
    UINT IsDlgButtonChecked(int id) const;
    void SetDlgItemText(int id, const CString& text);
    int GetDlgItemText(int id, CString& text) const;
    // Gives the control the focus.
    void GotoDlgCtrl(CWnd* control);
    // The command Enter sends: the template's default push button, else IDOK.
    UINT GetDefID() const;
    // Dialog units of this dialog's font to pixels, in place.
    void MapDialogRect(CRect* rect) const { *rect = DialogUnitsToPixels(*rect); }

    // The item's control becomes `control`: the standard control made from
    // the template item is replaced, keeping place, text, state and tab order.
    BOOL BindControl(int id, CWnd& control);

    // The modal runner's side: makes the window, runs its modal loop, destroys it.
    int RunModalLoop() override;

protected:
    // WM_INITDIALOG, after the controls exist: the base shows the members
    // (UpdateData(FALSE)) and returns TRUE.
    virtual BOOL OnInitDialog();
    // IDOK: the base reads the members (UpdateData(TRUE)) and, when that
    // worked, ends the dialog with IDOK.
    virtual void OnOK();
    // IDCANCEL (Escape, the close box): the base ends the dialog with IDCANCEL.
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* dx);

    BOOL OnCmdMsg(const CommandMessage& message) override;
    const CommandMap& GetCommandMap() const override;
    // Create with extra style bits (WS_CHILD | WS_VISIBLE for a bar) and
    // the window's own control id.
    BOOL CreateFromTemplate(UINT templateId, CWnd* parent, DWORD addStyle, UINT id);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    wxWindow* CreateNativeWindow(wxWindow* parent, const CREATESTRUCT& cs) override;

private:
    void CreateItems();
    BOOL HandleKey(wxKeyEvent& event);
    BOOL DialogKey(int virtualKey);

    UINT m_templateId;
    const DialogTemplate* m_template = nullptr;
    const DialogTemplate* m_indirect = nullptr;
    CWnd* m_owner;
    bool m_modal = false;
    bool m_ended = false;
    int m_result = IDCANCEL;
    // The controls made from template items that no member took over.
    std::vector<std::unique_ptr<CWnd>> m_items;
    // How far the items move right in a dialog widened for its caption.
    int m_itemShift = 0;
};
