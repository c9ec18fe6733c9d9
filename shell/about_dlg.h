#pragma once
// The About box (dialog 100) with the version of the running program, which
// is compiled in.
#include "platform/ui/dialog.h"

class CVersionInfo {
public:
    // The program's version, "major.minor.patch".
    CString GetFileVersion() const;
};

class CAboutDlg : public CDialog {
public:
    enum { IDD = 100 };
    explicit CAboutDlg(CWnd* parent = nullptr) : CDialog(IDD, parent) {}

    CString m_version;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
};
