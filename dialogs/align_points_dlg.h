#pragma once
// The align-points dialog (159): shows the bounding box of the selected
// points (filled by the caller) and asks a new position and on which axes to
// put every selected point on it.
#include "platform/ui/dialog.h"

#include <array>

class CAlignPointsDlg : public CDialog {
public:
    enum { IDD = 159 };
    explicit CAlignPointsDlg(CWnd* parent = nullptr) : CDialog(IDD, parent) {}

    std::array<float, 3> m_max{};
    std::array<float, 3> m_min{};
    std::array<int, 3> m_apply{1, 0, 0};
    std::array<float, 3> m_position{};

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    const CommandMap& GetCommandMap() const override;

private:
    // A maximum or minimum button puts its value into the position of its axis.
    void OnBoundClicked(UINT id);
    void OnApplyClicked();
    // OK only while an axis applies; each position field only while its axis applies.
    void UpdateEnabling();
};
