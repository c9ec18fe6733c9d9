#include "dialogs/rename_dlg.h"

#include "app/doc_helpers.h"
#include "dialogs/dialog_texts.h"
#include "platform/base/codepage.h"

namespace {

constexpr int kNameEdit = 1063;

constexpr ControlText kEnglish[] = {{IDCANCEL, "Cancel"}};

} // namespace

bool CRenameDlg::IsAcceptable(const CString& name, int checkNames) {
    if (!qf::IsCp932Representable(name.view()))
        return false;
    return !checkNames || (!name.IsEmpty() && !IsNameInUse(name));
}

const CommandMap& CRenameDlg::GetCommandMap() const {
    static const CommandMap map =
        CommandMapFor<CRenameDlg>(CDialog::GetCommandMap()).OnEnChange(kNameEdit, &CRenameDlg::OnNameChange);
    return map;
}

void CRenameDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Text(dx, kNameEdit, m_name);
}

BOOL CRenameDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ApplyEnglishTexts(*this, "Change Name", kEnglish);
    return TRUE;
}

void CRenameDlg::OnNameChange() {
    UpdateData(TRUE);
    if (CWnd* ok = GetDlgItem(IDOK))
        ok->EnableWindow(IsAcceptable(m_name, m_checkNames));
}
