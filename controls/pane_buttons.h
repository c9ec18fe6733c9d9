#pragma once
// The two small buttons of a pane's header besides its menu buttons.
//
// CTextButton: the pane letter "A" to "D" in a rounded box, pink while its
// pane is the document's active pane, green-grey otherwise; the owner
// redraws it when the active pane changes. A click gives the owner the
// ordinary BN_CLICKED.
//
// CLineButton: a small line figure in black, blue while pressed: 0 a tall
// bar, 1 a wide bar, 2 two overlapping frames. A click gives the owner the
// ordinary BN_CLICKED and the keyboard focus back to the main window.
#include "platform/ui/controls.h"

class CTextButton : public CButton {
public:
    const char* GetRuntimeClassName() const override { return "CTextButton"; }
    // Stores and, once the button exists, redraws it at once.
    void SetPaneIndex(int pane);
    int GetPaneIndex() const { return m_paneIndex; }

protected:
    void DrawItem(LPDRAWITEMSTRUCT drawItem) override;
    BOOL OnEraseBkgnd(CDC* dc) override;

private:
    int m_paneIndex = 0;
};

class CLineButton : public CButton {
public:
    const char* GetRuntimeClassName() const override { return "CLineButton"; }
    void SetShape(int figure) { m_figure = figure; }
    COLORREF GetPenColor() const { return m_penColor; }

protected:
    void DrawItem(LPDRAWITEMSTRUCT drawItem) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;

private:
    int m_figure = 0;
    COLORREF m_penColor = RGB(0, 0, 0);
};
