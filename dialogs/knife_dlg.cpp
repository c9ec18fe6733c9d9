#include "dialogs/knife_dlg.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "platform/ui/controls.h"

namespace {

constexpr int kFirstMode = 1577;
// The pictures of the three buttons, in mode order.
constexpr UINT kPictures[3] = {220, 219, 222};

} // namespace

void CKnifeDlg::Show(BOOL show) {
    ShowWindow(show ? SW_SHOW : SW_HIDE);
}

void CKnifeDlg::DoDataExchange(CDataExchange* dx) {
    DDX_Radio(dx, kFirstMode, m_mode);
}

BOOL CKnifeDlg::OnInitDialog() {
    for (size_t i = 0; i < m_pictures.size(); ++i) {
        auto* button = dynamic_cast<CButton*>(GetDlgItem(kFirstMode + static_cast<int>(i)));
        if (button && m_pictures[i].LoadBitmap(kPictures[i]))
            button->SetBitmap(m_pictures[i]);
    }
    if (const CQuelDoc* doc = GetDoc())
        m_mode = doc->m_knifeMode;
    return CDialog::OnInitDialog();
}

const CommandMap& CKnifeDlg::GetCommandMap() const {
    static const CommandMap map =
        CommandMapFor<CKnifeDlg>(CDialog::GetCommandMap())
            .OnControlRange(BN_CLICKED, kFirstMode, kFirstMode + 2, &CKnifeDlg::OnModeClicked);
    return map;
}

void CKnifeDlg::OnModeClicked(UINT) {
    UpdateData(TRUE);
    if (CQuelDoc* doc = GetDoc())
        doc->m_knifeMode = m_mode;
}
