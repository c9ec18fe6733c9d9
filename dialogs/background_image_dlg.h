#pragma once
// The background image dialog (208, "下絵設定" / "Set Background Image"):
// per view (top, front, right, the others) the bitmap drawn behind the panes,
// its centre and its scale, each view in a folding group; the last group
// opens folded. The caller fills m_entries before DoModal and applies them on
// IDOK.
#include "app/underlay_settings.h"
#include "controls/quel_group.h"
#include "platform/ui/controls.h"
#include "platform/ui/dialog.h"

#include <array>

class CBackgroundImageDlg : public CDialog {
public:
    enum { IDD = 208 };
    explicit CBackgroundImageDlg(CWnd* parent = nullptr) : CDialog(IDD, parent) {}

    CUnderlayEntries m_entries;

    // The controls of one view: its header, file field, browse and clear
    // buttons, and centre and scale fields.
    struct ViewIds {
        UINT header, path, browse, clear, centre[2], scale[2];
    };
    static const std::array<ViewIds, 4> kViews;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    const CommandMap& GetCommandMap() const override;

private:
    void OnBrowse(UINT id);
    void OnClear(UINT id);

    std::array<CQuelGroup, 4> m_groups;
    CButton m_ok;
};
