#pragma once
// The shift-position dialog (160): shows the bounding box of the points to
// move (maximum, minimum and size per axis, filled by the caller) and asks
// which of its centre (0), minimum (1) or maximum (2) goes to 0, on which
// axes.
#include "platform/ui/dialog.h"

#include <array>

class CShiftPositionDlg : public CDialog {
public:
    enum { IDD = 160 };
    enum Action { centreToZero = 0, minimumToZero = 1, maximumToZero = 2 };
    explicit CShiftPositionDlg(CWnd* parent = nullptr) : CDialog(IDD, parent) {}

    std::array<int, 3> m_use{1, 1, 1};
    std::array<float, 3> m_size{};
    std::array<float, 3> m_max{};
    std::array<float, 3> m_min{};
    int m_action = centreToZero;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    const CommandMap& GetCommandMap() const override;

private:
    // OK only while an axis is checked.
    void OnAxisClicked();
};
