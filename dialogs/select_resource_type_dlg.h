#pragma once
// The interface language dialog of the first start: "Japanese" is IDOK,
// "English" IDCANCEL, and so are Escape and the close box.
#include "platform/ui/dialog.h"

class CSelectResourceTypeDlg : public CDialog {
public:
    enum { IDD = 188 };
    explicit CSelectResourceTypeDlg(CWnd* parent = nullptr) : CDialog(IDD, parent) {}
};
