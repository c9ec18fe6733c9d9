#include "dialogs/parent_folder_dlg.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "dialogs/dialog_texts.h"
#include "dialogs/object_tree_images.h"

namespace {

constexpr int kTree = 1022;

constexpr ControlText kEnglish[] = {{IDCANCEL, "Cancel"}};

} // namespace

const CommandMap& CParentFolderDlg::GetCommandMap() const {
    static const CommandMap map = CommandMapFor<CParentFolderDlg>(CDialog::GetCommandMap())
                                      .OnNotify(TVN_SELCHANGED, kTree, &CParentFolderDlg::OnSelChanged);
    return map;
}

void CParentFolderDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, kTree, m_tree);
}

BOOL CParentFolderDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (CreateObjectTreeImages(m_images))
        m_tree.SetImageList(&m_images, TVSIL_NORMAL);
    const HTREEITEM root = m_tree.InsertItem("Root", 2, 2, TVI_ROOT, TVI_FIRST);
    m_tree.SetItemData(root, 0);
    if (CQuelDoc* doc = GetDoc())
        for (const CBaseObj* node : doc->m_tree.GetRoot())
            InsertNode(node, root);
    m_tree.Expand(root, TVE_EXPAND);
    if (CWnd* ok = GetDlgItem(IDOK))
        ok->EnableWindow(FALSE);
    ApplyEnglishTexts(*this, "Select New Parent Folder", kEnglish);
    return TRUE;
}

void CParentFolderDlg::InsertNode(const CBaseObj* node, HTREEITEM parent) {
    const int image = ObjectTreeImageOf(node);
    const HTREEITEM item = m_tree.InsertItem(node->GetName(), image, image, parent, TVI_SORT);
    m_tree.SetItemData(item, reinterpret_cast<DWORD_PTR>(node));
    if (node->GetObjType() == objTypeFolder)
        for (const CBaseObj* member : static_cast<const CFolderObj*>(node)->GetMembers())
            InsertNode(member, item);
}

void CParentFolderDlg::OnSelChanged(NMHDR*, LRESULT* result) {
    const HTREEITEM item = m_tree.GetSelectedItem();
    auto* node = item ? reinterpret_cast<CBaseObj*>(m_tree.GetItemData(item)) : nullptr;
    const bool folder = node && node->GetObjType() == objTypeFolder;
    m_chosenFolder = folder ? static_cast<CFolderObj*>(node) : nullptr;
    if (CWnd* ok = GetDlgItem(IDOK))
        ok->EnableWindow(item && (!node || folder));
    *result = 0;
}
