#pragma once
// The pickers of the object panel and the default-material page: a list of
// the document's patch objects ("Select Object") or materials ("Select
// Material"), in list order. One line is always chosen while the list has
// any; OK is disabled for an empty list. After IDOK m_index is the chosen
// element's position in the document's list.
#include "platform/ui/controls.h"
#include "platform/ui/dialog.h"

class CListPickerDlg : public CDialog {
public:
    int m_index = 0;

protected:
    CListPickerDlg(UINT templateId, CWnd* parent) : CDialog(templateId, parent) {}
    void DoDataExchange(CDataExchange* dx) override;
    const CommandMap& GetCommandMap() const override;

    // A line showing text that stands for the element at position.
    void AddLine(const CString& text, int position);
    // Chooses the line (the first one for -1); disables OK when there is none.
    void ChooseLine(int line);

    CListBox m_list;

private:
    void OnSelChange();
};

class CSelectObjectDlg : public CListPickerDlg {
public:
    enum { IDD = 123 };
    explicit CSelectObjectDlg(CWnd* parent = nullptr) : CListPickerDlg(IDD, parent) {}

    // The patch object of this name is not listed.
    CString m_excludedName;

protected:
    // The first listed object that is selected is chosen at first.
    BOOL OnInitDialog() override;
};

class CSelectMaterialDlg : public CListPickerDlg {
public:
    enum { IDD = 206 };
    explicit CSelectMaterialDlg(CWnd* parent = nullptr) : CListPickerDlg(IDD, parent) {}

protected:
    BOOL OnInitDialog() override;
};
