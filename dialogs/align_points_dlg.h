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
};
