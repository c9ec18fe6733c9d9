#pragma once
// The document information dialog (230, "Document"): the document's patch
// objects and folders, and for the scope of the chosen tab ("All", "Select
// Object", "Export") its patches by sides, curves and control points. The
// texts are English in both languages.
#include "app/document_counts.h"
#include "platform/ui/dialog.h"
#include "platform/ui/tab_ctrl.h"

class CQuelDoc;

class CDocumentInfoDlg : public CDialog {
public:
    enum { IDD = 230 };
    explicit CDocumentInfoDlg(CQuelDoc& doc, CWnd* parent = nullptr);

    int m_objectCount = 0;
    int m_folderCount = 0;
    CScopeCounts m_counts;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    const CommandMap& GetCommandMap() const override;

private:
    void OnTabChange(NMHDR* header, LRESULT* result);

    CQuelDoc& m_doc;
    CTabCtrl m_tabs;
};
