#include "dialogs/select_list_dlgs.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "dialogs/dialog_texts.h"

namespace {

constexpr int kList = 1056;

constexpr ControlText kEnglish[] = {{IDCANCEL, "Cancel"}};

} // namespace

const CommandMap& CListPickerDlg::GetCommandMap() const {
    static const CommandMap map = CommandMapFor<CListPickerDlg>(CDialog::GetCommandMap())
                                      .OnLbnSelChange(kList, &CListPickerDlg::OnSelChange);
    return map;
}

void CListPickerDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, kList, m_list);
}

void CListPickerDlg::AddLine(const CString& text, int position) {
    const int line = m_list.AddString(text);
    m_list.SetItemData(line, static_cast<DWORD_PTR>(position));
}

void CListPickerDlg::ChooseLine(int line) {
    if (m_list.GetCount() == 0) {
        if (CWnd* ok = GetDlgItem(IDOK))
            ok->EnableWindow(FALSE);
        return;
    }
    if (line < 0)
        line = 0;
    m_list.SetCurSel(line);
    m_index = static_cast<int>(m_list.GetItemData(line));
}

void CListPickerDlg::OnSelChange() {
    const int line = m_list.GetCurSel();
    if (line >= 0)
        m_index = static_cast<int>(m_list.GetItemData(line));
}

BOOL CSelectObjectDlg::OnInitDialog() {
    CListPickerDlg::OnInitDialog();
    ApplyEnglishTexts(*this, "Select Object", kEnglish);
    int chosen = -1;
    if (CQuelDoc* doc = GetDoc()) {
        int position = 0;
        for (const CSpatchObj* obj : doc->m_objects) {
            if (obj->GetName() != m_excludedName) {
                AddLine(obj->GetName(), position);
                if (chosen < 0 && obj->GetSelected() == 1)
                    chosen = m_list.GetCount() - 1;
            }
            ++position;
        }
    }
    ChooseLine(chosen);
    return TRUE;
}

BOOL CSelectMaterialDlg::OnInitDialog() {
    CListPickerDlg::OnInitDialog();
    ApplyEnglishTexts(*this, "Select Material", kEnglish);
    if (CQuelDoc* doc = GetDoc()) {
        int position = 0;
        for (const CMaterialData* mat : doc->m_materials)
            AddLine(mat->m_name, position++);
    }
    ChooseLine(-1);
    return TRUE;
}
