#pragma once
// "Change Name": the name of a scene item, edited. With the name check on
// (the renames of objects, folders, lights, materials and polygon objects),
// OK is enabled only while the typed name is new: not empty and used by no
// patch object, light, material, polygon object or folder. A name the
// document file cannot hold (outside CP932) is never accepted.
#include "platform/ui/dialog.h"

class CRenameDlg : public CDialog {
public:
    enum { IDD = 120 };
    explicit CRenameDlg(CWnd* parent = nullptr) : CDialog(IDD, parent) {}

    // Preset by the caller; the new name after IDOK.
    CString m_name;
    int m_checkNames = 1;

    // Whether OK may take the name.
    static bool IsAcceptable(const CString& name, int checkNames);

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    const CommandMap& GetCommandMap() const override;

private:
    void OnNameChange();
};
