#pragma once
// CXyzButton: the push button of the transform command bar ("Trans", "Rot",
// "Scale") that shows its caption over three rows labelled X, Y and Z. The
// bar sets m_active on the button whose numbers it shows and m_value to
// them, then redraws it; an inactive button shows " . . . " in every row. A
// click gives the bar the ordinary BN_CLICKED.
#include "model/vector3.h"
#include "platform/ui/controls.h"

// The tops of the three rows of a button of client height `height`, and
// their height (zero or less for a button too low for them).
struct XyzRows {
    int height = 0;
    int tops[3] = {0, 0, 0};
};
XyzRows XyzRowLayout(int height);
// What row 0, 1 or 2 shows in its value box: the component with 3 decimals,
// or the placeholder while the button is not active.
CString XyzRowValue(const CVector3& value, BOOL active, int row);

class CXyzButton : public CButton {
public:
    const char* GetRuntimeClassName() const override { return "CXyzButton"; }

    CVector3 m_value;
    BOOL m_active = FALSE;

protected:
    void DrawItem(LPDRAWITEMSTRUCT drawItem) override;
    BOOL OnEraseBkgnd(CDC* dc) override;
};
