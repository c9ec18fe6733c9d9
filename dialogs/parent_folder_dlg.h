#pragma once
// "Select New Parent Folder": a tree of the document's folder hierarchy
// under "Root". OK is enabled only while "Root" or a folder is selected;
// after IDOK m_chosenFolder is that folder, null for "Root".
#include "platform/ui/dialog.h"
#include "platform/ui/tree_ctrl.h"

class CBaseObj;
class CFolderObj;

class CParentFolderDlg : public CDialog {
public:
    enum { IDD = 226 };
    explicit CParentFolderDlg(CWnd* parent = nullptr) : CDialog(IDD, parent) {}

    CFolderObj* m_chosenFolder = nullptr;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    const CommandMap& GetCommandMap() const override;

private:
    void OnSelChanged(NMHDR* header, LRESULT* result);
    // The item of node under parent, sorted, and below it a folder's members.
    void InsertNode(const CBaseObj* node, HTREEITEM parent);

    CTreeCtrl m_tree;
    CImageList m_images;
};
