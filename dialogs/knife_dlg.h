#pragma once
// The knife window (221): while the knife is the left button's tool, three
// picture buttons choose how it cuts (the document's knife mode): only the
// curves (0), also the patches (1), or also with a new curve through the cut
// (2). A click sets the mode at once. Enter and Escape leave it open; it is
// shown and hidden with the tool.
#include "app/window_services.h"
#include "platform/ui/dc.h"
#include "platform/ui/dialog.h"

#include <array>

class CKnifeDlg : public CDialog, public CKnifeDialogServices {
public:
    enum { IDD = 221 };
    CKnifeDlg() : CDialog(IDD, nullptr) {}

    void Show(BOOL show) override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}
    const CommandMap& GetCommandMap() const override;

private:
    void OnModeClicked(UINT id);

    int m_mode = 0;
    std::array<CBitmap, 3> m_pictures;
};
