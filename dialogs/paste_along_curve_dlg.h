#pragma once
// The paste-along-curve dialog (134): paste a copy of the clipboard on every
// point of the selected curve. Pasting at a number of points dividing the
// curve (2 to 100) is shown but cannot be chosen, so its number field stays
// disabled too.
#include "controls/my_edit.h"
#include "controls/quel_spin.h"
#include "platform/ui/dialog.h"

class CPasteAlongCurveDlg : public CDialog {
public:
    enum { IDD = 134 };
    enum Mode { pasteOnPoints = 0, pasteAtSubdivisions = 1 };
    explicit CPasteAlongCurveDlg(CWnd* parent = nullptr) : CDialog(IDD, parent) {}

    int m_mode = pasteOnPoints;
    int m_subdivision = 2;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    const CommandMap& GetCommandMap() const override;

private:
    void OnModeClicked();
    void OnKillFocusSubdivision();
    // The number field is enabled while the mode is the subdivision one.
    void EnableSubdivision();

    CMyEdit m_subdivisionEdit;
    CQuelSpin m_subdivisionSpin;
};
