#pragma once
// The options of an export plug-in run (211, "Option"): at most eight
// objects, and the resolution (Low, Medium, High), whose radio buttons are
// enabled only when the plug-in offers the choice. It has OK alone; closing
// it otherwise counts as cancel.
#include "platform/ui/dialog.h"

class CPluginOptionDlg : public CDialog {
public:
    enum { IDD = 211 };
    explicit CPluginOptionDlg(CWnd* parent = nullptr) : CDialog(IDD, parent) {}

    BOOL m_resolutionOffered = FALSE;
    BOOL m_atMostEight = TRUE;
    int m_resolution = 0;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
};
